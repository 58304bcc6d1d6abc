#pragma once
// The conversation box and the history of what was said, in screen pixels. The game places its
// pictures and wraps its lines by these; the content generator draws the panels to match.

namespace geometry
{
constexpr int ourScreenWidth = 1024;
constexpr int ourScreenHeight = 768;

// The box's panel runs from here to the bottom of the screen, across the whole width.
constexpr int ourBoxTop = 430;
// A speaker's face stands on the panel's top edge, on the speaker's side; the name plate below.
constexpr int ourPortraitSize = 180;
constexpr int ourPortraitMargin = 5;
constexpr int ourPortraitTop = ourBoxTop - 6;
constexpr int ourRightPortraitLeft = ourScreenWidth - ourPortraitMargin - ourPortraitSize;
constexpr int ourNamePlateWidth = ourPortraitSize;
constexpr int ourNamePlateHeight = 48;
constexpr int ourNamePlateTop = ourPortraitTop + ourPortraitSize + 10;

// The text well between the two portraits' places, and the text inside it: every line of
// every speaker, and narration, is wrapped to the same column.
constexpr int ourWellLeft = ourPortraitMargin + ourPortraitSize + 2;
constexpr int ourWellRight = ourRightPortraitLeft - 2;
constexpr int ourWellTop = ourBoxTop + 24;
constexpr int ourWellBottom = ourWellTop + 212;
constexpr int ourTextLeft = ourWellLeft + 12;
constexpr int ourTextRight = ourWellRight - 12;
constexpr int ourTextTop = ourWellTop + 11;
constexpr int ourTextBottom = ourWellBottom - 12;

// The history: a panel over the scene with the lines read so far, each beside a small face and
// its speaker's name, the words in a column of their own.
constexpr int ourHistoryLeft = 16;
constexpr int ourHistoryTop = 8;
constexpr int ourHistoryWidth = 992;
constexpr int ourHistoryHeight = 752;
constexpr int ourHistoryFaceSize = 40;
// Where the entries go, inside the panel's well.
constexpr int ourHistoryListLeft = ourHistoryLeft + 32;
constexpr int ourHistoryListTop = ourHistoryTop + 80;
constexpr int ourHistoryListBottom = ourHistoryTop + ourHistoryHeight - 48;
constexpr int ourHistoryNameLeft = ourHistoryListLeft + ourHistoryFaceSize + 12;
constexpr int ourHistoryTextLeft = ourHistoryNameLeft + 112;
constexpr int ourHistoryTextRight = ourHistoryLeft + ourHistoryWidth - 36;
}  // namespace geometry
