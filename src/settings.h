#pragma once
// The player's settings, kept between runs in settings.json in the game's configuration folder
// ($XDG_CONFIG_HOME/marrowen, or ~/.config/marrowen):
//   {"format": "marrowen-settings", "effectsVolume": 100, "fullscreen": false,
//    "musicVolume": 80, "scaling": "smooth", "keys": {"history": ["L", "K"], "use": "Space"}}
// A field the file lacks keeps its default and a field this version does not know is passed
// over, so files of earlier and later versions both still read (later versions add fields and
// give a field whose meaning changes a new name). "keys" binds actions (named as in actions.cpp)
// to keys (named as in keynames.cpp) in place of their default keys of the same device, keyboard
// or gamepad. The file is written whole or not at all (wholefile.h).
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "displayoptions.h"
#include "inputwrapper/actions.h"

struct Settings
{
    int musicVolume = 100;  // per cent
    int effectsVolume = 100;
    bool fullscreen = false;
    std::string scaling = "smooth";                        // or "integer": whole multiples only
    std::map<std::string, std::vector<std::string>> keys;  // action name: key names

    bool operator==(const Settings& aOther) const;

    // How the window shows the picture with these settings.
    platform::DisplayOptions Display() const;
    // The default bindings with the choices of keys over them (those that name what exists).
    Bindings Keys() const;
};

std::string EncodeSettings(const Settings& aSettings);
// Reads aText over aSettings. False, with the reason in aProblem (naming the field), unless
// aText holds Marrowen settings whose every known value is of the right kind and range; then
// aSettings may hold part of them.
bool DecodeSettings(const std::string& aText, Settings& aSettings, std::string& aProblem);

// settings.json in the configuration folder; "" when there is none (no HOME at all).
std::string SettingsPath();

// The settings kept at aPath: the file's values over the defaults. Without a file, the
// defaults, written there for the player to find. A file that cannot be read or used is said
// in one line through aSay, kept aside as settings.json.bad, and the defaults are used and
// written in its place. A choice of keys naming an unknown action or key is said in one line
// and left out. aPath "" reads and writes nothing.
Settings LoadSettings(const std::string& aPath,
                      const std::function<void(const std::string&)>& aSay);
