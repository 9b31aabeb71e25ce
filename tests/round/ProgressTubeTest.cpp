// The fruit-count tube: its fill lags the count at 0.2 fruits a frame, it is
// full once, it slides, and a pause stops the fill.
#include <gtest/gtest.h>

#include <vector>

#include "ProgressTubeClass.h"

namespace {

class ProgressTube : public ::testing::Test {
protected:
    void SetUp() override {
        Tube.FruitCountTarget = 50;
        Tube.Reset();
        Tube.OnFull = [this](TObject* Sender) {
            EXPECT_EQ(Sender, &Tube);
            FullAt.push_back(Frame);
        };
    }
    void Step(int Frames = 1) {
        for (int I = 0; I < Frames; ++I) {
            ++Frame;
            Tube.UpdateAndDraw();
        }
    }
    TProgressTube Tube;
    std::vector<int> FullAt;
    int Frame = 0;
};

TEST_F(ProgressTube, FiftyFruitsCountedAtOnceFillTheTubeIn250FramesAndItIsFullOnce) {
    for (int I = 0; I < 50; ++I) Tube.CountFruit();
    EXPECT_EQ(Tube.Counted(), 50);
    Step(249);
    EXPECT_TRUE(FullAt.empty()) << "the fill has not caught up yet: " << Tube.Shown();
    EXPECT_LT(Tube.Shown(), 50.0);
    Step();
    EXPECT_EQ(FullAt, std::vector<int>{250});
    EXPECT_EQ(Tube.Shown(), 50.0);
    EXPECT_EQ(Tube.EnergyPixels(), 337);

    for (int I = 0; I < 5; ++I) Tube.CountFruit();
    Step(100);
    EXPECT_EQ(Tube.Counted(), 50) << "no more than the target";
    EXPECT_EQ(FullAt.size(), 1u) << "full only once";
}

TEST_F(ProgressTube, TheFillFollowsEachFruitAFifthAtATimeAndStopsAtTheCount) {
    Tube.CountFruit();
    const double Expected[] = {0.2, 0.4, 0.6, 0.8, 1.0, 1.0, 1.0};
    for (double Shown : Expected) {
        Step();
        EXPECT_NEAR(Tube.Shown(), Shown, 1e-9);
    }
    EXPECT_EQ(Tube.EnergyPixels(), 7) << "1/50 of 337, rounded";
}

TEST_F(ProgressTube, APausedTubeKeepsItsFillAndAnInvisibleOneDoesNothing) {
    for (int I = 0; I < 3; ++I) Tube.CountFruit();
    Tube.Paused = true;
    Step(20);
    EXPECT_EQ(Tube.Shown(), 0.0);
    Tube.Paused = false;
    Tube.Visible = false;
    Step(20);
    EXPECT_EQ(Tube.Shown(), 0.0);
    Tube.Visible = true;
    Step(15);
    EXPECT_NEAR(Tube.Shown(), 3.0, 1e-9);
}

TEST_F(ProgressTube, ItSlidesDownIntoPlaceAndUpAgainAndAResetEmptiesItForTheNextLevel) {
    Tube.Show();
    EXPECT_EQ(Tube.Position(), (TPoint{263, -80}));
    Step(40);
    EXPECT_EQ(Tube.Position().Y, -40);
    Step(80);
    EXPECT_EQ(Tube.Position().Y, 0) << "and no further";
    Tube.Hide();
    Step(100);
    EXPECT_EQ(Tube.Position().Y, -80);

    Tube.FruitCountTarget = 1;
    Tube.CountFruit();
    Step(5);
    ASSERT_EQ(FullAt.size(), 1u);
    Tube.Reset();
    EXPECT_EQ(Tube.Counted(), 0);
    EXPECT_EQ(Tube.Shown(), 0.0);
    EXPECT_FALSE(Tube.Full());
    Tube.CountFruit();
    Step(5);
    EXPECT_EQ(FullAt.size(), 2u) << "the next level's tube is full again";
}

}  // namespace
