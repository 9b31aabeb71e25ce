// The shine's flash frame by frame: three frames up to full size, four back,
// its alpha falling from the turn, the last step ending it undrawn; a second
// start restarting it, and a hidden shine waiting where it was.
#include <gtest/gtest.h>

#include <vector>

#include "ShineEffectClass.h"

namespace {

struct TFrame {
    int32_t Size;
    int32_t Alpha;
    friend bool operator==(const TFrame&, const TFrame&) = default;
};

std::vector<TFrame> DrawnFrames(TShineEffect& Shine) {
    std::vector<TFrame> Drawn;
    for (int I = 0; I < 20 && Shine.Active(); ++I) {
        Shine.UpdateAndDraw();
        if (Shine.Active()) Drawn.push_back({Shine.Size(), Shine.Alpha()});
    }
    return Drawn;
}

TEST(ShineEffect, SixFramesAreDrawnGrowingThenShrinkingAndFading) {
    TShineEffect Shine;
    Shine.Start(100, 200);
    const std::vector<TFrame> Expected = {{80, 90}, {140, 90}, {200, 82}, {150, 74}, {100, 66}, {50, 58}};
    EXPECT_EQ(DrawnFrames(Shine), Expected);
    EXPECT_FALSE(Shine.Active());
    EXPECT_EQ(Shine.Size(), 20);
}

TEST(ShineEffect, ASecondStartRestartsAtTheNewPlaceAndAHiddenShineWaits) {
    TShineEffect Shine;
    Shine.StartAtTile(215, 90, {3, 2});
    EXPECT_EQ(Shine.Position(), (TPoint{215 + 92, 90 + 46}));
    Shine.UpdateAndDraw();
    Shine.UpdateAndDraw();
    Shine.UpdateAndDraw();
    Shine.Start(10, 10);
    EXPECT_EQ(Shine.Size(), 20);
    EXPECT_EQ(Shine.Alpha(), 90);
    Shine.UpdateAndDraw();
    Shine.Visible = false;
    for (int I = 0; I < 5; ++I) Shine.UpdateAndDraw();
    EXPECT_EQ(Shine.Size(), 80) << "hidden, it neither draws nor advances";
    Shine.Visible = true;
    EXPECT_EQ(DrawnFrames(Shine).size(), 5u) << "the rest of its frames";
}

}  // namespace
