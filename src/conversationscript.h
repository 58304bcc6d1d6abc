#pragma once
// One conversation as the dialogue files write it: who is shown and the script lines
// ("Label: : spoken words;"). A scene's conversations are read from its own file under
// dialogue/, so the lines can change without touching the game's code.
#include <string>
#include <vector>

#include "hge.h"

struct ConversationScript
{
    std::string name;
    std::string leftPortrait;
    std::string leftName;
    // Empty: nobody is shown on the right.
    std::string rightPortrait;
    std::string rightName;
    std::vector<std::string> lines;
};

// Reads a dialogue file's text. A conversation opens with "== NAME", names its speakers on the
// lines right after it ("@left PORTRAIT NAME", always, then optionally "@right PORTRAIT NAME";
// the name may be empty) and then has one script line per line, each ending in ";". Blank lines
// and lines starting with "#" are ignored. False with "line N: problem" in aProblem when the
// text is malformed.
bool ParseDialogue(const std::string& aText, std::vector<ConversationScript>& aScripts,
                   std::string& aProblem);

// The conversations of the dialogue file aPath (relative to the game's data), which must be
// exactly aExpectedNames in that order: the scene's story asks for them by name. Anything
// else ends the program with one line naming the file and the problem.
std::vector<ConversationScript> ReadDialogue(HGE* aHGE, const std::string& aPath,
                                             const std::vector<std::string>& aExpectedNames);
