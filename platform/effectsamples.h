#pragma once
// Sound effects decoded whole: a WAV file (any format SDL reads) as mono float samples at the
// mix's rate, converted once when it is loaded.
#include <string>
#include <vector>

namespace platform
{
// The longest sound an effect may be: anything longer is no effect, and would only fill memory.
constexpr double ourLongestEffectSeconds = 30.0;

// Decodes aPath (relative to the data folder unless absolute) into aSamples. False, with
// "<aPath>: <problem>" in LastError(), when the file is missing, is no WAV file, is damaged or
// cut short, or holds no sound or too long a one.
bool DecodeEffect(const std::string& aPath, std::vector<float>& aSamples);
}  // namespace platform
