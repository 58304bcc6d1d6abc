#pragma once
// A named conversation of a scene: its box with the prepared lines, and whether it is being
// shown. Levels keep these by value in a list; copies share the box's pictures and fonts.
#include <string>
#include <vector>

#include "conversationbox.h"
#include "conversationscript.h"

class StoryFacts;

class LevelConversation
{
public:
    LevelConversation() = default;
    // aFolder is put before every file the box loads ("" in the game).
    LevelConversation(HGE* aHGE, const std::string& aName, const std::string& aFolder = "");

    // Builds the box; once, after the conversation has its place in the level's list.
    void Init() { myBox.Init(); }
    // Adds the script's lines after any given before; until a wording is chosen the box holds
    // each stretch's last wording.
    void SetScript(const ConversationScript& aScript);
    // For every stretch, the first wording whose condition aFacts meets; the box shows their
    // lines from the first.
    void ChooseWordings(const StoryFacts& aFacts);
    // The chosen wording of each stretch, as ChooseWordings left it.
    const std::vector<int>& GetWordings() const { return myWordings; }
    // Whether aWordings names one wording of each stretch.
    bool HasWordings(const std::vector<int>& aWordings) const;
    // Shows these wordings (a saved game's); false, changing nothing, when they do not fit.
    bool SetWordings(const std::vector<int>& aWordings);
    const ConversationScript& GetScript() const { return myScript; }
    // A repeatable conversation starts again each time it is asked for.
    bool IsRepeatable() const { return myScript.repeatable; }
    // Back to the first line with the box open, ready to be shown again.
    void Rewind() { myBox.SetReading(ConversationBox::Reading{}); }
    void HandleInput(InputWrapper& aInput) { myBox.HandleInput(aInput); }
    void Update() { myBox.Update(); }
    void FillRenderBuffer(RenderData& aBuffer) { myBox.FillRenderBuffer(aBuffer); }

    const std::string& GetName() const { return myName; }
    // Whether the level is showing this conversation.
    bool IsRunning() const { return myRunning; }
    void SetRunning(bool aRunning) { myRunning = aRunning; }
    const ConversationBox& GetBox() const { return myBox; }
    void SetReading(const ConversationBox::Reading& aReading) { myBox.SetReading(aReading); }

private:
    std::string myName;
    ConversationBox myBox;
    bool myRunning = false;
    ConversationScript myScript;
    std::vector<int> myWordings;
};
