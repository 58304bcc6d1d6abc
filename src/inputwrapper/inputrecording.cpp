#include "inputwrapper/inputrecording.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <cstring>
#include <sstream>

namespace
{
constexpr uint8_t ourDown = 0x80;
const char* const ourHeader = "marrowen-input 1";

// The keys a recording keeps: every key with a name.
const std::bitset<256>& NamedKeys()
{
    static const std::bitset<256> named = []
    {
        std::bitset<256> codes;
        for (size_t code = 0; code < codes.size(); ++code)
        {
            codes[code] = !KeyNameOf(static_cast<uint8_t>(code)).empty();
        }
        return codes;
    }();
    return named;
}

// A whole decimal number in aText; false for anything else.
template <typename Number>
bool ParseNumber(const std::string& aText, Number& aValue)
{
    if (aText.empty())
    {
        return false;
    }
    std::istringstream stream(aText);
    stream >> aValue;
    return !stream.fail() && stream.eof();
}

int32_t SaturatingSum(int32_t aA, int32_t aB)
{
    const int64_t sum = int64_t{aA} + aB;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX));
}

bool ParseEvent(const std::vector<std::string>& aWords, InputEvent& aEvent, std::string& aProblem)
{
    if (aWords.size() < 2 || aWords[0][0] == '-' || !ParseNumber(aWords[0], aEvent.frame))
    {
        aProblem = "an event starts with its frame number";
        return false;
    }
    const std::string& verb = aWords[1];
    if (verb == "down" || verb == "up")
    {
        aEvent.kind = verb == "down" ? InputEvent::KEY_DOWN : InputEvent::KEY_UP;
        if (aWords.size() != 3 || !ScanCodeOf(aWords[2], aEvent.scanCode))
        {
            aProblem = "\"" + verb + "\" takes one key name (W, Return, Escape, Up, F1, PadA, ...)";
            return false;
        }
        return true;
    }
    if (verb == "mouse")
    {
        aEvent.kind = InputEvent::MOUSE;
        if (aWords.size() != 4 || !ParseNumber(aWords[2], aEvent.dx) ||
            !ParseNumber(aWords[3], aEvent.dy))
        {
            aProblem = "\"mouse\" takes two whole numbers, DX and DY";
            return false;
        }
        return true;
    }
    if (verb == "press" || verb == "release")
    {
        aEvent.kind = verb == "press" ? InputEvent::PRESS : InputEvent::RELEASE;
        if (aWords.size() != 3 || aWords[2] != "left")
        {
            aProblem = "\"" + verb + "\" takes the button \"left\"";
            return false;
        }
        return true;
    }
    aProblem = "unknown event \"" + verb + "\" (down, up, mouse, press or release)";
    return false;
}
}  // namespace

bool ParseInputRecording(const std::string& aText, std::vector<InputEvent>& aEvents,
                         std::string& aProblem)
{
    aEvents.clear();
    std::istringstream lines(aText);
    std::string line;
    int number = 0;
    bool headerSeen = false;
    while (std::getline(lines, line))
    {
        ++number;
        if (!line.empty() && line.back() == '\r')
        {
            line.pop_back();
        }
        std::istringstream stream(line);
        std::vector<std::string> words;
        for (std::string word; stream >> word;)
        {
            words.push_back(word);
        }
        if (words.empty() || words[0][0] == '#')
        {
            continue;
        }
        std::string problem;
        InputEvent event;
        if (!headerSeen)
        {
            headerSeen = line == ourHeader;
            problem = headerSeen ? "" : std::string("the first line must be \"") + ourHeader + "\"";
        }
        else if (ParseEvent(words, event, problem) && !aEvents.empty() &&
                 event.frame < aEvents.back().frame)
        {
            problem = "frame " + std::to_string(event.frame) + " comes after frame " +
                      std::to_string(aEvents.back().frame);
        }
        else if (problem.empty())
        {
            aEvents.push_back(event);
        }
        if (!problem.empty())
        {
            aProblem = "line " + std::to_string(number) + ": " + problem;
            return false;
        }
    }
    if (!headerSeen)
    {
        aProblem = std::string("line 1: the first line must be \"") + ourHeader + "\"";
        return false;
    }
    return true;
}

