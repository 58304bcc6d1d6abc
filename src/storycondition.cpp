#include "storycondition.h"

#include <algorithm>

namespace
{
// "NAME" after one of the keywords of a condition's terms, or false.
bool ParseTerm(std::string aText, StoryTerm& aTerm)
{
    aTerm.negated = aText.rfind("not ", 0) == 0;
    if (aTerm.negated)
    {
        aText = aText.substr(4);
    }
    const std::pair<const char*, StoryTerm::Kind> kinds[] = {{"holds ", StoryTerm::HOLDS},
                                                             {"fitted ", StoryTerm::FITTED},
                                                             {"played ", StoryTerm::PLAYED}};
    for (const auto& [word, kind] : kinds)
    {
        const std::string keyword = word;
        if (aText.rfind(keyword, 0) == 0 &&
            aText.find_first_not_of(' ', keyword.size()) != std::string::npos)
        {
            aTerm.kind = kind;
            aTerm.name = Trimmed(aText.substr(keyword.size()));
            return true;
        }
    }
    return false;
}

}  // namespace

bool ParseStoryCondition(const std::string& aText, StoryCondition& aCondition,
                         std::string& aProblem)
{
    const bool hasAnd = aText.find(" and ") != std::string::npos;
    aCondition.any = aText.find(" or ") != std::string::npos;
    if (hasAnd && aCondition.any)
    {
        aProblem = "a condition joins its terms with \"and\" or with \"or\", not both";
        return false;
    }
    const std::string separator = aCondition.any ? " or " : " and ";
    for (size_t start = 0; start <= aText.size();)
    {
        const size_t end = std::min(aText.find(separator, start), aText.size());
        const std::string text = Trimmed(aText.substr(start, end - start));
        StoryTerm term;
        if (!ParseTerm(text, term))
        {
            aProblem = "\"" + text +
                       "\" is not a condition (holds ITEM, fitted PART or played CONVERSATION, "
                       "each may follow \"not\")";
            return false;
        }
        aCondition.terms.push_back(term);
        start = end + separator.size();
    }
    return true;
}

std::string Trimmed(const std::string& aText)
{
    const size_t start = aText.find_first_not_of(' ');
    return start == std::string::npos
               ? ""
               : aText.substr(start, aText.find_last_not_of(' ') + 1 - start);
}
