#pragma once
// The hub outside the crashed time machine; every outdoor scene is reached from here. Roderick
// is switched on here, the first items lie about, the big tree becomes logs under the axe, and
// the raft carries the heroine across the river.
#include "curtain.h"
#include "interactable.h"
#include "levelbasedata.h"
#include "raft.h"

class JungleCrashSite : public LevelBaseData
{
public:
    void Init(HGE* aHGE) override;
    void CreateConversations() override;
    void UpdateScript(float aElapsed, Player& aPlayer, Inventory& aInventory) override;
    void Update(Player& aPlayer, Camera& aCamera, float aElapsed) override;
    void RenderObjects(RenderData& aBuffer, const Camera& aCamera) override;
    // The scene's overlay, then its own curtain: a jump it covers hides everything.
    void RenderOverlay(RenderData& aBuffer, const Camera& aCamera) override;
    void RenderPrompts(RenderData& aBuffer) const override;
    void HandleInput(InputWrapper& aInput, float aElapsed, Inventory& aInventory) override;
    // Roderick while he is off, the raft once it is built, the tree once he is on.
    float UseDistance(const Vector2<float>& aHeroine) const override;

    const Raft& GetRaft() const { return myRaft; }
    const Interactable& GetTree() const { return myTree; }
    bool IsAxeReady() const { return myAxeReady; }
    bool IsTreeChopped() const { return myTreeChopped; }
    // The fade that covers the chop and the crossing, under the heroine.
    const Curtain& GetCurtain() const { return myCurtain; }

    // The scene's own part of a saved game (a chopped tree is gone).
    struct State
    {
        bool axeReady = false;
        bool treeChopped = false;
        Curtain::State curtain;
        Raft::State raft;
        bool chopFollows = false;
    };
    State GetState() const
    {
        return State{myAxeReady, myTreeChopped, myCurtain.GetState(), myRaft.GetState(),
                     myChopFollows};
    }
    void SetState(const State& aState);

private:
    // The tree falls and becomes logs.
    void Chop(Inventory& aInventory);

    // Covers the chop and the river crossing.
    Curtain myCurtain;
    Raft myRaft;
    Interactable myTree;
    bool myAxeReady = false;
    bool myTreeChopped = false;
    // She first came to the tree holding the axe: the chop follows its description.
    bool myChopFollows = false;
};
