#pragma once
// The hub outside the crashed time machine; every outdoor scene is reached from here.
#include "levelbasedata.h"

class JungleCrashSite : public LevelBaseData
{
public:
    void Init(HGE* aHGE) override;
    void CreateConversations() override;
    void UpdateScript(float aElapsed, Player& aPlayer, Inventory& aInventory) override;
    void Update(Player& aPlayer, Camera& aCamera, float aElapsed) override;
    void RenderObjects(RenderData& aBuffer, const Camera& aCamera) override;
    void HandleInput(InputWrapper& aInput, float aElapsed, Inventory& aInventory) override;
};
