#include "curtain.h"

void Curtain::Init(HGE* aHGE)
{
    mySprite = StaticSprite(aHGE, "img/curtain.png");
    myColor = Color();
    mySprite.SetColor(myColor);
}

void Curtain::InitOpen(HGE* aHGE)
{
    Init(aHGE);
    SetState(State{0, false});
}

void Curtain::Close()
{
    myActive = !StepAlpha(myColor, +1);
    mySprite.SetColor(myColor);
}

void Curtain::Open()
{
    myActive = !StepAlpha(myColor, -1);
    mySprite.SetColor(myColor);
}

void Curtain::SetState(const State& aState)
{
    myColor.alpha = aState.alpha;
    myActive = aState.active;
    mySprite.SetColor(myColor);
}

void Curtain::Render(RenderData& aBuffer) const
{
    aBuffer.SubmitSprite(mySprite, myPosition);
}
