#pragma once
// One conversation script line ("Label: : spoken words;") taken apart, and text wrapped to a
// column: the box and the history show the words only, their speaker's name stands on a plate.
#include <functional>
#include <string>

struct ScriptLine
{
    std::string label;   // the speaker's label without its colon; "" for narration
    std::string spoken;  // the words, single blanks between them, without the closing ";"
};

// The label is whatever stands before the first ": : "; a line without one is all spoken.
ScriptLine ParseScriptLine(const std::string& aLine);

// aText's words in rows no wider than aWidth as aMeasure measures them (a word wider than that
// stands alone on its row); every row starts flush with the column.
std::string WrapText(const std::string& aText, float aWidth,
                     const std::function<float(const std::string&)>& aMeasure);
