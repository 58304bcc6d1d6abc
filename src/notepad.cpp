#include "notepad.h"

#include <string>

#include "engineparts.h"
#include "eventsingelton.h"
#include "notepadlayout.h"
#include "soundmanager.h"

namespace
{
namespace layout = geometry;
using geometry::SoundEffect;
const Vector2<float> ourPosition(static_cast<float>(layout::ourNotepadLeft),
                                 static_cast<float>(layout::ourNotepadTop));

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
    for (size_t missing = 0; missing < myHeadings.size(); ++missing)
    {
        myHeadings[missing] = StaticSprite(
            aHGE, "img/Inventory-Notepad/notepad_missing_" + std::to_string(missing) + ".dds");
        myHeadings[missing].SetPosition(
            ourPosition + Vector2<float>(static_cast<float>(layout::ourNotepadHeadingLeft),
                                         static_cast<float>(layout::ourNotepadHeadingTop)));
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
    if (aInput.Released(Action::Notepad))
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
    const StaticSprite& heading = myHeadings[myMarks.size() - myMarks.count()];
    aBuffer.SubmitSprite(heading, heading.GetPosition());
    for (size_t i = 0; i < 4; ++i)
    {
        if (myMarks.test(i))
        {
            aBuffer.SubmitSprite(myMarkSprites[i], myMarkSprites[i].GetPosition());
        }
    }
}
