#include "LevelCompilerClass.h"

#include <algorithm>
#include <map>

#include "BoardGroupsClass.h"
#include "LevelStartClass.h"
#include "RandomClass.h"

const char* const TutorialBoardRows[BoardSize] = {
    "2123231232", "3211232321", "1322321212", "3133232331", "1212321123",
    "2123232211", "2332321332", "1213123221", "3313131313", "1232213213",
};

namespace {

constexpr TPoint Neighbours[4] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};

std::string PosText(int32_t X, int32_t Y) { return "(" + std::to_string(X) + ", " + std::to_string(Y) + ")"; }

// The connected tiles around Start for which Same holds, in board order.
template <typename TSame>
std::vector<TPoint> ConnectedTiles(TPoint Start, TSame Same) {
    TSimpleObjectArray Seen;
    std::vector<TPoint> Tiles{Start};
    Seen[Start] = true;
    for (size_t I = 0; I < Tiles.size(); ++I) {
        for (TPoint D : Neighbours) {
            const TPoint N{Tiles[I].X + D.X, Tiles[I].Y + D.Y};
            if (IsBoardPos(N) && !Seen[N] && Same(N)) {
                Seen[N] = true;
                Tiles.push_back(N);
            }
        }
    }
    std::sort(Tiles.begin(), Tiles.end(), [](TPoint A, TPoint B) { return A.X != B.X ? A.X < B.X : A.Y < B.Y; });
    return Tiles;
}

std::string TilesText(const std::vector<TPoint>& Tiles) {
    std::string Text;
    for (size_t I = 0; I < Tiles.size(); ++I) Text += (I > 0 ? ", " : "") + PosText(Tiles[I].X, Tiles[I].Y);
    return Text;
}

bool IsClosedLocker(const TBoardTile& Tile) { return Tile.Kind == okLocker; }

int32_t LockerGroupSize(const TBoardData& Board, TPoint At) {
    const uint8_t Kind = Board[At].LockerKind;
    return static_cast<int32_t>(ConnectedTiles(At, [&](TPoint P) {
                                    return IsClosedLocker(Board[P]) && Board[P].LockerKind == Kind;
                                }).size());
}

int32_t WebCount(const TBoardData& Board) {
    int32_t Count = 0;
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y) Count += Board.At(X, Y).Web ? 1 : 0;
    return Count;
}

struct TRuleCheck {
    const TLevelSource& Source;
    std::vector<TLevelProblem>& Problems;

    void Add(const std::string& Field, const std::string& Rule, const std::string& Message) {
        Problems.push_back(Source.Problem(Source.LineOf(Field), Rule, Message));
    }
    void AddAtRow(int32_t Y, const std::string& Rule, const std::string& Message) {
        Problems.push_back(Source.Problem(Source.LineOfRow(Y), Rule, Message));
    }
    // Field must lie in Min..Max.
    void Range(const std::string& Field, int32_t Value, int32_t Min, int32_t Max, const std::string& Rule,
               const std::string& Why) {
        if (Value < Min || Value > Max) Add(Field, Rule, Field + " is " + std::to_string(Value) + ": " + Why);
    }
};

// What comes to the board once the level has started (island 1's held values included).
struct TEnemies {
    bool Spiders = false;
    bool Worms = false;
};

TEnemies EnemiesOf(const TLevelSource& Source) {
    const TLevelRecord Start = PrepareLevelStart(Source.Record, {Source.Island, Source.Level, toAerosol, false}).Values;
    TEnemies Enemies;
    Enemies.Spiders = Start.MaxSpidersOnBoard >= 1 &&
                      (Start.Objective == goSpiderHunt || Start.SpiderFruitsInterval > 0);
    Enemies.Worms = Start.WormFruitsInterval > 0 && Start.MaxWormsOnBoard >= 1 && Start.MaxEatenFruits >= 1;
    return Enemies;
}

