#include "curtain.h"

void Curtain::Init(HGE* aHGE)
{
    mySprite = StaticSprite(aHGE, "img/curtain.png");
    myColor = Color();
    mySprite.SetColor(myColor);
}

void Curtain::Close()
{
    myActive = true;
    myColor.alpha += 1;
    if (myColor.alpha >= 255)
    {
        myColor.alpha = 255;
        myActive = false;
    }
    mySprite.SetColor(myColor);
}

void Curtain::Open()
{
    myActive = true;
    myColor.alpha -= 1;
    if (myColor.alpha <= 0)
    {
        myColor.alpha = 0;
        myActive = false;
    }
    mySprite.SetColor(myColor);
}

void Curtain::Render(RenderData& aBuffer) const
{
    aBuffer.SubmitSprite(mySprite, myPosition);
}
