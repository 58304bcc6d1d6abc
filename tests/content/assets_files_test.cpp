// Every non-scene file the game names is generated, every generated file decodes through the
// game's own loaders (each sound effect short, clean at both ends and with room for the music
// under full scale), and two runs of the generator write identical bytes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "assets_pictures.h"
#include "effectsamples.h"
#include "fontdescription.h"
#include "generators.h"
#include "music/music.h"
#include "musicstream.h"
#include "overlayparts.h"
#include "soundeffects.h"

namespace
{
namespace fs = std::filesystem;

// The pictures, font and music the game loads by name, apart from the scenes and the
// scene-sized props, with the exact spelling of each name.
const std::vector<std::string> kNamedFiles = {
    // The heroine's sixteen sheets.
    "img/animation/HeroineAni/h_stand_up.dds", "img/animation/HeroineAni/h_walk_up.dds",
    "img/animation/HeroineAni/h_stand_up_right.dds", "img/animation/HeroineAni/h_walk_right_up.dds",
    "img/animation/HeroineAni/h_stand_right.dds", "img/animation/HeroineAni/h_walk_right.dds",
    "img/animation/HeroineAni/h_stand_down_right.dds",
    "img/animation/HeroineAni/h_walk_right_down.dds", "img/animation/HeroineAni/h_stand_down.dds",
    "img/animation/HeroineAni/h_walk_down.dds", "img/animation/HeroineAni/h_stand_down_left.dds",
    "img/animation/HeroineAni/h_walk_left_down.dds", "img/animation/HeroineAni/h_stand_left.dds",
    "img/animation/HeroineAni/h_walk_left.dds", "img/animation/HeroineAni/h_stand_up_left.dds",
    "img/animation/HeroineAni/h_walk_left_up.dds",
    // The robot's eighteen sheets.
    "img/animation/RobotAni/robot_deactivated/r_deactivated.dds",
    "img/animation/RobotAni/robot_activate/r_activate.dds",
    "img/animation/RobotAni/robot_walk/r_walk_up.dds",
    "img/animation/RobotAni/robot_idling/r_idling_up.dds",
    "img/animation/RobotAni/robot_walk/r_walk_right_up.dds",
    "img/animation/RobotAni/robot_idling/r_idling_right_up.dds",
    "img/animation/RobotAni/robot_walk/r_walk_right.dds",
    "img/animation/RobotAni/robot_idling/r_idling_right.dds",
    "img/animation/RobotAni/robot_walk/r_walk_right_down.dds",
    "img/animation/RobotAni/robot_idling/r_idling_right_down.dds",
    "img/animation/RobotAni/robot_walk/r_walk_down.dds",
    "img/animation/RobotAni/robot_idling/r_idling_down.dds",
    "img/animation/RobotAni/robot_walk/r_walk_left_down.dds",
    "img/animation/RobotAni/robot_idling/r_idling_left_down.dds",
    "img/animation/RobotAni/robot_walk/r_walk_left.dds",
    "img/animation/RobotAni/robot_idling/r_idling_left.dds",
    "img/animation/RobotAni/robot_walk/r_walk_left_up.dds",
    "img/animation/RobotAni/robot_idling/r_idling_left_up.dds",
    // People.
    "img/NPCs/sprite_Woman.dds", "img/NPCs/sprite_boy.dds", "img/NPCs/sprite_girl.dds",
    "img/NPCs/sprite_native_npc_standing.dds", "img/NPCs/sprite_village_child.dds",
    "img/h_fainted.dds",
    // What the scenes show as the story goes on.
    "img/NPCs/sprite_ledge_bird.dds", "img/Levels/volcano_stairs.dds",
    "img/Levels/engine_part_belt.dds", "img/Levels/engine_part_crystal.dds",
    "img/Levels/engine_part_magnet.dds", "img/Levels/engine_part_gold.dds",
    // Items: scene pictures and icons.
    "img/Items/icon_wire.dds", "img/items/icon_flintstone1.dds", "img/items/sprite_flint01.dds",
    "img/items/sprite_flint02.dds", "img/items/icon_twig01.dds", "img/items/sprite_stick.dds",
    "img/items/icon_logs.dds", "img/items/sprite_logs.dds", "img/Items/icon_coconut.dds",
    "img/Items/icon_log.dds", "img/Items/sprite_coconut.dds", "img/Items/sprite_log.dds",
    "img/Items/icon_dried_leaves.dds", "img/Items/sprite_dried_leaves.dds",
    "img/Items/icon_coconutLatex.dds", "img/items/icon_sulfur.dds", "img/items/sprite_sulfur.dds",
    "img/Items/icon_coconutGuano.dds", "img/Items/sprite_guano.dds",
    "img/items/icon_magneticStone.dds", "img/items/sprite_magnetic_stone.dds",
    "img/Items/icon_belt.dds", "img/Items/sprite_belt.dds", "img/items/icon_rope.dds",
    "img/items/sprite_rope.dds", "img/items/icon_diamond.dds", "img/items/sprite_diamond.dds",
    "img/items/icon_gold.dds", "img/items/icon_banana.dds", "img/items/icon_big_leaves.dds",
    "img/Items/icon_coconutLatexRefined.dds", "img/Items/icon_axe.dds",
    "img/Items/icon_coconutHalf1.dds", "img/Items/icon_coconutHalf2.dds", "img/Items/icon_fire.dds",
    "img/Items/icon_woodcoal.dds", "img/Items/icon_coconutGunpowder.dds",
    "img/items/icon_coconutLatexWire.dds", "img/items/icon_belt_whole.dds", "img/empty.dds",
    "img/items/empty.dds", "img/icon/icon_e.dds", "img/cursor.dds", "img/curtain.png",
    // Information cards.
    "img/Icon/SharpFlintstoneData.dds", "img/Icon/WireData.dds", "img/Icon/Flintstone1Data.dds",
    "img/Icon/Flintstone2Data.dds", "img/Icon/GuanoData.dds", "img/Icon/SulphurData.dds",
    "img/Icon/MagneticRockData.dds", "img/Icon/CharcoalData.dds", "img/Icon/GunpowderData.dds",
    "img/Icon/LogData.dds", "img/Icon/LogsData.dds", "img/Icon/RopeData.dds",
    "img/Icon/CoconutData.dds", "img/Icon/DryLeavesData.dds", "img/Icon/CoconutHalf1Data.dds",
    "img/Icon/CoconutHalf2Data.dds", "img/Icon/FireData.dds", "img/Icon/AxeData.dds",
    "img/Icon/GoldNecklaceData.dds", "img/Icon/RefinedLatexData.dds",
    "img/Icon/BananaTreeLeaf1Data.dds", "img/Icon/BananaTreeLeaf2Data.dds",
    "img/Icon/BananaData.dds", "img/Icon/DiamondData.dds", "img/Icon/LatexStringedData.dds",
    "img/Icon/FixedRubberBandData.dds", "img/Icon/BrokenRubberBandData.dds",
    "img/Icon/StickData.dds", "img/Icon/LatexData.dds",
    // Conversation box.
    "img/Conversation/ConversationBox.dds", "img/Conversation/NameBox.dds",
    "img/Conversation/EmptyPortrait.dds", "img/Conversation/heroinePortrait.dds",
    "img/Conversation/RobotPortrait.dds", "img/Conversation/AIPortrait.dds",
    "img/Conversation/villagerWomanPortrait.dds", "img/Conversation/boyPortrait.dds",
    "img/Conversation/girlPortrait.dds",
    // The history of what was said, with a small face for each speaker.
    "img/Conversation/History.dds", "img/Conversation/heroineFace.dds",
    "img/Conversation/RobotFace.dds", "img/Conversation/AIFace.dds",
    "img/Conversation/villagerWomanFace.dds", "img/Conversation/boyFace.dds",
    "img/Conversation/girlFace.dds", "img/Conversation/narrationFace.dds",
    // Inventory and notepad.
    "img/Inventory-Notepad/inventory.dds",
    "img/Inventory-Notepad/inventory_highlight_buttonnew.dds",
    "img/Inventory-Notepad/combination_successful.dds",
    "img/Inventory-Notepad/combination_built.dds", "img/Inventory-Notepad/combination_failed.dds",
    "img/Inventory-Notepad/notepad.dds", "img/Inventory-Notepad/notepad_missing_0.dds",
    "img/Inventory-Notepad/notepad_missing_1.dds", "img/Inventory-Notepad/notepad_missing_2.dds",
    "img/Inventory-Notepad/notepad_missing_3.dds", "img/Inventory-Notepad/notepad_missing_4.dds",
    "img/Inventory-Notepad/notepad_highlight_Belt.dds",
    "img/Inventory-Notepad/notepad_highlight_Crystal.dds",
    "img/Inventory-Notepad/notepad_highlight_Magnet.dds",
    "img/Inventory-Notepad/notepad_highlight_Wire.dds",
    // Cut-scenes and menus.
    "img/CutsceneImages/mainscreen.dds", "img/CutsceneImages/prologue01.dds",
    "img/CutsceneImages/prologue02.dds", "img/CutsceneImages/prologue03.dds",
    "img/CutsceneImages/prologue04.dds", "img/CutsceneImages/prologue05.dds",
    "img/CutsceneImages/prologue06.dds", "img/CutsceneImages/prologue07.dds",
    "img/CutsceneImages/billboard BB.jpg", "img/CutsceneImages/cutscene_bird.DDS",
    "img/QuitMenu/Menu background.dds", "img/QuitMenu/Button Exit Game Normal.dds",
    "img/QuitMenu/Button Continue Game Normal.dds",
    // Font and music.
    "img/Font/HGE_font1.fnt", "aud/main_screen.mp3", "aud/the_jungl_3_finished_v.mp3",
    "aud/the_village_2_finished_v.mp3", "aud/the_vulcano_2_finished.mp3",
    "aud/The_time_machine_final.mp3"};

std::vector<char> Bytes(const fs::path& aPath)
{
    std::ifstream file(aPath, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file), {});
}

