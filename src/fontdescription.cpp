#include "fontdescription.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <mutex>

#include "hge.h"

namespace
{
const char ourHeader[] = "[HGEFONT]";
// Descriptions are written by tools with short lines; a longer one means the file is damaged
// (or not a description at all).
constexpr size_t ourLongestLine = 255;

bool IsBlank(char aChar)
{
    return std::isspace(static_cast<unsigned char>(aChar)) != 0;
}

// The text's non-empty lines with their line numbers in the file (from 1). A line break is a
// line feed, a carriage return or both; a zero byte ends the text.
std::vector<std::pair<size_t, std::string>> SplitLines(const std::string& aText)
{
    std::vector<std::pair<size_t, std::string>> lines;
    const std::string text = aText.substr(0, aText.find('\0'));
    size_t number = 1;
    size_t start = 0;
    while (start <= text.size())
    {
        const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        if (end > start || number == 1)
        {
            lines.emplace_back(number, text.substr(start, end - start));
        }
        if (end == text.size())
        {
            break;
        }
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        ++number;
    }
    return lines;
}

// Reads with scanf's rules: a blank in a pattern matches any run of blanks, other characters
// match themselves, and a number may be preceded by blanks.
class LineReader
{
public:
    LineReader(const std::string& aLine, size_t aStart) : myLine(aLine), myPos(aStart) {}

    void SkipBlanks()
    {
        while (myPos < myLine.size() && IsBlank(myLine[myPos]))
        {
            ++myPos;
        }
    }
    bool Expect(char aChar)
    {
        if (myPos < myLine.size() && myLine[myPos] == aChar)
        {
            ++myPos;
            return true;
        }
        return false;
    }
    // A run of non-blank characters; false when there is none.
    bool ReadWord(std::string& aWord)
    {
        SkipBlanks();
        const size_t start = myPos;
        while (myPos < myLine.size() && !IsBlank(myLine[myPos]))
        {
            ++myPos;
        }
        aWord = myLine.substr(start, myPos - start);
        return !aWord.empty();
    }
    bool ReadInteger(float& aValue)
    {
        SkipBlanks();
        const char* begin = myLine.c_str() + myPos;
        char* end = nullptr;
        const long value = std::strtol(begin, &end, 10);
        if (end == begin)
        {
            return false;
        }
        myPos += static_cast<size_t>(end - begin);
        aValue = static_cast<float>(value);
        return true;
    }
    // Hexadecimal digits, as many as there are; saturates above 255 so the caller can reject.
    long ReadHex()
    {
        long value = 0;
        while (myPos < myLine.size() && std::isxdigit(static_cast<unsigned char>(myLine[myPos])))
        {
            const char digit = myLine[myPos++];
            const long nibble = std::isdigit(static_cast<unsigned char>(digit))
                                    ? digit - '0'
                                    : std::tolower(static_cast<unsigned char>(digit)) - 'a' + 10;
            value = value > 255 ? value : value * 16 + nibble;
        }
        return value;
    }
    // The byte at the read position; false at the end of the line.
    bool ReadByte(unsigned char& aByte)
    {
        if (myPos >= myLine.size())
        {
            return false;
        }
        aByte = static_cast<unsigned char>(myLine[myPos++]);
        return true;
    }

private:
    const std::string& myLine;
    size_t myPos;
};

std::string PictureFolder(const std::string& aPath)
{
    size_t cut = aPath.rfind('\\');
    if (cut == std::string::npos)
    {
        cut = aPath.rfind('/');
    }
    return cut == std::string::npos ? std::string() : aPath.substr(0, cut + 1);
}

enum class GlyphLine
{
    Read,
    Ignored,  // the code lies outside 0 to 255
    Broken,   // the six numbers cannot all be read
};

// "Char" = code , x , y , width , height , pre , post
GlyphLine ReadGlyph(const std::string& aLine, GlyphDefinition& aGlyph)
{
    const size_t equals = aLine.find('=');
    if (equals == std::string::npos)
    {
        return GlyphLine::Broken;
    }
    LineReader reader(aLine, equals + 1);
    reader.SkipBlanks();
    long code = 0;
    if (reader.Expect('"'))
    {
        unsigned char byte = 0;
        unsigned char closing = 0;
        if (!reader.ReadByte(byte) || !reader.ReadByte(closing))
        {
            return GlyphLine::Broken;
        }
        code = byte;
    }
    else
    {
        code = reader.ReadHex();
    }
    if (code > 255)
    {
        return GlyphLine::Ignored;
    }
    aGlyph.code = static_cast<int>(code);
    float* const numbers[] = {&aGlyph.x,      &aGlyph.y,   &aGlyph.width,
                              &aGlyph.height, &aGlyph.pre, &aGlyph.post};
    for (float* number : numbers)
    {
        reader.SkipBlanks();
        if (!reader.Expect(',') || !reader.ReadInteger(*number))
        {
            return GlyphLine::Broken;
        }
    }
    return GlyphLine::Read;
}

// "Bitmap = name"; false when the line does not match.
bool ReadPictureName(const std::string& aLine, std::string& aName)
{
    LineReader reader(aLine, std::strlen("Bitmap"));
    reader.SkipBlanks();
    return reader.Expect('=') && reader.ReadWord(aName);
}

bool StartsWith(const std::string& aLine, const char* aPrefix)
{
    return aLine.compare(0, std::strlen(aPrefix), aPrefix) == 0;
}
}  // namespace

