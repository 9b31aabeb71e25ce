#include "RoundDriverClass.h"

#include <cstdio>
#include <sstream>

#include "GreedyMoveClass.h"
#include "RandomClass.h"

namespace {

// Where a player presses to skip the announcement: the board's middle, clear of the menu button.
constexpr TPoint SkipPress{445, 320};

TPoint TileCentre(TPoint Tile) {
    return {BoardScreenLeft + (Tile.X - 1) * BoardTilePixels + BoardTilePixels / 2,
            BoardScreenTop + (Tile.Y - 1) * BoardTilePixels + BoardTilePixels / 2};
}

TPoint ButtonCentre(const TGameButton& Button) { return {Button.Left + Button.Width / 2, Button.Top + Button.Height / 2}; }

// The incentive window before a level of island 1, or a trophy's window, rests with its OK to press.
bool IncentiveWindowShown(TFormMain& Form) {
    return Form.Scene() == gsNewIncentive && !Form.SceneTransition->IsCovering() &&
           Form.Trophies.IncentiveAnnouncer.Window().Phase() == TGameMenuWindow::phShown;
}
bool TrophyWindowShown(TFormMain& Form) {
    return Form.Scene() == gsNewTrophy && Form.Trophies.Announcer.Window().Phase() == TGameMenuWindow::phShown;
}

bool ParseXY(const std::string& Word, int32_t& X, int32_t& Y) {
    char Tail = 0;
    return std::sscanf(Word.c_str(), "%d,%d%c", &X, &Y, &Tail) == 2 && X >= 0 && X < 800 && Y >= 0 && Y < 600;
}

}  // namespace

bool ParseLevelName(const std::string& Name, int32_t& Island, int32_t& Level) {
    int I = 0, L = 0;
    char Tail = 0;
    if (std::sscanf(Name.c_str(), "%d-%d%c", &I, &L, &Tail) != 2 || I < 1 || I > 99 || L < 1 || L > 99) return false;
    Island = I;
    Level = L;
    return true;
}

std::string LevelName(int32_t Island, int32_t Level) {
    char Name[16];
    std::snprintf(Name, sizeof(Name), "%d-%02d", Island, Level);
    return Name;
}

bool StartSeededLevel(TFormMain& Form, uint64_t Seed, int32_t Island, int32_t Level) {
    SetRandomSeedSource([Seed] { return Seed; });
    return Form.StartLevel(Island, Level);
}

bool BoardTakesMove(TFormMain& Form) {
    const TGameBoard& Board = *Form.GameBoard;
    // While a hammer swings, smashed tiles fly or a blaster spins, the round passes no press to the board.
    const TRoundSpecials& Specials = Form.Specials;
    const bool SpecialAtWork =
        Specials.Hammer->Active() || Specials.HammeredObjects->Active() || Specials.Blaster->Active();
    return Form.Scene() == gsMainGame && Board.CanDraw && Board.Visible && Board.IsSettled() && !SpecialAtWork;
}

// --- The replay's text --------------------------------------------------------------

std::string TRoundReplay::ToText() const {
    std::string Text = "quellow round\nlevel " + LevelName(Island, Level) + "\nseed " + std::to_string(Seed) + "\n";
    char Line[64];
    for (const TRoundInput& Input : Inputs) {
        switch (Input.Kind) {
            case TRoundInput::riPress:
                std::snprintf(Line, sizeof(Line), "press %d %d,%d %s\n", Input.Frame, Input.X, Input.Y,
                              Input.Button == mbRight ? "right" : "left");
                break;
            case TRoundInput::riRelease:
                std::snprintf(Line, sizeof(Line), "release %d %d,%d\n", Input.Frame, Input.X, Input.Y);
                break;
            case TRoundInput::riSpace: std::snprintf(Line, sizeof(Line), "key %d space\n", Input.Frame); break;
            case TRoundInput::riEscape: std::snprintf(Line, sizeof(Line), "key %d escape\n", Input.Frame); break;
        }
        Text += Line;
    }
    return Text;
}

