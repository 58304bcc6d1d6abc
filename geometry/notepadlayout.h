#pragma once
// The notepad: where the page stands on screen, and the heading over its list, which counts
// the parts still missing. The game draws the heading that fits the count over the page.

namespace geometry
{
constexpr int ourNotepadLeft = 285;
constexpr int ourNotepadTop = 80;
// On the page, from its top-left corner.
constexpr int ourNotepadHeadingLeft = 76;
constexpr int ourNotepadHeadingTop = 92;
constexpr int ourNotepadHeadingWidth = 330;
constexpr int ourNotepadHeadingHeight = 30;
}  // namespace geometry
