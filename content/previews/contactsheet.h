#pragma once
// Contact sheets: every generated picture of one kind on one PNG, labelled with its path, over
// a checkerboard that shows transparency. For people to look at; the game never reads them.
#include <string>

namespace content
{
// Writes characters.png, items.png, interface.png and cutscenes.png into aPreviewFolder from
// the pictures under aContentFolder/img.
void WriteContactSheets(const std::string& aContentFolder, const std::string& aPreviewFolder);
}  // namespace content