bool TRoundReplay::FromText(const std::string& Text, TRoundReplay& Replay, std::string& Error) {
    TRoundReplay Read;
    std::istringstream Lines(Text);
    std::string Line;
    int LineNo = 0;
    bool HaveHeader = false, HaveLevel = false, HaveSeed = false;
    const auto Fail = [&](const std::string& Why) {
        Error = "line " + std::to_string(LineNo) + ": " + Why;
        return false;
    };
    while (std::getline(Lines, Line)) {
        ++LineNo;
        if (!Line.empty() && Line.back() == '\r') Line.pop_back();
        std::istringstream Words(Line);
        std::string Key, A, B, C, Extra;
        if (!(Words >> Key)) continue;
        if (!HaveHeader) {
            if (Line != "quellow round") return Fail("not a round replay (it starts with \"quellow round\")");
            HaveHeader = true;
            continue;
        }
        Words >> A >> B >> C;
        if (Words >> Extra) return Fail("too many words");
        if (Key == "level") {
            if (!ParseLevelName(A, Read.Island, Read.Level) || !B.empty()) return Fail("level wants I-LL, as 1-01");
            HaveLevel = true;
            continue;
        }
        if (Key == "seed") {
            char Tail = 0;
            uintmax_t Seed = 0;
            if (!B.empty() || A.empty() || A[0] == '-' || std::sscanf(A.c_str(), "%ju%c", &Seed, &Tail) != 1)
                return Fail("seed wants a whole number");
            Read.Seed = static_cast<uint64_t>(Seed);
            HaveSeed = true;
            continue;
        }
        TRoundInput Input;
        char Tail = 0;
        if (std::sscanf(A.c_str(), "%d%c", &Input.Frame, &Tail) != 1 || Input.Frame < 0)
            return Fail("an input wants its frame first");
        if (Key == "press") {
            Input.Kind = TRoundInput::riPress;
            if (!ParseXY(B, Input.X, Input.Y) || (C != "left" && C != "right"))
                return Fail("press wants a frame, a point and a button, as: press 120 300,210 left");
            Input.Button = C == "right" ? mbRight : mbLeft;
        } else if (Key == "release") {
            Input.Kind = TRoundInput::riRelease;
            if (!ParseXY(B, Input.X, Input.Y) || !C.empty())
                return Fail("release wants a frame and a point, as: release 120 300,210");
        } else if (Key == "key") {
            if (B == "space") {
                Input.Kind = TRoundInput::riSpace;
            } else if (B == "escape") {
                Input.Kind = TRoundInput::riEscape;
            } else {
                return Fail("key wants space or escape");
            }
            if (!C.empty()) return Fail("too many words");
        } else {
            return Fail("unknown entry \"" + Key + "\"");
        }
        if (!Read.Inputs.empty() && Input.Frame < Read.Inputs.back().Frame) return Fail("inputs go back in time");
        Read.Inputs.push_back(Input);
    }
    if (!HaveHeader) return Fail("empty");
    if (!HaveLevel || !HaveSeed) return Fail("the level or the seed is missing");
    Replay = std::move(Read);
    return true;
}

bool ReachObjectiveAnnouncement(TTestDriver& Driver, int MaxFrames) {
    TFormMain& Form = Driver.Form();
    const auto Up = [&Form] { return Form.Scene() == gsObjectiveInfo && !Form.SceneTransition->Active(); };
    if (!Driver.StepUntil([&] { return Up() || IncentiveWindowShown(Form); }, MaxFrames)) return false;
    if (Up()) return true;
    const TPoint OK = ButtonCentre(Form.Trophies.IncentiveAnnouncer.OKButton());
    Driver.MouseDown(OK.X, OK.Y);
    Driver.MouseUp(OK.X, OK.Y);
    return Driver.StepUntil(Up, MaxFrames);
}

bool EnterRound(TTestDriver& Driver, int32_t Island, int32_t Level, int MaxFrames) {
    return Driver.Form().StartLevel(Island, Level) && SkipAnnouncement(Driver, MaxFrames);
}

bool SkipAnnouncement(TTestDriver& Driver, int MaxFrames) {
    TFormMain& Form = Driver.Form();
    const auto Resting = [&Form] {
        return Form.Scene() == gsObjectiveInfo && !Form.SceneTransition->IsCovering() &&
               Form.Gauges.ObjectiveInfo->Phase() == TObjectiveInfo::ipShowing;
    };
    // A new feature of island 1 is presented first: its window's OK, as a player presses it.
    if (!Driver.StepUntil([&] { return Resting() || IncentiveWindowShown(Form); }, MaxFrames)) return false;
    if (IncentiveWindowShown(Form)) {
        const TPoint OK = ButtonCentre(Form.Trophies.IncentiveAnnouncer.OKButton());
        Driver.MouseDown(OK.X, OK.Y);
        Driver.MouseUp(OK.X, OK.Y);
        if (!Driver.StepUntil(Resting, MaxFrames)) return false;
    }
    Driver.MouseDown(SkipPress.X, SkipPress.Y);
    Driver.MouseUp(SkipPress.X, SkipPress.Y);
    return Driver.StepUntil([&Form] { return Form.Scene() == gsMainGame; }, MaxFrames);
}

