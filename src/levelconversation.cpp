#include "levelconversation.h"

#include "storyfacts.h"

LevelConversation::LevelConversation(HGE* aHGE, const std::string& aName,
                                     const std::string& aFolder)
    : myName(aName), myBox(aHGE, aFolder)
{
}

void LevelConversation::SetScript(const ConversationScript& aScript)
{
    myScript.repeatable = myScript.repeatable || aScript.repeatable;
    myScript.stretches.insert(myScript.stretches.end(), aScript.stretches.begin(),
                              aScript.stretches.end());
    std::vector<int> last;
    for (const ScriptStretch& stretch : myScript.stretches)
    {
        last.push_back(static_cast<int>(stretch.wordings.size()) - 1);
    }
    SetWordings(last);
}

void LevelConversation::ChooseWordings(const StoryFacts& aFacts)
{
    std::vector<int> chosen;
    for (const ScriptStretch& stretch : myScript.stretches)
    {
        int wording = 0;
        while (wording + 1 < static_cast<int>(stretch.wordings.size()) &&
               !aFacts.Meets(stretch.wordings[static_cast<size_t>(wording)].condition))
        {
            ++wording;
        }
        chosen.push_back(wording);
    }
    if (chosen != myWordings)
    {
        SetWordings(chosen);
    }
}

bool LevelConversation::HasWordings(const std::vector<int>& aWordings) const
{
    if (aWordings.size() != myScript.stretches.size())
    {
        return false;
    }
    for (size_t i = 0; i < aWordings.size(); ++i)
    {
        if (aWordings[i] < 0 ||
            aWordings[i] >= static_cast<int>(myScript.stretches[i].wordings.size()))
        {
            return false;
        }
    }
    return true;
}

bool LevelConversation::SetWordings(const std::vector<int>& aWordings)
{
    if (!HasWordings(aWordings))
    {
        return false;
    }
    myWordings = aWordings;
    myBox.ClearLines();
    for (size_t i = 0; i < aWordings.size(); ++i)
    {
        const ScriptWording& wording =
            myScript.stretches[i].wordings[static_cast<size_t>(aWordings[i])];
        for (const std::string& line : wording.lines)
        {
            myBox.AddLine(line);
        }
    }
    return true;
}
