#pragma once
// Pictures for the tour that the story's route does not stop at: the game saved at a milestone
// of the route, moved to the moment wanted (a part fitted, a line of a conversation, the
// heroine behind a tree), continued on the real pictures, played a few keys and clicks further
// and photographed.
#include <filesystem>
#include <map>
#include <string>

// aSaves: the save text at each milestone the route reached, by the milestone's name. Each
// picture goes into aFolder as "NN name.png", numbered on from aFirstNumber.
void PhotographStages(const std::map<std::string, std::string>& aSaves,
                      const std::filesystem::path& aFolder, int aFirstNumber);
