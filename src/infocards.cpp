#include "infocards.h"

namespace
{
struct CardKey
{
    const char* itemName;
    const char* key;
};

// Names compare exactly; the lower-case "guano" has a key although no item bears that name.
const CardKey ourKeys[] = {
    {"wire", "WireData"},
    {"sharpFlintstone", "SharpFlintstoneData"},
    {"flintstone1", "Flintstone1Data"},
    {"flintstone2", "Flintstone2Data"},
    {"stick", "StickData"},
    {"logs", "LogsData"},
    {"coconut", "CoconutData"},
    {"log", "LogData"},
    {"dried leaves", "DriedLeavesData"},
    {"rubber", "LatexData"},
    {"Sulphur", "SulphurData"},
    {"Guano", "GuanoData"},
    {"guano", "GuanoData"},
    {"MagneticRock", "MagneticRockData"},
    {"engine belt", "BrokenRubberBandData"},
    {"fainted ester", "EstherData"},
    {"Rope", "RopeData"},
    {"Diamond", "DiamondData"},
    {"gold necklace", "GoldNecklaceData"},
    {"banana", "BananaData"},
    {"banana tree leaf 1", "BananaTreeLeaf1Data"},
    {"banana tree leaf 2", "BananaTreeLeaf2Data"},
    {"refined rubber", "RefinedLatexData"},
    {"axe", "AxeData"},
    {"coconut half 1", "CoconutHalf1Data"},
    {"coconut half 2", "CoconutHalf2Data"},
    {"fire", "FireData"},
    {"charcoal", "CharcoalData"},
    {"gunpowder", "GunpowderData"},
    {"raft", "RaftData"},
    {"bird suit", "BirdSuitData"},
    {"rubber string", "LatexStringedData"},
    {"combined rubber", "FixedRubberBandData"},
};

// The cards in the order they are built; the gold necklace's card is built twice.
const char* const ourCards[] = {
    "SharpFlintstoneData",
    "WireData",
    "Flintstone1Data",
    "Flintstone2Data",
    "GuanoData",
    "SulphurData",
    "MagneticRockData",
    "CharcoalData",
    "GunpowderData",
    "LogData",
    "LogsData",
    "RopeData",
    "CoconutData",
    "DriedLeavesData",
    "CoconutHalf1Data",
    "CoconutHalf2Data",
    "FireData",
    "AxeData",
    "GoldNecklaceData",
    "RefinedLatexData",
    "BananaTreeLeaf1Data",
    "BananaTreeLeaf2Data",
    "BananaData",
    "DiamondData",
    "LatexStringedData",
    "FixedRubberBandData",
    "BrokenRubberBandData",
    "StickData",
    "GoldNecklaceData",
    "LatexData",
};

std::string CardPicture(const std::string& aKey)
{
    // The dried leaves' card picture has its own file name.
    return "img/Icon/" + (aKey == "DriedLeavesData" ? std::string("DryLeavesData") : aKey) + ".dds";
}
}  // namespace

void InfoCards::Init(HGE* aHGE)
{
    myCards.clear();
    for (const char* key : ourCards)
    {
        myCards.emplace_back(aHGE, CardPicture(key), CardPicture(key), key, true);
    }
}

std::string InfoCards::KeyOf(const std::string& aItemName)
{
    for (const CardKey& entry : ourKeys)
    {
        if (aItemName == entry.itemName)
        {
            return entry.key;
        }
    }
    return "";
}

const Item* InfoCards::Find(const std::string& aItemName) const
{
    const std::string key = KeyOf(aItemName);
    if (key.empty())
    {
        return nullptr;
    }
    for (const Item& card : myCards)
    {
        if (card.GetName() == key)
        {
            return &card;
        }
    }
    return nullptr;
}
