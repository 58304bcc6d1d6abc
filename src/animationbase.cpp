#include "animationbase.h"

#include <cmath>

#include "quadsprite.h"

AnimationBase::AnimationBase(HGE* aHGE) : Sprite(aHGE) {}

AnimationBase::AnimationBase(const AnimationBase& aOther) : Sprite(aOther)
{
    CopyFrom(aOther);
}

AnimationBase& AnimationBase::operator=(const AnimationBase& aOther)
{
    if (this != &aOther)
    {
        Sprite::operator=(aOther);
        CopyFrom(aOther);
    }
    return *this;
}

void AnimationBase::CopyFrom(const AnimationBase& aOther)
{
    std::scoped_lock lock(myMutex, aOther.myMutex);
    mySheets = aOther.mySheets;
    myCurrent = aOther.myCurrent;
    myFrame = aOther.myFrame;
    myPaused = aOther.myPaused;
    myFrameOffset = aOther.myFrameOffset;
    myElapsed = aOther.myElapsed;
}

void AnimationBase::AddSheet(const std::string& aPath, int aFrameCount, float aMsPerFrame)
{
    MARROWEN_ASSERT(aFrameCount > 0 && aMsPerFrame > 0.0f &&
                        "A sheet needs at least one frame lasting some time",
                    "animationbase");
    myTexture = myHGE->Texture_Load(aPath.c_str(), 0, false);
    MARROWEN_ASSERT(myTexture && "Can't load the sheet!", "animationbase");
    myWidth = static_cast<float>(myHGE->Texture_GetWidth(myTexture, false)) /
              static_cast<float>(aFrameCount);
    myHeight = static_cast<float>(myHGE->Texture_GetHeight(myTexture, false));

    std::lock_guard<std::mutex> lock(myMutex);
    mySheets.push_back({myTexture, aFrameCount, aMsPerFrame, myWidth});
}

const AnimationBase::Sheet& AnimationBase::SheetAt(int aIndex) const
{
    MARROWEN_ASSERT(
        aIndex >= 0 && aIndex < static_cast<int>(mySheets.size()) && "Out of bounds: no such sheet",
        "animationbase");
    return mySheets[static_cast<size_t>(aIndex)];
}

void AnimationBase::Init()
{
    std::lock_guard<std::mutex> lock(myMutex);
    const Sheet& sheet = SheetAt(myCurrent);
    myQuad =
        std::make_shared<QuadSprite>(sheet.myTexture, 0.0f, 0.0f, sheet.myFrameWidth, myHeight);
}

void AnimationBase::Advance(float aElapsedMs)
{
    if (!myPaused)
    {
        myElapsed += aElapsedMs;
    }
    const Sheet& sheet = SheetAt(myCurrent);
    const float duration = sheet.myMsPerFrame;
    const int frameCount = sheet.myFrameCount;
    // Whole cycles end on the same column: drop them, so that a long stall neither takes
    // thousands of steps nor stalls on a float too large to subtract a tiny duration from.
    // Two cycles stay, so a frame index left over from a longer sheet still wraps first.
    const float cycle = duration * static_cast<float>(frameCount);
    if (myElapsed >= 3.0f * cycle)
    {
        myElapsed = 2.0f * cycle + std::fmod(myElapsed, cycle);
    }
    while (duration <= myElapsed)
    {
        myFrameOffset = static_cast<float>(myFrame) * sheet.myFrameWidth;
        myQuad->SetTextureRect(myFrameOffset, 0.0f, myQuad->GetWidth(), myQuad->GetHeight(), false);
        myElapsed -= duration;
        ++myFrame;
        if (myFrame >= frameCount)
        {
            myFrame = 0;
        }
    }
}

void AnimationBase::DrawAt(float aElapsedMs, const Vector2<float>& aPosition)
{
    std::lock_guard<std::mutex> lock(myMutex);
    MARROWEN_ASSERT(myQuad && "Tried to draw an animation before Init", "animationbase");
    Advance(aElapsedMs);
    if (IsVisible())
    {
        myQuad->RenderEx(aPosition.x, aPosition.y, 0.0f, 1.0f, 1.0f);
    }
}

void AnimationBase::Render(float aElapsedMs)
{
    std::lock_guard<std::mutex> lock(myMutex);
    MARROWEN_ASSERT(myQuad && "Tried to draw an animation before Init", "animationbase");
    Advance(aElapsedMs);
    if (IsVisible())
    {
        myQuad->RenderEx(myPosition.x, myPosition.y, 0.0f, 1.0f, 1.0f);
    }
}

void AnimationBase::SetAnimation(int aIndex)
{
    std::lock_guard<std::mutex> lock(myMutex);
    const HTEXTURE texture = SheetAt(aIndex).myTexture;
    myCurrent = aIndex;
    if (myQuad)
    {
        myQuad->SetTexture(texture);
    }
}

void AnimationBase::Pause()
{
    std::lock_guard<std::mutex> lock(myMutex);
    myPaused = true;
}

void AnimationBase::Unpause()
{
    std::lock_guard<std::mutex> lock(myMutex);
    myPaused = false;
}

int AnimationBase::GetCurrentAnimation() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return myCurrent;
}

int AnimationBase::GetFrame() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return myFrame;
}

float AnimationBase::GetFrameOffset() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return myFrameOffset;
}

bool AnimationBase::IsPaused() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return myPaused;
}
