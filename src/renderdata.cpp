#include "renderdata.h"

#include "animationbase.h"
#include "font.h"
#include "staticsprite.h"

void RenderData::SubmitSprite(const StaticSprite& aSprite, const Vector2<float>& aPosition)
{
    myCommands.emplace_back(RENDER_SPRITE, aPosition);
    mySprites.push_back(&aSprite);
}

void RenderData::SubmitAnimation(AnimationBase& aAnimation, const Vector2<float>& aPosition)
{
    myCommands.emplace_back(RENDER_ANIMATION, aPosition);
    myAnimations.push_back(&aAnimation);
}

void RenderData::SubmitText(const Font& aFont, const Vector2<float>& aPosition)
{
    myCommands.emplace_back(RENDER_TEXT, aPosition);
    myTexts.push_back(&aFont);
}

void RenderData::Replay(float aElapsedMs) const
{
    auto sprite = mySprites.begin();
    auto animation = myAnimations.begin();
    auto text = myTexts.begin();
    for (const RenderMessage& command : myCommands)
    {
        switch (command.myKind)
        {
            case RENDER_SPRITE:
                (*sprite++)->DrawAt(command.myPosition);
                break;
            case RENDER_ANIMATION:
                (*animation++)->DrawAt(aElapsedMs, command.myPosition);
                break;
            case RENDER_TEXT:
                (*text++)->Render();
                break;
            default:
                break;
        }
    }
}

void RenderData::Clear()
{
    myCommands.clear();
    mySprites.clear();
    myAnimations.clear();
    myTexts.clear();
}
