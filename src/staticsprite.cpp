#include "staticsprite.h"

#include "quadsprite.h"

StaticSprite::StaticSprite(HGE* aHGE, const std::string& aPath) : Sprite(aHGE)
{
    myTexture = myHGE->Texture_Load(aPath.c_str(), 0, false);
    MARROWEN_ASSERT(myTexture && "Can't load in the texture", "staticsprite");
    myWidth = static_cast<float>(myHGE->Texture_GetWidth(myTexture, false));
    myHeight = static_cast<float>(myHGE->Texture_GetHeight(myTexture, false));
    myQuad = std::make_shared<QuadSprite>(myTexture, 0.0f, 0.0f, myWidth, myHeight);
}

void StaticSprite::Render(float /*aElapsedMs*/)
{
    if (IsVisible())
    {
        myQuad->RenderEx(myPosition.x, myPosition.y, 0.0f, 1.0f, 1.0f);
    }
}

void StaticSprite::DrawAt(const Vector2<float>& aPosition) const
{
    if (IsVisible())
    {
        MARROWEN_ASSERT(myQuad && "Tried to draw a sprite without a picture", "staticsprite");
        myQuad->RenderEx(aPosition.x, aPosition.y, 0.0f, 1.0f, 1.0f);
    }
}

void StaticSprite::ShowPart(float aX, float aY, float aWidth, float aHeight)
{
    MARROWEN_ASSERT(myQuad && "Tried to cut a sprite without a picture", "staticsprite");
    myQuad->SetTextureRect(aX, aY, aWidth, aHeight);
    myWidth = aWidth;
    myHeight = aHeight;
}

void StaticSprite::SetTexture(HTEXTURE aTexture)
{
    MARROWEN_ASSERT(myQuad && "Tried to retexture a sprite without a picture", "staticsprite");
    myQuad->SetTexture(aTexture);
}
