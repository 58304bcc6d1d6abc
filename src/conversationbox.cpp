#include "conversationbox.h"

#include "assertion.h"
#include "bitmapfont.h"
#include "conversationlayout.h"
#include "eventsingelton.h"
#include "inputwrapper/inputwrapper.h"
#include "renderdata.h"
#include "scriptline.h"

namespace
{
namespace layout = geometry;

const char ourFontPath[] = "img/Font/HGE_font1.fnt";
const char ourEmptyPortrait[] = "img/Conversation/EmptyPortrait.dds";
const char ourNamePlate[] = "img/Conversation/NameBox.dds";
constexpr int ourLeftAligned = 0;
constexpr int ourCentred = 2;
// The listener's face stays in its place, dimmed, while the other side speaks.
const Color ourLit{255, 255, 255, 255};
const Color ourDimmed{110, 110, 120, 255};

float ToFloat(int aPixels)
{
    return static_cast<float>(aPixels);
}
}  // namespace

ConversationBox::ConversationBox(HGE* aHGE, const std::string& aFolder)
    : myHGE(aHGE), myFolder(aFolder)
{
}

void ConversationBox::AddSprite(const char* aPath, float aX, float aY, bool aVisible)
{
    StaticSprite sprite(myHGE, myFolder + aPath);
    sprite.SetPosition(aX, aY);
    sprite.SetVisible(aVisible);
    mySprites.push_back(sprite);
}

void ConversationBox::AddText(float aX, float aY, int aAlignment)
{
    Font text(myHGE);
    text.SetPosition(aX, aY);
    text.SetAlignment(aAlignment);
    myTexts.push_back(text);
}

void ConversationBox::Init()
{
    AddSprite("img/Conversation/ConversationBox.dds", 0.0f, ToFloat(layout::ourBoxTop), true);
    const float top = ToFloat(layout::ourPortraitTop);
    const float plateTop = ToFloat(layout::ourNamePlateTop);
    const float left = ToFloat(layout::ourPortraitMargin);
    const float right = ToFloat(layout::ourRightPortraitLeft);
    AddSprite(ourEmptyPortrait, left, top, false);
    AddSprite(ourNamePlate, left, plateTop, false);
    AddSprite(ourEmptyPortrait, right, top, false);
    AddSprite(ourNamePlate, right, plateTop, false);

    const float plateMiddle = ToFloat(layout::ourNamePlateWidth) / 2.0f;
    AddText(left + plateMiddle, plateTop + 15.0f, ourCentred);
    AddText(right + plateMiddle, plateTop + 15.0f, ourCentred);
    AddText(ToFloat(layout::ourTextLeft), ToFloat(layout::ourTextTop), ourLeftAligned);
    for (Font& text : myTexts)
    {
        text.SetSpriteFont(myFolder + ourFontPath);
        text.Load();
    }
}

float ConversationBox::GetColumnWidth()
{
    return ToFloat(layout::ourTextRight - layout::ourTextLeft);
}

void ConversationBox::AddLine(const std::string& aLine)
{
    const ScriptLine script = ParseScriptLine(aLine);
    Line line;
    line.speaker = FindSpeaker(script.label);
    MARROWEN_ASSERT(line.speaker && "A line's label names no character.", "conversationbox");
    line.spoken = script.spoken;
    const BitmapFont measure(myHGE, myFolder + ourFontPath, false);
    line.shown = WrapText(line.spoken, GetColumnWidth(),
                          [&measure](const std::string& aText)
                          { return measure.GetStringWidth(aText, true); });
    if (line.speaker->side != SpeakerSide::NONE)
    {
        line.portrait = myHGE->Texture_Load((myFolder + line.speaker->portrait).c_str());
        MARROWEN_ASSERT(line.portrait && "Can't load in the texture", "conversationbox");
    }
    myLines.push_back(line);
}

