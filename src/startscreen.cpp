#include "startscreen.h"

namespace
{
constexpr int ourCentred = 2;
// Under the title picture's own line about Return, centred on the screen.
const Vector2<float> ourContinuePosition(512.0f, 292.0f);
}  // namespace

StartScreen::StartScreen(HGE* aHGE)
    : myTitle(aHGE, "img/CutsceneImages/mainscreen.dds"),
      mySlideshow(aHGE),
      myContinueLine(aHGE, "img/Font/HGE_font1.fnt")
{
    myContinueLine.Load();
    myContinueLine.SetAlignment(ourCentred);
    myContinueLine.SetPosition(ourContinuePosition);
    myContinueLine.SetText("C: continue");
}

void StartScreen::HandleInput(InputWrapper& aInput)
{
    if (mySlideshowRunning)
    {
        mySlideshow.HandleInput(aInput);
    }
    else if (aInput.Released(Action::TalkOn))
    {
        mySlideshowRunning = true;
    }
    else if (myContinueOffered && aInput.Released(Action::Continue))
    {
        myContinueRequested = true;
    }
}

void StartScreen::Update(float aElapsedMs)
{
    if (mySlideshowRunning)
    {
        mySlideshow.Update(aElapsedMs);
    }
    if (mySlideshow.IsFinished())
    {
        myStarted = true;
    }
}

void StartScreen::FillRenderBuffer(RenderData& aBuffer) const
{
    if (!mySlideshowRunning)
    {
        aBuffer.SubmitSprite(myTitle, Vector2<float>());
        if (myContinueOffered)
        {
            aBuffer.SubmitText(myContinueLine, myContinueLine.GetPosition());
        }
    }
    else
    {
        mySlideshow.FillRenderBuffer(aBuffer);
    }
}

void StartScreen::SkipToPlay()
{
    mySlideshowRunning = true;
    mySlideshow.Finish();
    myStarted = true;
}
