// The real window, when a display is there (xvfb-run ctest); skipped otherwise.
#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

#include "hge.h"
#include "inputsource.h"

TEST(Window, OpensDrawsOnTheRenderThreadAndShutsDown)
{
    if (std::getenv("DISPLAY") == nullptr)
    {
        GTEST_SKIP() << "no X display";
    }
    hgeSelectBackend(HGE_BACKEND_WINDOW);
    HGE* hge = hgeCreate(HGE_VERSION);
    hge->System_SetState(HGE_TITLE, "Marrowen");
    hge->System_SetState(HGE_SCREENWIDTH, 1024);
    hge->System_SetState(HGE_SCREENHEIGHT, 768);
    ASSERT_TRUE(hge->System_Initiate());
    hge->System_ShowCursor(false);

    // The context moves to another thread, as with the game's render thread.
    int presented = 0;
    std::thread render(
        [&]
        {
            for (; presented < 20; ++presented)
            {
                ASSERT_TRUE(hge->Gfx_BeginScene());
                hge->Gfx_Clear(0);
                hgeQuad quad{};
                const float xs[4] = {10, 60, 60, 10};
                const float ys[4] = {10, 10, 60, 60};
                for (int i = 0; i < 4; ++i)
                {
                    quad.v[i] = hgeVertex{xs[i], ys[i], 0.5f, 0xFFFF0000, 0, 0};
                }
                quad.blend = BLEND_DEFAULT;
                hge->Gfx_RenderQuad(&quad);
                hge->Gfx_EndScene();
            }
        });
    render.join();
    EXPECT_EQ(presented, 20);
    EXPECT_TRUE(hge->System_PumpMessages()) << "nobody closed the window";
    EXPECT_FALSE(hge->System_Snapshot("/tmp/marrowen_window.png")) << "headless only";
    EXPECT_NE(hge->System_GetState(HGE_HWND), nullptr);
    hge->System_Shutdown();
    hge->Release();
}
