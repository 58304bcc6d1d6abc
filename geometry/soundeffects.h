#pragma once
// The sound effects: one row each, with the file the content generator writes and the game
// loads. An effect with several variants has a file per variant ("step_grass_2.wav"), and the
// game takes them in turn so that a run of footsteps does not sound like one sample repeated.
#include <iterator>
#include <string>

namespace geometry
{
enum class SoundEffect
{
    Pickup,        // an item goes into the bag
    CombineWorks,  // the inventory's combination makes something
    CombineFails,  // nothing comes of it
    InventoryOpens,
    InventoryCloses,
    NotepadOpens,
    NotepadCloses,
    Button,           // a button of the menu
    Curtain,          // the fade between two scenes
    RaftCrossing,     // over the river
    Blast,            // the gunpowder in the cave
    EngineTakesPart,  // a part goes into the time machine's engine
    MachineStarts,    // the trip home begins
    StepGrass,
    StepSand,
    StepStone,
    StepMetal,
};

struct SoundEffectFile
{
    SoundEffect effect;
    const char* name;  // the file's name without the variant and the extension
    int variants;
};

// In the order of SoundEffect: an effect's row is at its own index.
constexpr SoundEffectFile ourSoundEffects[] = {
    {SoundEffect::Pickup, "pickup", 1},
    {SoundEffect::CombineWorks, "combine_works", 1},
    {SoundEffect::CombineFails, "combine_fails", 1},
    {SoundEffect::InventoryOpens, "inventory_open", 1},
    {SoundEffect::InventoryCloses, "inventory_close", 1},
    {SoundEffect::NotepadOpens, "notepad_open", 1},
    {SoundEffect::NotepadCloses, "notepad_close", 1},
    {SoundEffect::Button, "button", 1},
    {SoundEffect::Curtain, "curtain", 1},
    {SoundEffect::RaftCrossing, "raft", 1},
    {SoundEffect::Blast, "blast", 1},
    {SoundEffect::EngineTakesPart, "engine_part", 1},
    {SoundEffect::MachineStarts, "machine_start", 1},
    {SoundEffect::StepGrass, "step_grass", 3},
    {SoundEffect::StepSand, "step_sand", 3},
    {SoundEffect::StepStone, "step_stone", 3},
    {SoundEffect::StepMetal, "step_metal", 3},
};
constexpr int ourSoundEffectCount = static_cast<int>(std::size(ourSoundEffects));

constexpr bool RowsFollowTheEffects()
{
    for (int i = 0; i < ourSoundEffectCount; ++i)
    {
        if (static_cast<int>(ourSoundEffects[i].effect) != i || ourSoundEffects[i].variants < 1)
        {
            return false;
        }
    }
    return true;
}
static_assert(RowsFollowTheEffects(), "one row per effect, in the order of SoundEffect");

constexpr const SoundEffectFile& SoundEffectRow(SoundEffect aEffect)
{
    return ourSoundEffects[static_cast<int>(aEffect)];
}

// "aud/effects/pickup.wav", or "aud/effects/step_grass_2.wav" for the second of three.
inline std::string SoundEffectPath(const SoundEffectFile& aFile, int aVariant)
{
    const std::string variant =
        aFile.variants > 1 ? "_" + std::to_string(aVariant + 1) : std::string();
    return std::string("aud/effects/") + aFile.name + variant + ".wav";
}
}  // namespace geometry
