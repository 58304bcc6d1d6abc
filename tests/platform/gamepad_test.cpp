// Gamepads as the game sees them: keys of their own, cursor motion and the left button. The mapping
// is tested with made-up pad states and events; the hot-plugging and SDL's events with SDL's own
// virtual pad, since no real pad can be plugged into the machines the tests run on.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <memory>
#include <set>
#include <thread>

#include "fatal.h"
#include "gamepads.h"
#include "inputsource.h"
#include "padmapping.h"
#include "virtualgamepad.h"

namespace
{
using platform::MapPad;
using platform::PadAxis;
using platform::PadButton;
using platform::PadIntent;
using platform::PadState;

constexpr uint8_t kW = 0x11;
constexpr uint8_t kPadA = platform::PadKey(platform::PadButton::A);
constexpr uint8_t kPadB = platform::PadKey(platform::PadButton::B);
constexpr uint8_t kPadX = platform::PadKey(platform::PadButton::X);
constexpr uint8_t kPadUp = platform::PadKey(platform::PadButton::DpadUp);
constexpr uint8_t kPadDown = platform::PadKey(platform::PadButton::DpadDown);
constexpr uint8_t kPadLeft = platform::PadKey(platform::PadButton::DpadLeft);
constexpr uint8_t kPadRight = platform::PadKey(platform::PadButton::DpadRight);
constexpr uint8_t kDown = 0x80;
constexpr int16_t kFull = 32767;

std::set<int> Keys(const PadIntent& aIntent)
{
    std::set<int> keys;
    for (size_t code = 0; code < aIntent.myKeys.size(); ++code)
    {
        if (aIntent.myKeys[code])
        {
            keys.insert(static_cast<int>(code));
        }
    }
    return keys;
}

PadState Stick(PadAxis aX, PadAxis aY, double aTilt, double aDegrees)
{
    const double radians = aDegrees * 3.14159265358979323846 / 180.0;
    PadState state;
    state.SetAxis(aX, static_cast<int16_t>(std::lround(kFull * aTilt * std::cos(radians))));
    state.SetAxis(aY, static_cast<int16_t>(std::lround(kFull * aTilt * std::sin(radians))));
    return state;
}

PadState LeftStick(double aTilt, double aDegrees)
{
    return Stick(PadAxis::LeftX, PadAxis::LeftY, aTilt, aDegrees);
}

PadState RightStick(double aTilt, double aDegrees)
{
    return Stick(PadAxis::RightX, PadAxis::RightY, aTilt, aDegrees);
}

PadState Pressed(PadButton aButton)
{
    PadState state;
    state.SetButton(aButton, true);
    return state;
}

uint8_t Key(platform::InputSource& aInput, uint8_t aCode)
{
    uint8_t keys[256];
    aInput.ReadKeyboard(keys);
    return keys[aCode];
}
}  // namespace

TEST(PadMapping, ButtonsAreKeysOfTheirOwnAndTheRightShoulderTheLeftMouseButton)
{
    EXPECT_TRUE(Keys(MapPad(PadState{}, 0.1)).empty());
    std::set<int> seen;
    for (int index = 0; index < static_cast<int>(PadButton::Count); ++index)
    {
        const auto button = static_cast<PadButton>(index);
        const PadIntent intent = MapPad(Pressed(button), 0.1);
        if (button != PadButton::RightShoulder)
        {
            EXPECT_FALSE(intent.myLeftButton) << index;
            ASSERT_EQ(Keys(intent).size(), 1u) << index;
            EXPECT_GT(*Keys(intent).begin(), 0xDD) << "past the keyboard's codes: " << index;
            seen.insert(*Keys(intent).begin());
        }
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(PadButton::Count) - 1) << "a key for each";
    const PadIntent click = MapPad(Pressed(PadButton::RightShoulder), 0.1);
    EXPECT_TRUE(click.myLeftButton);
    EXPECT_TRUE(Keys(click).empty());

    // Several at once: walking up-right on the D-pad while holding A.
    PadState chord;
    chord.SetButton(PadButton::DpadUp, true);
    chord.SetButton(PadButton::DpadRight, true);
    chord.SetButton(PadButton::A, true);
    EXPECT_EQ(Keys(MapPad(chord, 0.1)), (std::set<int>{kPadUp, kPadRight, kPadA}));
}

