#pragma once
// Inside the crashed time machine, where the game begins and ends: the computer wakes the
// heroine, the engine takes the four parts she brings back, and the trip home ends the game.
#include <array>
#include <bitset>

#include "interactable.h"
#include "levelbasedata.h"

class TimeMachine : public LevelBaseData
{
public:
    void Init(HGE* aHGE) override;
    void CreateConversations() override;
    void UpdateScript(float aElapsed, Player& aPlayer, Inventory& aInventory) override;
    void Update(Player& aPlayer, Camera& aCamera, float aElapsed) override;
    // The robot, the engine spot and every part fitted so far, in its socket on the engine.
    void RenderObjects(RenderData& aBuffer, const Camera& aCamera) override;
    void RenderPrompts(RenderData& aBuffer) const override;
    void HandleInput(InputWrapper& aInput, float aElapsed, Inventory& aInventory) override;
    // The engine, when she stands at it.
    float UseDistance(const Vector2<float>& aHeroine) const override;

    // The engine's part slots: 0 the belt, 1 the diamond, 2 the magnetic rock, 3 the gold.
    const std::bitset<4>& GetInstalledParts() const { return myParts; }
    bool AllPartsIn() const { return myAllPartsIn; }
    // Level time at which the woken heroine is spoken to.
    float GetWakeTime() const { return myWakeTime; }
    const Interactable& GetEngineSpot() const { return mySpot; }

    // The scene's own part of a saved game: the parts in their slots, whether the engine has
    // been used, and when the woken heroine is spoken to.
    struct State
    {
        std::bitset<4> parts;
        bool allPartsIn = false;
        float wakeTime = 0.0f;
        bool engineUsed = false;
    };
    State GetState() const { return State{myParts, myAllPartsIn, myWakeTime, mySpot.IsUsed()}; }
    void SetState(const State& aState);

private:
    Interactable mySpot;
    std::array<StaticSprite, 4> myFittedParts;  // by slot
    std::bitset<4> myParts;
    bool myAllPartsIn = false;
    float myWakeTime = 0.0f;
};
