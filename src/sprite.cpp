#include "sprite.h"

#include "quadsprite.h"

Sprite::Sprite(const Sprite& aOther)
    : myHGE(aOther.myHGE),
      myTexture(aOther.myTexture),
      myQuad(aOther.myQuad),
      myPosition(aOther.myPosition),
      myWidth(aOther.myWidth),
      myHeight(aOther.myHeight),
      myVisible(aOther.IsVisible())
{
}

Sprite& Sprite::operator=(const Sprite& aOther)
{
    if (this == &aOther)
    {
        return *this;
    }
    myHGE = aOther.myHGE;
    myTexture = aOther.myTexture;
    myQuad = aOther.myQuad;
    myPosition = aOther.myPosition;
    myWidth = aOther.myWidth;
    myHeight = aOther.myHeight;
    SetVisible(aOther.IsVisible());
    return *this;
}

void Sprite::SetColor(const Color& aColor)
{
    MARROWEN_ASSERT(myQuad && "Tried to colour a sprite without a picture", "sprite");
    myQuad->SetColor(aColor.ToArgb());
}
