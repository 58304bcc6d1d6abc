#pragma once
// Where the game's fixed-size picture goes in a window of any size, and how points and motion
// in the window map to the picture's pixels and back. Drawing and the mouse use the same fit,
// so a click lands on the same button at any window size.
#include <cstdint>

#include "displayoptions.h"

namespace platform
{
struct PictureFit
{
    // The picture's rectangle in the window; black bars fill the rest.
    int myX = 0;
    int myY = 0;
    int myWidth = 0;
    int myHeight = 0;
    double myScale = 1.0;  // window pixels per picture pixel
    bool mySharp = false;  // a whole multiple meant to show sharp pixels (no filtering)
};

// The largest placement of an aPictureWidth x aPictureHeight picture in the window that keeps
// its aspect, centred. Whole-number scaling keeps to whole multiples while 1x fits and
// otherwise shrinks the picture to fit like smooth scaling. An empty window gets an empty fit.
PictureFit FitPicture(int aWindowWidth, int aWindowHeight, int aPictureWidth, int aPictureHeight,
                      PictureScaling aScaling);

struct PicturePoint
{
    double x = 0.0;
    double y = 0.0;
};

// A window point in picture pixels; points in the bars fall outside [0, size).
PicturePoint WindowToPicture(const PictureFit& aFit, double aX, double aY);
// A picture point in window pixels.
PicturePoint PictureToWindow(const PictureFit& aFit, double aX, double aY);

// Window mouse motion as picture motion: divided by the picture's scale, so the game's cursor
// drawn on the scaled picture moves as far on screen as the system pointer would. Nothing is
// lost to rounding: the motion since the last fit is kept whole, so moving somewhere and back
// again always comes back to the same pixel.
class MotionScaler
{
public:
    // A new scale starts the count afresh.
    void SetFit(const PictureFit& aFit);
    void Scale(int aX, int aY, int& aPictureX, int& aPictureY);

private:
    double myScale = 1.0;
    int64_t myWindowX = 0;  // window motion since the fit was set
    int64_t myWindowY = 0;
    int64_t myPictureX = 0;  // picture motion handed out for it
    int64_t myPictureY = 0;
};
}  // namespace platform