std::string FormatInputEvent(const InputEvent& aEvent)
{
    std::string frame = std::to_string(aEvent.frame) + " ";
    switch (aEvent.kind)
    {
        case InputEvent::KEY_DOWN:
            return frame + "down " + KeyNameOf(aEvent.scanCode);
        case InputEvent::KEY_UP:
            return frame + "up " + KeyNameOf(aEvent.scanCode);
        case InputEvent::MOUSE:
            return frame + "mouse " + std::to_string(aEvent.dx) + " " + std::to_string(aEvent.dy);
        case InputEvent::PRESS:
            return frame + "press left";
        case InputEvent::RELEASE:
            return frame + "release left";
    }
    return frame;
}

ReplayFeed::ReplayFeed(std::vector<InputEvent> aEvents, InputFeed* aThen)
    : myEvents(std::move(aEvents)), myThen(aThen)
{
}

void ReplayFeed::Read(uint64_t aFrame, uint8_t aKeys[256], platform::MouseState& aMouse)
{
    if (myThen != nullptr && myNext == myEvents.size() && aFrame > GetLastFrame())
    {
        myThen->Read(aFrame, aKeys, aMouse);
        return;
    }
    aMouse = platform::MouseState();
    for (; myNext < myEvents.size() && myEvents[myNext].frame <= aFrame; ++myNext)
    {
        const InputEvent& event = myEvents[myNext];
        switch (event.kind)
        {
            case InputEvent::KEY_DOWN:
            case InputEvent::KEY_UP:
                myKeys[event.scanCode] = event.kind == InputEvent::KEY_DOWN ? ourDown : 0;
                break;
            case InputEvent::MOUSE:
                // A recording may hold any whole numbers: the sum stops at the type's ends.
                aMouse.x = SaturatingSum(aMouse.x, event.dx);
                aMouse.y = SaturatingSum(aMouse.y, event.dy);
                break;
            case InputEvent::PRESS:
            case InputEvent::RELEASE:
                myLeftButton = event.kind == InputEvent::PRESS ? ourDown : 0;
                break;
        }
    }
    std::memcpy(aKeys, myKeys, sizeof(myKeys));
    aMouse.buttons[0] = myLeftButton;
}

uint64_t ReplayFeed::GetLastFrame() const
{
    return myEvents.empty() ? 0 : myEvents.back().frame;
}

bool RecordingFeed::Open(const std::string& aPath, InputFeed& aSource, std::string& aProblem)
{
    mySource = &aSource;
    myFile.open(aPath, std::ios::trunc);
    myFile << ourHeader << '\n';
    if (!myFile)
    {
        aProblem = aPath + ": cannot be written";
        return false;
    }
    return true;
}

void RecordingFeed::Read(uint64_t aFrame, uint8_t aKeys[256], platform::MouseState& aMouse)
{
    mySource->Read(aFrame, aKeys, aMouse);
    uint8_t kept[256] = {};
    for (size_t code = 0; code < NamedKeys().size(); ++code)
    {
        kept[code] = NamedKeys()[code] ? aKeys[code] & ourDown : 0;
        if (kept[code] != myKeys[code])
        {
            InputEvent event;
            event.frame = aFrame;
            event.kind = kept[code] ? InputEvent::KEY_DOWN : InputEvent::KEY_UP;
            event.scanCode = static_cast<uint8_t>(code);
            Write(event);
        }
    }
    std::memcpy(myKeys, kept, sizeof(kept));
    std::memcpy(aKeys, kept, sizeof(kept));
    if (aMouse.x != 0 || aMouse.y != 0)
    {
        Write(InputEvent{aFrame, InputEvent::MOUSE, 0, aMouse.x, aMouse.y});
    }
    const uint8_t left = aMouse.buttons[0] & ourDown;
    if (left != myLeftButton)
    {
        Write(InputEvent{aFrame, left ? InputEvent::PRESS : InputEvent::RELEASE, 0, 0, 0});
        myLeftButton = left;
    }
    aMouse.wheel = 0;
    std::memset(aMouse.buttons, 0, sizeof(aMouse.buttons));
    aMouse.buttons[0] = left;
}

void RecordingFeed::Write(const InputEvent& aEvent)
{
    myFile << FormatInputEvent(aEvent) << '\n';
}
