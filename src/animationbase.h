#pragma once
// A sprite with several single-row sheets, showing one at a time. Frames advance on the render
// thread by the elapsed time of each draw; the logic thread picks the sheet and pauses. A lock
// per animation keeps the two apart.
#include <mutex>
#include <string>
#include <vector>

#include "sprite.h"

class AnimationBase : public Sprite
{
public:
    explicit AnimationBase(HGE* aHGE);
    AnimationBase(const AnimationBase& aOther);
    AnimationBase& operator=(const AnimationBase& aOther);
    ~AnimationBase() override = default;

    // Loads a sheet of aFrameCount frames side by side, each shown aMsPerFrame milliseconds.
    void AddSheet(const std::string& aPath, int aFrameCount, float aMsPerFrame);
    // Builds the quad on the first frame of the current sheet; once, after the sheets.
    void Init() override;
    // Advances by aElapsedMs and draws at the sprite's own position.
    void Render(float aElapsedMs) override;
    // Render thread: advances by aElapsedMs (unless paused) and draws at aPosition.
    void DrawAt(float aElapsedMs, const Vector2<float>& aPosition);

    // Shows sheet aIndex, continuing from the frame index the previous sheet had reached.
    void SetAnimation(int aIndex);
    void Pause();
    void Unpause();

    int GetCurrentAnimation() const;
    // The frame the next change shows.
    int GetFrame() const;
    // X of the column on screen, in pixels of the sheet.
    float GetFrameOffset() const;
    bool IsPaused() const;

private:
    void CopyFrom(const AnimationBase& aOther);
    void Advance(float aElapsedMs);

    struct Sheet
    {
        HTEXTURE myTexture;
        int myFrameCount;
        float myMsPerFrame;
        float myFrameWidth;
    };
    // Sheet aIndex; the program ends on an index no sheet has.
    const Sheet& SheetAt(int aIndex) const;

    std::vector<Sheet> mySheets;
    int myCurrent = 0;
    int myFrame = 0;
    bool myPaused = false;
    float myFrameOffset = 0.0f;
    float myElapsed = 0.0f;
    mutable std::mutex myMutex;
};
