#pragma once
// What was said: every conversation line the player has been shown, newest last, and the panel
// that shows them again. L opens and closes it; W and S (or the arrow keys) scroll it by one
// line. Each line stands beside its speaker's small face and name; narration has a mark of its
// own and no name. A saved game keeps the lines.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "font.h"
#include "hge.h"
#include "speakers.h"
#include "staticsprite.h"

class BitmapFont;
class InputWrapper;
class RenderData;

class ConversationHistory
{
public:
    // One line as it was said: the speaker's label ("" for narration) and the words.
    struct Entry
    {
        std::string speaker;
        std::string spoken;
    };

    // Loads the panel, the faces and the fonts; closed and empty.
    void Init(HGE* aHGE);
    // Adds the line aSpeaker has just been shown saying, unless it is the newest already.
    void Note(const Speaker& aSpeaker, const std::string& aSpoken);
    // L opens or closes; while open, W or Up shows earlier lines and S or Down later ones.
    void HandleInput(InputWrapper& aInput);
    // Places the lines that fit, ending with the newest shown, for this frame's drawing.
    void Update();
    // The open panel with its faces, names and lines; nothing when closed.
    void FillRenderBuffer(RenderData& aBuffer) const;

    bool IsOpen() const { return myOpen; }
    void Close() { myOpen = false; }
    const std::vector<Entry>& GetEntries() const { return myEntries; }
    // A saved game's lines, replacing these; lines by nobody the game knows are left out.
    void SetEntries(const std::vector<Entry>& aEntries);
    // How many of the newest lines are scrolled out of sight below.
    size_t GetScroll() const { return myScroll; }
    // The entries drawn this frame, oldest first: their index into the entries.
    const std::vector<size_t>& GetShownEntries() const { return myShown; }

private:
    struct Slot
    {
        Font name;
        Font text;
        Vector2<float> face;
        size_t faceIndex = 0;
    };
    static constexpr size_t ourSlots = 16;

    void Add(const Speaker& aSpeaker, const std::string& aSpoken);

    HGE* myHGE = nullptr;
    bool myOpen = false;
    std::vector<Entry> myEntries;
    std::vector<std::string> myWrapped;  // each entry's words in the panel's column
    std::vector<size_t> mySpeakers;      // each entry's speaker, as an index into AllSpeakers()
    size_t myScroll = 0;
    std::vector<size_t> myShown;
    std::shared_ptr<BitmapFont> myMeasure;
    float myRowHeight = 0.0f;
    StaticSprite myPanel;
    std::vector<StaticSprite> myFaces;  // one per speaker, in the order of AllSpeakers()
    std::array<Slot, ourSlots> mySlots;
    size_t myUsedSlots = 0;
};