void CheckValues(TRuleCheck& Check) {
    const TLevelRecord& R = Check.Source.Record;
    if (R.Objective == goBonusStage)
        Check.Add("Objective", "objective", "a bonus stage follows its levels by itself; no level file holds one");

    const std::string Divisor = "the game divides by it, so it must be at least 1";
    Check.Range("Time", R.Time, 1, 2147483647, "divisor", Divisor);
    Check.Range("FullRequiredFruits", R.FullRequiredFruits, 1, 2147483647, "divisor", Divisor);
    Check.Range("FruitCountTarget", R.FruitCountTarget, 1, 2147483647, "divisor", Divisor);
    Check.Range("MonsterEnergy", R.MonsterEnergy, 1, 2147483647, "divisor", Divisor);
    if (R.Time >= 1 && R.Time <= 28)
        Check.Add("Time", "time-limit", "Time is " + std::to_string(R.Time) +
                                            ": with 28 seconds or less the time runs out from the start");
    if (R.Time > 2147483)
        Check.Add("Time", "time-limit", "Time is " + std::to_string(R.Time) + ": too long to count in milliseconds");

    Check.Range("FruitColorCount", R.FruitColorCount, 1, 6, "colours", "there are six fruits");
    struct TTarget {
        const char* Field;
        int32_t Value;
        int32_t Colour;
    };
    const TTarget Targets[] = {{"TargetBananas", R.TargetBananas, 1},   {"TargetStrawberries", R.TargetStrawberries, 2},
                               {"TargetApples", R.TargetApples, 3},     {"TargetGrapes", R.TargetGrapes, 4},
                               {"TargetOranges", R.TargetOranges, 5},   {"TargetPlums", R.TargetPlums, 6}};
    int32_t Asked = 0;
    for (const TTarget& T : Targets) {
        if (R.Objective != goCollectFruits) {
            if (T.Value != 0)
                Check.Add(T.Field, "targets", std::string(T.Field) + " is " + std::to_string(T.Value) +
                                                  ": only collect-fruits levels ask for fruits");
            continue;
        }
        Check.Range(T.Field, T.Value, 0, 99, "targets", "the panel shows two digits");
        if (T.Value > 0) {
            ++Asked;
            if (T.Colour > R.FruitColorCount)
                Check.Add(T.Field, "colours", std::string(T.Field) + " asks for colour " + std::to_string(T.Colour) +
                                                  " but only " + std::to_string(R.FruitColorCount) +
                                                  " colours are in play");
        }
    }
    if (R.Objective == goCollectFruits && Asked == 0)
        Check.Add("Objective", "targets", "a collect-fruits level must ask for some fruit");

    if (R.Objective == goSpiderHunt) {
        Check.Range("TargetSpidersToHunt", R.TargetSpidersToHunt, 1, 99, "spider-hunt",
                    "a hunt asks for 1 to 99 spiders");
        if (R.MaxSpidersOnBoard < 1)
            Check.Add("MaxSpidersOnBoard", "spider-hunt", "a hunt needs spiders on the board");
    } else if (R.TargetSpidersToHunt != 0) {
        Check.Add("TargetSpidersToHunt", "spider-hunt",
                  "TargetSpidersToHunt is " + std::to_string(R.TargetSpidersToHunt) +
                      ": only spider hunts count spiders, so the level could never be won");
    }

    Check.Range("FlowerSlots", R.FlowerSlots, 1, 6, "flowers", "the flower row has six places");
    Check.Range("OneFlowerPerLockersMin", R.OneFlowerPerLockersMin, 1, 1000000, "flowers",
                "at least one locker check between flowers");
    if (R.OneFlowerPerLockersMax < R.OneFlowerPerLockersMin)
        Check.Add("OneFlowerPerLockersMax", "flowers", "OneFlowerPerLockersMax is below OneFlowerPerLockersMin");

    const int32_t Frames = R.LockerFrames.Count();
    if (R.Objective == goClearTiles && Frames == 0)
        Check.Add("Board", "frames", "a clear-tiles level needs locker frames (f) on its board");
    if (R.Objective != goClearTiles && Frames > 0)
        Check.Add("Board", "frames", std::to_string(Frames) +
                                         " locker frames in a level that is not clear-tiles: clearing the last one "
                                         "would win the level");

    struct TNamedValue {
        const char* Field;
        int32_t TLevelRecord::*Member;
    };
    static constexpr TNamedValue ZeroOrMore[] = {
        {"OneUniFruitEveryProb", &TLevelRecord::OneUniFruitEveryProb},
        {"OneMultiBubbleEveryProb", &TLevelRecord::OneMultiBubbleEveryProb},
        {"OneFruitBombEveryProb", &TLevelRecord::OneFruitBombEveryProb},
        {"OneHammerEveryProb", &TLevelRecord::OneHammerEveryProb},
        {"OneMagicKeyEveryProb", &TLevelRecord::OneMagicKeyEveryProb},
        {"OneBroomEveryProb", &TLevelRecord::OneBroomEveryProb},
        {"OneAerosolEveryProb", &TLevelRecord::OneAerosolEveryProb},
        {"SpiderFruitsInterval", &TLevelRecord::SpiderFruitsInterval},
        {"WormFruitsInterval", &TLevelRecord::WormFruitsInterval},
        {"MaxWebs", &TLevelRecord::MaxWebs},
        {"MaxEatenFruits", &TLevelRecord::MaxEatenFruits},
    };
    for (const TNamedValue& Value : ZeroOrMore)
        Check.Range(Value.Field, R.*Value.Member, 0, 1000000, "range", "0 or more (0 never)");
    Check.Range("MaxSpidersOnBoard", R.MaxSpidersOnBoard, 0, 20, "range", "the board has room for 20 spiders");
    Check.Range("MaxWormsOnBoard", R.MaxWormsOnBoard, 0, 20, "range", "the board has room for 20 worms");
    Check.Range("OneWebEveryProb", R.OneWebEveryProb, 1, 1000000, "range", "a chance of one in P needs P of 1 or more");
    Check.Range("OneEntryEveryProb", R.OneEntryEveryProb, 1, 1000000, "range",
                "a chance of one in P needs P of 1 or more");
    Check.Range("MonsterRefTimeForAbsorbAttempt", R.MonsterRefTimeForAbsorbAttempt, 1, 1000000, "range",
                "milliseconds between tries, at least 1");
    Check.Range("MonsterHitsToCancelAbsorbAttempt", R.MonsterHitsToCancelAbsorbAttempt, 0, 1000000, "range",
                "0 or more");
    Check.Range("MonsterOneAbsorbedTime", R.MonsterOneAbsorbedTime, 0, 100000, "range", "0 or more seconds");
    Check.Range("MonsterPreparingTime", R.MonsterPreparingTime, 0, 1000000, "range", "0 or more milliseconds");
    Check.Range("MonsterFinishingTime", R.MonsterFinishingTime, 0, 1000000, "range", "0 or more milliseconds");

    const TEnemies Enemies = EnemiesOf(Check.Source);
    const int32_t Webs = WebCount(R.Tiles);
    if (Enemies.Spiders && R.MaxWebs <= Webs)
        Check.Add("MaxWebs", "web-quota", "MaxWebs is " + std::to_string(R.MaxWebs) + " with " +
                                              std::to_string(Webs) +
                                              " webs on the starting board: no spider would ever come");
    if (R.Objective == goBeatMonster && Check.Source.Island >= 1 && Check.Source.Island <= 4 && Enemies.Worms)
        Check.Add("WormFruitsInterval", "monster-worms",
                  "worms in a monster level of islands 1 to 4: the fairy is away, so eaten fruit never comes back");
}

