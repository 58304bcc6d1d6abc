#pragma once
// A span of time in seconds.
#include <cstdint>

class Duration
{
public:
    Duration() = default;
    Duration(double aSeconds) : mySeconds(aSeconds) {}
    Duration(int64_t aSeconds) : mySeconds(static_cast<double>(aSeconds)) {}
    Duration(int32_t aSeconds) : mySeconds(static_cast<double>(aSeconds)) {}

    // Seconds x 1000, rounded to float.
    float InMilliseconds() const { return static_cast<float>(mySeconds * 1000.0); }
    float InSeconds() const { return static_cast<float>(mySeconds); }
    float InMinutes() const { return static_cast<float>(mySeconds / 60.0); }
    float InHours() const { return static_cast<float>(mySeconds / 60.0 / 60.0); }
    float InDays() const { return static_cast<float>(mySeconds / 60.0 / 60.0 / 24.0); }

    Duration& operator+=(const Duration& aOther)
    {
        mySeconds += aOther.mySeconds;
        return *this;
    }
    Duration operator-(const Duration& aOther) const
    {
        return Duration(mySeconds - aOther.mySeconds);
    }

private:
    double mySeconds = 0.0;
};
