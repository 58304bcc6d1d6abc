#pragma once
// The interface pictures: conversation box, portraits, inventory, notepad, quit menu, cursor,
// use-key prompt and curtain. Panels are dark wood with brass trim; the notepad is paper.
#include "core/canvas.h"
#include "core/contentwriter.h"

namespace content
{
// The conversation box's and the history's layout, in screen pixels, are the game's
// (geometry/conversationlayout.h).

// A dark wood panel with a brass rim and a soft inner bevel.
void DrawWoodPanel(Canvas& aCanvas, double aX, double aY, double aWidth, double aHeight,
                   double aRadius);
// A recessed darker area inside a panel (text wells, slots).
void DrawInset(Canvas& aCanvas, double aX, double aY, double aWidth, double aHeight,
               double aRadius);
// A brass button face with a centred label.
void DrawBrassButton(Canvas& aCanvas, double aX, double aY, double aWidth, double aHeight,
                     const char* aLabel, double aTextSize);

// Writes every interface picture.
void GenerateInterface(ContentWriter& aWriter);
// Its parts: the conversation box, the portraits and the history; the inventory and the notepad.
void GenerateConversationPictures(ContentWriter& aWriter);
void GenerateInventoryPictures(ContentWriter& aWriter);
}  // namespace content