void ConversationBox::HandleInput(InputWrapper& aInput)
{
    if (!aInput.Released(Action::TalkOn) || PostMaster::GetInstance()->paused)
    {
        return;
    }
    const int lineCount = static_cast<int>(myLines.size());
    if (myCurrentLine != lineCount)
    {
        ++myCurrentLine;
    }
    if (myCurrentLine >= lineCount)
    {
        myActive = false;
    }
}

const ConversationBox::Line* ConversationBox::NearestFrom(SpeakerSide aSide, size_t aIndex) const
{
    for (size_t i = aIndex + 1; i-- > 0;)
    {
        if (myLines[i].speaker->side == aSide)
        {
            return &myLines[i];
        }
    }
    for (size_t i = aIndex + 1; i < myLines.size(); ++i)
    {
        if (myLines[i].speaker->side == aSide)
        {
            return &myLines[i];
        }
    }
    return nullptr;
}

void ConversationBox::ShowSide(SpeakerSide aSide, size_t aIndex)
{
    const bool left = aSide == SpeakerSide::LEFT;
    StaticSprite& portrait = mySprites[left ? LEFT_PORTRAIT : RIGHT_PORTRAIT];
    StaticSprite& plate = mySprites[left ? LEFT_NAME_PLATE : RIGHT_NAME_PLATE];
    Font& name = myTexts[left ? LEFT_NAME : RIGHT_NAME];
    const bool speaking = myLines[aIndex].speaker->side == aSide;
    // Narration shows nobody, not even the listeners.
    const Line* face =
        myLines[aIndex].speaker->side == SpeakerSide::NONE ? nullptr : NearestFrom(aSide, aIndex);
    portrait.SetVisible(face != nullptr);
    plate.SetVisible(speaking);
    name.SetText(speaking ? myLines[aIndex].speaker->label : "");
    if (face != nullptr)
    {
        portrait.SetTexture(face->portrait);
        portrait.SetColor(speaking ? ourLit : ourDimmed);
    }
}

void ConversationBox::Update()
{
    // A box without lines has nothing to show (and closes at the first Return).
    if (!myActive || myCurrentLine >= static_cast<int>(myLines.size()))
    {
        return;
    }
    const size_t index = static_cast<size_t>(myCurrentLine);
    ShowSide(SpeakerSide::LEFT, index);
    ShowSide(SpeakerSide::RIGHT, index);
    Font& text = myTexts[CURRENT_LINE];
    if (myLines[index].speaker->side == SpeakerSide::NONE)
    {
        text.SetPosition((ToFloat(layout::ourTextLeft) + ToFloat(layout::ourTextRight)) / 2.0f,
                         ToFloat(layout::ourTextTop));
        text.SetAlignment(ourCentred);
    }
    else
    {
        text.SetPosition(ToFloat(layout::ourTextLeft), ToFloat(layout::ourTextTop));
        text.SetAlignment(ourLeftAligned);
    }
    text.SetText(myLines[index].shown);
}

void ConversationBox::FillRenderBuffer(RenderData& aBuffer)
{
    for (StaticSprite& sprite : mySprites)
    {
        aBuffer.SubmitSprite(sprite, sprite.GetPosition());
    }
    for (Font& text : myTexts)
    {
        aBuffer.SubmitText(text, text.GetPosition());
    }
}

void ConversationBox::SetReading(const Reading& aReading)
{
    myCurrentLine = aReading.line;
    myActive = aReading.active;
}

const ConversationBox::Line* ConversationBox::GetCurrentLine() const
{
    if (!myActive || myCurrentLine < 0 || myCurrentLine >= static_cast<int>(myLines.size()))
    {
        return nullptr;
    }
    return &myLines[static_cast<size_t>(myCurrentLine)];
}

std::string ConversationBox::GetShownLine() const
{
    return myTexts[CURRENT_LINE].GetText();
}

std::string ConversationBox::GetShownName(SpeakerSide aSide) const
{
    return myTexts[aSide == SpeakerSide::LEFT ? LEFT_NAME : RIGHT_NAME].GetText();
}
