// The objective announcement: it rises and settles, its pieces pop 30, 300 and
// 570 ms after it has come to rest, a click sends it off only once it rests,
// and it reports showing, leaving and gone once each.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ObjectiveInfoClass.h"

namespace {

class ObjectiveInfo : public ::testing::Test {
protected:
    void SetUp() override {
        Info.ShadowHeight = 160;
        Info.ShowingTime = 4500;
        Info.OnShowing = [this](TObject*) { Events.push_back("showing"); };
        Info.OnStartHiding = [this](TObject*) { Events.push_back("start hiding"); };
        Info.OnHidingComplete = [this](TObject*) { Events.push_back("hidden"); };
    }
    // Updates until the panel has come to rest; the number of updates.
    int RiseToRest() {
        int Frames = 0;
        while (Info.Phase() == TObjectiveInfo::ipRising && Frames < 200) {
            Info.UpdateAndDraw();
            ++Frames;
        }
        return Frames;
    }
    TObjectiveInfo Info;
    std::vector<std::string> Events;
};

TEST_F(ObjectiveInfo, ItRisesFromBelowTheScreenAndRestsOnceFullyOpaqueAndFullSize) {
    Info.Start(goCollectFruits);
    EXPECT_EQ(Events, std::vector<std::string>{"showing"});
    EXPECT_EQ(Info.Position().X, 192.0);
    EXPECT_EQ(Info.Position().Y, 920.0) << "600 + twice the shadow's height";
    Info.UpdateAndDraw();
    EXPECT_EQ(Info.Position().Y, 904.0) << "its speed grows by 6 before it moves";
    int Frames = 1;
    while (Info.Position().Y > 131.0) {
        Info.UpdateAndDraw();
        ++Frames;
    }
    EXPECT_EQ(Frames, 15) << "it reaches the rest row";
    EXPECT_EQ(Info.Phase(), TObjectiveInfo::ipRising) << "still growing into view";
    Frames += RiseToRest();
    EXPECT_EQ(Frames, 21) << "opacity 0.048 and scale 0.055 a frame, both up to 1";
    EXPECT_EQ(Info.Position().Y, 131.0);
    EXPECT_EQ(Info.Opacity(), 1.0);
    EXPECT_EQ(Info.Scale(), 1.0);
}

TEST_F(ObjectiveInfo, ThePopsBegin30300And570MsIntoTheRest) {
    Info.Start(goTargetFruits);
    RiseToRest();
    ASSERT_EQ(Info.Phase(), TObjectiveInfo::ipShowing);
    EXPECT_FALSE(Info.LogoPopper().PopBegun()) << "restarted in every rising frame at rest";
    int LogoAt = 0, TitleAt = 0, DescAt = 0;
    for (int Frame = 1; Frame <= 30; ++Frame) {
        Info.UpdateAndDraw();
        if (!LogoAt && Info.LogoPopper().PopBegun()) LogoAt = Frame;
        if (!TitleAt && Info.TitlePopper().PopBegun()) TitleAt = Frame;
        if (!DescAt && Info.DescPopper().PopBegun()) DescAt = Frame;
    }
    EXPECT_EQ(LogoAt * 30, 30);
    EXPECT_EQ(TitleAt * 30, 300);
    EXPECT_EQ(DescAt * 30, 570);
}

TEST_F(ObjectiveInfo, EachPieceIsFaintUntilItsPopBeginsThenFull) {
    Info.Start(goBeatMonster);
    RiseToRest();
    EXPECT_EQ(Info.PieceAlpha(Info.LogoPopper(), 0.3), 76);
    EXPECT_EQ(Info.PieceAlpha(Info.TitlePopper(), 0.2), 51);
    EXPECT_EQ(Info.PieceAlpha(Info.DescPopper(), 0.1), 26);
    Info.UpdateAndDraw();
    EXPECT_EQ(Info.PieceAlpha(Info.LogoPopper(), 0.3), 255);
    EXPECT_EQ(Info.PieceAlpha(Info.TitlePopper(), 0.2), 51);
}

TEST_F(ObjectiveInfo, AClickWhileItRisesDoesNothingAndAtRestSendsItOffAtOnce) {
    Info.Start(goFindFlowers);
    for (int Frame = 0; Frame < 10; ++Frame) {
        Info.Skip();
        Info.UpdateAndDraw();
    }
    RiseToRest();
    EXPECT_EQ(Info.ShownTime(), 0) << "the clicks while rising were not kept";
    Info.UpdateAndDraw();
    EXPECT_EQ(Info.Phase(), TObjectiveInfo::ipShowing);
    Info.Skip();
    Info.UpdateAndDraw();
    EXPECT_EQ(Info.Phase(), TObjectiveInfo::ipLeaving);
    EXPECT_EQ(Events, (std::vector<std::string>{"showing", "start hiding"}));
    Info.Skip();  // too late to matter
    int Frames = 0;
    while (Info.Phase() != TObjectiveInfo::ipHidden && Frames < 100) {
        Info.UpdateAndDraw();
        ++Frames;
    }
    EXPECT_EQ(Info.Phase(), TObjectiveInfo::ipHidden);
    EXPECT_LE(Info.Position().Y, -160.0);
    EXPECT_EQ(Events, (std::vector<std::string>{"showing", "start hiding", "hidden"}));
    EXPECT_EQ(Info.PieceAlpha(Info.DescPopper(), 0.1), 0);
}

TEST_F(ObjectiveInfo, LeftAloneItRestsForItsShowingTime) {
    Info.Start(goClearTiles);
    RiseToRest();
    int Frames = 0;
    while (Info.Phase() == TObjectiveInfo::ipShowing && Frames < 1000) {
        Info.UpdateAndDraw();
        ++Frames;
    }
    EXPECT_EQ(Frames, 4500 / 30);
    EXPECT_EQ(Events.back(), "start hiding");
}

TEST_F(ObjectiveInfo, WhileHiddenOrInvisibleItDoesNothing) {
    Info.UpdateAndDraw();
    EXPECT_TRUE(Events.empty());
    Info.Start(goSpiderHunt);
    Info.Visible = false;
    for (int Frame = 0; Frame < 50; ++Frame) Info.UpdateAndDraw();
    EXPECT_EQ(Info.Position().Y, 920.0);
    Info.Visible = true;
    Info.UpdateAndDraw();
    EXPECT_LT(Info.Position().Y, 920.0);
}

}  // namespace
