#pragma once
// The five music tracks: each a seamless loop with its own mood, synthesised and encoded as MP3.
#include <string>
#include <vector>

#include "core/contentwriter.h"

namespace content
{
struct MusicTrack
{
    std::string path;  // "aud/main_screen.mp3"
    double bpm;
    int beats;  // the loop is this many beats long
    // Length of the loop in frames at 44.1 kHz.
    long Frames() const;
};

// The tracks the game plays, in its track-table order.
const std::vector<MusicTrack>& MusicTracks();

// Composes, renders and encodes every track into aud/.
void GenerateMusic(ContentWriter& aWriter);
}  // namespace content
