// Playing a level straight from start-up, as the developer tool's play command
// does: the opening scenes are skipped, the level's board drops in, and the
// game's own message loop plays a swap from mouse events until the window closes.
#include <gtest/gtest.h>

#include "BoardGroupsClass.h"
#include "FoldersClass.h"
#include "GeneralRoutinesClass.h"
#include "LevelFileClass.h"
#include "RandomClass.h"
#include "RoundDriverClass.h"
#include "TestDriverClass.h"

namespace {

TTestDriverSetup PlaySetup(int32_t Island, int32_t Level) {
    TTestDriverSetup Setup;
    Setup.PlayIsland = Island;
    Setup.PlayLevel = Level;
    return Setup;
}

class PlayLevel : public ::testing::Test {
protected:
    void SetUp() override { SetRandomSeedSource([] { return uint64_t{23}; }); }
    void TearDown() override { SetRandomSeedSource({}); }
};

TEST_F(PlayLevel, StartUpGoesStraightIntoTheLevelAndStaysInAWindow) {
    TTestDriver Driver(PlaySetup(1, 1));
    ASSERT_TRUE(Driver.Start());
    TFormMain& Form = Driver.Form();
    // The level's new feature, then its objective, are announced while the board drops in.
    EXPECT_TRUE(Form.MainImagesLoaded());
    EXPECT_TRUE(Form.LockerFiller->Running());
    EXPECT_TRUE(ReachObjectiveAnnouncement(Driver, 200));
    // The board is the level's own: every locker where the level file puts it, of its kind.
    TLevelRecord Record;
    ASSERT_TRUE(LoadLevelFile(LevelFileName(1, 1), Record));
    const TBoardData& Board = Form.GameBoard->BoardData();
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            EXPECT_EQ(Board.At(X, Y).Kind, Record.Tiles.At(X, Y).Kind) << X << "," << Y;
            EXPECT_EQ(Board.At(X, Y).LockerKind, Record.Tiles.At(X, Y).LockerKind) << X << "," << Y;
        }
    }
    // A new player's options ask for full screen; the level is played in a window, and the
    // game does not take the whole screen when the window gains the focus either.
    Driver.Step(5);
    SDL_Event Focus{};
    Focus.type = SDL_WINDOWEVENT;
    Focus.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
    Driver.SendEvent(Focus);
    Driver.Step(5);
    EXPECT_FALSE(Form.FullScreen());
    EXPECT_EQ(Form.Scene(), gsObjectiveInfo);
    EXPECT_TRUE(Driver.Messages().empty());
}

TEST_F(PlayLevel, ALevelThatCannotBeLoadedStopsStartUpWithItsReason) {
    TTestDriver Driver(PlaySetup(4, 99));
    EXPECT_FALSE(Driver.Start());
    ASSERT_EQ(Driver.Messages().size(), 1u);
    EXPECT_EQ(Driver.Messages()[0], "Level file not found: " + LevelsFolder + "4-99.qel");
}

// The window's events as the system would queue them, in window pixels (the window is 800 by 600).
void PushClick(TPoint FramePos) {
    for (const Uint32 Type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
        SDL_Event Event{};
        Event.type = Type;
        Event.button.button = SDL_BUTTON_LEFT;
        Event.button.state = Type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        Event.button.x = FramePos.X;
        Event.button.y = FramePos.Y;
        SDL_PushEvent(&Event);
    }
}

void PushWindowEvent(SDL_Window* Window, SDL_WindowEventID What) {
    SDL_Event Event{};
    Event.type = SDL_WINDOWEVENT;
    Event.window.event = static_cast<Uint8>(What);
    Event.window.windowID = SDL_GetWindowID(Window);
    SDL_PushEvent(&Event);
}

TPoint TileCentre(const TGameBoard& Board, TPoint Tile) {
    return TPoint{Board.Left + (Tile.X - 1) * 46 + 23, Board.Top + (Tile.Y - 1) * 46 + 23};
}

