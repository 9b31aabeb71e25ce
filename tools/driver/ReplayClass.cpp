#include "ReplayClass.h"

#include <cinttypes>
#include <cstdio>
#include <sstream>

#include "FormMainClass.h"

namespace {

bool ParsePoint(const std::string& Word, TPoint& P) {
    int X = 0, Y = 0;
    char Tail = 0;
    if (std::sscanf(Word.c_str(), "%d,%d%c", &X, &Y, &Tail) != 2 || !IsBoardPos(X, Y)) return false;
    P = {X, Y};
    return true;
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

std::string TReplay::ToText() const {
    std::string Text = "quellow replay\nlevel " + LevelName(Island, Level) + "\nseed " + std::to_string(Seed) + "\n";
    for (const TReplayMove& Move : Moves) {
        char Line[64];
        std::snprintf(Line, sizeof(Line), "move %d %d,%d %d,%d\n", Move.Frame, Move.Tile1Pos.X, Move.Tile1Pos.Y,
                      Move.Tile2Pos.X, Move.Tile2Pos.Y);
        Text += Line;
    }
    return Text;
}

bool TReplay::FromText(const std::string& Text, TReplay& Replay, std::string& Error) {
    TReplay Read;
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
        std::string Key;
        if (!(Words >> Key)) continue;
        if (!HaveHeader) {
            if (Line != "quellow replay") return Fail("not a replay (it starts with \"quellow replay\")");
            HaveHeader = true;
            continue;
        }
        std::string A, B, C, Extra;
        Words >> A >> B >> C;
        if (Words >> Extra) return Fail("too many words");
        if (Key == "level") {
            if (!ParseLevelName(A, Read.Island, Read.Level) || !B.empty()) return Fail("level wants I-LL, as 1-01");
            HaveLevel = true;
        } else if (Key == "seed") {
            char Tail = 0;
            uintmax_t Seed = 0;
            if (!B.empty() || A.empty() || A[0] == '-' || std::sscanf(A.c_str(), "%ju%c", &Seed, &Tail) != 1)
                return Fail("seed wants a whole number");
            Read.Seed = static_cast<uint64_t>(Seed);
            HaveSeed = true;
        } else if (Key == "move") {
            TReplayMove Move;
            char Tail = 0;
            if (std::sscanf(A.c_str(), "%d%c", &Move.Frame, &Tail) != 1 || Move.Frame < 0 ||
                !ParsePoint(B, Move.Tile1Pos) || !ParsePoint(C, Move.Tile2Pos))
                return Fail("move wants a frame and two tiles, as: move 120 3,4 4,4");
            if (!Read.Moves.empty() && Move.Frame < Read.Moves.back().Frame) return Fail("moves go back in time");
            Read.Moves.push_back(Move);
        } else {
            return Fail("unknown entry \"" + Key + "\"");
        }
    }
    if (!HaveHeader) return Fail("empty");
    if (!HaveLevel || !HaveSeed) return Fail("the level or the seed is missing");
    Replay = std::move(Read);
    return true;
}

bool TReplayPlayer::Act(TFormMain& Form, int32_t Frame) {
    while (FNext < FReplay.Moves.size() && FReplay.Moves[FNext].Frame <= Frame) {
        const TReplayMove& Move = FReplay.Moves[FNext++];
        // A board that is not shown takes no presses: no player could have made the move.
        const TGameBoard& Board = *Form.GameBoard;
        if (Move.Frame < Frame || !Board.CanDraw || !Board.Visible) return false;
        if (!Form.GameBoard->SwapTiles(Move.Tile1Pos, Move.Tile2Pos)) return false;
    }
    return true;
}
