#pragma once
// Who speaks a line, from the label the dialogue files put before it ("Ester: : ..."): the name
// on the plate, the face in the box and in the history, and the box's side the face stands on.
// A line without a label is narration: no face and no name.
#include <string>
#include <vector>

enum class SpeakerSide
{
    LEFT,
    RIGHT,
    NONE,  // narration
};

struct Speaker
{
    const char* label;     // as the dialogue files write it, without its colon
    const char* portrait;  // the box's face
    const char* face;      // the history's small face
    SpeakerSide side;
};

// The speaker a label names, or null for a label no character has. "" is the narrator.
const Speaker* FindSpeaker(const std::string& aLabel);
const Speaker& Narrator();
// Every speaker, the narrator last.
const std::vector<const Speaker*>& AllSpeakers();