// Decodes one generated file with the loader the game uses for its kind.
void ExpectDecodes(const assets::Engine& aEngine, const fs::path& aFolder, const std::string& aPath)
{
    SCOPED_TRACE(aPath);
    const std::string full = (aFolder / aPath).string();
    const std::string extension = fs::path(aPath).extension().string();
    if (extension == ".mp3")
    {
        platform::MusicStream stream;
        ASSERT_TRUE(stream.Open(full)) << platform::LastError();
        const auto& tracks = content::MusicTracks();
        const auto track = std::find_if(tracks.begin(), tracks.end(),
                                        [&](const auto& aTrack) { return aTrack.path == aPath; });
        ASSERT_NE(track, tracks.end());
        EXPECT_EQ(stream.LengthInFrames(), track->Frames());
    }
    else if (extension == ".wav")
    {
        std::vector<float> samples;
        ASSERT_TRUE(platform::DecodeEffect(full, samples)) << platform::LastError();
        const double seconds = static_cast<double>(samples.size()) / 44100.0;
        EXPECT_GE(seconds, 0.05);
        EXPECT_LE(seconds, 4.0);
        float peak = 0.0f;
        for (float sample : samples)
        {
            peak = std::max(peak, std::fabs(sample));
        }
        // Heard over the music at full volume, an effect's loudest moment stays 4 dB under
        // full scale; and it starts and ends at silence instead of with a click.
        EXPECT_GE(peak, 0.1f);
        EXPECT_LE(peak, 0.61f);
        EXPECT_LT(std::fabs(samples.front()), 0.01f);
        EXPECT_LT(std::fabs(samples.back()), 0.01f);
    }
    else if (extension == ".parts")
    {
        const std::vector<char> text = Bytes(full);
        std::vector<geometry::OverlayPart> parts;
        std::string problem;
        EXPECT_TRUE(
            geometry::ParseOverlayParts(std::string(text.begin(), text.end()), parts, problem))
            << problem;
    }
    else if (extension == ".fnt")
    {
        const std::vector<char> text = Bytes(full);
        const FontDescription font =
            ParseFontDescription(full, std::string(text.begin(), text.end()));
        ASSERT_TRUE(font.wellFormed);
        std::set<int> codes;
        for (const FontPictureSection& section : font.sections)
        {
            for (const GlyphDefinition& glyph : section.glyphs)
            {
                codes.insert(glyph.code);
            }
        }
        for (int code = 32; code <= 126; ++code)
        {
            EXPECT_EQ(codes.count(code), 1u) << "no glyph for " << code;
        }
    }
    else
    {
        const assets::Pixels pixels = aEngine.Load(full);
        EXPECT_GT(pixels.width, 0);
        EXPECT_GT(pixels.height, 0);
    }
}

