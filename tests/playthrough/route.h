#pragma once
// The whole story as a player would take it, from the title picture to the end picture: the
// steps the playthrough works through, in order.
#include <set>
#include <string>
#include <vector>

#include "player.h"

std::vector<RouteStep> StoryRoute();

// Conversations photographed for the tour, on their first line.
std::set<std::string> TourConversations();