void CheckBoard(TRuleCheck& Check) {
    const TBoardData& Board = Check.Source.Record.Tiles;
    int32_t Used = 0;
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            const TBoardTile& Tile = Board.At(X, Y);
            if (Tile.Kind == okUnused) {
                if (Tile.Web || Check.Source.Record.LockerFrames.At(X, Y))
                    Check.AddAtRow(Y, "board-shape", "a web or frame at " + PosText(X, Y) + ", which is not on the board");
                continue;
            }
            ++Used;
            bool HasNeighbour = false;
            for (TPoint D : Neighbours) {
                const TPoint N{X + D.X, Y + D.Y};
                HasNeighbour = HasNeighbour || (IsBoardPos(N) && Board[N].Kind != okUnused);
            }
            if (!HasNeighbour)
                Check.AddAtRow(Y, "board-shape", "the tile at " + PosText(X, Y) +
                                                     " has no neighbour on the board; worms and spiders would be stuck");
        }
    }
    if (Used == 0) {
        Check.Add("Board", "board-shape", "the board has no tiles");
        return;
    }

    TSimpleObjectArray Reported;
    for (int32_t Kind = 1; Kind <= 3; ++Kind) {
        const TSimpleObjectArray Groups = FindGroups(Board, okLocker, Kind);
        for (int32_t X = 1; X <= BoardSize; ++X) {
            for (int32_t Y = 1; Y <= BoardSize; ++Y) {
                if (!Groups.At(X, Y) || Reported.At(X, Y)) continue;
                const std::vector<TPoint> Group = ConnectedTiles({X, Y}, [&](TPoint P) { return Groups[P]; });
                for (TPoint P : Group) Reported[P] = true;
                Check.AddAtRow(Y, "board-group", std::to_string(Group.size()) + " lockers of kind " +
                                                     std::to_string(Kind) + " touch at the start (" + TilesText(Group) +
                                                     ") and would open at once");
            }
        }
    }
    TSimpleObjectArray Seen;
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            if (Board.At(X, Y).Kind != okFruit || Seen.At(X, Y)) continue;
            const std::vector<TPoint> Group =
                ConnectedTiles({X, Y}, [&](TPoint P) { return Board[P].Kind == okFruit; });
            for (TPoint P : Group) Seen[P] = true;
            if (Group.size() >= 3)
                Check.AddAtRow(Y, "board-opened", std::to_string(Group.size()) + " opened tiles touch (" +
                                                      TilesText(Group) + "); their random fruits may start as a match");
        }
    }
    if (!HasLockerMove(Board)) Check.Add("Board", "board-move", "no swap of two lockers opens a group");
}

