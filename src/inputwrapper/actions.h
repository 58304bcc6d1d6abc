#pragma once
// What the player asks of the game, and the keys that ask it. The table of default bindings in
// actions.cpp is the one place a key gets its meaning; the player's settings can replace an
// action's keys.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

enum class Action
{
    WalkUp,
    WalkDown,
    WalkLeft,
    WalkRight,
    Use,        // the robot, a thing or a person; moves pictures on
    TalkOn,     // the next line said; starts the game from the title
    Inventory,  // opens and shuts the robot's hatch
    Notepad,
    Menu,      // the quit menu; also skips the flight and closes a notice
    Continue,  // the saved game, from the title
    History,   // what was said
    ScrollUp,  // through what was said
    ScrollDown,
    RubberString,  // story shortcuts
    Diamond,
    Count
};

class Bindings
{
public:
    // The default bindings.
    Bindings();
    // The keys bound to aAction.
    const std::vector<uint8_t>& KeysOf(Action aAction) const;
    // Binds the keys named aKeyNames to the action named aActionName, in place of its keys of
    // the same device (keyboard or gamepad). False with the reason in aProblem, and nothing
    // changed, when a name is unknown.
    bool Choose(const std::string& aActionName, const std::vector<std::string>& aKeyNames,
                std::string& aProblem);

private:
    std::array<std::vector<uint8_t>, static_cast<size_t>(Action::Count)> myKeys;
};
