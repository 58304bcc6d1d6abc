#pragma once
// The transfer zones: the rectangles of each scene that lead into another one, and the zone
// each leads to. The game creates its zones from this table; the content generator draws the
// exits there and checks the scenes let the heroine reach them from the right side.
#include <cstddef>
#include <iterator>

namespace geometry
{
// The seven scenes, in the order the game initialises its levels.
enum class SceneId
{
    CrashSite,
    DeepJungle,
    TimeMachine,
    Cave,
    BlownUpCave,
    Village,
    Volcano,
};
constexpr int ourSceneCount = 7;

enum class ZoneKind
{
    Vertical,    // crossed up or down; she lands above or below the partner
    Horizontal,  // crossed left or right; she lands beside the partner
    Cave,        // a plain rectangle without a partner: the game's rules place her
};

struct ZoneBox
{
    int left;
    int top;
    int width;
    int height;
};

struct TransferZone
{
    SceneId scene;
    ZoneKind kind;
    const char* name;  // what the game's exit rules know it by
    ZoneBox box;       // in scene pixels
    int link;          // index of the partner zone in ourTransferZones, -1 for none
};

// In the order the game adds them to their scenes. Each row: scene, kind, name, then
// {left, top, width, height} and the index of the partner.
// clang-format off
inline constexpr TransferZone ourTransferZones[] = {
    {SceneId::CrashSite,    ZoneKind::Vertical,    "DeepJungleTransfer",
                                                 { 268, 1000,  522,   30},  1},  // 0
    {SceneId::DeepJungle,   ZoneKind::Vertical,    "JungleCrashTransfer",
                                                 { 644,    0,  297,   36},  0},  // 1
    {SceneId::TimeMachine,  ZoneKind::Vertical,    "JungleCrashTransferFromTimeMachine",
                                                 {  91,  900,   98,   20},  3},  // 2
    {SceneId::CrashSite,    ZoneKind::Vertical,    "TimeMachineLevel",
                                                 {  88,  267,  107,   70},  2},  // 3
    {SceneId::CrashSite,    ZoneKind::Vertical,    "VillageTransferFromJungleCrash",
                                                 { 425,   40,  250,   40},  5},  // 4
    {SceneId::Village,      ZoneKind::Vertical,    "JungleCrashTransferFromVillage",
                                                 { 543, 1948,  991,  100},  4},  // 5
    {SceneId::CrashSite,    ZoneKind::Horizontal,  "VolcanoTransferFromJungleCrash",
                                                 {1962,  257,   86,  393},  7},  // 6
    {SceneId::Volcano,      ZoneKind::Horizontal,  "JungleCrashTransferFromVolcano",
                                                 {   0,  442,   25,  582},  6},  // 7
    {SceneId::DeepJungle,   ZoneKind::Cave,        "CaveFromDeepJungle",
                                                 {  66,  130,   71,   96}, -1},  // 8
    {SceneId::Cave,         ZoneKind::Cave,        "DeepJungleFromCave",
                                                 { 313,   75,   57,   22}, -1},  // 9
    {SceneId::BlownUpCave,  ZoneKind::Cave,        "DeepJungleFromBlownUpCave",
                                                 { 313,   75,   57,   22}, -1},  // 10
};
// clang-format on
constexpr size_t ourTransferZoneCount = std::size(ourTransferZones);

// Every crossing zone has a partner of its own kind in another scene that links back; cave
// zones have none.
constexpr bool LinksAreMutual()
{
    for (size_t i = 0; i < ourTransferZoneCount; ++i)
    {
        const TransferZone& zone = ourTransferZones[i];
        if (zone.kind == ZoneKind::Cave)
        {
            if (zone.link != -1)
            {
                return false;
            }
            continue;
        }
        if (zone.link < 0 || static_cast<size_t>(zone.link) >= ourTransferZoneCount)
        {
            return false;
        }
        const TransferZone& partner = ourTransferZones[zone.link];
        if (static_cast<size_t>(partner.link) != i || partner.kind != zone.kind ||
            partner.scene == zone.scene)
        {
            return false;
        }
    }
    return true;
}
static_assert(LinksAreMutual(), "a transfer zone's partner must link back to it");
}  // namespace geometry