void CheckTutorialBoard(TRuleCheck& Check) {
    const TLevelRecord& R = Check.Source.Record;
    for (int32_t Y = 1; Y <= BoardSize; ++Y) {
        for (int32_t X = 1; X <= BoardSize; ++X) {
            const TBoardTile& Tile = R.Tiles.At(X, Y);
            const int32_t Kind = TutorialBoardRows[Y - 1][X - 1] - '0';
            if (Tile.Kind != okLocker || Tile.LockerKind != Kind || Tile.Web || R.LockerFrames.At(X, Y)) {
                Check.AddAtRow(Y, "tutorial-board",
                               "the first lesson needs its own board: " + PosText(X, Y) +
                                   " must be a closed locker of kind " + std::to_string(Kind) + " without web or frame");
                return;
            }
        }
    }
    if (R.FruitColorCount < 4)
        Check.Add("FruitColorCount", "tutorial-board", "the first lesson's board uses fruit colour 4");
    if (R.MaxUniFruitOnBoard < 1)
        Check.Add("MaxUniFruitOnBoard", "introduction", "level 1 introduces the uni fruit: allow at least one");
}

void CheckIntroductions(TRuleCheck& Check) {
    const TLevelRecord& R = Check.Source.Record;
    const TEnemies Enemies = EnemiesOf(Check.Source);
    const int32_t Webs = WebCount(R.Tiles);
    switch (Check.Source.Level) {
        case 2:
            if (R.MaxFruitBombsOnBoard < 1)
                Check.Add("MaxFruitBombsOnBoard", "introduction", "level 2 introduces fruit bombs: allow at least one");
            if (R.Objective == goTargetFruits && R.FullRequiredFruits >= R.FruitCountTarget)
                Check.Add("FullRequiredFruits", "introduction",
                          "level 2 explains the shuffle button: it must fill before the level is won");
            break;
        case 3:
            if (R.MaxMultiBubbleOnBoard < 1)
                Check.Add("MaxMultiBubbleOnBoard", "introduction", "level 3 introduces fruit blasters: allow one");
            break;
        case 4:
            if (R.Objective != goTargetFruits)
                Check.Add("Objective", "introduction", "level 4 explains the halfway mark of a target-fruits level");
            if (!Enemies.Spiders)
                Check.Add("MaxSpidersOnBoard", "introduction", "level 4 introduces spiders: let them come");
            break;
        case 5:
            if (!Enemies.Spiders && Webs == 0)
                Check.Add("Board", "introduction", "level 5 introduces the broom: it needs webs or spiders");
            if (R.OneMagicKeyEveryProb > 0)
                Check.Add("OneMagicKeyEveryProb", "introduction",
                          "no magic keys on level 5: the player cannot use them before winning it");
            if (R.OneAerosolEveryProb > 0)
                Check.Add("OneAerosolEveryProb", "introduction", "no aerosols before level 8");
            break;
        case 6:
            if (!Enemies.Spiders && Webs == 0)
                Check.Add("Board", "introduction", "level 6 introduces the magic key: it needs webs or spiders");
            break;
        case 7:
            if (R.Objective != goFindFlowers)
                Check.Add("Objective", "introduction", "level 7 explains how found flowers take root");
            if (!Enemies.Worms)
                Check.Add("MaxWormsOnBoard", "introduction", "level 7 introduces worms: let them come");
            break;
        case 8:
            if (!Enemies.Worms && !Enemies.Spiders)
                Check.Add("OneAerosolEveryProb", "introduction", "level 8 introduces the aerosol: it needs worms or spiders");
            break;
        case 9:
            if (R.MaxHammersOnBoard < 1)
                Check.Add("MaxHammersOnBoard", "introduction", "level 9 introduces hammers: allow at least one");
            break;
        default: break;
    }
}

}  // namespace

