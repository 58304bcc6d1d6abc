#pragma once
// A short picture sequence over a scene: a curtain fades in, a picture fades in over it, is
// held for five seconds and fades out, and the curtain fades out again. Fades move one alpha
// step per logic frame; only the hold counts milliseconds. The volcano plays the bird's
// flight with it; every other scene keeps an idle one that draws nothing.
#include "color.h"
#include "hge.h"
#include "renderdata.h"
#include "staticsprite.h"

class OverlayPair
{
public:
    // Idle: no pictures, never drawn.
    OverlayPair() = default;
    // Loads the bird picture and the curtain, both transparent; the curtain starts closing.
    explicit OverlayPair(HGE* aHGE);

    // One frame of the sequence: each stage whose flag is set on entry runs, in order.
    void Update(float aElapsedMs);
    // The player moves it on, as a key does the prologue's pictures: while it fades in, the
    // picture shows at once; while it shows or fades out, it goes and the curtain starts to
    // open; while the curtain opens, the sequence is over.
    void Skip();
    // The curtain, then the picture, each once it has been shown.
    void FillRenderBuffer(RenderData& aBuffer) const;

    bool IsFinished() const { return myFinished; }
    // Under way: begun and not yet over.
    bool IsPlaying() const { return myCurtainShown && !myFinished; }
    int GetCurtainAlpha() const { return myCurtainColor.alpha; }
    int GetPictureAlpha() const { return myPictureColor.alpha; }

    // How far the sequence has got: what a saved game keeps.
    struct State
    {
        bool finished = false;
        int curtainAlpha = 0;
        int pictureAlpha = 0;
        float holdTime = 0.0f;
        bool holding = false;
        bool pictureFadingIn = false;
        bool pictureFadingOut = false;
        bool curtainClosing = false;
        bool curtainOpening = false;
        bool curtainShown = false;
        bool pictureShown = false;
    };
    State GetState() const;
    void SetState(const State& aState);

private:
    bool myFinished = false;
    StaticSprite myPicture;
    StaticSprite myCurtain;
    Vector2<float> myCurtainPosition;
    Vector2<float> myPicturePosition;
    Color myCurtainColor{255, 255, 255, 0};
    Color myPictureColor{255, 255, 255, 0};
    float myHoldTime = 0.0f;
    bool myHolding = false;
    bool myPictureFadingIn = false;
    bool myPictureFadingOut = false;
    bool myCurtainClosing = false;
    bool myCurtainOpening = false;
    bool myCurtainShown = false;
    bool myPictureShown = false;
};
