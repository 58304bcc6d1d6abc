#pragma once
// The on-screen box of one conversation: a panel, a face with its name plate on each side and
// the current line. Each line is spoken by the character its label names: that face is lit on
// its side with the name under it, and the other side shows, dimmed, the face last (or next)
// heard from there. Narration shows no face and no name. Lines are wrapped when added, so
// showing one only copies a string. Copies share their sprites' quads and their fonts.
#include <string>
#include <vector>

#include "font.h"
#include "hge.h"
#include "speakers.h"
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
    // Appends a script line ("Label: : spoken words;"), wrapped to the text column. A label no
    // character has is a fault of the dialogue file, which its loader reports.
    void AddLine(const std::string& aLine);
    // Forgets the lines, to be given another wording of the same length.
    void ClearLines() { myLines.clear(); }
    // A released Return shows the next line, or closes the box after the last; not while the
    // game is paused.
    void HandleInput(InputWrapper& aInput);
    // Puts the current line, its speaker's face and name into what is shown, while the box is
    // open.
    void Update();
    // Submits the five pictures (hidden ones too) and then the three texts.
    void FillRenderBuffer(RenderData& aBuffer);

    // False once the last line has been dismissed; never true again.
    bool IsActive() const { return myActive; }

    struct Line
    {
        const Speaker* speaker = nullptr;
        std::string spoken;  // the words as said, on one row
        std::string shown;   // wrapped to the column
        HTEXTURE portrait = 0;
    };
    const std::vector<Line>& GetLines() const { return myLines; }
    // The line the box shows now, or null when there is none.
    const Line* GetCurrentLine() const;
    // The text of the current-line slot as it will be drawn.
    std::string GetShownLine() const;
    // The speaker names on the plates as they will be drawn, left and right.
    std::string GetShownName(SpeakerSide aSide) const;

    // The width every line is wrapped to, in pixels.
    static float GetColumnWidth();

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

    void AddSprite(const char* aPath, float aX, float aY, bool aVisible);
    void AddText(float aX, float aY, int aAlignment);
    // One side of the box for line aIndex: its speaker's face lit with the name, or the face
    // heard nearest from that side dimmed and nameless, or nothing.
    void ShowSide(SpeakerSide aSide, size_t aIndex);
    // The line nearest to aIndex (earlier ones first) spoken from aSide; null when none is.
    const Line* NearestFrom(SpeakerSide aSide, size_t aIndex) const;

    HGE* myHGE = nullptr;
    std::string myFolder;
    bool myActive = true;
    std::vector<StaticSprite> mySprites;
    std::vector<Font> myTexts;
    std::vector<Line> myLines;
    int myCurrentLine = 0;
};
