// Where the game's 1024 x 768 picture goes in windows of other sizes, and how window points and
// mouse motion come back to the picture's pixels: the edges of the picture, the bars beside it,
// whole-number scaling, and motion that must neither drift nor be lost in fractions.
#include <gtest/gtest.h>

#include "picturefit.h"

namespace
{
using platform::FitPicture;
using platform::PictureFit;
using platform::PicturePoint;
using platform::PictureScaling;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

PictureFit Fit(int aWindowWidth, int aWindowHeight,
               PictureScaling aScaling = PictureScaling::Smooth)
{
    return FitPicture(aWindowWidth, aWindowHeight, kWidth, kHeight, aScaling);
}

void ExpectRectangle(const PictureFit& aFit, int aX, int aY, int aWidth, int aHeight)
{
    EXPECT_EQ(aFit.myX, aX);
    EXPECT_EQ(aFit.myY, aY);
    EXPECT_EQ(aFit.myWidth, aWidth);
    EXPECT_EQ(aFit.myHeight, aHeight);
}

void ExpectPicturePoint(const PictureFit& aFit, double aWindowX, double aWindowY, double aX,
                        double aY)
{
    const PicturePoint point = platform::WindowToPicture(aFit, aWindowX, aWindowY);
    EXPECT_NEAR(point.x, aX, 1e-9) << "window " << aWindowX << ", " << aWindowY;
    EXPECT_NEAR(point.y, aY, 1e-9) << "window " << aWindowX << ", " << aWindowY;
}
}  // namespace

TEST(PictureFit, SmoothScalingFillsOneSideAndCentresWithBars)
{
    // The game's own size: no bars, no scaling.
    const PictureFit same = Fit(1024, 768);
    ExpectRectangle(same, 0, 0, 1024, 768);
    EXPECT_EQ(same.myScale, 1.0);
    EXPECT_FALSE(same.mySharp);

    // Wide: the height is filled, bars left and right.
    const PictureFit wide = Fit(1600, 900);
    ExpectRectangle(wide, 200, 0, 1200, 900);
    EXPECT_DOUBLE_EQ(wide.myScale, 900.0 / 768.0);

    // Tall: the width is filled, bars above and below.
    const PictureFit tall = Fit(1024, 1000);
    ExpectRectangle(tall, 0, 116, 1024, 768);

    // Smaller with the same aspect: shrunk to fill, no bars.
    const PictureFit small = Fit(800, 600);
    ExpectRectangle(small, 0, 0, 800, 600);
    EXPECT_DOUBLE_EQ(small.myScale, 800.0 / 1024.0);

    // A side that does not divide evenly still stays inside the window.
    const PictureFit odd = Fit(1001, 333);
    EXPECT_LE(odd.myX + odd.myWidth, 1001);
    EXPECT_EQ(odd.myHeight, 333);
    EXPECT_NEAR(static_cast<double>(odd.myWidth) / odd.myHeight, 4.0 / 3.0, 0.01);
}

TEST(PictureFit, WholeNumberScalingKeepsToMultiplesWhileOneFits)
{
    const PictureFit once = Fit(1600, 900, PictureScaling::WholeNumber);
    ExpectRectangle(once, 288, 66, 1024, 768);
    EXPECT_EQ(once.myScale, 1.0);
    EXPECT_TRUE(once.mySharp);

    const PictureFit twice = Fit(2100, 1600, PictureScaling::WholeNumber);
    ExpectRectangle(twice, 26, 32, 2048, 1536);
    EXPECT_EQ(twice.myScale, 2.0);
    EXPECT_TRUE(twice.mySharp);

    // Just short of 3x in one direction: still 2x.
    EXPECT_EQ(Fit(3072, 2303, PictureScaling::WholeNumber).myScale, 2.0);

    // Below 1x there is no whole multiple: the picture shrinks to fit, filtered, rather than
    // being cut off.
    const PictureFit shrunk = Fit(800, 600, PictureScaling::WholeNumber);
    ExpectRectangle(shrunk, 0, 0, 800, 600);
    EXPECT_FALSE(shrunk.mySharp);
}

TEST(PictureFit, AnEmptyWindowGetsAnEmptyFitThatStillMapsPoints)
{
    for (const PictureFit fit : {Fit(0, 0), Fit(1024, 0), Fit(-5, 768)})
    {
        ExpectRectangle(fit, 0, 0, 0, 0);
        EXPECT_GT(fit.myScale, 0.0) << "no division by zero when mapping";
    }
}

