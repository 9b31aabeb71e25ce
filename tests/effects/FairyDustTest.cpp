// The fairy's dust: each kind makes dust of its own, all of it fades away, a
// full pool takes its oldest slots, a hidden pool waits where it is, and none
// of it touches the gameplay stream; drawn, a sparkle lights its point.
#include <gtest/gtest.h>

#include <memory>

#include "FairyDustClass.h"
#include "OmegaImageListClass.h"
#include "OmegaScreenClass.h"
#include "PictureClass.h"
#include "RandomClass.h"

namespace {

// Frames until the pool is empty, or -1 past Limit.
int FramesUntilGone(TFairyDust& Dust, int Limit = 1000) {
    for (int Frame = 1; Frame <= Limit; ++Frame) {
        Dust.UpdateAndDraw();
        if (Dust.ActiveCount() == 0) return Frame;
    }
    return -1;
}

TEST(FairyDust, EachKindMakesItsOwnDustAndAllOfItFadesAway) {
    CosmeticRandom().SetSeed(3);
    TFairyDust Dust;
    for (int32_t Kind = 0; Kind < FairyDustKindCount; ++Kind) {
        SCOPED_TRACE(testing::Message() << "kind " << Kind);
        Dust.Reset();
        for (int I = 0; I < 10; ++I) Dust.Emit(300, 200, Kind);
        EXPECT_GT(Dust.ActiveCount(Kind), 0);
        EXPECT_EQ(Dust.ActiveCount(), Dust.ActiveCount(Kind));
        const int Frames = FramesUntilGone(Dust);
        EXPECT_GT(Frames, 5) << "it shows for a while";
        EXPECT_LT(Frames, 200) << "and goes";
    }
    Dust.Reset();
    Dust.Emit(300, 200, -1);
    Dust.Emit(300, 200, FairyDustKindCount);
    EXPECT_EQ(Dust.ActiveCount(), 0) << "no dust of an unknown kind";
}

TEST(FairyDust, AFullPoolGivesItsOldestSlotsToTheNewestDust) {
    TFairyDust Dust;
    for (int I = 0; I < TFairyDust::SlotCount; ++I) Dust.Emit(100, 100, dkTrail);
    EXPECT_EQ(Dust.ActiveCount(), TFairyDust::SlotCount);
    for (int I = 0; I < 5; ++I) Dust.Emit(500, 400, dkSmallFairyTrail);
    EXPECT_EQ(Dust.ActiveCount(), TFairyDust::SlotCount);
    EXPECT_EQ(Dust.ActiveCount(dkSmallFairyTrail), 5);
    Dust.Reset();
    EXPECT_EQ(Dust.ActiveCount(), 0);
}

TEST(FairyDust, HiddenItNeitherTakesNewDustNorMovesAndGoesOnWhenShown) {
    TFairyDust Dust;
    for (int I = 0; I < 4; ++I) Dust.Emit(100, 100, dkTrail);
    const int32_t Count = Dust.ActiveCount();
    ASSERT_GT(Count, 0);
    Dust.Visible = false;
    Dust.Emit(100, 100, dkTrail);
    for (int I = 0; I < 500; ++I) Dust.UpdateAndDraw();
    EXPECT_EQ(Dust.ActiveCount(), Count);
    Dust.Visible = true;
    EXPECT_GT(FramesUntilGone(Dust), 0);
}

TEST(FairyDust, ItNeverDrawsFromTheGameplayStream) {
    GameplayRandom().SetSeed(44);
    TRandomStream Untouched = GameplayRandom();
    TFairyDust Dust;
    for (int Frame = 0; Frame < 300; ++Frame) {
        Dust.Emit(200 + Frame, 150, Frame % FairyDustKindCount);
        Dust.UpdateAndDraw();
    }
    EXPECT_EQ(GameplayRandom().NextUInt32(), Untouched.NextUInt32());
}

TEST(FairyDust, ASparkleIsDrawnAdditivelyAtItsPoint) {
    auto Screen = std::make_unique<TOmegaScreen>();
    Screen->ZBuffer = false;
    Screen->PresentToWindow = false;
    ASSERT_TRUE(Screen->Initialize());
    TOmegaImageList Images(Screen.get());
    TPicture Sheet;
    Sheet.SetSize(48, 16);
    Sheet.FillRect(0, 0, 48, 16, 0xFFFFFFFFu);
    Images.AddImage("FairyDust", Sheet, 3, 1);
    TFairyDust Dust;
    Dust.OmgImgList = &Images;
    auto Shot = [&] {
        Screen->Clear(20, 20, 20, 255);
        Screen->BeginFrame();
        Dust.UpdateAndDraw();
        Screen->EndFrame();
        TPicture Result;
        EXPECT_TRUE(Screen->ReadFrame(Result));
        return Result;
    };
    auto Lit = [](const TPicture& P, int32_t CX, int32_t CY, int32_t Half) {
        int Count = 0;
        for (int32_t Y = CY - Half; Y <= CY + Half; ++Y)
            for (int32_t X = CX - Half; X <= CX + Half; ++X) Count += P.PixelRGBA(X, Y) != 0x141414FFu;
        return Count;
    };
    Dust.Emit(400, 300, dkSmallFairyTrail);
    TPicture P = Shot();
    EXPECT_GT(Lit(P, 400, 300, 8), 0);
    EXPECT_EQ(Lit(P, 200, 150, 30), 0);
    EXPECT_EQ(Dust.OrigDustWidth, 16) << "the loaded pattern's size";
    Dust.Visible = false;
    EXPECT_EQ(Lit(Shot(), 400, 300, 8), 0);
}

}  // namespace
