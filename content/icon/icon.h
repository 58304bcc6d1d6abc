#pragma once
// The game's icon for the desktop's menus and task bars: the heroine and Roderick on a jungle
// badge, 256 x 256 PNG, written as icon/marrowen.png (installed, not loaded by the game).
#include "core/contentwriter.h"

namespace content
{
constexpr int kDesktopIconSize = 256;

void GenerateIcon(ContentWriter& aWriter);
}  // namespace content
