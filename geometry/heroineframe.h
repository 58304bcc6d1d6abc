#pragma once
// The heroine's frame and the points of it that the world's rules test. The game moves her by
// these and the content generator lays every scene out for them, so they are defined once.

namespace geometry
{
// One frame of her animations, in pixels.
constexpr int ourHeroineWidth = 64;
constexpr int ourHeroineHeight = 128;

// Her feet, from the frame's top-left corner: the point the transfer zones test, and where an
// arrival puts it.
constexpr int ourFeetX = ourHeroineWidth / 2;
constexpr int ourFeetY = 100;

// Her movement rule tests four points, the corners of a patch around her feet; she may stand
// where all four are free ground. Given as insets from the frame's bottom-right corner.
constexpr int ourPatchRightInset = 21;
constexpr int ourPatchLeftInset = 50;
constexpr int ourPatchBottomInset = 28;
constexpr int ourPatchTopInset = 50;

// Where an arrival puts her along one axis: her frame of aFrameSize wholly inside a scene of
// aSceneSize, however near the edge the transfer rule would land her.
constexpr double KeepFrameInside(double aPosition, double aSceneSize, int aFrameSize)
{
    return aPosition < 0.0                       ? 0.0
           : aPosition > aSceneSize - aFrameSize ? aSceneSize - aFrameSize
                                                 : aPosition;
}
}  // namespace geometry
