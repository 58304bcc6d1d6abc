#pragma once
// The full-screen pictures: the title, the seven prologue slides that tell how the heroine
// came to be stranded, the bird flight and the end picture.
#include "core/contentwriter.h"

namespace content
{
void GenerateCutscenes(ContentWriter& aWriter);
}  // namespace content
