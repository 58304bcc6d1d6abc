#include "overlaypair.h"

#include <algorithm>

namespace
{
constexpr float ourHoldMs = 5000.0f;
}  // namespace

OverlayPair::OverlayPair(HGE* aHGE)
    : myPicture(aHGE, "img/CutsceneImages/cutscene_bird.DDS"),
      myCurtain(aHGE, "img/curtain.png"),
      myPicturePosition(0.0f, -125.0f),
      myCurtainClosing(true)
{
    myCurtain.SetColor(myCurtainColor);
    myPicture.SetColor(myPictureColor);
}

void OverlayPair::Update(float aElapsedMs)
{
    if (myCurtainClosing)
    {
        myCurtainShown = true;
        if (StepAlpha(myCurtainColor, +1))
        {
            myCurtainClosing = false;
            myPictureFadingIn = true;
        }
        myCurtain.SetColor(myCurtainColor);
    }
    if (myPictureFadingIn)
    {
        myPictureShown = true;
        if (StepAlpha(myPictureColor, +1))
        {
            myPictureFadingIn = false;
            myHolding = true;
        }
        myPicture.SetColor(myPictureColor);
    }
    if (myHolding)
    {
        myHoldTime += aElapsedMs;
        if (myHoldTime >= ourHoldMs)
        {
            myPictureFadingOut = true;
        }
    }
    if (myPictureFadingOut)
    {
        myPictureShown = true;
        if (StepAlpha(myPictureColor, -1))
        {
            myPictureFadingOut = false;
            myCurtainOpening = true;
        }
        myPicture.SetColor(myPictureColor);
    }
    if (myCurtainOpening)
    {
        myCurtainShown = true;
        if (StepAlpha(myCurtainColor, -1))
        {
            myFinished = true;
        }
        myCurtain.SetColor(myCurtainColor);
    }
}

void OverlayPair::Skip()
{
    if (!IsPlaying())
    {
        return;
    }
    if (myCurtainClosing || myPictureFadingIn)
    {
        myCurtainClosing = false;
        myPictureFadingIn = false;
        myCurtainColor.alpha = 255;
        myPictureColor.alpha = 255;
        myPictureShown = true;
        myHolding = true;
    }
    else if (!myCurtainOpening)
    {
        myHoldTime = std::max(myHoldTime, ourHoldMs);
        myPictureFadingOut = false;
        myPictureColor.alpha = 0;
        myCurtainOpening = true;
    }
    else
    {
        myCurtainColor.alpha = 0;
        myFinished = true;
    }
    myCurtain.SetColor(myCurtainColor);
    myPicture.SetColor(myPictureColor);
}

OverlayPair::State OverlayPair::GetState() const
{
    return State{myFinished,       myCurtainColor.alpha, myPictureColor.alpha, myHoldTime,
                 myHolding,        myPictureFadingIn,    myPictureFadingOut,   myCurtainClosing,
                 myCurtainOpening, myCurtainShown,       myPictureShown};
}

void OverlayPair::SetState(const State& aState)
{
    myFinished = aState.finished;
    myCurtainColor.alpha = aState.curtainAlpha;
    myPictureColor.alpha = aState.pictureAlpha;
    myHoldTime = aState.holdTime;
    myHolding = aState.holding;
    myPictureFadingIn = aState.pictureFadingIn;
    myPictureFadingOut = aState.pictureFadingOut;
    myCurtainClosing = aState.curtainClosing;
    myCurtainOpening = aState.curtainOpening;
    myCurtainShown = aState.curtainShown;
    myPictureShown = aState.pictureShown;
    myCurtain.SetColor(myCurtainColor);
    myPicture.SetColor(myPictureColor);
}

void OverlayPair::FillRenderBuffer(RenderData& aBuffer) const
{
    if (myCurtainShown)
    {
        aBuffer.SubmitSprite(myCurtain, myCurtainPosition);
    }
    if (myPictureShown)
    {
        aBuffer.SubmitSprite(myPicture, myPicturePosition);
    }
}
