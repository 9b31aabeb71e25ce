// The five boss monsters drawn on the real screen (offscreen OpenGL) with the
// game's own images: each view lands on the ground its parts were laid out for
// and covers it, a hidden monster draws nothing, and a monster whose images are
// missing draws only what it has and plays on exactly as without any drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "BirdBossClass.h"
#include "FishBossClass.h"
#include "KOStarsClass.h"
#include "KongBossClass.h"
#include "LionBossClass.h"
#include "LizardBossClass.h"
#include "MonsterAuraClass.h"
#include "OmegaImageListClass.h"
#include "OmegaScreenClass.h"
#include "PictureClass.h"
#include "RandomClass.h"
#include "SpriteTileCountClass.h"
#include "TestDriverClass.h"

namespace {

constexpr uint32_t Black = 0x000000FFu;
// Where the monsters walk and fall here: every view stays inside the frame.
constexpr int32_t TestTop = 200;
constexpr int32_t TestLeftLimit = 100;
constexpr int32_t TestRightLimit = 450;
// Smoothing and the parts' turning may spill a pixel or three past the laid-out ground.
constexpr int32_t Margin = 4;

// A rectangle of pixels from the monster's position, right and bottom inclusive.
struct TBox {
    int32_t Left = 100000, Top = 100000, Right = -100000, Bottom = -100000;
    bool Empty() const { return Right < Left; }
    friend bool operator==(const TBox&, const TBox&) = default;
};

std::string Describe(const TBox& B) {
    return "x " + std::to_string(B.Left) + ".." + std::to_string(B.Right) + ", y " + std::to_string(B.Top) + ".." +
           std::to_string(B.Bottom);
}

// The ground each view covers from the monster's position over a whole bob (with
// the twitch, the swing and the shake), as its parts were laid out.
struct TMonsterCase {
    TMonsterKind Kind;
    const char* Folder;
    TBox WalkingLeft, WalkingRight, Facing, Absorbing, KnockedOut;
};

const TMonsterCase Cases[] = {
    {mkKong, "Kong", {0, 0, 180, 173}, {11, 0, 190, 173}, {3, 0, 175, 167}, {-1, -1, 180, 167}, {-12, 13, 198, 176}},
    {mkBird, "Bird", {-3, -6, 232, 139}, {26, -6, 260, 139}, {2, -6, 258, 138}, {2, -15, 258, 145}, {14, 5, 267, 148}},
    {mkLizard, "Lizard", {-3, 1, 154, 126}, {-1, 1, 156, 126}, {-8, -5, 154, 124}, {-8, -5, 158, 126},
     {2, 4, 159, 131}},
    {mkFish, "Fish", {-4, -29, 153, 140}, {25, -29, 182, 140}, {7, -25, 165, 140}, {7, -26, 165, 140},
     {-9, -7, 168, 133}},
    {mkLion, "Lion", {1, 12, 194, 161}, {-7, 12, 186, 161}, {3, 0, 178, 171}, {1, 0, 183, 171}, {-16, 15, 188, 178}},
};

std::unique_ptr<TBossMonster> MakeBoss(TMonsterKind Kind) {
    switch (Kind) {
        case mkKong: return std::make_unique<TKongBoss>();
        case mkFish: return std::make_unique<TFishBoss>();
        case mkBird: return std::make_unique<TBirdBoss>();
        case mkLion: return std::make_unique<TLionBoss>();
        case mkLizard: return std::make_unique<TLizardBoss>();
    }
    return nullptr;
}

// Drawn pixels (anything but the black background) from (OriginX, OriginY).
TBox DrawnBox(const TPicture& Shot, TPoint Origin) {
    TBox B;
    for (int32_t Y = 0; Y < Shot.Height; ++Y)
        for (int32_t X = 0; X < Shot.Width; ++X) {
            if (Shot.PixelRGBA(X, Y) == Black) continue;
            B.Left = std::min(B.Left, X - Origin.X);
            B.Top = std::min(B.Top, Y - Origin.Y);
            B.Right = std::max(B.Right, X - Origin.X);
            B.Bottom = std::max(B.Bottom, Y - Origin.Y);
        }
    return B;
}

class MonsterPixels : public ::testing::Test {
protected:
    void SetUp() override {
        Screen = std::make_unique<TOmegaScreen>();
        Screen->ZBuffer = false;
        Screen->PresentToWindow = false;
        ASSERT_TRUE(Screen->Initialize());
        Images = std::make_unique<TOmegaImageList>(Screen.get());
    }
    void TearDown() override {
        Images.reset();
        Screen.reset();
    }

