#pragma once
// The raft at the crash site: hidden until it is built, then it carries the heroine (and the
// robot) across the river when she uses it from within its reach. A crossing is one jump to
// the far bank, at the raft's next update after the use.
#include "interactable.h"

class Raft
{
public:
    Raft() = default;
    // Hidden and idle, with its top-left at aPosition (the crash site puts it on the west bank).
    Raft(HGE* aHGE, const Vector2<float>& aPosition);

    // A hidden raft draws nothing and carries nobody.
    void SetShown(bool aShown) { myShown = aShown; }
    bool IsShown() const { return myShown; }
    void ToggleActive() { myActive = !myActive; }
    bool IsActive() const { return myActive; }
    bool IsInRange() const { return myBody.IsInRange(); }
    bool Reaches(const Vector2<float>& aHeroine) const { return myBody.Reaches(aHeroine); }

    // The use key: in reach it readies the crossing; out of reach it toggles, and the next
    // update's range test clears it again. A hidden raft ignores it.
    void Use();
    // Range test (out of reach clears the crossing), then the crossing if one is ready: the
    // heroine and the robot are put on the far bank and the heroine's new position returned;
    // (0, 0) when nobody crossed.
    Vector2<float> Update(const Camera& aCamera, Vector2<float>& aHeroine, Vector2<float>& aRobot);
    void Submit(RenderData& aBuffer) const;
    void SubmitPrompt(RenderData& aBuffer) const;

    const Vector2<float>& GetWorldPosition() const { return myBody.GetWorldPosition(); }

    // What a saved game keeps: built, readied, and the bank it lies at (its position).
    struct State
    {
        bool shown = false;
        bool active = false;
        Vector2<float> position;
    };
    State GetState() const { return State{myShown, myActive, myBody.GetWorldPosition()}; }
    void SetState(const State& aState);

private:
    Interactable myBody;
    bool myShown = false;
    bool myActive = false;
};
