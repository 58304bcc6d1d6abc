#pragma once
// The carried things: scene pictures, inventory icons and information cards of every item.
#include <string>

#include "core/canvas.h"
#include "core/contentwriter.h"

namespace content
{
// Each drawer paints one thing centred in a 100 x 100 box (the canvas is scaled to fit).
using ItemDrawer = void (*)(Canvas& aCanvas);

namespace art
{
void Wire(Canvas& aCanvas);
void SharpFlint(Canvas& aCanvas);
void Flint(Canvas& aCanvas);
void Stick(Canvas& aCanvas);
void Logs(Canvas& aCanvas);
void Coconut(Canvas& aCanvas);
void Log(Canvas& aCanvas);
void DriedLeaves(Canvas& aCanvas);
void CoconutLatex(Canvas& aCanvas);
void Sulphur(Canvas& aCanvas);
void CoconutGuano(Canvas& aCanvas);
void Guano(Canvas& aCanvas);
void MagneticStone(Canvas& aCanvas);
void BrokenBelt(Canvas& aCanvas);
void Rope(Canvas& aCanvas);
void Diamond(Canvas& aCanvas);
void GoldNecklace(Canvas& aCanvas);
void Banana(Canvas& aCanvas);
void BigLeaves(Canvas& aCanvas);
void RefinedLatex(Canvas& aCanvas);
void Axe(Canvas& aCanvas);
void CoconutHalf1(Canvas& aCanvas);
void CoconutHalf2(Canvas& aCanvas);
void Fire(Canvas& aCanvas);
void Charcoal(Canvas& aCanvas);
void Gunpowder(Canvas& aCanvas);
void RubberString(Canvas& aCanvas);
void WholeBelt(Canvas& aCanvas);
}  // namespace art

// A picture of aDrawer, aSize pixels square, with a soft ground shadow.
Image ItemPicture(ItemDrawer aDrawer, int aSize);

// Inventory icons fit the grid's 85 x 85 cells.
constexpr int kIconSize = 72;

// Writes every item picture, both empty pictures and the information cards.
void GenerateItems(ContentWriter& aWriter);
}  // namespace content
