#pragma once
// The volcano east of the crash site. A banana tree gives a banana and two big leaves; in the
// bird suit made of them the heroine flies up to the diamond on the ledge; stairs are built from
// the ledge and then carry her both ways; two children wait up there for a way down; and a hot
// spot cures rubber string into refined rubber. The robot is switched on here from the start.
#include "curtain.h"
#include "levelbasedata.h"

class Vulcano : public LevelBaseData
{
public:
    void Init(HGE* aHGE) override;
    void CreateConversations() override;
    void UpdateScript(float aElapsed, Player& aPlayer, Inventory& aInventory) override;
    void Update(Player& aPlayer, Camera& aCamera, float aElapsed) override;
    // The stairs once built, the bird until she flies, the robot.
    void RenderObjects(RenderData& aBuffer, const Camera& aCamera) override;
    // The scene's overlay, the palm leaves over the heroine once they show, and last the
    // scene's own curtain: a jump it covers hides everything.
    void RenderOverlay(RenderData& aBuffer, const Camera& aCamera) override;
    void HandleInput(InputWrapper& aInput, float aElapsed, Inventory& aInventory) override;

    // The children she brought down are home in the village.
    bool AreChildrenHome() const { return IsPlayed("complete children"); }
    const OverlayPair& GetOverlayPair() const { return myOverlayPair; }
    // The fade that covers her jumps between places.
    const Curtain& GetCurtain() const { return myCurtain; }
    // The palm leaves over the heroine show once she has been set down by the diamond.
    bool IsPalmOverlayShown() const { return !myPalmOverlay.IsHidden(); }

    // The scene's own part of a saved game.
    struct State
    {
        bool flying = false;
        bool diamondDone = false;
        bool childrenReachable = false;
        bool stairsUsedDown = false;
        bool stairsUsedUp = false;
        bool stairsBuilt = false;
        bool childrenSaved = false;
        float sinceDiamond = 0.0f;
        bool palmOverlayShown = false;
        Curtain::State curtain;
        OverlayPair::State overlayPair;
    };
    State GetState() const;
    void SetState(const State& aState);

private:
    void UseBananaTree(Inventory& aInventory);
    void UseVulcanization(Inventory& aInventory);
    void UseStairKit(Inventory& aInventory);
    void UseChildren(Inventory& aInventory);
    // Blacks the level's curtain out at once, for a jump between places.
    void CloseCurtain();
    // The children stand on the ledge, and can be spoken to, only from the diamond on until
    // they are brought down.
    void ShowWhoIsOnTheLedge();

    Curtain myCurtain;
    bool myFlying = false;
    bool myDiamondDone = false;
    bool myChildrenReachable = false;
    bool myStairsUsedDown = false;
    bool myStairsUsedUp = false;
    bool myStairsBuilt = false;
    bool myChildrenSaved = false;
    float mySinceDiamond = 0.0f;
    Item myPalmOverlay;
    StaticSprite myBird;
    StaticSprite myBuiltStairs;
};
