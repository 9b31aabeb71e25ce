#include <gtest/gtest.h>

#include <vector>

#include "GameSceneClass.h"
#include "SceneTransitionClass.h"

namespace {

TEST(GameScene, ChangeHandlerSeesTheOldValueAndSameValueDoesNothing) {
    TGameScene Scene;
    std::vector<std::pair<TGameSceneValues, TGameSceneValues>> Changes;
    TGameSceneValues SeenDuringHandler = gsCredits;
    Scene.OnChanged = [&](TObject*, TGameSceneValues Old, TGameSceneValues New) {
        Changes.emplace_back(Old, New);
        SeenDuringHandler = Scene.Value();
    };
    Scene.SetValue(gsCompanyLogos);
    EXPECT_TRUE(Changes.empty());
    Scene.SetValue(gsSplash);
    ASSERT_EQ(Changes.size(), 1u);
    EXPECT_EQ(Changes[0].first, gsCompanyLogos);
    EXPECT_EQ(Changes[0].second, gsSplash);
    EXPECT_EQ(SeenDuringHandler, gsCompanyLogos);
    EXPECT_EQ(Scene.Value(), gsSplash);
    Scene.SetValue(gsSplash);
    EXPECT_EQ(Changes.size(), 1u);
}

// Frames of a complete transition and when it covers the screen.
TEST(SceneTransition, ClosesInTwentyFramesOpensInThirtyEightAndBlocksInputForThirtySix) {
    TSceneTransition Transition;
    int SwitchFrame = -1;
    TGameSceneValues Switched = gsCompanyLogos;
    Transition.OnSceneSwitch = [&](TObject*, TGameSceneValues New) { Switched = New; };
    std::vector<TGameSceneValues> Started;
    Transition.OnStartToSwitch = [&](TObject*, TGameSceneValues Old, TGameSceneValues) { Started.push_back(Old); };

    Transition.Start(gsSplash, gsMenu);
    ASSERT_EQ(Started.size(), 1u);
    EXPECT_EQ(Started[0], gsSplash);
    int Frame = 0;
    int CoveredFrames = 0;
    while (Transition.Active() && Frame < 200) {
        ++Frame;
        Transition.UpdateAndDraw();
        if (SwitchFrame < 0 && Switched == gsMenu) SwitchFrame = Frame;
        if (Transition.IsCovering()) ++CoveredFrames;
    }
    EXPECT_EQ(SwitchFrame, 20);
    EXPECT_EQ(Frame, 20 + 38);
    // Covered after each of the 20 closing frames and the first 16 opening frames.
    EXPECT_EQ(CoveredFrames, 20 + 16);
    EXPECT_FLOAT_EQ(Transition.Size(), 26.0f);
    EXPECT_EQ(Transition.Alpha(), 0);
}

TEST(SceneTransition, ASecondTransitionStartsFromWhereTheFirstLeftItsSize) {
    TSceneTransition Transition;
    Transition.Start(gsMenu, gsMap);
    for (int I = 0; I < 20 + 30; ++I) Transition.UpdateAndDraw();  // into the last part of the opening
    ASSERT_TRUE(Transition.Active());
    EXPECT_FALSE(Transition.IsCovering());
    const float SizeBefore = Transition.Size();
    const int AlphaBefore = Transition.Alpha();
    Transition.Start(gsMap, gsLevelSel);
    EXPECT_TRUE(Transition.Closing());
    EXPECT_EQ(Transition.Size(), SizeBefore);
    EXPECT_TRUE(Transition.IsCovering());
    Transition.UpdateAndDraw();
    EXPECT_LT(Transition.Size(), SizeBefore);
    EXPECT_EQ(Transition.Alpha(), std::min(255, AlphaBefore + 40));
    Transition.Cancel();
    EXPECT_FALSE(Transition.Active());
    EXPECT_FALSE(Transition.IsCovering());
}

}  // namespace
