#pragma once
// The cave below the deep jungle: sulphur, bat guano (carried only in a coconut half) and the
// magnetic rock stuck in the wall until gunpowder blows the cave open. Once blown apart it is
// replaced for good by the blown-up cave. The robot waits outside.
#include "interactable.h"
#include "levelbasedata.h"

class Cave : public LevelBaseData
{
public:
    void Init(HGE* aHGE) override;
    void CreateConversations() override;
    void UpdateScript(float aElapsed, Player& aPlayer, Inventory& aInventory) override;
    void Update(Player& aPlayer, Camera& aCamera, float aElapsed) override;
    void RenderObjects(RenderData& aBuffer, const Camera& aCamera) override;
    void RenderPrompts(RenderData& aBuffer) const override;
    void HandleInput(InputWrapper& aInput, float aElapsed, Inventory& aInventory) override;

    // The blast: from now on the way in leads to the blown-up cave.
    void BlowApart() { myBlownApart = true; }
    bool IsBlownApart() const { return myBlownApart; }
    const Interactable& GetStone() const { return myStone; }

    // The scene's own part of a saved game: the blast, and whether the rock was remarked on.
    struct State
    {
        bool blownApart = false;
        bool stoneUsed = false;
    };
    State GetState() const { return State{myBlownApart, myStone.IsUsed()}; }
    void SetState(const State& aState);

private:
    void TakeGuano(Inventory& aInventory);

    bool myBlownApart = false;
    Interactable myStone;
};
