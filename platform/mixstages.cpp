#include "mixstages.h"

#include <algorithm>
#include <cmath>

#include "musicstream.h"

namespace platform
{
namespace
{
constexpr float ourStep = 1.0f / GainRamp::ourFullSwingFrames;
// The limiter's gain comes back to 1 with a time constant of 150 ms.
const float ourRelease =
    static_cast<float>(1.0 - std::exp(-1.0 / (0.150 * MusicStream::ourSampleRate)));
}  // namespace

void GainRamp::SetTarget(float aGain)
{
    myTarget.store(std::isnan(aGain) ? 0.0f : std::clamp(aGain, 0.0f, 1.0f),
                   std::memory_order_relaxed);
}

float GainRamp::Next()
{
    const float target = myTarget.load(std::memory_order_relaxed);
    myGain =
        target > myGain ? std::min(target, myGain + ourStep) : std::max(target, myGain - ourStep);
    return myGain;
}

void Limiter::Process(float* aStereo, int aFrames)
{
    for (int frame = 0; frame < aFrames; ++frame)
    {
        float* sample = aStereo + static_cast<std::ptrdiff_t>(frame) * 2;
        const float peak = std::max(std::fabs(sample[0]), std::fabs(sample[1]));
        if (peak * myGain > ourCeiling)
        {
            myGain = ourCeiling / peak;
        }
        sample[0] *= myGain;
        sample[1] *= myGain;
        myGain += (1.0f - myGain) * ourRelease;
    }
}
}  // namespace platform