TEST(PadMapping, TheLeftStickWalksInEightDirectionsPastItsDeadZone)
{
    // Angles with y pointing down, as the pad reports them.
    const std::pair<double, std::set<int>> directions[] = {
        {0, {kPadRight}},   {45, {kPadRight, kPadDown}},
        {90, {kPadDown}},   {135, {kPadDown, kPadLeft}},
        {180, {kPadLeft}},  {225, {kPadLeft, kPadUp}},
        {270, {kPadUp}},    {315, {kPadUp, kPadRight}},
        {-180, {kPadLeft}}, {359, {kPadRight}},
    };
    for (const auto& [degrees, keys] : directions)
    {
        EXPECT_EQ(Keys(MapPad(LeftStick(1.0, degrees), 0.1)), keys) << degrees << " degrees";
        EXPECT_EQ(Keys(MapPad(LeftStick(0.5, degrees), 0.1)), keys) << degrees << " half way";
    }
    // Each direction owns 45 degrees around it.
    EXPECT_EQ(Keys(MapPad(LeftStick(1.0, 22), 0.1)), std::set<int>{kPadRight});
    EXPECT_EQ(Keys(MapPad(LeftStick(1.0, 23), 0.1)), (std::set<int>{kPadRight, kPadDown}));
    EXPECT_EQ(Keys(MapPad(LeftStick(1.0, 247), 0.1)), (std::set<int>{kPadLeft, kPadUp}));
    EXPECT_EQ(Keys(MapPad(LeftStick(1.0, 248), 0.1)), std::set<int>{kPadUp});
    // A stick resting a little off centre does not walk, in any direction.
    for (double degrees = 0; degrees < 360; degrees += 30)
    {
        EXPECT_TRUE(Keys(MapPad(LeftStick(0.3, degrees), 0.1)).empty()) << degrees;
    }
    // The extreme negative value of an axis is no trouble.
    PadState corner;
    corner.SetAxis(PadAxis::LeftX, -32768);
    corner.SetAxis(PadAxis::LeftY, -32768);
    EXPECT_EQ(Keys(MapPad(corner, 0.1)), (std::set<int>{kPadLeft, kPadUp}));
}

TEST(PadMapping, TheRightStickMovesTheCursorByTimeAndTilt)
{
    const PadIntent still = MapPad(RightStick(0.15, 30), 1.0);
    EXPECT_EQ(still.myMotionX, 0.0) << "inside the dead zone";
    EXPECT_EQ(still.myMotionY, 0.0);

    const PadIntent right = MapPad(RightStick(1.0, 0), 0.5);
    EXPECT_NEAR(right.myMotionX, 350.0, 1.0) << "700 pixels a second at full tilt";
    EXPECT_NEAR(right.myMotionY, 0.0, 0.1);
    EXPECT_NEAR(MapPad(RightStick(1.0, 0), 0.25).myMotionX, 175.0, 1.0) << "twice as long";

    const PadIntent up = MapPad(RightStick(1.0, 270), 0.5);
    EXPECT_NEAR(up.myMotionY, -350.0, 1.0);

    // Half way past the dead zone is a quarter of the speed: fine aiming near the centre.
    const PadIntent gentle = MapPad(RightStick(0.6, 0), 1.0);
    EXPECT_NEAR(gentle.myMotionX, 175.0, 2.0);

    // A pad whose square gate lets the stick reach the corner is no faster diagonally.
    PadState corner;
    corner.SetAxis(PadAxis::RightX, kFull);
    corner.SetAxis(PadAxis::RightY, kFull);
    const PadIntent diagonal = MapPad(corner, 1.0);
    EXPECT_NEAR(std::hypot(diagonal.myMotionX, diagonal.myMotionY), 700.0, 1.0);
    EXPECT_NEAR(diagonal.myMotionX, diagonal.myMotionY, 1e-9);

    // The right stick never walks, the left never moves the cursor.
    EXPECT_TRUE(Keys(right).empty());
    EXPECT_EQ(MapPad(LeftStick(1.0, 0), 1.0).myMotionX, 0.0);
}

