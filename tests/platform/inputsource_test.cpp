// The keyboard and mouse snapshot the window feeds and the input wrapper reads.
#include <gtest/gtest.h>

#include "inputsource.h"
#include "keymap.h"

TEST(InputSource, MotionAddsUpUntilReadButtonsStay)
{
    platform::InputSource input;
    input.AddMotion(3, -2);
    input.AddMotion(4, 7);
    input.SetButton(0, true);
    input.SetButton(8, true);  // no such button: ignored
    input.SetButton(-1, true);

    platform::MouseState first = input.ReadMouse();
    EXPECT_EQ(first.x, 7);
    EXPECT_EQ(first.y, 5);
    EXPECT_EQ(first.buttons[0], 0x80);
    for (int i = 1; i < 8; ++i)
    {
        EXPECT_EQ(first.buttons[i], 0) << i;
    }

    platform::MouseState second = input.ReadMouse();
    EXPECT_EQ(second.x, 0) << "motion is reported once";
    EXPECT_EQ(second.y, 0);
    EXPECT_EQ(second.buttons[0], 0x80) << "a held button stays down";
    input.SetButton(0, false);
    EXPECT_EQ(input.ReadMouse().buttons[0], 0);
}

TEST(InputSource, ReleaseAllLetsGoOfKeysAndButtonsButKeepsMotion)
{
    platform::InputSource input;
    input.SetKey(0x11, true);
    input.SetKey(0xC8, true);
    input.SetKey(0x1E, true);
    input.SetKey(0x1E, false);
    input.SetButton(2, true);
    input.AddMotion(5, 5);

    uint8_t keys[256];
    input.ReadKeyboard(keys);
    EXPECT_EQ(keys[0x11], 0x80);
    EXPECT_EQ(keys[0xC8], 0x80);
    EXPECT_EQ(keys[0x1E], 0);

    input.ReleaseAll();
    input.ReadKeyboard(keys);
    for (int code = 0; code < 256; ++code)
    {
        EXPECT_EQ(keys[code], 0) << code;
    }
    const platform::MouseState mouse = input.ReadMouse();
    EXPECT_EQ(mouse.buttons[2], 0);
    EXPECT_EQ(mouse.x, 5);
}

// SDL scancodes are USB usage ids (A = 4, 1 = 30, Return = 40, Right = 79, LCtrl = 224, ...).
TEST(KeyMap, KeysTheGameReadsGetTheirScanCodes)
{
    const std::pair<int, uint8_t> keys[] = {
        {41, 0x01}, {30, 0x02}, {39, 0x0B},  {20, 0x10},  {26, 0x11},  {8, 0x12},
        {12, 0x17}, {18, 0x18}, {19, 0x19},  {40, 0x1C},  {4, 0x1E},   {22, 0x1F},
        {7, 0x20},  {11, 0x23}, {15, 0x26},  {29, 0x2C},  {17, 0x31},  {16, 0x32},
        {44, 0x39}, {43, 0x0F}, {225, 0x2A}, {224, 0x1D}, {82, 0xC8},  {81, 0xD0},
        {80, 0xCB}, {79, 0xCD}, {58, 0x3B},  {88, 0x9C},  {228, 0x9D},
    };
    for (const auto& [sdl, game] : keys)
    {
        EXPECT_EQ(platform::GameScanCode(sdl), game) << "SDL scancode " << sdl;
    }
    EXPECT_EQ(platform::GameScanCode(0), 0);
    EXPECT_EQ(platform::GameScanCode(-3), 0);
    EXPECT_EQ(platform::GameScanCode(100000), 0);
}

TEST(InputSource, AReleaseAfterReadWaitsUntilAReadHasSeenThePress)
{
    platform::InputSource input;
    uint8_t keys[256];
    // A synthetic tap: press and release before anyone reads.
    input.SetKey(0x12, true);
    input.ReleaseKeyAfterRead(0x12);
    input.SetButton(0, true);
    input.ReleaseButtonAfterRead(0);
    input.ReadKeyboard(keys);
    EXPECT_EQ(keys[0x12], 0x80) << "the first read sees the tap";
    EXPECT_EQ(input.ReadMouse().buttons[0], 0x80);
    input.ReadKeyboard(keys);
    EXPECT_EQ(keys[0x12], 0) << "the next read sees the release";
    EXPECT_EQ(input.ReadMouse().buttons[0], 0);

    // A press already read is let go at once.
    input.SetKey(0x1C, true);
    input.ReadKeyboard(keys);
    input.ReleaseKeyAfterRead(0x1C);
    input.ReadKeyboard(keys);
    EXPECT_EQ(keys[0x1C], 0);

    // A plain SetKey release is immediate: a tap between two reads is missed, as the game's
    // input devices behave.
    input.SetKey(0x17, true);
    input.SetKey(0x17, false);
    input.ReadKeyboard(keys);
    EXPECT_EQ(keys[0x17], 0);
}
