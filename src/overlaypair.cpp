#include "overlaypair.h"

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
