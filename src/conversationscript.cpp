#include "conversationscript.h"

#include <sstream>

#include "fatal.h"
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
    explicit Parser(std::vector<ConversationScript>& aScripts) : myScripts(aScripts) {}

    // One line of the file; false with the problem set when it is malformed.
    bool Line(std::string aLine, std::string& aProblem)
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
        // Who faces whom once stood on these lines; the labels say it now.
        if (aLine.rfind("@left ", 0) == 0 || aLine.rfind("@right ", 0) == 0)
        {
            return true;
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
        const size_t start = aName.find_first_not_of(' ');
        if (start == std::string::npos)
        {
            aProblem = "a conversation without a name";
            return false;
        }
        const std::string name = aName.substr(start, aName.find_last_not_of(' ') + 1 - start);
        for (const ConversationScript& script : myScripts)
        {
            if (script.name == name)
            {
                aProblem = "conversation \"" + name + "\" appears twice";
                return false;
            }
        }
        myScripts.push_back(ConversationScript{name, {}});
        return true;
    }

    bool Script(const std::string& aLine, std::string& aProblem)
    {
        if (myScripts.empty())
        {
            aProblem = "a line outside any conversation";
            return false;
        }
        const std::string label = ParseScriptLine(aLine).label;
        if (FindSpeaker(label) == nullptr)
        {
            aProblem = "\"" + label + "\" is nobody who speaks in the game";
            return false;
        }
        // Every line is closed by a ";", and only there.
        if (aLine.back() != ';' || aLine.find(';') != aLine.size() - 1)
        {
            aProblem = "a line must end with its only \";\"";
            return false;
        }
        myScripts.back().lines.push_back(aLine);
        return true;
    }

    bool Complete(std::string& aProblem) const
    {
        if (!myScripts.empty() && myScripts.back().lines.empty())
        {
            aProblem = "conversation \"" + myScripts.back().name + "\" has no lines";
            return false;
        }
        return true;
    }

    std::vector<ConversationScript>& myScripts;
};
}  // namespace

bool ParseDialogue(const std::string& aText, std::vector<ConversationScript>& aScripts,
                   std::string& aProblem)
{
    aScripts.clear();
    Parser parser(aScripts);
    std::istringstream lines(aText);
    std::string line;
    int number = 0;
    std::string problem;
    while (std::getline(lines, line))
    {
        ++number;
        if (!parser.Line(line, problem))
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
    if (!ParseDialogue(text, scripts, problem))
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
