#include "conversationscript.h"

#include <algorithm>
#include <sstream>

#include "engineparts.h"
#include "fatal.h"
#include "itemcatalogue.h"
#include "scriptline.h"
#include "speakers.h"

namespace
{
// The game's font draws the printable ASCII characters only.
bool Printable(const std::string& aText, std::string& aProblem)
{
    for (unsigned char character : aText)
    {
        if (character < 0x20 || character > 0x7E)
        {
            char problem[64];
            std::snprintf(problem, sizeof(problem), "character 0x%02X cannot be shown", character);
            aProblem = problem;
            return false;
        }
    }
    return true;
}

class Parser
{
public:
    Parser(std::vector<ConversationScript>& aScripts, const std::string& aFile)
        : myScripts(aScripts), myFile(aFile)
    {
    }

    // Line aNumber of the file; false with the problem set when it is malformed.
    bool Line(std::string aLine, int aNumber, std::string& aProblem)
    {
        if (!aLine.empty() && aLine.back() == '\r')
        {
            aLine.pop_back();
        }
        if (aLine.empty() || aLine[0] == '#')
        {
            return true;
        }
        if (!Printable(aLine, aProblem))
        {
            return false;
        }
        if (aLine.rfind("==", 0) == 0)
        {
            return Open(aLine.substr(2), aProblem);
        }
        if (aLine.rfind("@when ", 0) == 0 || aLine == "@otherwise" || aLine == "@end")
        {
            return Choice(aLine, aNumber, aProblem);
        }
        if (aLine[0] == '@')
        {
            return Heading(aLine, aProblem);
        }
        return Script(aLine, aProblem);
    }

    // Checks the last conversation once the file has ended.
    bool Finish(std::string& aProblem) const { return Complete(aProblem); }

private:
    bool Open(const std::string& aName, std::string& aProblem)
    {
        if (!Complete(aProblem))
        {
            return false;
        }
        const std::string name = Trimmed(aName);
        if (name.empty())
        {
            aProblem = "a conversation without a name";
            return false;
        }
        for (const ConversationScript& script : myScripts)
        {
            if (script.name == name)
            {
                aProblem = "conversation \"" + name + "\" appears twice";
                return false;
            }
        }
        myScripts.push_back(ConversationScript{name, false, {}});
        return true;
    }

    // "@repeatable", between the "==" line and the first script line.
    bool Heading(const std::string& aLine, std::string& aProblem)
    {
        if (aLine != "@repeatable")
        {
            aProblem =
                "unknown line (\"@repeatable\", \"@when CONDITION\", \"@otherwise\" or "
                "\"@end\")";
            return false;
        }
        if (myScripts.empty() || !myScripts.back().stretches.empty())
        {
            aProblem = "@repeatable belongs right after a conversation's \"==\" line";
            return false;
        }
        myScripts.back().repeatable = true;
        return true;
    }

    bool Choice(const std::string& aLine, int aNumber, std::string& aProblem)
    {
        if (!Speaking(aProblem))
        {
            return false;
        }
        if (!myChoiceOpen)
        {
            if (aLine.rfind("@when ", 0) != 0)
            {
                aProblem = aLine + " without a \"@when\" before it";
                return false;
            }
            myChoiceOpen = true;
            myChoiceLine = aNumber;
            myScripts.back().stretches.emplace_back();
            return AddWording(aLine, aNumber, aProblem);
        }
        if (!BranchHasLines(aProblem))
        {
            return false;
        }
        if (aLine == "@end")
        {
            if (!myOtherwise)
            {
                aProblem = "a choice needs an @otherwise before its @end";
                return false;
            }
            myChoiceOpen = false;
            myOtherwise = false;
            return SameLength(aProblem);
        }
        if (myOtherwise)
        {
            aProblem = "the choice ends with @end after its @otherwise";
            return false;
        }
        return AddWording(aLine, aNumber, aProblem);
    }

    // A new branch of the open choice: "@when CONDITION" or "@otherwise".
    bool AddWording(const std::string& aLine, int aNumber, std::string& aProblem)
    {
        ScriptWording wording;
        wording.condition.where = myFile + ": line " + std::to_string(aNumber);
        myOtherwise = aLine == "@otherwise";
        if (!myOtherwise && !ParseStoryCondition(aLine.substr(6), wording.condition, aProblem))
        {
            return false;
        }
        myScripts.back().stretches.back().wordings.push_back(wording);
        return true;
    }

    bool Script(const std::string& aLine, std::string& aProblem)
    {
        if (!Speaking(aProblem))
        {
            return false;
        }
        const std::string label = ParseScriptLine(aLine).label;
        if (FindSpeaker(label) == nullptr)
        {
            aProblem = "\"" + label + "\" is nobody who speaks in the game";
            return false;
        }
        // The box drops whatever follows the last blank or ";", so every line ends in ";".
        if (aLine.back() != ';' || aLine.find(';') != aLine.size() - 1)
        {
            aProblem = "a line must end with its only \";\"";
            return false;
        }
        std::vector<ScriptStretch>& stretches = myScripts.back().stretches;
        if (!myChoiceOpen && (stretches.empty() || stretches.back().wordings.size() > 1))
        {
            stretches.push_back(ScriptStretch{{ScriptWording{}}});
        }
        stretches.back().wordings.back().lines.push_back(aLine);
        return true;
    }