TEST_F(PlayLevel, TheGamesOwnLoopPlaysASwapFromTheMouseAndEndsWhenTheWindowCloses) {
    TTestDriver Driver(PlaySetup(1, 1));
    ASSERT_TRUE(Driver.Start());
    TFormMain& Form = Driver.Form();
    TGameBoard& Board = *Form.GameBoard;

    // Watches each frame of the running loop: once the announcement rests it is clicked away;
    // once the board has dropped in and rests, two neighbouring tiles that make a group are
    // clicked; once that move has played out, the window is closed, and the round's question
    // whether to quit is answered OK.
    enum class TStage { Announced, WaitingForBoard, Swapped, Closing, Answered } Stage = TStage::Announced;
    TBoardData Before;
    int64_t FramesAtSwap = 0;
    Form.OmegaTimer1.OnTimer = [&](TObject* Sender) {
        Form.OmegaTimer1Timer(Sender);
        TIncentiveAnnouncer& Incentive = Form.Trophies.IncentiveAnnouncer;
        if (Form.Scene() == gsNewIncentive && Incentive.Window().Phase() == TGameMenuWindow::phShown &&
            !Incentive.OKButton().Pressed()) {
            PushClick(TPoint{Incentive.OKButton().Left + 20, Incentive.OKButton().Top + 20});
        } else if (Stage == TStage::Announced && Form.Scene() == gsObjectiveInfo &&
            Form.Gauges.ObjectiveInfo->Phase() == TObjectiveInfo::ipShowing) {
            PushClick(TPoint{445, 320});
            Stage = TStage::WaitingForBoard;
        } else if (Stage == TStage::WaitingForBoard && Form.Scene() == gsMainGame && Board.CanDraw &&
                   Board.IsSettled()) {
            THintTilesPos Move;
            const TTutorialClickHere& Pointer = Form.Story.Pointer;
            if (Pointer.IsActive()) {
                // The first level's lesson takes only the swap its hand points at.
                Move.Tile1Pos = TTutorialClickHere::Spot(Pointer.CurrentSpot()).Tile;
                Move.Tile2Pos = TTutorialClickHere::Spot(Pointer.CurrentSpot() + 1).Tile;
            } else if (!FindMoveFrom(Board.BoardData(), Board.TileStatuses(), TPoint{1, 1}, Move)) {
                return;
            }
            Before = Board.BoardData();
            PushClick(TileCentre(Board, Move.Tile1Pos));
            PushClick(TileCentre(Board, Move.Tile2Pos));
            FramesAtSwap = Form.FramesRun();
            Stage = TStage::Swapped;
        } else if (Stage == TStage::Swapped && !(Board.BoardData() == Before) && Board.IsSettled()) {
            PushWindowEvent(Form.Window(), SDL_WINDOWEVENT_CLOSE);
            Stage = TStage::Closing;
        } else if (Stage == TStage::Closing && Form.Scene() == gsConfirmWindow &&
                   Form.ConfirmWindow->Window().Phase() == TGameMenuWindow::phShown) {
            const TGameButton& OK = Form.ConfirmWindow->PositiveButton();
            PushClick(TPoint{OK.Left + OK.Width / 2, OK.Top + OK.Height / 2});
            Stage = TStage::Answered;
        }
    };
    // Should the move never play, the loop still ends: a close in the round asks first, and
    // the next one, with the question up, closes the game.
    const SDL_TimerID Deadline = SDL_AddTimer(
        20000,
        [](Uint32, void*) -> Uint32 {
            SDL_Event Quit{};
            Quit.type = SDL_QUIT;
            SDL_PushEvent(&Quit);
            return 1000;
        },
        nullptr);

    EXPECT_EQ(Form.Run(), 0);
    SDL_RemoveTimer(Deadline);
    EXPECT_TRUE(Form.Closed());
    // A swap without a group slides back and leaves the board as it was: this one played.
    ASSERT_EQ(Stage, TStage::Answered) << "the swap did not play out, or closing did not ask";
    EXPECT_GT(Form.FramesRun(), FramesAtSwap);
    EXPECT_TRUE(Driver.Messages().empty());
}

}  // namespace
