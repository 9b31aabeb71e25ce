// The board's layers drawn on the real screen (offscreen OpenGL) inside a frame
// of the test driver's form, then read back: the stacking order of the boxes,
// contents, marks, webs and the selection frame, the jitter, and level 1-01 on
// the round's background.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "GameBoardClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"
#include "RoundLevelClass.h"
#include "TestDriverClass.h"

namespace {

// Fixture colours, 0xRRGGBBAA.
constexpr uint32_t Background = 0x000000FFu;
constexpr uint32_t LockerColors[9] = {0xFF0000FFu, 0x00FF00FFu, 0x0000FFFFu,   // closed kinds 1..3
                                      0xFFFF00FFu, 0x00FFFFFFu, 0xFF00FFFFu,   // open boxes 1..3
                                      0x808080FFu, 0x808080FFu, 0x808080FFu};
constexpr uint32_t FruitColors[6] = {0x102030FFu, 0x203040FFu, 0x304050FFu, 0x405060FFu, 0x506070FFu, 0x607080FFu};
constexpr uint32_t MarkColor = 0xF08000FFu;
constexpr uint32_t WebColor = 0xFFFFFFFFu;
constexpr uint32_t BombColor = 0x8000F0FFu;

TPicture Strip(int Columns, int Rows, int Width, int Height) {
    TPicture Picture;
    Picture.SetSize(Columns * Width, Rows * Height);
    return Picture;
}

// Small, flat images under the board's image names, so every pixel tells which layer drew it.
void AddFixtureImages(TOmegaImageList& Images) {
    TPicture Lockers = Strip(3, 3, 58, 52);
    for (int P = 0; P < 9; ++P) Lockers.FillRect(P % 3 * 58, P / 3 * 52, 58, 52, LockerColors[P]);
    Images.AddImage("Lockers", Lockers, 3, 3);

    TPicture Fruits = Strip(6, 1, 46, 46);
    for (int P = 0; P < 6; ++P) Fruits.FillRect(P * 46 + 15, 15, 16, 16, FruitColors[P]);
    Images.AddImage("FruitsInside", Fruits, 6, 1);

    TPicture Mark = Strip(6, 1, 46, 46);
    Mark.FillRect(10, 10, 6, 6, MarkColor);
    Images.AddImage("SpecialLockerMark", Mark, 6, 1);

    TPicture Web = Strip(6, 1, 46, 46);
    Web.FillRect(20, 20, 4, 4, WebColor);
    Images.AddImage("Web", Web, 6, 1);

    TPicture Bomb = Strip(6, 1, 20, 20);
    for (int P = 0; P < 6; ++P) Bomb.FillRect(P * 20, 0, 4, 4, BombColor);
    Images.AddImage("FruitBomb", Bomb, 6, 1);

    TPicture Selection = Strip(2, 1, 46, 48);
    Selection.FillRect(0, 0, 92, 48, 0xFFFFFFFFu);
    Images.AddImage("TileSelection", Selection, 2, 1);
}

int CellX(int X) { return BoardScreenLeft + (X - 1) * BoardTilePixels; }
int CellY(int Y) { return BoardScreenTop + (Y - 1) * BoardTilePixels; }

uint32_t Rgb(uint32_t Rgba) { return Rgba | 0xFFu; }

class BoardDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Driver.Start());
        FruitColorCount = 6;
        ClearShake();
        ClearTileBounces();
        Board.OmgImgList = &Driver.Form().OmegaImageList1;
        Board.Left = BoardScreenLeft;
        Board.Top = BoardScreenTop;
    }
    void TearDown() override {
        FruitColorCount = 5;
        ClearShake();
    }
    static void ClearShake() {
        for (auto& Column : ShakeAmplitude)
            for (int32_t& Value : Column) Value = 0;
    }
    // One frame of the form's screen with the board drawn on it (or without), read back.
    TPicture DrawFrame() {
        TOmegaScreen& Screen = Driver.Form().OmegaScreen1;
        Screen.BeginFrame();
        Screen.Clear(0, 0, 0, 255);
        Board.BoardFrame();
        Screen.EndFrame();
        TPicture Frame;
        EXPECT_TRUE(Driver.Capture(Frame));
        return Frame;
    }

    TTestDriver Driver;
    TGameBoard Board;
};