TEST(PadMapping, TwoPadsTogetherHoldWhatEitherHoldsAndAddTheirMotion)
{
    PadIntent both = MapPad(Pressed(PadButton::A), 1.0);
    both |= MapPad(RightStick(1.0, 0), 1.0);
    both |= MapPad(RightStick(1.0, 0), 1.0);
    both |= MapPad(Pressed(PadButton::RightShoulder), 1.0);
    EXPECT_EQ(Keys(both), std::set<int>{kPadA});
    EXPECT_NEAR(both.myMotionX, 1400.0, 2.0);
    EXPECT_TRUE(both.myLeftButton);
}

TEST(PadFeeder, IntentsBecomePressesReleasesAndMotionOfTheInputSource)
{
    platform::InputSource input;
    platform::PadFeeder feeder;
    feeder.Feed(MapPad(Pressed(PadButton::A), 0.01), input);
    EXPECT_EQ(Key(input, kPadA), kDown);
    feeder.Feed(MapPad(Pressed(PadButton::A), 0.01), input);
    EXPECT_EQ(Key(input, kPadA), kDown) << "held, not pressed again";

    // Pressed and let go between two reads of the game: still seen down once.
    feeder.Feed(MapPad(Pressed(PadButton::X), 0.01), input);
    feeder.Feed(MapPad(PadState{}, 0.01), input);
    uint8_t keys[256];
    input.ReadKeyboard(keys);
    EXPECT_EQ(keys[kPadX], kDown);
    EXPECT_EQ(keys[kPadA], 0) << "A let go";
    EXPECT_EQ(Key(input, kPadX), 0) << "and after that read, X too";

    // The right shoulder is the left mouse button, with the same latch.
    feeder.Feed(MapPad(Pressed(PadButton::RightShoulder), 0.01), input);
    feeder.Feed(MapPad(PadState{}, 0.01), input);
    EXPECT_EQ(input.ReadMouse().buttons[0], kDown);
    EXPECT_EQ(input.ReadMouse().buttons[0], 0);

    // Motion in small steps adds up; nothing is lost to rounding between pumps.
    for (int i = 0; i < 100; ++i)
    {
        feeder.Feed(MapPad(RightStick(1.0, 0), 0.002), input);  // 1.4 pixels each
    }
    const platform::MouseState mouse = input.ReadMouse();
    EXPECT_EQ(mouse.x, 140);
    EXPECT_EQ(mouse.y, 0);
}

