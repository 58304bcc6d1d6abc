#include "inputwrapper/actions.h"

#include <algorithm>
#include <iterator>

#include "assertion.h"
#include "inputwrapper/keynames.h"

namespace
{
const char* const ourActionNames[] = {
    "walk up", "walk down", "walk left",   "walk right",    "use",
    "talk on", "inventory", "notepad",     "menu",          "continue",
    "history", "scroll up", "scroll down", "rubber string", "diamond",
};
static_assert(std::size(ourActionNames) == static_cast<size_t>(Action::Count));

struct Binding
{
    Action action;
    const char* key;
};

// One row per binding.
const Binding ourDefaults[] = {
    {Action::WalkUp, "W"},        {Action::WalkUp, "PadUp"},
    {Action::WalkDown, "S"},      {Action::WalkDown, "PadDown"},
    {Action::WalkLeft, "A"},      {Action::WalkLeft, "PadLeft"},
    {Action::WalkRight, "D"},     {Action::WalkRight, "PadRight"},
    {Action::Use, "E"},           {Action::Use, "Return"},
    {Action::Use, "PadA"},        {Action::TalkOn, "Return"},
    {Action::TalkOn, "PadA"},     {Action::Inventory, "I"},
    {Action::Inventory, "PadX"},  {Action::Notepad, "N"},
    {Action::Notepad, "PadY"},    {Action::Menu, "Escape"},
    {Action::Menu, "PadB"},       {Action::Menu, "PadStart"},
    {Action::Continue, "C"},      {Action::Continue, "PadBack"},
    {Action::History, "L"},       {Action::History, "PadLeftShoulder"},
    {Action::ScrollUp, "W"},      {Action::ScrollUp, "Up"},
    {Action::ScrollUp, "PadUp"},  {Action::ScrollDown, "S"},
    {Action::ScrollDown, "Down"}, {Action::ScrollDown, "PadDown"},
    {Action::RubberString, "O"},  {Action::Diamond, "H"},
};

size_t Index(Action aAction)
{
    return static_cast<size_t>(aAction);
}
}  // namespace

Bindings::Bindings()
{
    for (const Binding& row : ourDefaults)
    {
        uint8_t code = 0;
        MARROWEN_ASSERT(ScanCodeOf(row.key, code) && "A default binding names no key",
                        "inputwrapper/actions");
        myKeys[Index(row.action)].push_back(code);
    }
}

const std::vector<uint8_t>& Bindings::KeysOf(Action aAction) const
{
    return myKeys[Index(aAction)];
}

bool Bindings::Choose(const std::string& aActionName, const std::vector<std::string>& aKeyNames,
                      std::string& aProblem)
{
    const auto* action =
        std::find(std::begin(ourActionNames), std::end(ourActionNames), aActionName);
    if (action == std::end(ourActionNames))
    {
        aProblem = "there is no action \"" + aActionName.substr(0, 40) + "\"";
        return false;
    }
    std::vector<uint8_t> chosen;
    for (const std::string& name : aKeyNames)
    {
        uint8_t code = 0;
        if (!ScanCodeOf(name, code))
        {
            aProblem = "there is no key \"" + name.substr(0, 40) +
                       "\" (keys are named W, Return, Escape, Up, F1, PadA, ...)";
            return false;
        }
        chosen.push_back(code);
    }
    std::vector<uint8_t>& keys = myKeys[static_cast<size_t>(action - std::begin(ourActionNames))];
    const auto sameDevice = [&chosen](uint8_t aKey)
    {
        return std::any_of(chosen.begin(), chosen.end(),
                           [aKey](uint8_t aChosen) { return IsPadKey(aChosen) == IsPadKey(aKey); });
    };
    keys.erase(std::remove_if(keys.begin(), keys.end(), sameDevice), keys.end());
    keys.insert(keys.end(), chosen.begin(), chosen.end());
    return true;
}