TEST_F(BoardDrawing, LeftAndLowerNeighboursOverdrawBoxesAndEveryLayerLandsInItsPlace) {
    AddFixtureImages(Driver.Form().OmegaImageList1);
    TBoardData Data;  // closed lockers of kind 1 holding fruit 1
    Data.At(4, 5).LockerKind = 2;
    Data.At(5, 6).LockerKind = 3;
    Data.At(7, 3).Kind = okFruit;  // an open box of kind 1 showing fruit 2
    Data.At(7, 3).Content = 2;
    Data.At(8, 3).Content = ccMagicKey;  // a tool hidden in a locker
    Data.At(7, 8).Kind = okFruit;        // a webbed fruit with a bomb
    Data.At(7, 8).Content = 3;
    Data.At(7, 8).Web = true;
    Data.At(7, 8).Bomb = true;
    Data.At(2, 9).Kind = okUnused;
    Data.At(9, 9).Kind = okTempBlank;
    Board.LoadBoardData(Data);
    const TPicture Frame = DrawFrame();

    struct TCase {
        const char* What;
        int X, Y;
        uint32_t Color;
    };
    const TCase Cases[] = {
        {"the box of (4,5) covers the left edge of (5,5)", CellX(5) + 2, CellY(5) + 20, LockerColors[1]},
        {"(5,5) shows itself right of the overlap", CellX(5) + 10, CellY(5) + 20, LockerColors[0]},
        {"(5,5) reaches over the left edge of (6,5)", CellX(6) + 2, CellY(5) + 20, LockerColors[0]},
        {"the box of (5,6) covers the bottom of (5,5)", CellX(5) + 20, CellY(6) + 1, LockerColors[2]},
        {"(5,5) shows itself above the overlap", CellX(5) + 20, CellY(6) - 3, LockerColors[0]},
        {"an opened tile shows its open box", CellX(7) + 10, CellY(3) + 10, LockerColors[3]},
        {"and its fruit on top", CellX(7) + 23, CellY(3) + 23, FruitColors[1]},
        {"a closed locker hides its fruit", CellX(6) + 23, CellY(3) + 23, LockerColors[0]},
        {"a tool locker carries the special mark", CellX(8) + 12, CellY(3) + 12, MarkColor},
        {"a plain locker carries none", CellX(6) + 12, CellY(3) + 12, LockerColors[0]},
        {"the web hangs over the fruit", CellX(7) + 22, CellY(8) + 19, WebColor},
        {"the bomb hangs on the fruit", CellX(7) + 5, CellY(8) + 8, BombColor},
        {"the fruit shows around the web", CellX(7) + 28, CellY(8) + 28, FruitColors[2]},
        {"nothing is drawn where the board has a hole", CellX(2) + 23, CellY(9) + 23, Background},
        {"nor on an emptied position", CellX(9) + 23, CellY(9) + 23, Background},
        {"nothing left of the board", CellX(1) - 8, CellY(5), Background},
    };
    for (const TCase& Case : Cases) EXPECT_EQ(Rgb(Frame.PixelRGBA(Case.X, Case.Y)), Case.Color) << Case.What;
}

TEST_F(BoardDrawing, TheSelectionFrameIsDrawnTranslucentOverTheSelectedTile) {
    AddFixtureImages(Driver.Form().OmegaImageList1);
    Board.LoadBoardData(TBoardData{});
    Board.SelectTile({5, 5}, 0);
    const TPicture Frame = DrawFrame();
    // White at the first pulse step (alpha 60) over the red locker.
    const uint32_t Pixel = Frame.PixelRGBA(CellX(5) + 10, CellY(5) + 10);
    EXPECT_EQ(Pixel >> 24, 255u);
    EXPECT_NEAR(static_cast<int>((Pixel >> 16) & 0xFF), 60, 3);
    EXPECT_NEAR(static_cast<int>((Pixel >> 8) & 0xFF), 60, 3);
    EXPECT_EQ(Rgb(Frame.PixelRGBA(CellX(6) + 23, CellY(5) + 23)), LockerColors[0]) << "only the selected tile";
}

TEST_F(BoardDrawing, WithoutCanDrawOrVisibleNothingIsDrawn) {
    AddFixtureImages(Driver.Form().OmegaImageList1);
    for (bool HideInstead : {false, true}) {
        Board.CanDraw = HideInstead;
        Board.Visible = !HideInstead;
        const TPicture Frame = DrawFrame();
        for (int X = 1; X <= 10; ++X)
            for (int Y = 1; Y <= 10; ++Y)
                ASSERT_EQ(Rgb(Frame.PixelRGBA(CellX(X) + 23, CellY(Y) + 23)), Background) << X << "," << Y;
    }
}