// --- Playing --------------------------------------------------------------------------

TRoundDriver::TRoundDriver(TTestDriver& Driver) : FDriver(Driver), FForm(Driver.Form()) {
    FRecorded.Inputs.reserve(8192);
    FOldSwapRequest = FForm.GameBoard->OnSwapEffectRequest;
    FForm.GameBoard->OnSwapEffectRequest = [this](TObject* Sender, TSwappedObjectsData Data, bool MatchOccurs) {
        ++FResult.Moves;
        if (FOldSwapRequest) FOldSwapRequest(Sender, Data, MatchOccurs);
    };
    FOldShuffleFinished = FForm.BoardEffects.ShuffleAway->OnFinished;
    FForm.BoardEffects.ShuffleAway->OnFinished = [this](TObject* Sender, TBoardData NewBoard) {
        ++FResult.Shuffles;
        if (FOldShuffleFinished) FOldShuffleFinished(Sender, NewBoard);
    };
}

TRoundDriver::~TRoundDriver() {
    FForm.GameBoard->OnSwapEffectRequest = FOldSwapRequest;
    FForm.BoardEffects.ShuffleAway->OnFinished = FOldShuffleFinished;
}

bool TRoundDriver::Start(int32_t Island, int32_t Level, uint64_t Seed) {
    FRecorded = {};
    FRecorded.Island = Island;
    FRecorded.Level = Level;
    FRecorded.Seed = Seed;
    FResult = {};
    FFrame = 0;
    // The bot plays without the fairy's lessons (the first level's pointer would hold its moves).
    FForm.Story.Tutorial.Enabled = false;
    // Levels are started from the level selection, whatever the game showed before.
    if (FForm.Scene() != gsLevelSel) FForm.GameScene->SetValue(gsLevelSel);
    if (!StartSeededLevel(FForm, Seed, Island, Level)) {
        FResult.End = reNoStart;
        return false;
    }
    return true;
}

void TRoundDriver::Send(const TRoundInput& Input) {
    TRoundInput Stamped = Input;
    Stamped.Frame = static_cast<int32_t>(FFrame);
    FRecorded.Inputs.push_back(Stamped);
    switch (Input.Kind) {
        case TRoundInput::riPress: FDriver.MouseDown(Input.X, Input.Y, Input.Button); break;
        case TRoundInput::riRelease: FDriver.MouseUp(Input.X, Input.Y); break;
        case TRoundInput::riSpace: FDriver.KeyDown(SDLK_SPACE); break;
        case TRoundInput::riEscape: FDriver.KeyDown(SDLK_ESCAPE); break;
    }
}

void TRoundDriver::Press(int32_t X, int32_t Y) {
    Send({0, TRoundInput::riPress, X, Y, mbLeft});
    Send({0, TRoundInput::riRelease, X, Y, mbLeft});
}

