#include "settings.h"

#include <filesystem>

#include "savereader.h"
#include "wholefile.h"

MARROWEN_SAVED_RECORD(Settings, musicVolume, effectsVolume, fullscreen, scaling)

namespace
{
const char* const ourFormat = "marrowen-settings";

bool Refuse(std::string& aProblem, const std::string& aWhy)
{
    aProblem = aWhy;
    return false;
}

bool IsVolume(int aPercent)
{
    return 0 <= aPercent && aPercent <= 100;
}

// The values read must be ones this version can use.
bool InRange(const Settings& aSettings, std::string& aProblem)
{
    const std::pair<const char*, int> volumes[] = {{"musicVolume", aSettings.musicVolume},
                                                   {"effectsVolume", aSettings.effectsVolume}};
    for (const auto& [field, percent] : volumes)
    {
        if (!IsVolume(percent))
        {
            return Refuse(aProblem, std::string("the field ") + field +
                                        " should be a whole number from 0 to 100, not " +
                                        std::to_string(percent));
        }
    }
    if (aSettings.scaling != "smooth" && aSettings.scaling != "integer")
    {
        return Refuse(aProblem, "the field scaling should be \"smooth\" or \"integer\", not \"" +
                                    aSettings.scaling.substr(0, 40) + "\"");
    }
    return true;
}

// The file's choices of keys, each action's as a list of key names; a value that is no name is
// kept as its JSON text, which no key is named.
bool ReadKeys(const nlohmann::json& aDocument, Settings& aSettings, std::string& aProblem)
{
    const auto keys = aDocument.find("keys");
    if (keys == aDocument.end())
    {
        return true;
    }
    if (!keys->is_object())
    {
        return Refuse(aProblem,
                      "the field keys should name actions and their keys, such as "
                      "{\"history\": [\"L\", \"K\"]}");
    }
    const auto name = [](const nlohmann::json& aValue)
    { return aValue.is_string() ? aValue.get<std::string>() : aValue.dump(); };
    for (const auto& [action, value] : keys->items())
    {
        std::vector<std::string>& names = aSettings.keys[action];
        names.clear();
        if (!value.is_array())
        {
            names.push_back(name(value));
        }
        for (const nlohmann::json& key : value.is_array() ? value : nlohmann::json::array())
        {
            names.push_back(name(key));
        }
    }
    return true;
}
}  // namespace

bool Settings::operator==(const Settings& aOther) const
{
    return musicVolume == aOther.musicVolume && effectsVolume == aOther.effectsVolume &&
           fullscreen == aOther.fullscreen && scaling == aOther.scaling && keys == aOther.keys;
}

Bindings Settings::Keys() const
{
    Bindings bindings;
    for (const auto& [action, names] : keys)
    {
        std::string problem;
        bindings.Choose(action, names, problem);
    }
    return bindings;
}

platform::DisplayOptions Settings::Display() const
{
    platform::DisplayOptions display;
    display.myFullscreen = fullscreen;
    display.myScaling = scaling == "integer" ? platform::PictureScaling::WholeNumber
                                             : platform::PictureScaling::Smooth;
    return display;
}

std::string EncodeSettings(const Settings& aSettings)
{
    // What the file is first, for whoever opens it; then the settings by name.
    nlohmann::ordered_json document = {{"format", ourFormat}};
    const nlohmann::json fields = aSettings;
    for (const auto& [name, value] : fields.items())
    {
        document[name] = value;
    }
    return document.dump(2) + "\n";
}

bool DecodeSettings(const std::string& aText, Settings& aSettings, std::string& aProblem)
{
    const nlohmann::json document = nlohmann::json::parse(aText, nullptr, false);
    if (document.is_discarded())
    {
        return Refuse(aProblem, "it is not JSON");
    }
    const auto format = document.is_object() ? document.find("format") : document.end();
    if (format == document.end() || *format != ourFormat)
    {
        return Refuse(aProblem, "it holds no Marrowen settings");
    }
    SaveReader reader;
    ReadSaved(reader, document, aSettings);
    return (reader.IsGood() || Refuse(aProblem, reader.GetProblem())) &&
           InRange(aSettings, aProblem) && ReadKeys(document, aSettings, aProblem);
}

namespace
{
void DropUnknownKeys(const std::string& aPath, Settings& aSettings,
                     const std::function<void(const std::string&)>& aSay)
{
    Bindings bindings;
    for (auto choice = aSettings.keys.begin(); choice != aSettings.keys.end();)
    {
        std::string problem;
        if (bindings.Choose(choice->first, choice->second, problem))
        {
            ++choice;
            continue;
        }
        std::string line = "the settings " + aPath + ": in keys, \"";
        line += choice->first.substr(0, 40) + "\": ";
        line += problem + "; the default is used";
        aSay(line);
        choice = aSettings.keys.erase(choice);
    }
}
}  // namespace

std::string SettingsPath()
{
    const std::string folder = UserFolder("XDG_CONFIG_HOME", ".config");
    return folder.empty() ? "" : (std::filesystem::path(folder) / "settings.json").string();
}

Settings LoadSettings(const std::string& aPath, const std::function<void(const std::string&)>& aSay)
{
    Settings settings;
    std::error_code error;
    if (aPath.empty())
    {
        return settings;
    }
    if (std::filesystem::exists(aPath, error))
    {
        std::string text;
        std::string problem;
        if (ReadWholeFile(aPath, text, problem) && DecodeSettings(text, settings, problem))
        {
            DropUnknownKeys(aPath, settings, aSay);
            return settings;
        }
        settings = Settings();
        const std::string aside = aPath + ".bad";
        std::filesystem::rename(aPath, aside, error);
        aSay("the settings " + aPath + " cannot be used: " + problem + "; " +
             (error ? "they could not be set aside" : "they are kept as " + aside) +
             ", and the defaults are used");
    }
    // Written for the player to find and edit; never over a file that could not be set aside.
    std::string problem;
    if (!std::filesystem::exists(aPath, error) &&
        !WriteWholeFile(aPath, EncodeSettings(settings), problem))
    {
        aSay("the settings could not be written: " + problem);
    }
    return settings;
}
