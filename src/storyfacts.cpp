#include "storyfacts.h"

#include <algorithm>
#include <set>

#include "engineparts.h"
#include "inventory.h"
#include "timemachine.h"

StoryFacts::StoryFacts(const Inventory* aInventory, std::vector<const LevelBaseData*> aScenes,
                       const TimeMachine* aEngine)
    : myInventory(aInventory), myScenes(std::move(aScenes)), myEngine(aEngine)
{
}

bool StoryFacts::Holds(const std::string& aItem) const
{
    return myInventory != nullptr && myInventory->HasItem(aItem);
}

bool StoryFacts::Fitted(const std::string& aPart) const
{
    const EnginePart* part = FindEnginePart(aPart);
    return myEngine != nullptr && part != nullptr && myEngine->GetInstalledParts().test(part->slot);
}

bool StoryFacts::Played(const std::string& aConversation) const
{
    return std::any_of(myScenes.begin(), myScenes.end(),
                       [&aConversation](const LevelBaseData* aScene)
                       { return aScene->IsPlayed(aConversation); });
}

bool StoryFacts::Meets(const StoryTerm& aTerm) const
{
    bool holds = false;
    switch (aTerm.kind)
    {
        case StoryTerm::HOLDS:
            holds = Holds(aTerm.name);
            break;
        case StoryTerm::FITTED:
            holds = Fitted(aTerm.name);
            break;
        case StoryTerm::PLAYED:
            holds = Played(aTerm.name);
            break;
    }
    return holds != aTerm.negated;
}

bool StoryFacts::Meets(const StoryCondition& aCondition) const
{
    const auto meets = [this](const StoryTerm& aTerm) { return Meets(aTerm); };
    return aCondition.terms.empty() ||
           (aCondition.any ? std::any_of(aCondition.terms.begin(), aCondition.terms.end(), meets)
                           : std::all_of(aCondition.terms.begin(), aCondition.terms.end(), meets));
}

std::string StoryFacts::UnknownConversation() const
{
    std::set<std::string> known;
    for (const LevelBaseData* scene : myScenes)
    {
        for (const LevelConversation& conversation : scene->GetConversations())
        {
            known.insert(conversation.GetName());
        }
    }
    for (const LevelBaseData* scene : myScenes)
    {
        for (const LevelConversation& conversation : scene->GetConversations())
        {
            for (const ScriptStretch& stretch : conversation.GetScript().stretches)
            {
                for (const ScriptWording& wording : stretch.wordings)
                {
                    for (const StoryTerm& term : wording.condition.terms)
                    {
                        if (term.kind == StoryTerm::PLAYED && known.count(term.name) == 0)
                        {
                            return wording.condition.where + ": no conversation is called \"" +
                                   term.name + "\"";
                        }
                    }
                }
            }
        }
    }
    return "";
}