    // The game's image Name from Folder, cut as the game cuts it.
    void AddGameImage(const std::string& Folder, const std::string& Name) {
        TPicture Picture;
        const std::string Path = Folder + Name + ".png";
        ASSERT_TRUE(LoadPicture(Path, Picture)) << Path;
        const TTileCount Count = Tiles.GetTileCount(Name);
        Images->AddImage(Name, std::move(Picture), Count.Columns, Count.Rows);
    }
    static std::string ImagesFolder() { return TTestDriver::DefaultGameFolder() + "/Images/"; }
    // Every image of the monster's own folder.
    void AddMonsterImages(const TMonsterCase& Case) {
        const std::string Folder = ImagesFolder() + "Monsters/" + Case.Folder + "/";
        std::vector<std::string> Names;
        std::error_code Error;
        for (const auto& Entry : std::filesystem::directory_iterator(Folder, Error))
            if (Entry.path().extension() == ".png") Names.push_back(Entry.path().stem().string());
        ASSERT_FALSE(Names.empty()) << "no images in " << Folder;
        for (const std::string& Name : Names) AddGameImage(Folder, Name);
    }

    template <typename F>
    TPicture Frame(F&& Draws) {
        Screen->Clear(0, 0, 0, 255);
        Screen->BeginFrame();
        Draws();
        Screen->EndFrame();
        TPicture Result;
        EXPECT_TRUE(Screen->ReadFrame(Result));
        return Result;
    }

    // A frame drawn only when there is something to draw with (headless runs skip the
    // screen), and read back only when asked.
    template <typename F>
    TPicture MaybeFrame(F&& Draws, bool Drawn, bool ReadBack) {
        if (Drawn && ReadBack) return Frame(Draws);
        if (Drawn) Screen->BeginFrame();
        Draws();
        if (Drawn) Screen->EndFrame();
        return TPicture{};
    }

