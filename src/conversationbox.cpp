#include "conversationbox.h"

#include "assertion.h"
#include "bitmapfont.h"
#include "eventsingelton.h"
#include "inputwrapper/inputwrapper.h"
#include "renderdata.h"
#include "scriptline.h"

namespace
{
const char ourFontPath[] = "img/Font/HGE_font1.fnt";
const char ourEmptyPortrait[] = "img/Conversation/EmptyPortrait.dds";
const char ourNamePlate[] = "img/Conversation/NameBox.dds";
const uint8_t ourReturnKey = 0x1C;
const float ourTextWidth = 482.0f;  // the text column between the two portraits
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
    mySprites.Add(sprite);
}

void ConversationBox::AddText(const Vector2<float>& aPosition, int aAlignment)
{
    Font text(myHGE);
    text.SetPosition(aPosition);
    text.SetAlignment(aAlignment);
    myTexts.Add(text);
}

void ConversationBox::Init()
{
    const float screenWidth = static_cast<float>(myHGE->System_GetState(HGE_SCREENWIDTH));
    mySprites.Init(5, 5);
    AddSprite("img/Conversation/ConversationBox.dds", 0.0f, 430.0f, true);
    const Vector2<float> panel = mySprites[PANEL].GetPosition();
    AddSprite(ourEmptyPortrait, 5.0f, panel.y - 6.0f, false);
    const StaticSprite& left = mySprites[LEFT_PORTRAIT];
    AddSprite(ourNamePlate, left.GetPosition().x, left.GetPosition().y + left.GetHeight() + 10.0f,
              false);
    // The right portrait is loaded before its width places it.
    AddSprite(ourEmptyPortrait, 0.0f, panel.y - 6.0f, false);
    StaticSprite& right = mySprites[RIGHT_PORTRAIT];
    right.SetPosition(screenWidth - right.GetWidth() - 5.0f, panel.y - 6.0f);
    AddSprite(ourNamePlate, right.GetPosition().x,
              right.GetPosition().y + right.GetHeight() + 10.0f, false);

    myTextArea.left = panel.x + left.GetWidth() + 15.0f;
    myTextArea.top = panel.y + 35.0f;
    myTextArea.right = myTextArea.left + ourTextWidth;
    myTextArea.bottom = myTextArea.top + 186.0f;
    myWrapWidth = 0.0f;

    myTexts.Init(5, 5);
    for (SpriteSlot plate : {LEFT_NAME_PLATE, RIGHT_NAME_PLATE})
    {
        const StaticSprite& sprite = mySprites[plate];
        AddText(Vector2<float>(sprite.GetPosition().x + sprite.GetWidth() / 2.0f,
                               sprite.GetPosition().y + 15.0f),
                2);
    }
    AddText(Vector2<float>(myTextArea.left, myTextArea.top), 0);
    for (int slot = 0; slot < myTexts.Size(); ++slot)
    {
        myTexts[slot].SetSpriteFont(myFolder + ourFontPath);
        myTexts[slot].Load();
    }
}

void ConversationBox::ShowSpeaker(SpriteSlot aPortrait, TextSlot aName,
                                  const std::string& aPortraitPath, const std::string& aSpeakerName)
{
    const HTEXTURE texture = myHGE->Texture_Load((myFolder + aPortraitPath).c_str());
    MARROWEN_ASSERT(texture && "Can't load in the texture", "conversationbox");
    mySprites[aPortrait].SetTexture(texture);
    mySprites[aPortrait].SetVisible(true);
    mySprites[aPortrait + 1].SetVisible(true);
    myTexts[aName].SetText(aSpeakerName);
}

void ConversationBox::SetTextRight(float aRight)
{
    myTextArea.right = aRight;
    myWrapWidth = myTextArea.right - myTextArea.left;
}

void ConversationBox::SetLeftSpeaker(const std::string& aPortraitPath,
                                     const std::string& aSpeakerName)
{
    ShowSpeaker(LEFT_PORTRAIT, LEFT_NAME, aPortraitPath, aSpeakerName);
    SetTextRight(mySprites[PANEL].GetPosition().x + mySprites[LEFT_PORTRAIT].GetWidth() + 15.0f +
                 ourTextWidth + mySprites[RIGHT_PORTRAIT].GetWidth() - 15.0f);
}

void ConversationBox::SetRightSpeaker(const std::string& aPortraitPath,
                                      const std::string& aSpeakerName)
{
    ShowSpeaker(RIGHT_PORTRAIT, RIGHT_NAME, aPortraitPath, aSpeakerName);
    SetTextRight(mySprites[PANEL].GetPosition().x + mySprites[LEFT_PORTRAIT].GetWidth() + 15.0f +
                 ourTextWidth);
}

void ConversationBox::AddLine(const std::string& aLine)
{
    const BitmapFont measure(myHGE, myFolder + ourFontPath, false);
    myLines.push_back(PrepareScriptLine(aLine, myWrapWidth,
                                        [&measure](const std::string& aText)
                                        { return measure.GetStringWidth(aText, true); }));
}

void ConversationBox::HandleInput(InputWrapper& aInput)
{
    if (!aInput.KeyReleased(ourReturnKey) || PostMaster::GetInstance()->paused)
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

void ConversationBox::Update()
{
    // A box without lines has nothing to show (and closes at the first Return).
    if (myActive && myCurrentLine < static_cast<int>(myLines.size()))
    {
        myTexts[CURRENT_LINE].SetText(myLines[static_cast<size_t>(myCurrentLine)]);
    }
}

void ConversationBox::FillRenderBuffer(RenderData& aBuffer)
{
    for (int slot = 0; slot < mySprites.Size(); ++slot)
    {
        aBuffer.SubmitSprite(mySprites[slot], mySprites[slot].GetPosition());
    }
    for (int slot = 0; slot < myTexts.Size(); ++slot)
    {
        aBuffer.SubmitText(myTexts[slot], myTexts[slot].GetPosition());
    }
}

void ConversationBox::SetReading(const Reading& aReading)
{
    myCurrentLine = aReading.line;
    myActive = aReading.active;
}

std::string ConversationBox::GetShownLine() const
{
    return myTexts[CURRENT_LINE].GetText();
}