    // A conversation is open.
    bool Speaking(std::string& aProblem) const
    {
        if (myScripts.empty())
        {
            aProblem = "a line outside any conversation";
            return false;
        }
        return true;
    }

    bool BranchHasLines(std::string& aProblem) const
    {
        if (myScripts.back().stretches.back().wordings.back().lines.empty())
        {
            aProblem = "a wording of the choice opened at line " + std::to_string(myChoiceLine) +
                       " has no lines";
            return false;
        }
        return true;
    }

    bool SameLength(std::string& aProblem) const
    {
        const std::vector<ScriptWording>& wordings = myScripts.back().stretches.back().wordings;
        for (const ScriptWording& wording : wordings)
        {
            if (wording.lines.size() != wordings.front().lines.size())
            {
                aProblem =
                    "the wordings of the choice opened at line " + std::to_string(myChoiceLine) +
                    " have " + std::to_string(wordings.front().lines.size()) + " and " +
                    std::to_string(wording.lines.size()) + " lines: they must have the same number";
                return false;
            }
        }
        return true;
    }

    bool Complete(std::string& aProblem) const
    {
        if (myChoiceOpen)
        {
            aProblem = "the choice opened at line " + std::to_string(myChoiceLine) + " has no @end";
            return false;
        }
        if (!myScripts.empty() && myScripts.back().stretches.empty())
        {
            aProblem = "conversation \"" + myScripts.back().name + "\" has no lines";
            return false;
        }
        return true;
    }

    std::vector<ConversationScript>& myScripts;
    std::string myFile;
    bool myChoiceOpen = false;
    bool myOtherwise = false;
    int myChoiceLine = 0;
};
// Every item and engine part a condition names is one the game has.
bool NamesKnownThings(const std::vector<ConversationScript>& aScripts, std::string& aProblem)
{
    for (const ConversationScript& script : aScripts)
    {
        for (const ScriptStretch& stretch : script.stretches)
        {
            for (const ScriptWording& wording : stretch.wordings)
            {
                for (const StoryTerm& term : wording.condition.terms)
                {
                    const bool known =
                        term.kind == StoryTerm::PLAYED ||
                        (term.kind == StoryTerm::HOLDS ? itemcatalogue::Knows(term.name)
                                                       : FindEnginePart(term.name) != nullptr);
                    if (!known)
                    {
                        aProblem =
                            wording.condition.where.substr(wording.condition.where.rfind("line ")) +
                            ": no " + (term.kind == StoryTerm::HOLDS ? "item" : "engine part") +
                            " is called \"" + term.name + "\"";
                        return false;
                    }
                }
            }
        }
    }
    return true;
}
}  // namespace

size_t ConversationScript::LineCount() const
{
    size_t count = 0;
    for (const ScriptStretch& stretch : stretches)
    {
        count += stretch.wordings.front().lines.size();
    }
    return count;
}

std::vector<std::string> ConversationScript::AllLines() const
{
    std::vector<std::string> lines;
    for (const ScriptStretch& stretch : stretches)
    {
        for (const ScriptWording& wording : stretch.wordings)
        {
            lines.insert(lines.end(), wording.lines.begin(), wording.lines.end());
        }
    }
    return lines;
}

bool ParseDialogue(const std::string& aText, std::vector<ConversationScript>& aScripts,
                   std::string& aProblem, const std::string& aFile)
{
    aScripts.clear();
    Parser parser(aScripts, aFile);
    std::istringstream lines(aText);
    std::string line;
    int number = 0;
    std::string problem;
    while (std::getline(lines, line))
    {
        ++number;
        if (!parser.Line(line, number, problem))
        {
            aProblem = "line " + std::to_string(number) + ": " + problem;
            return false;
        }
    }
    if (!parser.Finish(problem))
    {
        aProblem = "line " + std::to_string(number) + ": " + problem;
        return false;
    }
    return true;
}

std::vector<ConversationScript> ReadDialogue(HGE* aHGE, const std::string& aPath,
                                             const std::vector<std::string>& aExpectedNames)
{
    DWORD size = 0;
    void* data = aHGE->Resource_Load(aPath.c_str(), &size);
    if (data == nullptr)
    {
        platform::Fatal("the scene's lines could not be read");
    }
    const std::string text(static_cast<const char*>(data), size);
    aHGE->Resource_Free(data);
    std::vector<ConversationScript> scripts;
    std::string problem;
    if (!ParseDialogue(text, scripts, problem, aPath) || !NamesKnownThings(scripts, problem))
    {
        platform::Fatal((aPath + ": " + problem).c_str());
    }
    for (size_t i = 0; i < aExpectedNames.size(); ++i)
    {
        if (i >= scripts.size() || scripts[i].name != aExpectedNames[i])
        {
            platform::Fatal((aPath + ": conversation " + std::to_string(i + 1) + " must be \"" +
                             aExpectedNames[i] + "\"")
                                .c_str());
        }
    }
    if (scripts.size() > aExpectedNames.size())
    {
        platform::Fatal((aPath + ": conversation \"" + scripts[aExpectedNames.size()].name +
                         "\" is not part of the scene's story")
                            .c_str());
    }
    return scripts;
}
