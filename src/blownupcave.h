#pragma once
// The cave after the blast: the same place, emptied. The robot waits outside.
#include "levelbasedata.h"

class BlownUpCave : public LevelBaseData
{
public:
    void Init(HGE* aHGE) override;
    void CreateConversations() override;
    void UpdateScript(float aElapsed, Player& aPlayer, Inventory& aInventory) override;
    void Update(Player& aPlayer, Camera& aCamera, float aElapsed) override;
    void RenderObjects(RenderData& aBuffer, const Camera& aCamera) override;
    void HandleInput(InputWrapper& aInput, float aElapsed, Inventory& aInventory) override;

    // The scene's own part of a saved game.
    struct State
    {
        float sinceEntry = 0.0f;
    };
    State GetState() const { return State{mySinceEntry}; }
    void SetState(const State& aState) { mySinceEntry = aState.sinceEntry; }

private:
    // Time spent in here until the ruins have been remarked on.
    float mySinceEntry = 0.0f;
};
