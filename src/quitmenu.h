#pragma once
// The pause menu: a panel with "continue" and "exit" buttons, shown while the game is paused
// (the process-wide paused flag is its open state). A click strictly inside a button presses it.
#include "animationbase.h"
#include "hge.h"
#include "inputwrapper/inputwrapper.h"
#include "renderdata.h"

class QuitMenu
{
public:
    QuitMenu() = default;
    // The three pictures' animations, with no sheets yet.
    explicit QuitMenu(HGE* aHGE);

    // Loads the sheets, places them, and computes the buttons' rectangles from their sizes.
    void Init();
    // While paused, a left click: "exit" asks the game to quit, "continue" resumes.
    void Update(InputWrapper& aInput);
    // The panel and its two buttons, while paused.
    void FillRenderBuffer(RenderData& aBuffer);

    const Vector2<float>& GetExitTopLeft() const { return myExitTopLeft; }
    const Vector2<float>& GetExitBottomRight() const { return myExitBottomRight; }
    const Vector2<float>& GetContinueTopLeft() const { return myContinueTopLeft; }
    const Vector2<float>& GetContinueBottomRight() const { return myContinueBottomRight; }

private:
    AnimationBase myBackground{nullptr};
    AnimationBase myExitButton{nullptr};
    AnimationBase myContinueButton{nullptr};
    Vector2<float> myMenuPosition{400.0f, 150.0f};
    Vector2<float> myContinueOffset{26.0f, 25.0f};
    Vector2<float> myExitOffset{26.0f, 90.0f};
    Vector2<float> myExitTopLeft;
    Vector2<float> myExitBottomRight;
    Vector2<float> myContinueTopLeft;
    Vector2<float> myContinueBottomRight;
};
