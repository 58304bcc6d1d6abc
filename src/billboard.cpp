#include "billboard.h"

#include "soundmanager.h"

Billboard::Billboard(HGE* aHGE) : mySprite(aHGE, "img/CutsceneImages/billboard BB.jpg") {}

void Billboard::Show(float /*aElapsedMs*/)
{
    // The time machine starts for home as the end picture comes up.
    if (!myShown)
    {
        SoundManager::PlayEffect(geometry::SoundEffect::MachineStarts);
    }
    myShown = true;
}

void Billboard::HandleInput(InputWrapper& aInput)
{
    if (aInput.Released(Action::TalkOn) || aInput.Released(Action::Menu))
    {
        myDismissed = true;
    }
}

void Billboard::FillRenderBuffer(RenderData& aBuffer) const
{
    if (myShown)
    {
        aBuffer.SubmitSprite(mySprite, Vector2<float>());
    }
}
