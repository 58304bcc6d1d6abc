#pragma once
// A condition a dialogue file puts on a wording: terms about the world at the moment the
// conversation starts, all of which (or, with "or", any of which) must hold.
#include <string>
#include <vector>

struct StoryTerm
{
    enum Kind
    {
        HOLDS,   // the inventory holds an item of that name
        FITTED,  // that engine part is in the time machine's engine
        PLAYED,  // a conversation of that name has been shown, in any scene
    };
    Kind kind = HOLDS;
    std::string name;
    bool negated = false;
};

struct StoryCondition
{
    // No terms: always holds (a choice's "otherwise").
    std::vector<StoryTerm> terms;
    bool any = false;
    // "FILE: line N", for errors found once every scene is loaded.
    std::string where;
};

// Reads "TERM", "TERM and TERM ..." or "TERM or TERM ..." into aCondition (which keeps its
// "where"); false with the problem in aProblem when the text is no condition.
bool ParseStoryCondition(const std::string& aText, StoryCondition& aCondition,
                         std::string& aProblem);
// aText without the blanks at its ends.
std::string Trimmed(const std::string& aText);
