#pragma once
// Inside the crashed time machine, where the game begins and ends.
#include "levelbasedata.h"

class TimeMachine : public LevelBaseData
{
public:
    void Init(HGE* aHGE) override;
    void CreateConversations() override;
    void UpdateScript(float aElapsed, Player& aPlayer, Inventory& aInventory) override;
    void Update(Player& aPlayer, Camera& aCamera, float aElapsed) override;
    void RenderObjects(RenderData& aBuffer, const Camera& aCamera) override;
    void HandleInput(InputWrapper& aInput, float aElapsed, Inventory& aInventory) override;
};
