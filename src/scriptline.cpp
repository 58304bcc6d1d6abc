#include "scriptline.h"

std::vector<std::string> SplitScriptWords(const std::string& aLine)
{
    std::vector<std::string> words;
    std::string word;
    for (char character : aLine)
    {
        if (character == ' ' || character == ';')
        {
            words.push_back(word);
            word.clear();
        }
        else
        {
            word += character;
        }
    }
    return words;
}

std::string PrepareScriptLine(const std::string& aLine, float aWrapWidth,
                              const std::function<float(const std::string&)>& aWidth)
{
    std::string row;
    std::string result;
    for (const std::string& word : SplitScriptWords(aLine))
    {
        if (word == ":")
        {
            result += row + '\n';
            row.clear();
        }
        else if (aWrapWidth > aWidth(row) + aWidth(word))
        {
            row += ' ' + word;
        }
        else
        {
            result += row + '\n';
            row = word;
        }
    }
    return result + row;
}
