#pragma once
// Two-component vector for positions, scales and directions; nearly always of float.
#include <cmath>

#include "assertion.h"

template <typename T>
class Vector2
{
public:
    Vector2() : x(0), y(0) {}
    Vector2(T aX, T aY) : x(aX), y(aY) {}
    Vector2(const Vector2& aOther) = default;
    Vector2& operator=(const Vector2& aOther) = default;

    Vector2 operator+(const Vector2& aOther) const { return Vector2(x + aOther.x, y + aOther.y); }
    Vector2& operator+=(const Vector2& aOther)
    {
        x += aOther.x;
        y += aOther.y;
        return *this;
    }
    Vector2 operator-(const Vector2& aOther) const { return Vector2(x - aOther.x, y - aOther.y); }
    Vector2& operator-=(const Vector2& aOther)
    {
        x -= aOther.x;
        y -= aOther.y;
        return *this;
    }
    Vector2& operator*=(T aFactor)
    {
        x *= aFactor;
        y *= aFactor;
        return *this;
    }
    // Both components divided; a zero divisor ends the program.
    Vector2 operator/(T aDivideNumber) const
    {
        MARROWEN_ASSERT((aDivideNumber != 0) && "Illegal numerator!", "vector2");
        return Vector2(x / aDivideNumber, y / aDivideNumber);
    }
    Vector2& operator/=(T aDivideNumber)
    {
        *this = *this / aDivideNumber;
        return *this;
    }
    bool operator==(const Vector2& aOther) const { return x == aOther.x && y == aOther.y; }
    bool operator!=(const Vector2& aOther) const { return !(*this == aOther); }

    // Euclidean length, computed in float.
    float Length() const
    {
        const float fx = static_cast<float>(x);
        const float fy = static_cast<float>(y);
        return std::sqrt(fx * fx + fy * fy);
    }

    T x;
    T y;
};
