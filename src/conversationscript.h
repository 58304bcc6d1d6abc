#pragma once
// One conversation as the dialogue files write it: its script lines ("Label: : spoken words;"),
// each spoken by the character its label names. A scene's conversations are read from its own
// file under dialogue/, so the lines can change without touching the game's code.
#include <string>
#include <vector>

#include "hge.h"
#include "storycondition.h"

// One wording of a stretch of lines, shown when its condition holds.
struct ScriptWording
{
    StoryCondition condition;
    std::vector<std::string> lines;
};

// A stretch of a conversation's lines: one wording, or a choice of wordings of the same number
// of lines, the first whose condition holds being shown (the last always holds).
struct ScriptStretch
{
    std::vector<ScriptWording> wordings;
};

struct ConversationScript
{
    std::string name;
    // Plays again each time it is asked for, instead of once.
    bool repeatable = false;
    std::vector<ScriptStretch> stretches;

    // How many lines the conversation shows, whichever wordings are chosen.
    size_t LineCount() const;
    // Every line of every wording, in file order.
    std::vector<std::string> AllLines() const;
};

// Reads a dialogue file's text. A conversation opens with "== NAME", may say "@repeatable" on
// the line after it, and then has one script line per line, each ending in ";" and labelled with
// a character of the game (speakers.h) or not at all (narration). A choice of wordings reads "@when
// CONDITION", lines, any more "@when" branches,
// "@otherwise", lines, "@end"; every branch has the same number of lines. A condition is terms
// joined by " and " or by " or ", each "[not] holds ITEM", "[not] fitted PART" or
// "[not] played CONVERSATION". Blank lines and lines starting with "#" are ignored. False with
// "line N: problem" in aProblem when the text is malformed; conditions name aFile and their line.
bool ParseDialogue(const std::string& aText, std::vector<ConversationScript>& aScripts,
                   std::string& aProblem, const std::string& aFile = "");

// The conversations of the dialogue file aPath (relative to the game's data), which must be
// exactly aExpectedNames in that order: the scene's story asks for them by name. Items and
// engine parts that conditions name must exist. Anything else ends the program with one line
// naming the file and the problem.
std::vector<ConversationScript> ReadDialogue(HGE* aHGE, const std::string& aPath,
                                             const std::vector<std::string>& aExpectedNames);
