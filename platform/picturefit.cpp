#include "picturefit.h"

#include <algorithm>
#include <cmath>

namespace platform
{
PictureFit FitPicture(int aWindowWidth, int aWindowHeight, int aPictureWidth, int aPictureHeight,
                      PictureScaling aScaling)
{
    PictureFit fit;
    if (aWindowWidth <= 0 || aWindowHeight <= 0 || aPictureWidth <= 0 || aPictureHeight <= 0)
    {
        return fit;
    }
    const double fitting = std::min(static_cast<double>(aWindowWidth) / aPictureWidth,
                                    static_cast<double>(aWindowHeight) / aPictureHeight);
    fit.myScale = fitting;
    if (aScaling == PictureScaling::WholeNumber && fitting >= 1.0)
    {
        fit.myScale = std::floor(fitting);
        fit.mySharp = true;
    }
    // Rounded, and never past the window: a fitting side fills the window exactly.
    fit.myWidth =
        std::min(aWindowWidth, static_cast<int>(std::lround(aPictureWidth * fit.myScale)));
    fit.myHeight =
        std::min(aWindowHeight, static_cast<int>(std::lround(aPictureHeight * fit.myScale)));
    fit.myX = (aWindowWidth - fit.myWidth) / 2;
    fit.myY = (aWindowHeight - fit.myHeight) / 2;
    return fit;
}

PicturePoint WindowToPicture(const PictureFit& aFit, double aX, double aY)
{
    return PicturePoint{(aX - aFit.myX) / aFit.myScale, (aY - aFit.myY) / aFit.myScale};
}

PicturePoint PictureToWindow(const PictureFit& aFit, double aX, double aY)
{
    return PicturePoint{aFit.myX + aX * aFit.myScale, aFit.myY + aY * aFit.myScale};
}

void MotionScaler::SetFit(const PictureFit& aFit)
{
    if (aFit.myScale > 0.0 && aFit.myScale != myScale)
    {
        *this = MotionScaler();
        myScale = aFit.myScale;
    }
}

void MotionScaler::Scale(int aX, int aY, int& aPictureX, int& aPictureY)
{
    myWindowX += aX;
    myWindowY += aY;
    // Towards zero, so the same window motion always gives the same picture motion.
    const auto picture = [this](int64_t aWindow)
    { return static_cast<int64_t>(std::trunc(static_cast<double>(aWindow) / myScale)); };
    const int64_t x = picture(myWindowX);
    const int64_t y = picture(myWindowY);
    aPictureX = static_cast<int>(x - myPictureX);
    aPictureY = static_cast<int>(y - myPictureY);
    myPictureX = x;
    myPictureY = y;
}
}  // namespace platform
