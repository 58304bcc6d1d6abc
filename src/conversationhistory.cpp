#include "conversationhistory.h"

#include <algorithm>

#include "assertion.h"
#include "bitmapfont.h"
#include "conversationlayout.h"
#include "inputwrapper/inputwrapper.h"
#include "renderdata.h"
#include "scriptline.h"

namespace
{
namespace layout = geometry;

const char ourFontPath[] = "img/Font/HGE_font1.fnt";
constexpr float ourGap = 6.0f;
const Color ourNameColour{255, 214, 120, 255};

float ToFloat(int aPixels)
{
    return static_cast<float>(aPixels);
}

size_t IndexOf(const Speaker& aSpeaker)
{
    const std::vector<const Speaker*>& all = AllSpeakers();
    return static_cast<size_t>(std::find(all.begin(), all.end(), &aSpeaker) - all.begin());
}
}  // namespace

void ConversationHistory::Init(HGE* aHGE)
{
    myHGE = aHGE;
    myPanel = StaticSprite(aHGE, "img/Conversation/History.dds");
    myFaces.clear();
    for (const Speaker* speaker : AllSpeakers())
    {
        myFaces.emplace_back(aHGE, speaker->face);
    }
    myMeasure = std::make_shared<BitmapFont>(aHGE, ourFontPath, false);
    MARROWEN_ASSERT(myMeasure->GetProblem().empty() && "Could not load the font.",
                    "conversationhistory");
    myRowHeight = myMeasure->GetHeight();
    Font name(aHGE, ourFontPath);
    name.Load();
    name.SetColor(ourNameColour);
    Font text(aHGE, ourFontPath);
    text.Load();
    for (Slot& slot : mySlots)
    {
        slot.name = name;
        slot.text = text;
    }
    myOpen = false;
    myEntries.clear();
    myWrapped.clear();
    mySpeakers.clear();
    myScroll = 0;
}

void ConversationHistory::Add(const Speaker& aSpeaker, const std::string& aSpoken)
{
    myEntries.push_back(Entry{aSpeaker.label, aSpoken});
    mySpeakers.push_back(IndexOf(aSpeaker));
    const BitmapFont& measure = *myMeasure;
    myWrapped.push_back(WrapText(
        aSpoken, ToFloat(layout::ourHistoryTextRight - layout::ourHistoryTextLeft),
        [&measure](const std::string& aText) { return measure.GetStringWidth(aText, true); }));
}

void ConversationHistory::Note(const Speaker& aSpeaker, const std::string& aSpoken)
{
    if (!myEntries.empty() && myEntries.back().speaker == aSpeaker.label &&
        myEntries.back().spoken == aSpoken)
    {
        return;
    }
    Add(aSpeaker, aSpoken);
    // Someone reading earlier lines keeps their place; otherwise the newest line shows.
    if (myScroll > 0)
    {
        ++myScroll;
    }
}

void ConversationHistory::SetEntries(const std::vector<Entry>& aEntries)
{
    myEntries.clear();
    myWrapped.clear();
    mySpeakers.clear();
    myScroll = 0;
    for (const Entry& entry : aEntries)
    {
        if (const Speaker* speaker = FindSpeaker(entry.speaker))
        {
            Add(*speaker, entry.spoken);
        }
    }
}

void ConversationHistory::HandleInput(InputWrapper& aInput)
{
    if (aInput.Released(Action::History))
    {
        myOpen = !myOpen;
        myScroll = 0;
    }
    if (!myOpen)
    {
        return;
    }
    if (aInput.Released(Action::ScrollUp) && myScroll + 1 < myEntries.size())
    {
        ++myScroll;
    }
    if (aInput.Released(Action::ScrollDown) && myScroll > 0)
    {
        --myScroll;
    }
}

void ConversationHistory::Update()
{
    myShown.clear();
    myUsedSlots = 0;
    if (!myOpen)
    {
        return;
    }
    const float top = ToFloat(layout::ourHistoryListTop);
    const float face = ToFloat(layout::ourHistoryFaceSize);
    float bottom = ToFloat(layout::ourHistoryListBottom);
    for (size_t i = myEntries.size() - myScroll; i-- > 0 && myUsedSlots < ourSlots;)
    {
        const auto rows =
            static_cast<float>(std::count(myWrapped[i].begin(), myWrapped[i].end(), '\n') + 1);
        const float height = std::max(face, rows * myRowHeight);
        if (bottom - height < top)
        {
            break;
        }
        bottom -= height;
        Slot& slot = mySlots[myUsedSlots++];
        slot.face = Vector2<float>(ToFloat(layout::ourHistoryListLeft), bottom);
        slot.faceIndex = mySpeakers[i];
        slot.name.SetPosition(ToFloat(layout::ourHistoryNameLeft), bottom);
        slot.name.SetText(myEntries[i].speaker);
        slot.text.SetPosition(ToFloat(layout::ourHistoryTextLeft), bottom);
        slot.text.SetText(myWrapped[i]);
        myShown.insert(myShown.begin(), i);
        bottom -= ourGap;
    }
}

void ConversationHistory::FillRenderBuffer(RenderData& aBuffer) const
{
    if (!myOpen)
    {
        return;
    }
    aBuffer.SubmitSprite(
        myPanel, Vector2<float>(ToFloat(layout::ourHistoryLeft), ToFloat(layout::ourHistoryTop)));
    // Placed from the newest up; drawn from the top down.
    for (size_t i = myUsedSlots; i-- > 0;)
    {
        const Slot& slot = mySlots[i];
        aBuffer.SubmitSprite(myFaces[slot.faceIndex], slot.face);
        aBuffer.SubmitText(slot.name, slot.name.GetPosition());
        aBuffer.SubmitText(slot.text, slot.text.GetPosition());
    }
}