bool HasLockerMove(const TBoardData& Board) {
    const TTileStatusArray Statuses = TTileStatusArray::ForBoard(Board);
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            if (!IsClosedLocker(Board.At(X, Y))) continue;
            for (TPoint Q : {Point(X + 1, Y), Point(X, Y + 1)}) {
                if (CanSwapForHint(Board, {X, Y}, Q) && IsClosedLocker(Board[Q]) &&
                    SwapMakesMatch(Board, Statuses, {X, Y}, Q))
                    return true;
            }
        }
    }
    return false;
}

std::vector<TLevelProblem> ChooseLockerKinds(TLevelSource& Source) {
    if (!Source.ChosenKinds.Any()) return {};
    TRandomStream Random(Source.Seed);
    constexpr int32_t Attempts = 200;
    for (int32_t Attempt = 0; Attempt < Attempts; ++Attempt) {
        TBoardData Board = Source.Record.Tiles;
        for (int32_t X = 1; X <= BoardSize; ++X)
            for (int32_t Y = 1; Y <= BoardSize; ++Y)
                if (Source.ChosenKinds.At(X, Y)) Board.At(X, Y).LockerKind = 0;  // 0: not chosen yet, in no group
        bool Placed = true;
        for (int32_t X = 1; X <= BoardSize && Placed; ++X) {
            for (int32_t Y = 1; Y <= BoardSize && Placed; ++Y) {
                if (!Source.ChosenKinds.At(X, Y)) continue;
                uint8_t Order[3] = {1, 2, 3};
                for (int32_t I = 2; I > 0; --I) std::swap(Order[I], Order[Random.Next(I + 1)]);
                Placed = false;
                for (uint8_t Kind : Order) {
                    Board.At(X, Y).LockerKind = Kind;
                    if (!IsClosedLocker(Board.At(X, Y)) || LockerGroupSize(Board, {X, Y}) < 3) {
                        Placed = true;
                        break;
                    }
                }
            }
        }
        if (Placed && HasLockerMove(Board)) {
            Source.Record.Tiles = Board;
            Source.ChosenKinds.Clear();
            return {};
        }
    }
    return {Source.Problem(Source.BoardLine, "board-kinds",
                           "no choice of locker kinds for the x cells avoids a starting group and leaves a move; "
                           "draw some kinds by hand or try another Seed")};
}

