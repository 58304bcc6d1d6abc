#pragma once
// Reading a saved game over the state of a freshly set-up game: a field the save does not hold
// keeps the fresh game's value, a field or a map entry this game does not know is passed over,
// and the first value of the wrong kind stops the reading, named by its path in the save
// ("scenes.Cave.items[2].position") together with what belongs there. A record lists its
// fields once, in MARROWEN_SAVED_RECORD, which makes both its writing and its reading.
#include <nlohmann/json.hpp>

#include <bitset>
#include <map>
#include <string>
#include <vector>

#include "vector2.h"

class SaveReader
{
public:
    // Whether every value read so far was of the right kind; otherwise GetProblem names the
    // first that was not.
    bool IsGood() const { return myProblem.empty(); }
    const std::string& GetProblem() const { return myProblem; }

    // Reads aRecord's field aName over aValue, when aRecord has that field.
    template <typename T>
    void Field(const nlohmann::json& aRecord, const char* aName, T& aValue);
    // Reads aJson over aValue as the part aStep (".name" or "[3]") of the value being read.
    template <typename T>
    void Part(const nlohmann::json& aJson, const std::string& aStep, T& aValue);
    // The value being read, or its part aStep, aJson, is not aExpected ("two numbers"): the
    // reading stops.
    void Refuse(const nlohmann::json& aJson, const char* aExpected, const std::string& aStep = "");

private:
    std::string myPath;
    std::string myProblem;
};

void ReadSaved(SaveReader& aReader, const nlohmann::json& aJson, bool& aValue);
// A whole number within int.
void ReadSaved(SaveReader& aReader, const nlohmann::json& aJson, int& aValue);
// Any number that a float holds as a finite value.
void ReadSaved(SaveReader& aReader, const nlohmann::json& aJson, float& aValue);
void ReadSaved(SaveReader& aReader, const nlohmann::json& aJson, std::string& aValue);
// A position: two numbers.
void ReadSaved(SaveReader& aReader, const nlohmann::json& aJson, Vector2<float>& aValue);

// A row of flags, as a list of true and false: a longer row from a later version is cut to
// this one's length, a shorter one from an earlier version leaves the rest as they were.
template <size_t N>
void ReadSaved(SaveReader& aReader, const nlohmann::json& aJson, std::bitset<N>& aValue)
{
    if (!aJson.is_array())
    {
        aReader.Refuse(aJson, "a list of true and false");
        return;
    }
    for (size_t i = 0; i < N && i < aJson.size() && aReader.IsGood(); ++i)
    {
        bool bit = aValue.test(i);
        aReader.Part(aJson[i], "[" + std::to_string(i) + "]", bit);
        aValue.set(i, bit);
    }
}

// A list that belongs to the save alone (what is carried, what lies in a scene): the save's
// entries, each read over a record of the start values.
template <typename T>
void ReadSaved(SaveReader& aReader, const nlohmann::json& aJson, std::vector<T>& aValue)
{
    if (!aJson.is_array())
    {
        aReader.Refuse(aJson, "a list");
        return;
    }
    std::vector<T> read(aJson.size());
    for (size_t i = 0; i < read.size() && aReader.IsGood(); ++i)
    {
        aReader.Part(aJson[i], "[" + std::to_string(i) + "]", read[i]);
    }
    aValue = std::move(read);
}

// Records by name (the scenes): the save's entry for each name this game has.
template <typename T>
void ReadSaved(SaveReader& aReader, const nlohmann::json& aJson, std::map<std::string, T>& aValue)
{
    if (!aJson.is_object())
    {
        aReader.Refuse(aJson, "a record of named entries");
        return;
    }
    for (auto& [name, value] : aValue)
    {
        const auto saved = aJson.find(name);
        if (saved != aJson.end())
        {
            aReader.Part(*saved, "." + name, value);
        }
    }
}

template <typename T>
void SaveReader::Field(const nlohmann::json& aRecord, const char* aName, T& aValue)
{
    const auto saved = aRecord.find(aName);
    if (saved != aRecord.end())
    {
        Part(*saved, std::string(".") + aName, aValue);
    }
}

template <typename T>
void SaveReader::Part(const nlohmann::json& aJson, const std::string& aStep, T& aValue)
{
    if (!IsGood())
    {
        return;
    }
    const size_t length = myPath.size();
    myPath += aStep;
    ReadSaved(*this, aJson, aValue);
    myPath.resize(length);
}

#define MARROWEN_SAVE_WRITE(field) aJson[#field] = aValue.field;
#define MARROWEN_SAVE_READ(field) aReader.Field(aJson, #field, aValue.field);

// The record Type with the named fields: written and read field by field, under their names.
#define MARROWEN_SAVED_RECORD(Type, ...)                                                  \
    inline void to_json(nlohmann::json& aJson, const Type& aValue)                        \
    {                                                                                     \
        NLOHMANN_JSON_EXPAND(NLOHMANN_JSON_PASTE(MARROWEN_SAVE_WRITE, __VA_ARGS__))       \
    }                                                                                     \
    inline void ReadSaved(SaveReader& aReader, const nlohmann::json& aJson, Type& aValue) \
    {                                                                                     \
        if (!aJson.is_object())                                                           \
        {                                                                                 \
            aReader.Refuse(aJson, "a record of named fields");                            \
            return;                                                                       \
        }                                                                                 \
        NLOHMANN_JSON_EXPAND(NLOHMANN_JSON_PASTE(MARROWEN_SAVE_READ, __VA_ARGS__))        \
    }
