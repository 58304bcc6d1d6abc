#include "cursor.h"

#include "eventsingelton.h"

void Cursor::Init(HGE* aHGE)
{
    mySprite = StaticSprite(aHGE, "img/cursor.dds");
}

void Cursor::SetPosition(const Vector2<int>& aPosition)
{
    myPosition = Vector2<float>(static_cast<float>(aPosition.x), static_cast<float>(aPosition.y));
}

void Cursor::Render(RenderData& aBuffer, bool aShow) const
{
    if (aShow || PostMaster::GetInstance()->paused)
    {
        aBuffer.SubmitSprite(mySprite, myPosition);
    }
}