TEST(PadFeeder, KeysTheKeyboardHoldsAreLeftToTheKeyboard)
{
    platform::InputSource input;
    platform::PadFeeder feeder;
    input.SetKey(kW, true);
    feeder.Feed(MapPad(PadState{}, 0.01), input);
    feeder.Feed(MapPad(Pressed(PadButton::B), 0.01), input);
    feeder.Feed(MapPad(PadState{}, 0.01), input);
    uint8_t keys[256];
    input.ReadKeyboard(keys);
    EXPECT_EQ(keys[kPadB], kDown);
    EXPECT_EQ(keys[kW], kDown);
    EXPECT_EQ(Key(input, kW), kDown) << "the pad never held W, so it never lets it go";
    EXPECT_EQ(Key(input, kPadB), 0);
}
TEST(SubPixelMotion, FractionsAddUpInBothDirections)
{
    platform::SubPixelMotion motion;
    int x = 0;
    int y = 0;
    motion.Take(0.4, -0.6, x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    motion.Take(0.4, -0.6, x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, -1);
    motion.Take(0.4, 1.2, x, y);
    EXPECT_EQ(x, 1);  // 1.2 in all
    EXPECT_EQ(y, 1);  // -1.2 + 1 carried -0.2, plus 1.2
    motion.Reset();
    motion.Take(0.9, 0.9, x, y);
    EXPECT_EQ(x, 0) << "reset dropped the carried fractions";
    motion.Reset();
    motion.Take(-0.4, 0.0, x, y);
    EXPECT_EQ(x, 0) << "a fraction to the left waits, as one to the right does";
}

TEST(PadEvents, StickAndButtonEventsChangeThePadState)
{
    using Kind = platform::PadEvent::Kind;
    PadState state;
    platform::ApplyPadEvent({Kind::Button, 0, static_cast<int>(PadButton::Y), 1}, state);
    EXPECT_TRUE(state.Button(PadButton::Y));
    platform::ApplyPadEvent({Kind::Axis, 0, static_cast<int>(PadAxis::RightY), -1234}, state);
    EXPECT_EQ(state.Axis(PadAxis::RightY), -1234);
    platform::ApplyPadEvent({Kind::Button, 0, static_cast<int>(PadButton::Y), 0}, state);
    EXPECT_FALSE(state.Button(PadButton::Y));

    // Controls the game has no use for (paddles, a touchpad) change nothing, and do no harm.
    const std::set<int> before = Keys(MapPad(state, 0.1));
    for (const int control : {static_cast<int>(PadButton::Count), 20, -1, 1000})
    {
        platform::ApplyPadEvent({Kind::Button, 0, control, 1}, state);
        platform::ApplyPadEvent({Kind::Axis, 0, control, kFull}, state);
    }
    EXPECT_EQ(Keys(MapPad(state, 0.1)), before);
    EXPECT_EQ(MapPad(state, 0.1).myMotionY, 0.0);
}

// A pad plugged in and pulled out while the game runs, through SDL's whole game controller
// layer: SDL's virtual pad stands in for a real one.
class VirtualPad : public testing::Test
{
protected:
    // Hands every waiting event to the pads, as the window's pump does, then feeds the input
    // source; until aDone or a second has passed.
    bool PumpUntil(const std::function<bool()>& aDone)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        while (std::chrono::steady_clock::now() < end)
        {
            platform::VirtualGamepad::Deliver(myPads);
            myPads.Feed(myInput, 0.01);
            if (aDone())
            {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return false;
    }

    platform::Gamepads myPads;
    platform::InputSource myInput;
};

TEST_F(VirtualPad, APluggedInPadReachesTheGameAndLetsGoWhenPulledOut)
{
    EXPECT_TRUE(PumpUntil([] { return true; })) << "no pad: the pump runs all the same";
    EXPECT_EQ(myPads.Count(), 0);

    auto pad = std::make_unique<platform::VirtualGamepad>();
    ASSERT_TRUE(pad->Plugged()) << platform::LastError();
    ASSERT_TRUE(PumpUntil([&] { return myPads.Count() == 1; })) << "the pad arrives";
    pad->Press(PadButton::A, true);
    pad->Tilt(PadAxis::LeftX, -kFull);
    EXPECT_TRUE(PumpUntil(
        [&]
        {
            uint8_t keys[256];
            myInput.ReadKeyboard(keys);
            return keys[kPadA] == kDown && keys[kPadLeft] == kDown;
        }))
        << "A is held, the stick to the left holds the pad's left";

    // Pulled out with A and the stick still held: the game must not walk on for ever.
    pad.reset();
    EXPECT_TRUE(PumpUntil([&] { return myPads.Count() == 0; })) << "the pad leaves";
    EXPECT_TRUE(PumpUntil([&] { return Key(myInput, kPadA) == 0 && Key(myInput, kPadLeft) == 0; }));

    // And once more: a pad plugged in again is taken up again.
    pad = std::make_unique<platform::VirtualGamepad>();
    EXPECT_TRUE(PumpUntil([&] { return myPads.Count() == 1; }));
}

TEST_F(VirtualPad, EventsForPadsThatAreGoneAreIgnored)
{
    using Kind = platform::PadEvent::Kind;
    myPads.Handle({Kind::Added, 7, 0, 0});  // no such device
    EXPECT_EQ(myPads.Count(), 0);
    myPads.Handle({Kind::Button, 99, static_cast<int>(PadButton::A), 1});
    myPads.Handle({Kind::Removed, 99, 0, 0});
    myPads.Feed(myInput, 0.01);
    EXPECT_EQ(Key(myInput, kPadA), 0);
}