TEST(AssetsFiles, EveryNamedFileIsGeneratedDecodesAndComesOutAsTheBuildWroteIt)
{
    // The build ran the generator once into the build folder (where the tests run); a second run
    // here, in a folder of this process alone, must write the same files with the same bytes.
    const fs::path again =
        fs::temp_directory_path() / ("marrowen_assets_" + std::to_string(getpid()));
    fs::remove_all(again);
    content::ContentWriter writer(again.string());
    content::GenerateAll(writer);

    const std::vector<std::string>& written = writer.Written();
    const std::set<std::string> writtenSet(written.begin(), written.end());
    EXPECT_EQ(writtenSet.size(), written.size()) << "a file was written twice";
    for (const std::string& named : kNamedFiles)
    {
        EXPECT_EQ(writtenSet.count(named), 1u) << named << " is not generated";
    }
    for (const geometry::SoundEffectFile& effect : geometry::ourSoundEffects)
    {
        for (int variant = 0; variant < effect.variants; ++variant)
        {
            const std::string path = geometry::SoundEffectPath(effect, variant);
            EXPECT_EQ(writtenSet.count(path), 1u) << path << " is not generated";
        }
    }

    const assets::Engine engine;
    for (const std::string& path : written)
    {
        EXPECT_EQ(Bytes(again / path), Bytes(path)) << path << " differs between runs";
        ExpectDecodes(engine, again, path);
    }
    fs::remove_all(again);
}

TEST(AssetsFiles, TheBuildFolderHoldsEveryNamedFile)
{
    // The game finds its files beside the executable; the tests run in that folder.
    for (const std::string& named : kNamedFiles)
    {
        EXPECT_TRUE(fs::is_regular_file(named)) << named;
    }
}
}  // namespace

TEST(AssetsFiles, TheDesktopIconIsASquarePngBadgeWithClearCorners)
{
    // Menus and task bars show it on any background: the corners outside the rounded badge
    // must be transparent, the badge itself opaque.
    const assets::Engine engine;
    const assets::Pixels icon = engine.Load("icon/marrowen.png");
    ASSERT_EQ(icon.width, 256);
    ASSERT_EQ(icon.height, 256);
    for (const auto& [x, y] : {std::pair{0, 0}, {255, 0}, {0, 255}, {255, 255}, {10, 10}})
    {
        EXPECT_EQ(icon.Alpha(x, y), 0u) << x << ", " << y;
    }
    for (const auto& [x, y] : {std::pair{128, 30}, {30, 128}, {128, 128}, {226, 200}})
    {
        EXPECT_EQ(icon.Alpha(x, y), 255u) << x << ", " << y;
    }
}
