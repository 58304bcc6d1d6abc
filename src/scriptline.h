#pragma once
// Turns one conversation script line ("Label: : spoken words;") into the text shown in the
// conversation box: the label on its own row, then the words wrapped to the box's width.
#include <functional>
#include <string>
#include <vector>

// The words of aLine: each blank or ";" ends a word (possibly empty); characters after the
// last blank or ";" are dropped.
std::vector<std::string> SplitScriptWords(const std::string& aLine);

// The shown text of aLine. A lone ":" word ends a row; any other word joins the current row
// after one blank while the row's width plus the word's stays below aWrapWidth, and otherwise
// starts the next row. aWidth measures a text in pixels.
std::string PrepareScriptLine(const std::string& aLine, float aWrapWidth,
                              const std::function<float(const std::string&)>& aWidth);