    TSpriteTileCount Tiles;
    std::unique_ptr<TOmegaScreen> Screen;
    std::unique_ptr<TOmegaImageList> Images;
};

// Placed where every view fits on the screen, with its own fall kept.
void PlaceForTest(TBossMonster& Monster) {
    const int32_t Fall = Monster.FrontDeadGroundPos - Monster.TopPos;
    Monster.TopPos = TestTop;
    Monster.FrontDeadGroundPos = TestTop + Fall;
    Monster.MaxLeftPos = TestLeftLimit;
    Monster.MaxRightPos = TestRightLimit;
    Monster.ResetBoss();
}

TEST_F(MonsterPixels, EachViewCoversTheGroundItsPartsWereLaidOutFor) {
    for (const TMonsterCase& Case : Cases) {
        SCOPED_TRACE(Case.Folder);
        Images = std::make_unique<TOmegaImageList>(Screen.get());
        // The shadow and the energy bar are left out: only the monster's own parts are measured.
        AddMonsterImages(Case);
        if (HasFatalFailure()) return;
        std::unique_ptr<TBossMonster> Monster = MakeBoss(Case.Kind);
        Monster->OmgImgList = Images.get();
        PlaceForTest(*Monster);

        // The ground a view covers over a whole bob (and wing twitch and limb swing):
        // every drawn frame while the view lasts, from the monster's position lifted by the bob.
        auto Cover = [&](const std::function<bool()>& InView, bool Bobs, int Frames, int Every = 2) {
            TBox Union;
            for (int I = 0; I < 3000 && Frames > 0; ++I) {
                // Reading back is slow: every second frame is enough for the bob and the twitch;
                // the absorbing shake turns back every frame.
                const TPicture Shot =
                    MaybeFrame([&] { Monster->UpdateAndDraw(); }, true, I % Every == 0 || Frames == 1);
                if (!InView() || Shot.Empty()) continue;
                --Frames;
                TPoint Origin = Monster->RoundedPos();
                if (Bobs) Origin.Y += Round(Monster->Bobbing());
                const TBox Drawn = DrawnBox(Shot, Origin);
                Union.Left = std::min(Union.Left, Drawn.Left);
                Union.Top = std::min(Union.Top, Drawn.Top);
                Union.Right = std::max(Union.Right, Drawn.Right);
                Union.Bottom = std::max(Union.Bottom, Drawn.Bottom);
            }
            EXPECT_EQ(Frames, 0) << "the view ended too soon";
            return Union;
        };
        auto Check = [&](const char* View, const TBox& Drawn, const TBox& Ground) {
            ASSERT_FALSE(Drawn.Empty()) << View;
            EXPECT_LE(std::abs(Drawn.Left - Ground.Left), Margin) << View << ": " << Describe(Drawn);
            EXPECT_LE(std::abs(Drawn.Right - Ground.Right), Margin) << View << ": " << Describe(Drawn);
            EXPECT_LE(std::abs(Drawn.Top - Ground.Top), Margin) << View << ": " << Describe(Drawn);
            EXPECT_LE(std::abs(Drawn.Bottom - Ground.Bottom), Margin) << View << ": " << Describe(Drawn);
        };
        constexpr int BobCycle = 34;  // frames read back: one bob of 64 frames and a little more
        Check("walking left", Cover([&] { return Monster->Direction() == bdLeft; }, true, BobCycle),
              Case.WalkingLeft);
        Check("walking right", Cover([&] { return Monster->Direction() == bdRight; }, true, BobCycle),
              Case.WalkingRight);
        Monster->RefTimeForAbsorbAttempt = 30;
        Monster->SetAbsorbAttempts(true);
        Check("facing", Cover([&] { return Monster->AttemptPhase() == atPreparing; }, true, BobCycle), Case.Facing);
        Check("absorbing", Cover([&] { return Monster->IsAbsorbing(); }, true, 2 * BobCycle, 1), Case.Absorbing);

        Monster->SetAbsorbAttempts(false);
        Monster->ResetBoss();
        while (!Monster->IsDead()) Monster->Hit(0, 0, 1);
        int Lying = 0;
        Check("knocked out",
              Cover([&] { return Monster->Y() >= Monster->FrontDeadGroundPos && ++Lying > TBossMonster::KODriftFrames; },
                    false, 1),
              Case.KnockedOut);
    }
}

// What a monster did on each frame of a scripted round.
struct TTrace {
    std::vector<double> X, Y;
    std::vector<int> State;
    int Grounded = 0;
    friend bool operator==(const TTrace&, const TTrace&) = default;
};

// Hidden, a monster draws nothing, not even its bar. With none of its own images
// (only the bar's), the bar alone is drawn, just below it, and the monster walks,
// absorbs, is knocked out and lands on the very frames it does with no drawing at all.
TEST_F(MonsterPixels, HiddenItDrawsNothingAndWithoutItsImagesItDrawsOnlyItsBarAndPlaysOn) {
    for (const TMonsterCase& Case : Cases) {
        SCOPED_TRACE(Case.Folder);
        Images = std::make_unique<TOmegaImageList>(Screen.get());
        AddGameImage(ImagesFolder(), "MonsterEnergy");
        if (HasFatalFailure()) return;

        auto Play = [&](TOmegaImageList* List, bool Hidden) {
            TTrace Trace;
            GameplayRandom().SetSeed(41);
            std::unique_ptr<TBossMonster> Monster = MakeBoss(Case.Kind);
            Monster->OmgImgList = List;
            Monster->OnDeadGrounded = [&](TObject*) { ++Trace.Grounded; };
            PlaceForTest(*Monster);
            Monster->Visible = !Hidden;
            // Short attempts, so that a few of them come and go.
            Monster->RefTimeForAbsorbAttempt = 600;
            Monster->PreparingTime = 600;
            Monster->AbsorbingTime = 900;
            Monster->FinishingTime = 600;
            Monster->SetAbsorbAttempts(true);
            for (int Frame = 0; Frame < 420; ++Frame) {
                // Now and then a hit (each puts the next attempt off), then no more attempts, then blows until it drops.
                if (Frame == 250) Monster->SetAbsorbAttempts(false);
                if (Frame % 50 == 49 || Frame > 330) Monster->Hit(0, 0, 1);
                // Reading a frame back is slow: every tenth is looked at.
                const TPicture Shot = MaybeFrame([&] { Monster->UpdateAndDraw(); }, List != nullptr, Frame % 10 == 0);
                Trace.X.push_back(Monster->X());
                Trace.Y.push_back(Monster->Y());
                Trace.State.push_back(Monster->ViewState() * 10 + Monster->AttemptPhase());
                if (Shot.Empty()) continue;
                const TBox Drawn = DrawnBox(Shot, Monster->RoundedPos());
                if (Hidden) {
                    EXPECT_TRUE(Drawn.Empty()) << "frame " << Frame << ": " << Describe(Drawn);
                    continue;
                }
                const TPoint Bar = Monster->Family().EnergyBar;
                const TBox Expected{Bar.X, Bar.Y, Bar.X + 49, Bar.Y + 9};
                if (!(Drawn == Expected)) {
                    ADD_FAILURE() << "frame " << Frame << ": drawn " << Describe(Drawn) << ", the bar is at "
                                  << Describe(Expected);
                    return Trace;
                }
            }
            return Trace;
        };
        const TTrace Headless = Play(nullptr, false);
        const TTrace Bare = Play(Images.get(), false);
        ASSERT_EQ(Headless.Grounded, 1) << "the script knocks it out";
        EXPECT_TRUE(Bare == Headless);
        EXPECT_NE(std::find(Headless.State.begin(), Headless.State.end(), bvAbsorbing * 10 + atAbsorbing),
                  Headless.State.end())
            << "the script lets it absorb";

        AddMonsterImages(Case);
        if (HasFatalFailure()) return;
        const TTrace Hidden = Play(Images.get(), true);
        EXPECT_EQ(Hidden.Grounded, 0);
        EXPECT_EQ(Hidden.X.front(), Hidden.X.back()) << "a hidden monster stays where it is";
    }
}

}  // namespace
