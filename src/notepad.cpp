#include "notepad.h"

#include "engineparts.h"
#include "eventsingelton.h"
#include "soundmanager.h"

namespace
{
using geometry::SoundEffect;
constexpr uint8_t ourKeyN = 0x31;
const Vector2<float> ourPosition(285.0f, 80.0f);

const char* const ourMarkPictures[4] = {
    "img/Inventory-Notepad/notepad_highlight_Belt.dds",
    "img/Inventory-Notepad/notepad_highlight_Crystal.dds",
    "img/Inventory-Notepad/notepad_highlight_Magnet.dds",
    "img/Inventory-Notepad/notepad_highlight_Wire.dds",
};
}  // namespace

void Notepad::Init(HGE* aHGE)
{
    myPage = StaticSprite(aHGE, "img/Inventory-Notepad/notepad.dds");
    myPage.SetPosition(ourPosition);
    for (size_t i = 0; i < 4; ++i)
    {
        myMarkSprites[i] = StaticSprite(aHGE, ourMarkPictures[i]);
        myMarkSprites[i].SetPosition(ourPosition);
    }
    myOpen = false;
    myMarks.reset();
}

void Notepad::Toggle()
{
    myOpen = !myOpen;
    PostMaster::GetInstance()->notepadOpen = myOpen;
    SoundManager::PlayEffect(myOpen ? SoundEffect::NotepadOpens : SoundEffect::NotepadCloses);
}

void Notepad::HandleInput(InputWrapper& aInput)
{
    if (aInput.KeyReleased(ourKeyN))
    {
        Toggle();
    }
}

void Notepad::CheckParts(const Inventory& aInventory)
{
    for (const EnginePart& part : ourEngineParts)
    {
        if (aInventory.HasItem(part.itemName))
        {
            myMarks.set(part.slot);
        }
    }
}

void Notepad::FillRenderBuffer(RenderData& aBuffer) const
{
    if (!myOpen)
    {
        return;
    }
    aBuffer.SubmitSprite(myPage, myPage.GetPosition());
    for (size_t i = 0; i < 4; ++i)
    {
        if (myMarks.test(i))
        {
            aBuffer.SubmitSprite(myMarkSprites[i], myMarkSprites[i].GetPosition());
        }
    }
}
