#pragma once
// Below the crash site, on the way to the cave: the coconut, a dry log, dried leaves, and the
// rubber tree, which needs a cut and a shell before it gives its latex.
#include "levelbasedata.h"

class DeepJungle : public LevelBaseData
{
public:
    void Init(HGE* aHGE) override;
    void CreateConversations() override;
    void UpdateScript(float aElapsed, Player& aPlayer, Inventory& aInventory) override;
    void Update(Player& aPlayer, Camera& aCamera, float aElapsed) override;
    void RenderObjects(RenderData& aBuffer, const Camera& aCamera) override;
    void HandleInput(InputWrapper& aInput, float aElapsed, Inventory& aInventory) override;

private:
    // The rubber tree was just used (it lies in the inventory for this one update).
    void UseRubberTree(Inventory& aInventory);
};