TEST_F(BoardDrawing, AShakenTileJittersByLessThanItsAmplitude) {
    AddFixtureImages(Driver.Form().OmegaImageList1);
    TBoardData Data;
    for (int X = 1; X <= 10; ++X)
        for (int Y = 1; Y <= 10; ++Y) Data.At(X, Y).Kind = okUnused;
    Data.At(5, 5).Kind = okLocker;
    Board.LoadBoardData(Data);
    // The box's left edge along one row of pixels: cx - 6 plus the jitter.
    const auto LeftEdge = [&](const TPicture& Frame) {
        for (int X = CellX(5) - 12; X < CellX(5) + 12; ++X)
            if (Rgb(Frame.PixelRGBA(X, CellY(5) + 20)) == LockerColors[0]) return X - CellX(5);
        return 1000;
    };
    CosmeticRandom().SetSeed(99);
    for (int Amplitude : {1, 3}) {
        std::set<int> Edges;
        for (int I = 0; I < 30; ++I) {
            ShakeAmplitude[4][4] = Amplitude;  // hold it against the decay
            Edges.insert(LeftEdge(DrawFrame()));
        }
        const std::set<int> Expected = Amplitude == 1 ? std::set<int>{-6} : std::set<int>{-6, -5, -4};
        EXPECT_EQ(Edges, Expected) << "amplitude " << Amplitude << ": the tile moves 0 to amplitude - 1 pixels";
    }
}

// Level 1-01 as the game ships it, read and set up by the level start, drawn
// on the round's background with the game's own images.
TEST(BoardOnTheRoundBackground, Level101IsDrawnAndTakesPresses) {
    TTestDriver Driver;
    ASSERT_TRUE(Driver.Start());
    TFormMain& Form = Driver.Form();
    ASSERT_TRUE(Driver.StepUntil([&] { return Form.MainImagesLoaded(); }, 1000));
    ASSERT_NE(Form.OmegaImageList1.Find("Lockers"), nullptr);

    TGameBoard Board;
    Board.OmgImgList = &Form.OmegaImageList1;
    Board.Left = BoardScreenLeft;
    Board.Top = BoardScreenTop;
    int Presses = 0;
    Board.OnObjectTileClick = [&](TObject*) { ++Presses; };
    TRoundLevel Round;
    ASSERT_TRUE(StartRoundLevel(TLevelStartContext{1, 1, toNone, false}, Board, Round));
    EXPECT_TRUE(Driver.Messages().empty());

    // The image loader shows a frame of the current scene for every image of the
    // main set it reads, so the background is read before our frame opens; while
    // its picture is not in the game's data yet, the round simply has none.
    if (!Form.OmegaImageList1.Find("GameBG1")) Form.LoadImageFile(icMain, "GameBG1.jpg", 0, true, true);
    const bool HasBackground = Form.OmegaImageList1.Find("GameBG1") != nullptr;
    const auto Draw = [&](bool WithBoard) {
        TOmegaScreen& Screen = Form.OmegaScreen1;
        Screen.BeginFrame();
        Screen.Clear(255, 0, 255, 255);
        if (HasBackground) Form.DrawLateLoadImage("GameBG1", 0, 0, true);
        if (WithBoard) Board.BoardFrame();
        Screen.EndFrame();
        TPicture Frame;
        EXPECT_TRUE(Driver.Capture(Frame));
        return Frame;
    };
    const TPicture Bare = Draw(false);
    const TPicture WithBoard = Draw(true);
    // Level 1-01 is a full board of closed lockers: every cell is covered.
    int Covered = 0;
    for (int X = 1; X <= 10; ++X)
        for (int Y = 1; Y <= 10; ++Y)
            Covered += Bare.PixelRGBA(CellX(X) + 23, CellY(Y) + 23) != WithBoard.PixelRGBA(CellX(X) + 23, CellY(Y) + 23);
    EXPECT_EQ(Covered, 100);
    // Outside the board the round's background is untouched.
    EXPECT_EQ(Bare.PixelRGBA(100, 300), WithBoard.PixelRGBA(100, 300));
    EXPECT_EQ(Bare.PixelRGBA(750, 580), WithBoard.PixelRGBA(750, 580));

    Board.PressAt(CellX(3) + 10, CellY(4) + 10, mbLeft);
    EXPECT_EQ(Board.HitTest(CellX(3) + 10, CellY(4) + 10), (TPoint{3, 4}));
    EXPECT_EQ(Presses, 1);
    Board.PressAt(CellX(1) - 10, CellY(4), mbLeft);
    EXPECT_EQ(Presses, 1);
}

}  // namespace
