#pragma once
// A named conversation of a scene: its box with the prepared lines, and whether it is being
// shown. Levels keep these by value in a list; copies share the box's pictures and fonts.
#include <string>

#include "conversationbox.h"

class LevelConversation
{
public:
    LevelConversation() = default;
    // aFolder is put before every file the box loads ("" in the game).
    LevelConversation(HGE* aHGE, const std::string& aName, const std::string& aFolder = "");

    // Builds the box; once, after the conversation has its place in the level's list.
    void Init() { myBox.Init(); }
    void AddLine(const std::string& aLine) { myBox.AddLine(aLine); }
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
};
