#pragma once
// One frame's drawing as data: the logic thread submits entries (what and where), the render
// thread replays them in submission order, which is the painter's order, and clears them.
#include <cstddef>
#include <cstdint>
#include <deque>

#include "vector2.h"

class StaticSprite;
class AnimationBase;
class Font;

enum RenderKind : int32_t
{
    RENDER_ANIMATION = 0,
    RENDER_SPRITE = 1,
    RENDER_TEXT = 2,
};

struct RenderMessage
{
    RenderMessage() = default;
    RenderMessage(int32_t aKind, const Vector2<float>& aPosition)
        : myKind(aKind), myPosition(aPosition)
    {
    }

    int32_t myKind = RENDER_SPRITE;
    Vector2<float> myPosition;  // screen pixels, top-left of the picture
};

class RenderData
{
public:
    // Each submission queues one command and the object's address; the object must outlive
    // the frame (every game object lives for the whole run).
    void SubmitSprite(const StaticSprite& aSprite, const Vector2<float>& aPosition);
    void SubmitAnimation(AnimationBase& aAnimation, const Vector2<float>& aPosition);
    // A text draws at the font object's own position; aPosition is only recorded.
    void SubmitText(const Font& aFont, const Vector2<float>& aPosition);

    // Render thread: draws every entry in order; animations advance by aElapsedMs.
    void Replay(float aElapsedMs) const;
    // Empties the four queues; the elapsed time stays.
    void Clear();

    // The elapsed time of the logic frame that filled this buffer, in milliseconds.
    void SetElapsed(float aElapsedMs) { myElapsed = aElapsedMs; }
    float GetElapsed() const { return myElapsed; }

    const std::deque<RenderMessage>& GetCommands() const { return myCommands; }
    bool IsEmpty() const { return myCommands.empty(); }

private:
    std::deque<RenderMessage> myCommands;
    std::deque<const StaticSprite*> mySprites;
    std::deque<AnimationBase*> myAnimations;
    std::deque<const Font*> myTexts;
    float myElapsed = 0.0f;
};
