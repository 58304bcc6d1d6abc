// The one catalogue of items against the content: every item the game can make shows pictures
// that the generator writes, under exactly the names the catalogue spells (the file system is
// case-sensitive, so "img/Items/" and "img/items/" are told apart here even though the game's
// own lookup would forgive a slip).
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "itemcatalogue.h"

namespace
{
namespace fs = std::filesystem;

TEST(ItemCatalogue, EveryItemShowsPicturesTheGeneratorWritesUnderTheirExactNames)
{
    const std::vector<std::string> names = itemcatalogue::Names();
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size())
        << "a name is catalogued twice";
    for (const std::string& name : names)
    {
        std::string scenePicture;
        std::string icon;
        ASSERT_TRUE(itemcatalogue::PicturesOf(name, scenePicture, icon)) << name;
        // The tests run in the build folder, where the game finds its files.
        EXPECT_TRUE(fs::is_regular_file(scenePicture)) << name << ": " << scenePicture;
        EXPECT_TRUE(fs::is_regular_file(icon)) << name << ": " << icon;
    }
    std::string untouched = "unchanged";
    EXPECT_FALSE(itemcatalogue::PicturesOf("guano", untouched, untouched))
        << "names are exact: the cave's item is \"Guano\"";
    EXPECT_EQ(untouched, "unchanged");
}
}  // namespace
