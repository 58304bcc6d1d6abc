#pragma once
// The engine's growable array: explicit Init, a fixed growth step, and checks that end the
// program on misuse. Capacity goes Init size, + step, + step, ...; nothing ever shrinks.
#include <cstring>
#include <memory>
#include <type_traits>

#include "assertion.h"

template <typename T>
class GrowingArray
{
public:
    GrowingArray() = default;
    GrowingArray(const GrowingArray& aOther) { CopyFrom(aOther); }
    GrowingArray& operator=(const GrowingArray& aOther);
    ~GrowingArray() = default;

    // Allocates aStartSize elements; an array is initialised once.
    void Init(int aStartSize, int aIncrement, bool aUseMemcpy = true);

    // Element aIndex, 0 <= aIndex < Size().
    T& operator[](int aIndex);
    const T& operator[](int aIndex) const;

    // Appends a copy of aItem, growing by the step when full.
    void Add(const T& aItem);

    int Size() const { return myCurrentSize; }
    int Capacity() const { return myMaxSize; }
    bool IsInitialized() const { return myInitialized; }

private:
    // Raw byte moves only where they are a valid copy; other types are assigned.
    bool UseRawCopy() const { return myUseMemcpy && std::is_trivially_copyable<T>::value; }
    void CopyElements(T* aTarget, const T* aSource, int aCount) const;
    void CopyFrom(const GrowingArray& aOther);
    void CheckIndex(int aIndex) const;

    int myCurrentSize = 0;
    int myMaxSize = 0;
    int myIncrement = 0;
    std::unique_ptr<T[]> myData;
    bool myInitialized = false;
    bool myUseMemcpy = false;
};

template <typename T>
GrowingArray<T>& GrowingArray<T>::operator=(const GrowingArray& aOther)
{
    if (this != &aOther)
    {
        myData.reset();
        CopyFrom(aOther);
    }
    return *this;
}

template <typename T>
void GrowingArray<T>::Init(int aStartSize, int aIncrement, bool aUseMemcpy)
{
    if (myInitialized)
    {
        // clang-format off
        MARROWEN_ASSERT(false &&"GrowingArray: Called Init of already initialized array", "arrays/growingarray");
        // clang-format on
    }
    MARROWEN_ASSERT(
        aStartSize >= 0 && aIncrement > 0 && "GrowingArray: Init needs a size >= 0 and a step > 0",
        "arrays/growingarray");
    myCurrentSize = 0;
    myMaxSize = aStartSize;
    myIncrement = aIncrement;
    myUseMemcpy = aUseMemcpy;
    myData.reset(new T[static_cast<size_t>(aStartSize)]);
    myInitialized = true;
}

template <typename T>
void GrowingArray<T>::CheckIndex(int aIndex) const
{
    // clang-format off
    MARROWEN_ASSERT(myInitialized == true && "GrowingArray: Tried to use the [] operator on an uninitialized class.",
                    "arrays/growingarray");
    MARROWEN_ASSERT((aIndex >= 0 && aIndex <= (myCurrentSize-1)) && "GrowingArray:  [] - Out of bounds.",
                    "arrays/growingarray");
    // clang-format on
}

template <typename T>
T& GrowingArray<T>::operator[](int aIndex)
{
    CheckIndex(aIndex);
    return myData[aIndex];
}

template <typename T>
const T& GrowingArray<T>::operator[](int aIndex) const
{
    CheckIndex(aIndex);
    return myData[aIndex];
}

template <typename T>
void GrowingArray<T>::Add(const T& aItem)
{
    if (!myInitialized)
    {
        MARROWEN_ASSERT(
            false && "GrowingArray: Tried to use the Add function on an uninitialized class.",
            "arrays/growingarray");
    }
    // aItem may be one of our own elements: the old storage lives until it has been copied.
    std::unique_ptr<T[]> previous;
    if (myCurrentSize == myMaxSize)
    {
        std::unique_ptr<T[]> grown(new T[static_cast<size_t>(myMaxSize + myIncrement)]);
        CopyElements(grown.get(), myData.get(), myCurrentSize);
        previous = std::move(myData);
        myData = std::move(grown);
        myMaxSize += myIncrement;
    }
    myData[myCurrentSize] = aItem;
    ++myCurrentSize;
}

template <typename T>
void GrowingArray<T>::CopyElements(T* aTarget, const T* aSource, int aCount) const
{
    if (aCount <= 0)
    {
        return;
    }
    if constexpr (std::is_trivially_copyable<T>::value)
    {
        if (UseRawCopy())
        {
            // T may itself be a pointer: these are aCount elements of T either way.
            std::memcpy(static_cast<void*>(aTarget), aSource,
                        sizeof(T) * aCount);  // NOLINT(bugprone-sizeof-expression)
            return;
        }
    }
    for (int i = 0; i < aCount; ++i)
    {
        aTarget[i] = aSource[i];
    }
}

template <typename T>
void GrowingArray<T>::CopyFrom(const GrowingArray& aOther)
{
    myCurrentSize = aOther.myCurrentSize;
    myMaxSize = aOther.myMaxSize;
    myIncrement = aOther.myIncrement;
    myInitialized = aOther.myInitialized;
    myUseMemcpy = aOther.myUseMemcpy;
    if (aOther.myData)
    {
        myData.reset(new T[static_cast<size_t>(myMaxSize)]);
        CopyElements(myData.get(), aOther.myData.get(), myCurrentSize);
    }
}
