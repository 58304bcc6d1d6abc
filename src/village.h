#pragma once
// The village north of the crash site.
#include "levelbasedata.h"

class Village : public LevelBaseData
{
public:
    void Init(HGE* aHGE) override;
    void CreateConversations() override;
    void UpdateScript(float aElapsed, Player& aPlayer, Inventory& aInventory) override;
    void Update(Player& aPlayer, Camera& aCamera, float aElapsed) override;
    void RenderObjects(RenderData& aBuffer, const Camera& aCamera) override;
    void HandleInput(InputWrapper& aInput, float aElapsed, Inventory& aInventory) override;
};