std::vector<TLevelProblem> CheckLevelRules(const TLevelSource& Source) {
    std::vector<TLevelProblem> Problems;
    TRuleCheck Check{Source, Problems};
    CheckValues(Check);
    CheckBoard(Check);
    if (Source.Island == 1 && Source.Level == 1) CheckTutorialBoard(Check);
    if (Source.Island == 1) CheckIntroductions(Check);
    std::stable_sort(Problems.begin(), Problems.end(),
                     [](const TLevelProblem& A, const TLevelProblem& B) { return A.Line < B.Line; });
    return Problems;
}

std::vector<TLevelProblem> CheckIslandRules(const std::vector<TLevelSource>& Levels) {
    std::vector<TLevelProblem> Problems;
    // island -> level -> the source that has it
    std::map<int32_t, std::map<int32_t, const TLevelSource*>> Islands;
    for (const TLevelSource& Source : Levels) {
        int32_t Island = 0;
        int32_t Level = 0;
        if (!LevelNumbersFromName(Source.File, Island, Level)) {
            Problems.push_back(Source.Problem(0, "numbering", "a level's name is <island>-<NN>, for example 1-04"));
            continue;
        }
        if (Island < 1 || Island > LevelIslandCount) {
            Problems.push_back(Source.Problem(0, "numbering", "levels lie on islands 1 to 5, not " + std::to_string(Island)));
            continue;
        }
        if (Level < 1 || Level > IslandLevelCount(Island)) {
            Problems.push_back(Source.Problem(0, "numbering", "island " + std::to_string(Island) + " has " +
                                                                  std::to_string(IslandLevelCount(Island)) +
                                                                  " levels on the map; level " + std::to_string(Level) +
                                                                  " would have no dot"));
            continue;
        }
        const TLevelSource*& Slot = Islands[Island][Level];
        if (Slot != nullptr) {
            Problems.push_back(Source.Problem(0, "numbering", "island " + std::to_string(Island) + " level " +
                                                                  std::to_string(Level) + " is also " + Slot->File));
            continue;
        }
        Slot = &Source;
    }
    for (const auto& [Island, IslandLevels] : Islands) {
        const int32_t Last = IslandLevels.rbegin()->first;
        for (int32_t Level = 1; Level < Last; ++Level) {
            if (IslandLevels.count(Level) != 0) continue;
            const TLevelSource& Next = *IslandLevels.upper_bound(Level)->second;
            Problems.push_back(Next.Problem(0, "numbering", "level " + std::to_string(Level) + " of island " +
                                                                std::to_string(Island) +
                                                                " is missing: levels are numbered from 1 without a gap"));
        }
        const bool Complete = static_cast<int32_t>(IslandLevels.size()) == IslandLevelCount(Island);
        const TLevelSource& LastLevel = *IslandLevels.rbegin()->second;
        if (Complete && LastLevel.Record.Objective != goBeatMonster)
            Problems.push_back(LastLevel.Problem(LastLevel.LineOf("Objective"), "island-end",
                                                 "the last level of island " + std::to_string(Island) +
                                                     " must be a BeatMonster level: it completes the island and "
                                                     "opens the next story chapter"));
    }
    return Problems;
}

std::vector<TLevelProblem> CompileLevelSource(const std::string& Text, const std::string& FileName,
                                              TLevelSource& Source) {
    std::vector<TLevelProblem> Problems = ParseLevelSource(Text, FileName, Source);
    if (!Problems.empty()) return Problems;
    Problems = ChooseLockerKinds(Source);
    if (!Problems.empty()) return Problems;
    return CheckLevelRules(Source);
}
