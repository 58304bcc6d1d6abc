#include "slideshow.h"

#include <string>

#include "assertion.h"
#include "eventsingelton.h"

namespace
{
constexpr float ourSlideMs = 5000.0f;
constexpr int ourSlides = 7;

std::string SlidePath(int aNumber)
{
    return "img/CutsceneImages/prologue0" + std::to_string(aNumber) + ".dds";
}
}  // namespace

Slideshow::Slideshow(HGE* aHGE) : mySprite(aHGE, SlidePath(1))
{
    for (int number = 2; number <= ourSlides; ++number)
    {
        const HTEXTURE texture = aHGE->Texture_Load(SlidePath(number).c_str(), 0, false);
        MARROWEN_ASSERT(texture && "Can't load in the texture", "slideshow");
        myTextures.push_back(texture);
    }
}

void Slideshow::HandleInput(InputWrapper& aInput)
{
    if (myRunning && aInput.Released(Action::Use))
    {
        mySkipRequested = true;
    }
}

void Slideshow::Update(float aElapsedMs)
{
    myElapsed += aElapsedMs;
    if (myElapsed < ourSlideMs && !mySkipRequested)
    {
        return;
    }
    if (myNext >= myTextures.size())
    {
        Finish();
    }
    else
    {
        mySprite.SetTexture(myTextures[myNext]);
    }
    myElapsed = 0.0f;
    mySkipRequested = false;
    ++myNext;
}

void Slideshow::Finish()
{
    myRunning = false;
    myFinished = true;
    PostMaster::GetInstance()->openingFinished = true;
}

void Slideshow::FillRenderBuffer(RenderData& aBuffer) const
{
    if (!myFinished)
    {
        aBuffer.SubmitSprite(mySprite, Vector2<float>());
    }
}
