#include "camera.h"

#include <gtest/gtest.h>

namespace
{
using V = Vector2<float>;

Camera At(float aX, float aY)
{
    Camera camera;
    camera.SetPosition(V(aX, aY));
    return camera;
}

TEST(CameraTest, FocusCentresOn512By382)
{
    Camera camera;
    camera.Focus(V(600, 500));
    EXPECT_EQ(V(88, 118), camera.GetPosition());
    camera.Focus(V(0, 0));
    EXPECT_EQ(V(-512, -382), camera.GetPosition());
}

TEST(CameraTest, ClampKeepsTheViewInsideALargeMap)
{
    Camera camera = At(-30, 900);
    camera.Clamp(2048, 1536);
    EXPECT_EQ(V(0, 768), camera.GetPosition());

    camera = At(1500, -5);
    camera.Clamp(2048, 1536);
    EXPECT_EQ(V(1024, 0), camera.GetPosition());

    camera = At(1024, 768);  // exactly at the far corner: already inside
    camera.Clamp(2048, 1536);
    EXPECT_EQ(V(1024, 768), camera.GetPosition());

    camera = At(300.5f, 200.25f);
    camera.Clamp(2048, 1536);
    EXPECT_EQ(V(300.5f, 200.25f), camera.GetPosition());
}

TEST(CameraTest, AScreenSizedMapAlwaysClampsToTheOrigin)
{
    for (const V& start : {V(-100, -100), V(0, 0), V(5, 3), V(4000, 4000)})
    {
        Camera camera = At(start.x, start.y);
        camera.Clamp(1024, 768);
        EXPECT_EQ(V(0, 0), camera.GetPosition());
    }
}

TEST(CameraTest, AMapSmallerThanTheScreenKeepsItsFarEdgeAtTheScreenEdge)
{
    Camera camera = At(-50, 40);
    camera.Clamp(800, 600);
    EXPECT_EQ(V(800 - 1024, 600 - 768), camera.GetPosition());
}
}  // namespace