TEST(WindowToPicture, ThePictureEdgesMapToTheGameScreenEdges)
{
    // Smooth, bars at the sides: the picture starts after the left bar.
    const PictureFit wide = Fit(1600, 900);
    ExpectPicturePoint(wide, 200, 0, 0, 0);
    ExpectPicturePoint(wide, 1400, 900, 1024, 768);
    ExpectPicturePoint(wide, 800, 450, 512, 384);

    // Whole-number, bars on all four sides.
    const PictureFit once = Fit(1600, 900, PictureScaling::WholeNumber);
    ExpectPicturePoint(once, 288, 66, 0, 0);
    ExpectPicturePoint(once, 288 + 1023, 66 + 767, 1023, 767);

    // Whole-number at 2x: two window pixels per game pixel.
    const PictureFit twice = Fit(2100, 1600, PictureScaling::WholeNumber);
    ExpectPicturePoint(twice, 26, 32, 0, 0);
    ExpectPicturePoint(twice, 27, 33, 0.5, 0.5);
    ExpectPicturePoint(twice, 26 + 2048, 32 + 1536, 1024, 768);

    // Shrunk: the window's corners are the screen's.
    const PictureFit small = Fit(800, 600);
    ExpectPicturePoint(small, 0, 0, 0, 0);
    ExpectPicturePoint(small, 800, 600, 1024, 768);
}

TEST(WindowToPicture, PointsInTheBarsFallOutsideThePicture)
{
    const PictureFit wide = Fit(1600, 900);
    EXPECT_LT(platform::WindowToPicture(wide, 199, 450).x, 0.0);
    EXPECT_LT(platform::WindowToPicture(wide, 0, 450).x, 0.0);
    EXPECT_GT(platform::WindowToPicture(wide, 1401, 450).x, 1024.0);

    const PictureFit once = Fit(1600, 900, PictureScaling::WholeNumber);
    EXPECT_LT(platform::WindowToPicture(once, 800, 65).y, 0.0);
    EXPECT_GT(platform::WindowToPicture(once, 800, 66 + 769).y, 768.0);
}

TEST(WindowToPicture, PictureToWindowIsItsInverse)
{
    for (const PictureFit fit : {Fit(1600, 900), Fit(800, 600), Fit(1333, 1001),
                                 Fit(2100, 1600, PictureScaling::WholeNumber)})
    {
        for (const PicturePoint point :
             {PicturePoint{0, 0}, PicturePoint{512, 266}, PicturePoint{1023.5, 767.25}})
        {
            const PicturePoint window = platform::PictureToWindow(fit, point.x, point.y);
            ExpectPicturePoint(fit, window.x, window.y, point.x, point.y);
        }
    }
    // The quit menu's exit button (its centre at 512, 266) on a 1600 x 900 window.
    const PicturePoint exit = platform::PictureToWindow(Fit(1600, 900), 512, 266);
    EXPECT_DOUBLE_EQ(exit.x, 800.0);
    EXPECT_NEAR(exit.y, 311.72, 0.01);
}

TEST(MotionScaler, WindowMotionBecomesPictureMotionWithoutDriftOrLoss)
{
    platform::MotionScaler twice;
    twice.SetFit(Fit(2100, 1600, PictureScaling::WholeNumber));
    int x = 0;
    int y = 0;
    twice.Scale(40, -24, x, y);
    EXPECT_EQ(x, 20);
    EXPECT_EQ(y, -12);
    // Single pixels of motion are half a game pixel each: every second one moves the cursor.
    int total = 0;
    for (int i = 0; i < 5; ++i)
    {
        twice.Scale(1, 0, x, y);
        total += x;
    }
    EXPECT_EQ(total, 2);

    // There and back again lands where it started, though neither way is a whole number.
    platform::MotionScaler wide;
    wide.SetFit(Fit(1600, 900));
    wide.Scale(0, -138, x, y);
    EXPECT_EQ(y, -117);  // 117.76 picture pixels
    int back = 0;
    wide.Scale(0, 138, x, back);
    EXPECT_EQ(y + back, 0);

    // Shrunk pictures need more than one game pixel per window pixel.
    platform::MotionScaler small;
    small.SetFit(Fit(512, 384));
    small.Scale(20, -12, x, y);
    EXPECT_EQ(x, 40);
    EXPECT_EQ(y, -24);
}

TEST(MotionScaler, ANewSizeForgetsTheFractionsOfTheOldOne)
{
    platform::MotionScaler scaler;
    scaler.SetFit(Fit(2048, 1536));
    int x = 0;
    int y = 0;
    scaler.Scale(1, 1, x, y);  // half a pixel carried
    EXPECT_EQ(x, 0);
    scaler.SetFit(Fit(1024, 768));
    scaler.Scale(1, 1, x, y);
    EXPECT_EQ(x, 1) << "one pixel at 1x, the carried half from 2x not added";
    EXPECT_EQ(y, 1);
    scaler.SetFit(Fit(1024, 768));
    scaler.Scale(-1, 0, x, y);
    EXPECT_EQ(x, -1) << "the same size again keeps counting";
}
