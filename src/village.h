#pragma once
// North of the crash site: the village woman's request, told over five conversations, the
// gold necklace she gives for the diamond, and the rope for the raft.
#include "interactable.h"
#include "levelbasedata.h"

class Village : public LevelBaseData
{
public:
    void Init(HGE* aHGE) override;
    void CreateConversations() override;
    void UpdateScript(float aElapsed, Player& aPlayer, Inventory& aInventory) override;
    void Update(Player& aPlayer, Camera& aCamera, float aElapsed) override;
    // The robot, the villagers and, once they are home, the children from the volcano's ledge.
    void RenderObjects(RenderData& aBuffer, const Camera& aCamera) override;
    void RenderPrompts(RenderData& aBuffer) const override;
    void HandleInput(InputWrapper& aInput, float aElapsed, Inventory& aInventory) override;
    // The nearest villager she stands by.
    float UseDistance(const Vector2<float>& aHeroine) const override;

    const Interactable& GetWoman() const { return myWoman; }
    // The children she brought down from the volcano's ledge are back in the village.
    void SetChildrenHome(bool aHome) { myChildrenHome = aHome; }
    bool AreChildrenHome() const { return myChildrenHome; }

private:
    Interactable myWoman;
    Interactable myNative;
    Interactable myBoy;
    StaticSprite myRescuedBoy;
    StaticSprite myRescuedGirl;
    bool myChildrenHome = false;
};
