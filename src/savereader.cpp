#include "savereader.h"

#include <cfloat>
#include <climits>
#include <cmath>

namespace
{
// A value as a refusal shows it: short values as they stand, lists and records by their kind.
std::string Shown(const nlohmann::json& aJson)
{
    if (aJson.is_array())
    {
        return "a list of " + std::to_string(aJson.size());
    }
    if (aJson.is_object())
    {
        return "a record";
    }
    if (aJson.is_null())
    {
        return "nothing";
    }
    const std::string text = aJson.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    return text.size() <= 40 ? text : text.substr(0, 36) + "...";
}
}  // namespace

void SaveReader::Refuse(const nlohmann::json& aJson, const char* aExpected,
                        const std::string& aStep)
{
    if (!IsGood())
    {
        return;
    }
    const std::string path = myPath + aStep;
    const std::string what = path.empty() ? "the game" : "the field " + path.substr(1);
    myProblem = what + " should be " + aExpected + ", not " + Shown(aJson);
}

void ReadSaved(SaveReader& aReader, const nlohmann::json& aJson, bool& aValue)
{
    if (!aJson.is_boolean())
    {
        aReader.Refuse(aJson, "true or false");
        return;
    }
    aValue = aJson.get<bool>();
}

void ReadSaved(SaveReader& aReader, const nlohmann::json& aJson, int& aValue)
{
    const bool fits = aJson.is_number_unsigned()
                          ? aJson.get<uint64_t>() <= static_cast<uint64_t>(INT_MAX)
                          : aJson.is_number_integer() && aJson.get<int64_t>() >= INT_MIN &&
                                aJson.get<int64_t>() <= INT_MAX;
    if (!fits)
    {
        aReader.Refuse(aJson, "a whole number");
        return;
    }
    aValue = aJson.get<int>();
}

void ReadSaved(SaveReader& aReader, const nlohmann::json& aJson, float& aValue)
{
    // (Compared as a double: a larger one does not convert to float at all.)
    if (!aJson.is_number() || !(std::fabs(aJson.get<double>()) <= FLT_MAX))
    {
        aReader.Refuse(aJson, "a number");
        return;
    }
    aValue = static_cast<float>(aJson.get<double>());
}

void ReadSaved(SaveReader& aReader, const nlohmann::json& aJson, std::string& aValue)
{
    if (!aJson.is_string())
    {
        aReader.Refuse(aJson, "a text");
        return;
    }
    aValue = aJson.get<std::string>();
}

void ReadSaved(SaveReader& aReader, const nlohmann::json& aJson, Vector2<float>& aValue)
{
    if (!aJson.is_array() || aJson.size() != 2 || !aJson[0].is_number() || !aJson[1].is_number())
    {
        aReader.Refuse(aJson, "two numbers");
        return;
    }
    aReader.Part(aJson[0], "[0]", aValue.x);
    aReader.Part(aJson[1], "[1]", aValue.y);
}
