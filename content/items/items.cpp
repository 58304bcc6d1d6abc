#include "items/items.h"

#include <string>
#include <vector>

#include "core/picturetext.h"
#include "interface/interface.h"

namespace content
{
namespace
{
struct ItemFile
{
    const char* path;
    ItemDrawer draw;
    int size;
};

// Every item picture the game names, with the mixed "img/Items/" and "img/items/" folders.
// Icons are kIconSize; pictures that lie in a scene are smaller.
const std::vector<ItemFile>& ItemFiles()
{
    static const std::vector<ItemFile> files = {
        {"img/Items/icon_wire.dds", art::Wire, kIconSize},
        {"img/items/icon_flintstone1.dds", art::SharpFlint, kIconSize},
        {"img/items/sprite_flint01.dds", art::SharpFlint, 36},
        {"img/items/sprite_flint02.dds", art::Flint, 44},
        {"img/items/icon_twig01.dds", art::Stick, kIconSize},
        {"img/items/sprite_stick.dds", art::Stick, 56},
        {"img/items/icon_logs.dds", art::Logs, kIconSize},
        {"img/items/sprite_logs.dds", art::Logs, 80},
        {"img/Items/icon_coconut.dds", art::Coconut, kIconSize},
        {"img/Items/sprite_coconut.dds", art::Coconut, 52},
        {"img/Items/icon_log.dds", art::Log, kIconSize},
        {"img/Items/sprite_log.dds", art::Log, 88},
        {"img/Items/icon_dried_leaves.dds", art::DriedLeaves, kIconSize},
        {"img/Items/sprite_dried_leaves.dds", art::DriedLeaves, 52},
        {"img/Items/icon_coconutLatex.dds", art::CoconutLatex, kIconSize},
        {"img/items/icon_sulfur.dds", art::Sulphur, kIconSize},
        {"img/items/sprite_sulfur.dds", art::Sulphur, 44},
        {"img/Items/icon_coconutGuano.dds", art::CoconutGuano, kIconSize},
        {"img/Items/sprite_guano.dds", art::Guano, 48},
        {"img/items/icon_magneticStone.dds", art::MagneticStone, kIconSize},
        {"img/items/sprite_magnetic_stone.dds", art::MagneticStone, 56},
        {"img/Items/icon_belt.dds", art::BrokenBelt, kIconSize},
        {"img/Items/sprite_belt.dds", art::BrokenBelt, 48},
        {"img/items/icon_rope.dds", art::Rope, kIconSize},
        {"img/items/sprite_rope.dds", art::Rope, 52},
        {"img/items/icon_diamond.dds", art::Diamond, kIconSize},
        {"img/items/sprite_diamond.dds", art::Diamond, 36},
        {"img/items/icon_gold.dds", art::GoldNecklace, kIconSize},
        {"img/items/icon_banana.dds", art::Banana, 56},
        {"img/items/icon_big_leaves.dds", art::BigLeaves, 64},
        {"img/Items/icon_coconutLatexRefined.dds", art::RefinedLatex, kIconSize},
        {"img/Items/icon_axe.dds", art::Axe, kIconSize},
        {"img/Items/icon_coconutHalf1.dds", art::CoconutHalf1, kIconSize},
        {"img/Items/icon_coconutHalf2.dds", art::CoconutHalf2, kIconSize},
        {"img/Items/icon_fire.dds", art::Fire, kIconSize},
        {"img/Items/icon_woodcoal.dds", art::Charcoal, kIconSize},
        {"img/Items/icon_coconutGunpowder.dds", art::Gunpowder, kIconSize},
        {"img/items/icon_coconutLatexWire.dds", art::RubberString, kIconSize},
        {"img/items/icon_belt_whole.dds", art::WholeBelt, kIconSize},
    };
    return files;
}

struct Card
{
    const char* file;  // under img/Icon/, without ".dds"
    ItemDrawer draw;
    const char* name;
    const char* line;
};

// One card per key of the inventory's card list; the dried leaves' card keeps its own name.
const std::vector<Card>& Cards()
{
    static const std::vector<Card> cards = {
        {"SharpFlintstoneData", art::SharpFlint, "Sharp flint", "With a stick and wire: an axe."},
        {"WireData", art::Wire, "Copper wire", "Binds an axe. In latex: rubber string."},
        {"Flintstone1Data", art::Flint, "Flint stone", "Two flints and dried leaves: fire."},
        {"Flintstone2Data", art::Flint, "Flint stone", "Two flints and dried leaves: fire."},
        {"GuanoData", art::CoconutGuano, "Bat guano", "With sulphur and charcoal: gunpowder."},
        {"SulphurData", art::Sulphur, "Sulphur", "With guano and charcoal: gunpowder."},
        {"MagneticRockData", art::MagneticStone, "Magnetic rock", "The engine's new magnet."},
        {"CharcoalData", art::Charcoal, "Charcoal", "With sulphur and guano: gunpowder."},
        {"GunpowderData", art::Gunpowder, "Gunpowder", "To blast the magnetic rock loose."},
        {"LogData", art::Log, "Dry log", "Put it in a fire for charcoal."},
        {"LogsData", art::Logs, "Logs", "Bound with rope: a raft."},
        {"RopeData", art::Rope, "Rope", "Binds the logs into a raft."},
        {"CoconutData", art::Coconut, "Coconut", "An axe splits it in two halves."},
        {"DryLeavesData", art::DriedLeaves, "Dried leaves", "Tinder: with two flints, fire."},
        {"CoconutHalf1Data", art::CoconutHalf1, "Coconut half",
         "A bowl for latex, at the rubber tree."},
        {"CoconutHalf2Data", art::CoconutHalf2, "Coconut half", "A bowl for the cave's guano."},
        {"FireData", art::Fire, "Fire", "With the dry log: charcoal."},
        {"AxeData", art::Axe, "Stone axe", "Fells trees, splits coconuts, cuts bark."},
        {"GoldNecklaceData", art::GoldNecklace, "Gold necklace", "Gold wire for the engine."},
        {"RefinedLatexData", art::RefinedLatex, "Refined rubber",
         "With the torn belt: a mended belt."},
        {"BananaTreeLeaf1Data", art::BigLeaves, "Banana leaf", "Two leaves and a banana: wings."},
        {"BananaTreeLeaf2Data", art::BigLeaves, "Banana leaf", "Two leaves and a banana: wings."},
        {"BananaData", art::Banana, "Banana", "With two banana leaves: a bird suit."},
        {"DiamondData", art::Diamond, "Diamond", "The engine's new focusing crystal."},
        {"LatexStringedData", art::RubberString, "Rubber string",
         "Cure it on the volcano's hot rock."},
        {"FixedRubberBandData", art::WholeBelt, "Mended belt", "Ready to fit into the engine."},
        {"BrokenRubberBandData", art::BrokenBelt, "Torn belt", "With refined rubber: mended."},
        {"StickData", art::Stick, "Stick", "With sharp flint and wire: an axe."},
        {"LatexData", art::CoconutLatex, "Latex", "With the copper wire: rubber string."},
    };
    return cards;
}

constexpr int kCardWidth = 280;
constexpr int kCardHeight = 96;

Image CardPicture(const Card& aCard)
{
    Canvas canvas(kCardWidth, kCardHeight);
    DrawWoodPanel(canvas, 1, 1, kCardWidth - 2, kCardHeight - 2, 10);
    DrawInset(canvas, 10, 10, 76, 76, 8);
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, 12, 12);
    cairo_scale(cr, 0.72, 0.72);
    aCard.draw(canvas);
    cairo_restore(cr);
    TextStyle name;
    name.size = 17;
    name.fill = Colour::Rgb(0xfff1cf);
    name.outlineWidth = 3;
    DrawText(canvas, aCard.name, 98, 36, name, TextAlign::Left);
    TextStyle line;
    line.size = 13;
    line.bold = false;
    line.fill = Colour::Rgb(0xeadcc2);
    line.outlineWidth = 2.5;
    DrawParagraph(canvas, aCard.line, 98, 58, kCardWidth - 108, 16, line, TextAlign::Left);
    return canvas.ToImage();
}

Image Empty()
{
    return Canvas(8, 8).ToImage();
}
}  // namespace

Image ItemPicture(ItemDrawer aDrawer, int aSize)
{
    Canvas canvas(aSize, aSize);
    const double scale = aSize / 100.0;
    DropShadow(canvas, aSize * 0.5, aSize * 0.86, aSize * 0.36, aSize * 0.1, 0.3);
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_scale(cr, scale, scale);
    aDrawer(canvas);
    cairo_restore(cr);
    return canvas.ToImage();
}

void GenerateItems(ContentWriter& aWriter)
{
    for (const ItemFile& file : ItemFiles())
    {
        aWriter.WritePicture(file.path, ItemPicture(file.draw, file.size),
                             PictureFormat::DdsArgb8888);
    }
    aWriter.WritePicture("img/empty.dds", Empty(), PictureFormat::DdsArgb8888);
    aWriter.WritePicture("img/items/empty.dds", Empty(), PictureFormat::DdsArgb8888);
    for (const Card& card : Cards())
    {
        aWriter.WritePicture(std::string("img/Icon/") + card.file + ".dds", CardPicture(card),
                             PictureFormat::DdsArgb8888);
    }
}
}  // namespace content