void TRoundDriver::BotFrame(const TRoundPlayOptions& Options) {
    if (Finished()) return;
    const bool InputBlocked = FForm.SceneTransition->IsCovering();
    if (!InputBlocked) {
        switch (FForm.Scene()) {
            case gsObjectiveInfo:
                if (!FSkipped && FForm.Gauges.ObjectiveInfo->Phase() == TObjectiveInfo::ipShowing) {
                    Press(SkipPress.X, SkipPress.Y);
                    FSkipped = true;
                }
                break;
            case gsMainGame: {
                if (!BoardTakesMove(FForm) || FFrame - FLastMoveFrame < Options.MoveDelayFrames) break;
                // The first level's lesson: the hand points at one tile after another and
                // takes no other press; the bot presses each once it shows.
                const TTutorialClickHere& Pointer = FForm.Story.Pointer;
                if (Pointer.IsActive()) {
                    if (Pointer.ArrowAlpha() > 0) {
                        const TPoint P = TileCentre(TTutorialClickHere::Spot(Pointer.CurrentSpot()).Tile);
                        Press(P.X, P.Y);
                        FLastMoveFrame = FFrame;
                    }
                    break;
                }
                TShuffleButton& Shuffle = *FForm.Panels.ShuffleButton;
                if (Options.UseShuffleButton && Shuffle.Full()) {
                    Press(Shuffle.Left + Shuffle.Width / 2, Shuffle.Top + Shuffle.Height / 2);
                    FLastMoveFrame = FFrame;
                    break;
                }
                const TGameBoard& Board = *FForm.GameBoard;
                TGreedyMove Move;
                if (!ChooseGreedyMove(Board.BoardData(), Board.TileStatuses(), Move)) {
                    // No swap makes a group: a uni fruit, hammer or blaster is the move left (a
                    // board that has one is not shuffled), so the bot clicks it.
                    TPoint Object;
                    if (ChooseObjectClick(Board.BoardData(), Board.TileStatuses(), Object)) {
                        const TPoint P = TileCentre(Object);
                        Press(P.X, P.Y);
                        FLastMoveFrame = FFrame;
                    }
                    break;
                }
                const TPoint A = TileCentre(Move.Tile1Pos);
                const TPoint B = TileCentre(Move.Tile2Pos);
                Press(A.X, A.Y);
                Press(B.X, B.Y);
                FLastMoveFrame = FFrame;
                break;
            }
            case gsNewIncentive:
                if (IncentiveWindowShown(FForm)) {
                    const TPoint P = ButtonCentre(FForm.Trophies.IncentiveAnnouncer.OKButton());
                    Press(P.X, P.Y);
                }
                break;
            case gsNewTrophy:
                if (TrophyWindowShown(FForm)) {
                    const TPoint P = ButtonCentre(FForm.Trophies.Announcer.OKButton());
                    Press(P.X, P.Y);
                }
                break;
            case gsStageResult:
                if (!FResultTaken && FForm.Results.Window->Phase() == TGameMenuWindow::phShown) {
                    const TPoint P = ButtonCentre(*FForm.Results.OKButton);
                    Press(P.X, P.Y);
                    FResultTaken = true;
                }
                break;
            case gsConfirmWindow:
                if (!FQuestionAnswered && FForm.ConfirmWindow->Kind() == 0 &&
                    FForm.ConfirmWindow->Window().Phase() == TGameMenuWindow::phShown) {
                    TGameButton& Answer = Options.RetryAtTimeUp ? FForm.ConfirmWindow->PositiveButton()
                                                                : FForm.ConfirmWindow->NegativeButton();
                    const TPoint P = ButtonCentre(Answer);
                    Press(P.X, P.Y);
                    FQuestionAnswered = true;
                }
                break;
            default: break;
        }
    }
    StepAndWatch();
}

void TRoundDriver::StepAndWatch() {
    FDriver.Step();
    ++FFrame;
    FResult.Frames = FFrame;
    CheckEnd();
}

// The round has ended once its result or its time-up question has gone and the game
// has moved on.
void TRoundDriver::CheckEnd() {
    const TGameSceneValues Scene = FForm.Scene();
    if (Scene == gsStageResult) FWasStageResult = true;
    if (Scene == gsTimeUp) FWasTimeUp = true;
    const bool RoundScene = Scene == gsObjectiveInfo || Scene == gsMainGame || Scene == gsRoundClear ||
                            Scene == gsTimeUp || Scene == gsStageResult || Scene == gsConfirmWindow ||
                            Scene == gsInGameMenu || Scene == gsNewIncentive || Scene == gsNewTrophy;
    const bool LeftRound = !RoundScene || FForm.SceneTransition->Active();
    FResult.Seconds = FForm.Gauges.TubeTimer->ElapsedSeconds();
    FResult.LevelScore = FForm.Round.LevelScore;
    FResult.Score = FForm.Scoring.Score->Value();
    FResult.Money = FForm.Scoring.Money->Value();
    if (FWasStageResult && Scene != gsStageResult && LeftRound) {
        FResult.End = reWon;
        FResult.Medal = FForm.Results.Medal->MedalKind();
        FResult.Seconds = FForm.Results.Stats->PlayingTime();
    } else if (FWasTimeUp && Scene != gsTimeUp && Scene != gsConfirmWindow) {
        // Answered: the level starts again, or the game leaves the round.
        FResult.End = reTimeUp;
    }
}

TRoundResult TRoundDriver::Play(const TRoundPlayOptions& Options) {
    if (FResult.End == reNoStart) return FResult;
    while (!Finished() && FFrame < Options.MaxFrames) BotFrame(Options);
    if (!Finished()) FResult.End = reStuck;
    return FResult;
}

size_t TRoundDriver::SendRecordedInputs(const TRoundReplay& Recorded, size_t Next) {
    while (Next < Recorded.Inputs.size() && Recorded.Inputs[Next].Frame <= FFrame) Send(Recorded.Inputs[Next++]);
    return Next;
}

TRoundResult TRoundDriver::Replay(const TRoundReplay& Recorded, int64_t MaxFrames) {
    if (FResult.End == reNoStart) return FResult;
    size_t Next = 0;
    while (!Finished() && FFrame < MaxFrames) {
        Next = SendRecordedInputs(Recorded, Next);
        StepAndWatch();
    }
    if (!Finished()) FResult.End = reStuck;
    return FResult;
}
