#include "startscreen.h"

namespace
{
constexpr uint8_t ourKeyReturn = 0x1C;
}  // namespace

StartScreen::StartScreen(HGE* aHGE)
    : myTitle(aHGE, "img/CutsceneImages/mainscreen.dds"), mySlideshow(aHGE)
{
}

void StartScreen::HandleInput(InputWrapper& aInput)
{
    if (mySlideshowRunning)
    {
        mySlideshow.HandleInput(aInput);
    }
    else if (aInput.KeyReleased(ourKeyReturn))
    {
        mySlideshowRunning = true;
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