FontDescription ParseFontDescription(const std::string& aPath, const std::string& aText)
{
    FontDescription description;
    const std::vector<std::pair<size_t, std::string>> lines = SplitLines(aText);
    if (lines.front().second != ourHeader)
    {
        description.problem = "the first line is not " + std::string(ourHeader);
        return description;
    }
    description.wellFormed = true;
    description.sections.emplace_back();
    for (size_t i = 1; i < lines.size(); ++i)
    {
        const auto& [number, line] = lines[i];
        if (line.size() > ourLongestLine)
        {
            description.problem = "line " + std::to_string(number) + " is longer than " +
                                  std::to_string(ourLongestLine) + " characters";
            break;
        }
        std::string name;
        GlyphDefinition glyph;
        if (StartsWith(line, "Bitmap") && ReadPictureName(line, name))
        {
            description.sections.push_back({PictureFolder(aPath) + name, {}});
        }
        else if (StartsWith(line, "Char"))
        {
            const GlyphLine result = ReadGlyph(line, glyph);
            if (result == GlyphLine::Broken)
            {
                description.problem = "glyph line " + std::to_string(number) + " cannot be read";
                break;
            }
            if (result == GlyphLine::Read)
            {
                description.sections.back().glyphs.push_back(glyph);
            }
        }
    }
    return description;
}

std::shared_ptr<const FontDescription> LoadFontDescription(HGE& aEngine, const std::string& aPath)
{
    DWORD size = 0;
    void* data = aEngine.Resource_Load(aPath.c_str(), &size);
    if (data == nullptr)
    {
        return nullptr;
    }
    std::string text(static_cast<const char*>(data), size);
    aEngine.Resource_Free(data);

    // Every conversation box and every script line builds fonts from the same file: parse it
    // once, and again only if its contents change.
    struct Parsed
    {
        std::string text;
        std::shared_ptr<const FontDescription> description;
    };
    static std::mutex ourMutex;
    static std::map<std::string, Parsed> ourParsed;
    std::lock_guard<std::mutex> lock(ourMutex);
    Parsed& parsed = ourParsed[aPath];
    if (parsed.description == nullptr || parsed.text != text)
    {
        parsed.description =
            std::make_shared<const FontDescription>(ParseFontDescription(aPath, text));
        parsed.text = std::move(text);
    }
    return parsed.description;
}
