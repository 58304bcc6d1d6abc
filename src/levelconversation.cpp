#include "levelconversation.h"

LevelConversation::LevelConversation(HGE* aHGE, const std::string& aName,
                                     const std::string& aFolder)
    : myName(aName), myBox(aHGE, aFolder)
{
}
