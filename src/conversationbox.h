#pragma once
// The on-screen box of one conversation: a panel, two portraits with name plates, the speaker
// names and the current line. Lines are prepared (labelled and word-wrapped) when added, so
// showing one only copies a string. Copies share their sprites' quads and their fonts.
#include <string>
#include <vector>

#include "arrays/growingarray.h"
#include "font.h"
#include "hge.h"
#include "staticsprite.h"

class InputWrapper;
class RenderData;

class ConversationBox
{
public:
    ConversationBox() = default;
    // aFolder is put before every file the box loads ("" in the game: the executable's folder).
    explicit ConversationBox(HGE* aHGE, const std::string& aFolder = "");

    // Loads the panel, portrait and name-plate pictures and the three fonts, and lays them out.
    void Init();
    // Shows aPortraitPath and aSpeakerName on the left; later lines may run into the right
    // portrait's area while it stays empty.
    void SetLeftSpeaker(const std::string& aPortraitPath, const std::string& aSpeakerName);
    // Shows aPortraitPath and aSpeakerName on the right; later lines keep clear of it.
    void SetRightSpeaker(const std::string& aPortraitPath, const std::string& aSpeakerName);
    // Appends a script line ("Label: : spoken words;"), wrapped to the current text width.
    void AddLine(const std::string& aLine);
    // Forgets the lines, to be given another wording of the same length.
    void ClearLines() { myLines.clear(); }
    // A released Return shows the next line, or closes the box after the last; not while the
    // game is paused.
    void HandleInput(InputWrapper& aInput);
    // Puts the current line into the text shown, while the box is open.
    void Update();
    // Submits the five pictures (hidden ones too) and then the three texts.
    void FillRenderBuffer(RenderData& aBuffer);

    // False once the last line has been dismissed; never true again.
    bool IsActive() const { return myActive; }
    // Width in pixels that a line added now may fill; 0 until a speaker is set.
    float GetWrapWidth() const { return myWrapWidth; }
    const std::vector<std::string>& GetLines() const { return myLines; }
    // The text of the current-line slot as it will be drawn.
    std::string GetShownLine() const;

    // How far the player has read: the line shown, and whether the box is still open.
    struct Reading
    {
        int line = 0;
        bool active = true;
    };
    Reading GetReading() const { return Reading{myCurrentLine, myActive}; }
    // The line shows from the next Update.
    void SetReading(const Reading& aReading);

private:
    enum SpriteSlot
    {
        PANEL,
        LEFT_PORTRAIT,
        LEFT_NAME_PLATE,
        RIGHT_PORTRAIT,
        RIGHT_NAME_PLATE,
    };
    enum TextSlot
    {
        LEFT_NAME,
        RIGHT_NAME,
        CURRENT_LINE,
    };
    struct TextArea
    {
        float left = 0.0f;
        float top = 0.0f;
        float right = 0.0f;
        float bottom = 0.0f;
    };

    void AddSprite(const char* aPath, float aX, float aY, bool aVisible);
    void AddText(const Vector2<float>& aPosition, int aAlignment);
    // Shows the portrait and name plate of one side with aPortraitPath and aSpeakerName.
    void ShowSpeaker(SpriteSlot aPortrait, TextSlot aName, const std::string& aPortraitPath,
                     const std::string& aSpeakerName);
    // Sets the text area's right edge and the wrap width from it.
    void SetTextRight(float aRight);

    HGE* myHGE = nullptr;
    std::string myFolder;
    bool myActive = true;
    TextArea myTextArea;
    GrowingArray<StaticSprite> mySprites;
    GrowingArray<Font> myTexts;
    std::vector<std::string> myLines;
    int myCurrentLine = 0;
    float myWrapWidth = 0.0f;
};
