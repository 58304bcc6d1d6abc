#pragma once
// One conversation as the dialogue files write it: its script lines ("Label: : spoken words;"),
// each spoken by the character its label names. A scene's conversations are read from its own
// file under dialogue/, so the lines can change without touching the game's code.
#include <string>
#include <vector>

#include "hge.h"

struct ConversationScript
{
    std::string name;
    std::vector<std::string> lines;
};

// Reads a dialogue file's text. A conversation opens with "== NAME" and then has one script line
// per line, each ending in ";" and labelled with a character of the game (speakers.h) or not
// at all (narration). Blank lines, lines starting with "#" and the speaker lines older files
// put after the "==" ("@left ...", "@right ...") are ignored. False with "line N: problem" in
// aProblem when the text is malformed.
bool ParseDialogue(const std::string& aText, std::vector<ConversationScript>& aScripts,
                   std::string& aProblem);

// The conversations of the dialogue file aPath (relative to the game's data), which must be
// exactly aExpectedNames in that order: the scene's story asks for them by name. Anything
// else ends the program with one line naming the file and the problem.
std::vector<ConversationScript> ReadDialogue(HGE* aHGE, const std::string& aPath,
                                             const std::vector<std::string>& aExpectedNames);
