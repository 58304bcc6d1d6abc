#include "speakers.h"

namespace
{
// The heroine speaks from the left; whoever she talks to from the right, looking at her.
const Speaker ourSpeakers[] = {
    {"Ester", "img/Conversation/heroinePortrait.dds", "img/Conversation/heroineFace.dds",
     SpeakerSide::LEFT},
    {"Roderick", "img/Conversation/RobotPortrait.dds", "img/Conversation/RobotFace.dds",
     SpeakerSide::RIGHT},
    {"Computer", "img/Conversation/AIPortrait.dds", "img/Conversation/AIFace.dds",
     SpeakerSide::RIGHT},
    {"Nissa", "img/Conversation/villagerWomanPortrait.dds",
     "img/Conversation/villagerWomanFace.dds", SpeakerSide::RIGHT},
    {"Boy", "img/Conversation/boyPortrait.dds", "img/Conversation/boyFace.dds", SpeakerSide::RIGHT},
    {"Girl", "img/Conversation/girlPortrait.dds", "img/Conversation/girlFace.dds",
     SpeakerSide::RIGHT},
};

const Speaker ourNarrator = {"", "", "img/Conversation/narrationFace.dds", SpeakerSide::NONE};
}  // namespace

const Speaker* FindSpeaker(const std::string& aLabel)
{
    if (aLabel.empty())
    {
        return &ourNarrator;
    }
    for (const Speaker& speaker : ourSpeakers)
    {
        if (aLabel == speaker.label)
        {
            return &speaker;
        }
    }
    return nullptr;
}

const Speaker& Narrator()
{
    return ourNarrator;
}

const std::vector<const Speaker*>& AllSpeakers()
{
    static const std::vector<const Speaker*> speakers = []
    {
        std::vector<const Speaker*> all;
        for (const Speaker& speaker : ourSpeakers)
        {
            all.push_back(&speaker);
        }
        all.push_back(&ourNarrator);
        return all;
    }();
    return speakers;
}
