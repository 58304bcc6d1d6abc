#include "scriptline.h"

#include <algorithm>
#include <sstream>

namespace
{
const char ourSeparator[] = ": : ";
}  // namespace

ScriptLine ParseScriptLine(const std::string& aLine)
{
    ScriptLine line;
    std::string words = aLine;
    const size_t separator = aLine.find(ourSeparator);
    if (separator != std::string::npos)
    {
        line.label = aLine.substr(0, separator);
        words = aLine.substr(separator + sizeof(ourSeparator) - 1);
    }
    // ";" closes the line and is never shown.
    std::replace(words.begin(), words.end(), ';', ' ');
    std::istringstream stream(words);
    std::string word;
    while (stream >> word)
    {
        line.spoken += (line.spoken.empty() ? "" : " ") + word;
    }
    return line;
}

std::string WrapText(const std::string& aText, float aWidth,
                     const std::function<float(const std::string&)>& aMeasure)
{
    std::istringstream stream(aText);
    std::string word;
    std::string row;
    std::string result;
    while (stream >> word)
    {
        if (row.empty())
        {
            row = word;
        }
        else if (std::string longer = row; aMeasure(longer.append(" ").append(word)) <= aWidth)
        {
            row = longer;
        }
        else
        {
            result += row + "\n";
            row = word;
        }
    }
    return result + row;
}
