#include "billboard.h"

#include "soundmanager.h"

namespace
{
constexpr uint8_t ourKeyEscape = 0x01;
constexpr uint8_t ourKeyReturn = 0x1C;
}  // namespace

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
    if (aInput.KeyReleased(ourKeyReturn) || aInput.KeyReleased(ourKeyEscape))
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
