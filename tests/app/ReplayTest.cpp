// Replays as tests: a seeded round that the bot plays from its announcement to
// its result is the same round every time it is played, drawn or headless, and
// its recorded presses alone play it again. A difference is reported at the
// first frame where the rounds part ways.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RoundDriverClass.h"
#include "TestDriverClass.h"

namespace {

// What a round looked like: a digest of the board, the round's gauges and totals
// after every frame, and its result.
struct TRoundTrace {
    std::vector<uint64_t> FrameDigests;
    TRoundResult Result;
    TRoundReplay Recorded;
    // What the round's monster went through (in a beat-the-monster level).
    bool MonsterAbsorbed = false;
    int32_t MonsterEnergyLeft = 0;
    // What the round's enemies did.
    bool SpiderHit = false;
    bool WormCrawled = false;
};

void Mix(uint64_t& Hash, const void* Data, size_t Size) {
    const auto* Bytes = static_cast<const uint8_t*>(Data);
    for (size_t I = 0; I < Size; ++I) Hash = (Hash ^ Bytes[I]) * 0x100000001B3ull;
}

template <typename T>
void MixValue(uint64_t& Hash, const T& Value) {
    Mix(Hash, &Value, sizeof(Value));
}

uint64_t Digest(TFormMain& Form) {
    uint64_t Hash = 0xCBF29CE484222325ull;
    Mix(Hash, &Form.GameBoard->BoardData(), sizeof(TBoardData));
    Mix(Hash, &Form.GameBoard->TileStatuses(), sizeof(TTileStatusArray));
    MixValue(Hash, Form.Scene());
    MixValue(Hash, Form.Gauges.TubeTimer->ElapsedMiliSecs());
    MixValue(Hash, Form.Gauges.ProgressTube->Counted());
    MixValue(Hash, Form.Scoring.Score->Value());
    MixValue(Hash, Form.Scoring.Money->Value());
    MixValue(Hash, Form.Round.LevelScore);
    MixValue(Hash, Form.Comments.Round().CommentType());
    // The fairy's choices come from the gameplay stream: she flies the same way drawn or not.
    MixValue(Hash, Form.Fairy->RoundedPosition());
    MixValue(Hash, Form.Fairy->State());
    // The monster's attempts are the gameplay stream's too, and the hits follow the fruits.
    const TBossMonster& Monster = *Form.Monsters.Current;
    MixValue(Hash, Monster.Visible);
    MixValue(Hash, Monster.RoundedPos());
    MixValue(Hash, Monster.ViewState());
    MixValue(Hash, Monster.EnergyLeft());
    // The worms choose from the gameplay stream too; no image decides where they go.
    const TFruitWorms& Worms = *Form.FruitWorms;
    MixValue(Hash, Worms.PendingWorms());
    MixValue(Hash, Worms.LandedFruits());
    MixValue(Hash, Worms.FruitsInterval);
    for (int32_t I = 0; I < TFruitWorms::SlotCount; ++I) {
        for (const TWormSlot* Slot : {&Worms.Crawler(I), &Worms.DrivenOff(I)}) {
            MixValue(Hash, Slot->State);
            MixValue(Hash, Slot->Direction);
            MixValue(Hash, Slot->Tile);
            MixValue(Hash, Slot->PosX);
            MixValue(Hash, Slot->PosY);
            MixValue(Hash, Slot->Angle);
        }
    }
    // So do the spiders; where the spray finds one is set from the art's size, the same headless.
    const TCrawlingSpiders& Spiders = *Form.CrawlingSpiders;
    MixValue(Hash, Spiders.Hunting());
    MixValue(Hash, Spiders.WebQuota());
    MixValue(Hash, Spiders.WebsSpun());
    MixValue(Hash, Spiders.SpidersToAdd());
    MixValue(Hash, Spiders.LandedFruits());
    MixValue(Hash, Spiders.FruitsInterval);
    MixValue(Hash, Spiders.SpiderWidth);
    MixValue(Hash, Spiders.SpiderHeight);
    for (int32_t I = 0; I < TCrawlingSpiders::SlotCount; ++I) {
        const TSpiderSlot& Slot = Spiders.Spider(I);
        MixValue(Hash, Slot.State);
        MixValue(Hash, Slot.Tile);
        MixValue(Hash, Slot.NextTile);
        MixValue(Hash, Slot.PosX);
        MixValue(Hash, Slot.PosY);
        MixValue(Hash, Slot.Angle);
        MixValue(Hash, Slot.HitPos);
    }
    return Hash;
}

// Plays the round of Level with Seed: the bot chooses, or Recorded's presses are played back.
TRoundTrace Play(int32_t Island, int32_t Level, uint64_t Seed, bool Drawn, const TRoundReplay* Recorded = nullptr,
                 const TRoundPlayOptions& Options = {}) {
    TTestDriverSetup Setup;
    Setup.Headless = !Drawn;
    TTestDriver Driver(Setup);
    TRoundTrace Trace;
    if (!Driver.Start()) {
        ADD_FAILURE() << "the game did not start";
        return Trace;
    }
    TFormMain& Form = Driver.Form();
    if (Drawn) Form.MainLoadForDevelopment();
    TRoundDriver Round(Driver);
    if (!Round.Start(Island, Level, Seed)) {
        ADD_FAILURE() << "the level did not start";
        return Trace;
    }
    Trace.FrameDigests.reserve(20000);
    size_t Next = 0;
    while (!Round.Finished() && Round.Frame() < 20000) {
        if (Recorded) {
            Next = Round.SendRecordedInputs(*Recorded, Next);
            Round.StepFrame();
        } else {
            Round.BotFrame(Options);
        }
        Trace.FrameDigests.push_back(Digest(Form));
        Trace.MonsterAbsorbed |= Form.Monsters.Current->IsAbsorbing();
        Trace.WormCrawled |= Form.FruitWorms->CrawlerCount() > 0;
        for (int32_t I = 0; I < TCrawlingSpiders::SlotCount; ++I)
            Trace.SpiderHit |= Form.CrawlingSpiders->Spider(I).State == ssHit;
    }
    Trace.MonsterEnergyLeft = Form.Monsters.Current->EnergyLeft();
    Trace.Result = Round.Result();
    Trace.Recorded = Round.Recorded();
    return Trace;
}

// Empty when both rounds are the same; else where they first part ways.
std::string FirstDifference(const TRoundTrace& A, const TRoundTrace& B) {
    const size_t Frames = std::min(A.FrameDigests.size(), B.FrameDigests.size());
    for (size_t Frame = 0; Frame < Frames; ++Frame)
        if (A.FrameDigests[Frame] != B.FrameDigests[Frame])
            return "the rounds part ways at frame " + std::to_string(Frame);
    if (A.FrameDigests.size() != B.FrameDigests.size()) return "one round ran fewer frames";
    if (A.Result.End != B.Result.End || A.Result.Seconds != B.Result.Seconds || A.Result.Medal != B.Result.Medal ||
        A.Result.Score != B.Result.Score || A.Result.Money != B.Result.Money || A.Result.Moves != B.Result.Moves)
        return "the results differ";
    return "";
}

TEST(Replay, ASeededRoundPlaysTheSameEveryTimeAndFromItsPresses) {
    const TRoundTrace First = Play(1, 14, 11, false);
    ASSERT_EQ(First.Result.End, reWon);
    EXPECT_GT(First.Result.Moves, 25) << "the round must be long enough to tell";
    EXPECT_GE(First.Result.LevelScore, 3 * 130) << "every landed fruit scores three";

    const TRoundTrace Second = Play(1, 14, 11, false);
    EXPECT_EQ(FirstDifference(First, Second), "");

    // The presses alone play it again: the announcement's click, every tile, the result's OK.
    const TRoundTrace Replayed = Play(1, 14, 11, false, &First.Recorded);
    EXPECT_EQ(FirstDifference(First, Replayed), "");
    EXPECT_EQ(Replayed.Recorded.Inputs, First.Recorded.Inputs);

    // Another seed is another round.
    const TRoundTrace Other = Play(1, 14, 12, false);
    EXPECT_NE(FirstDifference(First, Other), "");
}

TEST(Replay, DrawnAndHeadlessPlayTheSameRound) {
    const TRoundTrace Headless = Play(1, 2, 5, false);
    ASSERT_EQ(Headless.Result.End, reWon);
    const TRoundTrace Drawn = Play(1, 2, 5, true, &Headless.Recorded);
    EXPECT_EQ(FirstDifference(Headless, Drawn), "");
}

// The bird's round: it walks, absorbs and is hit, the same whether drawn or not.
// The player takes his time, so the bird is left alone long enough to absorb.
TEST(Replay, TheBirdsRoundPlaysTheSameDrawnAndHeadless) {
    TRoundPlayOptions Slow;
    Slow.MoveDelayFrames = 600;
    const TRoundTrace Headless = Play(1, 15, 9, false, nullptr, Slow);
    ASSERT_NE(Headless.Result.End, reStuck);
    EXPECT_TRUE(Headless.MonsterAbsorbed) << "the round must see an absorb attempt";
    EXPECT_LT(Headless.MonsterEnergyLeft, 40) << "and hits";
    const TRoundTrace Drawn = Play(1, 15, 9, true, &Headless.Recorded);
    EXPECT_EQ(FirstDifference(Headless, Drawn), "");
    EXPECT_EQ(Drawn.MonsterEnergyLeft, Headless.MonsterEnergyLeft);
}

// A spider hunt with worms: the spiders come, spin and are hit, and the worms crawl,
// the same drawn, headless and from the recorded presses.
TEST(Replay, ASpiderHuntPlaysTheSameDrawnHeadlessAndFromItsPresses) {
    const TRoundTrace Headless = Play(1, 10, 9, false);
    ASSERT_EQ(Headless.Result.End, reWon);
    EXPECT_TRUE(Headless.SpiderHit);
    EXPECT_TRUE(Headless.WormCrawled) << "the round must see worms as well";
    const TRoundTrace Replayed = Play(1, 10, 9, false, &Headless.Recorded);
    EXPECT_EQ(FirstDifference(Headless, Replayed), "");
    const TRoundTrace Drawn = Play(1, 10, 9, true, &Headless.Recorded);
    EXPECT_EQ(FirstDifference(Headless, Drawn), "");
}

TEST(Replay, PressesRecordedOnOneSeedGoAnotherWayOnAnother) {
    const TRoundTrace First = Play(1, 1, 3, false);
    ASSERT_EQ(First.Result.End, reWon);
    TRoundReplay Moved = First.Recorded;
    const TRoundTrace Elsewhere = Play(1, 1, 4, false, &Moved);
    EXPECT_NE(FirstDifference(First, Elsewhere), "") << "the same presses on another board are another round";
}

TEST(Replay, TextReadsBackAndRefusesWhatIsNotARoundReplay) {
    TRoundReplay Game;
    Game.Island = 1;
    Game.Level = 3;
    Game.Seed = 18446744073709551615ull;
    Game.Inputs = {{99, TRoundInput::riPress, 445, 320, mbLeft},
                   {99, TRoundInput::riRelease, 445, 320, mbLeft},
                   {150, TRoundInput::riPress, 300, 210, mbRight},
                   {160, TRoundInput::riSpace, 0, 0, mbLeft},
                   {170, TRoundInput::riEscape, 0, 0, mbLeft}};
    TRoundReplay Read;
    std::string Error;
    ASSERT_TRUE(TRoundReplay::FromText(Game.ToText(), Read, Error)) << Error;
    EXPECT_EQ(Read, Game);
    ASSERT_TRUE(TRoundReplay::FromText("quellow round\r\n\r\nlevel 2-7\r\nseed 0\r\n", Read, Error)) << Error;
    EXPECT_EQ(Read.Island, 2);
    EXPECT_EQ(Read.Level, 7);
    EXPECT_TRUE(Read.Inputs.empty());

    const struct {
        const char* Text;
        const char* Error;
    } Bad[] = {
        {"", "line 0: empty"},
        {"a replay\nlevel 1-01\nseed 1\n", "line 1: not a round replay"},
        {"quellow round\nseed 1\n", "line 2: the level or the seed is missing"},
        {"quellow round\nlevel 1\nseed 1\n", "line 2: level wants"},
        {"quellow round\nlevel 1-01\nseed -3\n", "line 3: seed wants"},
        {"quellow round\nlevel 1-01\nseed 1\npress 5 800,1 left\n", "line 4: press wants"},
        {"quellow round\nlevel 1-01\nseed 1\npress 5 1,1 middle\n", "line 4: press wants"},
        {"quellow round\nlevel 1-01\nseed 1\nrelease 5 1\n", "line 4: release wants"},
        {"quellow round\nlevel 1-01\nseed 1\nkey 5 tab\n", "line 4: key wants"},
        {"quellow round\nlevel 1-01\nseed 1\npress x 1,1 left\n", "line 4: an input wants its frame"},
        {"quellow round\nlevel 1-01\nseed 1\nkey 9 space\nkey 8 space\n", "line 5: inputs go back"},
        {"quellow round\nlevel 1-01\nseed 1\npress 5 1,1 left extra\n", "line 4: too many words"},
        {"quellow round\nlevel 1-01\nspeed 1\n", "line 3: unknown entry"},
    };
    for (const auto& B : Bad) {
        Error.clear();
        TRoundReplay Kept = Game;
        EXPECT_FALSE(TRoundReplay::FromText(B.Text, Kept, Error)) << B.Text;
        EXPECT_EQ(Error.rfind(B.Error, 0), 0u) << B.Text << " -> " << Error;
        EXPECT_EQ(Kept, Game) << "a refused text leaves the replay as it was";
    }
}

}  // namespace
