#include "LevelSourceClass.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <limits>
#include <set>
#include <sstream>

namespace {

enum class TFieldType { Int, Byte, Objective, LevelKind, Seed, Board };

struct TSourceField {
    const char* Name;
    TFieldType Type;
    int32_t TLevelRecord::*Int = nullptr;
    uint8_t TLevelRecord::*Byte = nullptr;
};

// Every value a source may hold. The groups and their order are those a written source uses.
struct TFieldGroup {
    const char* Comment;
    std::vector<TSourceField> Fields;
};

const std::vector<TFieldGroup>& FieldGroups() {
    using R = TLevelRecord;
    static const std::vector<TFieldGroup> Groups = {
        {nullptr,
         {{"Objective", TFieldType::Objective},
          {"LevelKind", TFieldType::LevelKind},
          {"FruitColorCount", TFieldType::Int, &R::FruitColorCount},
          {"Time", TFieldType::Int, &R::Time},
          {"FullRequiredFruits", TFieldType::Int, &R::FullRequiredFruits}}},
        {"What the objective asks for (colours: 1 bananas, 2 strawberries, 3 apples, 4 grapes, 5 oranges, 6 plums)",
         {{"FruitCountTarget", TFieldType::Int, &R::FruitCountTarget},
          {"TargetBananas", TFieldType::Int, &R::TargetBananas},
          {"TargetStrawberries", TFieldType::Int, &R::TargetStrawberries},
          {"TargetApples", TFieldType::Int, &R::TargetApples},
          {"TargetGrapes", TFieldType::Int, &R::TargetGrapes},
          {"TargetOranges", TFieldType::Int, &R::TargetOranges},
          {"TargetPlums", TFieldType::Int, &R::TargetPlums},
          {"TargetSpidersToHunt", TFieldType::Int, &R::TargetSpidersToHunt}}},
        {"Specials new lockers bring: one in P (0 never), at most Max on the board",
         {{"OneUniFruitEveryProb", TFieldType::Int, &R::OneUniFruitEveryProb},
          {"MaxUniFruitOnBoard", TFieldType::Byte, nullptr, &R::MaxUniFruitOnBoard},
          {"OneMultiBubbleEveryProb", TFieldType::Int, &R::OneMultiBubbleEveryProb},
          {"MaxMultiBubbleOnBoard", TFieldType::Byte, nullptr, &R::MaxMultiBubbleOnBoard},
          {"OneFruitBombEveryProb", TFieldType::Int, &R::OneFruitBombEveryProb},
          {"MaxFruitBombsOnBoard", TFieldType::Byte, nullptr, &R::MaxFruitBombsOnBoard},
          {"OneHammerEveryProb", TFieldType::Int, &R::OneHammerEveryProb},
          {"MaxHammersOnBoard", TFieldType::Byte, nullptr, &R::MaxHammersOnBoard}}},
        {"Tools hidden in new lockers: one in P (0 never)",
         {{"OneMagicKeyEveryProb", TFieldType::Int, &R::OneMagicKeyEveryProb},
          {"OneBroomEveryProb", TFieldType::Int, &R::OneBroomEveryProb},
          {"OneAerosolEveryProb", TFieldType::Int, &R::OneAerosolEveryProb}}},
        {"Flowers: how many the level needs; locker checks between two flowers",
         {{"FlowerSlots", TFieldType::Int, &R::FlowerSlots},
          {"OneFlowerPerLockersMin", TFieldType::Int, &R::OneFlowerPerLockersMin},
          {"OneFlowerPerLockersMax", TFieldType::Int, &R::OneFlowerPerLockersMax}}},
        {"Spiders: a wave every N landed fruits (0 none), spiders per wave, webs allowed, a web one step in P",
         {{"SpiderFruitsInterval", TFieldType::Int, &R::SpiderFruitsInterval},
          {"MaxSpidersOnBoard", TFieldType::Int, &R::MaxSpidersOnBoard},
          {"MaxWebs", TFieldType::Int, &R::MaxWebs},
          {"OneWebEveryProb", TFieldType::Int, &R::OneWebEveryProb}}},
        {"Worms: a wave every N landed fruits (0 none), worms per wave, most fruits eaten, entering a fruit one in P",
         {{"WormFruitsInterval", TFieldType::Int, &R::WormFruitsInterval},
          {"MaxWormsOnBoard", TFieldType::Int, &R::MaxWormsOnBoard},
          {"MaxEatenFruits", TFieldType::Int, &R::MaxEatenFruits},
          {"OneEntryEveryProb", TFieldType::Int, &R::OneEntryEveryProb}}},
        {"The island's monster: hits to beat it; ms between absorbing tries; hits that stop a try; "
         "seconds taken per try; ms facing the player before and after",
         {{"MonsterEnergy", TFieldType::Int, &R::MonsterEnergy},
          {"MonsterRefTimeForAbsorbAttempt", TFieldType::Int, &R::MonsterRefTimeForAbsorbAttempt},
          {"MonsterHitsToCancelAbsorbAttempt", TFieldType::Int, &R::MonsterHitsToCancelAbsorbAttempt},
          {"MonsterOneAbsorbedTime", TFieldType::Int, &R::MonsterOneAbsorbedTime},
          {"MonsterPreparingTime", TFieldType::Int, &R::MonsterPreparingTime},
          {"MonsterFinishingTime", TFieldType::Int, &R::MonsterFinishingTime}}},
        {nullptr, {{"Seed", TFieldType::Seed}, {"Board", TFieldType::Board}}},
    };
    return Groups;
}

const TSourceField* FindField(const std::string& Name) {
    for (const TFieldGroup& Group : FieldGroups())
        for (const TSourceField& Field : Group.Fields)
            if (Name == Field.Name) return &Field;
    return nullptr;
}

std::string Lower(std::string S) {
    for (char& C : S) C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
    return S;
}

const TSourceField* FindFieldIgnoringCase(const std::string& Name) {
    for (const TFieldGroup& Group : FieldGroups())
        for (const TSourceField& Field : Group.Fields)
            if (Lower(Name) == Lower(Field.Name)) return &Field;
    return nullptr;
}

constexpr const char* RequiredFields[] = {"Objective", "FruitColorCount", "Time", "FullRequiredFruits", "Board"};

const char* const ObjectiveNames[GameObjectiveCount] = {"TargetFruits", "CollectFruits", "BeatMonster", "FindFlowers",
                                                        "ClearTiles",   "BonusStage",    "SpiderHunt"};
const char* const LevelKindNames[3] = {"Normal", "Action", "Challenge"};

std::string Trim(const std::string& S) {
    const size_t First = S.find_first_not_of(" \t\r");
    if (First == std::string::npos) return "";
    const size_t Last = S.find_last_not_of(" \t\r");
    return S.substr(First, Last - First + 1);
}

bool ParseInteger(const std::string& Text, int64_t Min, int64_t Max, int64_t& Value) {
    if (Text.empty()) return false;
    errno = 0;
    char* End = nullptr;
    const long long Parsed = std::strtoll(Text.c_str(), &End, 10);
    if (errno != 0 || End == Text.c_str() || *End != '\0') return false;
    if (Parsed < Min || Parsed > Max) return false;
    Value = Parsed;
    return true;
}

bool ParseSeed(const std::string& Text, uint64_t& Value) {
    if (Text.empty() || !std::isdigit(static_cast<unsigned char>(Text[0]))) return false;
    errno = 0;
    char* End = nullptr;
    const unsigned long long Parsed = std::strtoull(Text.c_str(), &End, 10);
    if (errno != 0 || *End != '\0') return false;
    Value = Parsed;
    return true;
}

std::string Quoted(const std::string& S) { return "\"" + S + "\""; }

// One board cell: '.' not on the board, or 1, 2, 3 or x (kind chosen by the compiler)
// followed by any of o (opened), w (webbed), f (inside a locker frame).
bool ParseCell(const std::string& Token, TBoardTile& Tile, bool& Chosen, bool& Frame, std::string& Why) {
    Tile = TBoardTile{};
    Chosen = false;
    Frame = false;
    if (Token == ".") {
        Tile.Kind = okUnused;
        return true;
    }
    const char Head = Token[0];
    if (Head >= '1' && Head <= '3') {
        Tile.LockerKind = static_cast<uint8_t>(Head - '0');
    } else if (Head == 'x') {
        Chosen = true;
    } else {
        Why = "starts with " + Quoted(std::string(1, Head)) + "; a cell is . or a locker kind 1, 2, 3 or x";
        return false;
    }
    std::set<char> Seen;
    for (size_t I = 1; I < Token.size(); ++I) {
        const char Mark = Token[I];
        if (!Seen.insert(Mark).second) {
            Why = "has " + Quoted(std::string(1, Mark)) + " twice";
            return false;
        }
        switch (Mark) {
            case 'o': Tile.Kind = okFruit; break;
            case 'w': Tile.Web = true; break;
            case 'f': Frame = true; break;
            default:
                Why = "has " + Quoted(std::string(1, Mark)) + "; after the kind come o (opened), w (web), f (frame)";
                return false;
        }
    }
    return true;
}

std::vector<std::string> SplitWords(const std::string& Line) {
    std::istringstream Stream(Line);
    std::vector<std::string> Words;
    std::string Word;
    while (Stream >> Word) Words.push_back(Word);
    return Words;
}

}  // namespace

std::string TLevelProblem::Text() const {
    std::string Result = File;
    if (Line > 0) Result += ":" + std::to_string(Line);
    return Result + ": " + Message + " [" + Rule + "]";
}

int32_t TLevelSource::LineOf(const std::string& Field) const {
    const auto It = FieldLines.find(Field);
    return It != FieldLines.end() ? It->second : BoardLine;
}

int32_t TLevelSource::LineOfRow(int32_t Y) const {
    return Y >= 1 && Y <= BoardSize && RowLines[Y - 1] > 0 ? RowLines[Y - 1] : BoardLine;
}

TLevelProblem TLevelSource::Problem(int32_t Line, const std::string& Rule, const std::string& Message) const {
    return TLevelProblem{File, Line, Rule, Message};
}

bool LevelNumbersFromName(const std::string& FileName, int32_t& Island, int32_t& Level) {
    const size_t Slash = FileName.find_last_of('/');
    const std::string Name = Slash == std::string::npos ? FileName : FileName.substr(Slash + 1);
    // "<island>-<NN>." : one digit, a dash, two digits, a dot.
    if (Name.size() < 5 || !std::isdigit(static_cast<unsigned char>(Name[0])) || Name[1] != '-' ||
        !std::isdigit(static_cast<unsigned char>(Name[2])) || !std::isdigit(static_cast<unsigned char>(Name[3])) ||
        Name[4] != '.')
        return false;
    Island = Name[0] - '0';
    Level = (Name[2] - '0') * 10 + (Name[3] - '0');
    return true;
}

std::vector<TLevelProblem> ParseLevelSource(const std::string& Text, const std::string& FileName,
                                            TLevelSource& Source) {
    Source = TLevelSource{};
    Source.File = FileName;
    std::vector<TLevelProblem> Problems;
    auto Fail = [&](int32_t Line, const std::string& Message) {
        Problems.push_back({FileName, Line, "syntax", Message});
    };
    if (!LevelNumbersFromName(FileName, Source.Island, Source.Level)) {
        Source.Island = 0;
        Source.Level = 0;
    }
    Source.Seed = static_cast<uint64_t>(Source.Island) * 100 + static_cast<uint64_t>(Source.Level);

    // Editors may save a byte order mark in front of the first line.
    const std::string ByteOrderMark = "\xEF\xBB\xBF";
    std::istringstream Stream(Text.rfind(ByteOrderMark, 0) == 0 ? Text.substr(ByteOrderMark.size()) : Text);
    std::string RawLine;
    int32_t LineNumber = 0;
    int32_t BoardRowsRead = -1;  // -1: no board yet; 0..10 rows read so far
    while (std::getline(Stream, RawLine)) {
        ++LineNumber;
        const size_t Hash = RawLine.find('#');
        const std::string Line = Trim(Hash == std::string::npos ? RawLine : RawLine.substr(0, Hash));
        if (Line.empty()) continue;

        if (BoardRowsRead >= 0 && BoardRowsRead < BoardSize) {
            const int32_t Y = BoardRowsRead + 1;
            ++BoardRowsRead;
            Source.RowLines[Y - 1] = LineNumber;
            const std::vector<std::string> Cells = SplitWords(Line);
            if (Cells.size() != static_cast<size_t>(BoardSize)) {
                Fail(LineNumber, "board row " + std::to_string(Y) + " has " + std::to_string(Cells.size()) +
                                     " cells, expected 10");
                continue;
            }
            for (int32_t X = 1; X <= BoardSize; ++X) {
                bool Chosen = false;
                bool Frame = false;
                std::string Why;
                if (!ParseCell(Cells[static_cast<size_t>(X - 1)], Source.Record.Tiles.At(X, Y), Chosen, Frame, Why)) {
                    Fail(LineNumber, "board cell " + Quoted(Cells[static_cast<size_t>(X - 1)]) + " at (" +
                                         std::to_string(X) + ", " + std::to_string(Y) + ") " + Why);
                    continue;
                }
                Source.ChosenKinds.At(X, Y) = Chosen;
                Source.Record.LockerFrames.At(X, Y) = Frame;
            }
            continue;
        }

        const size_t Equals = Line.find('=');
        if (Equals == std::string::npos) {
            Fail(LineNumber, "expected \"Name = value\", found " + Quoted(Line));
            continue;
        }
        const std::string Name = Trim(Line.substr(0, Equals));
        const std::string Value = Trim(Line.substr(Equals + 1));
        const TSourceField* Field = FindField(Name);
        if (Field == nullptr) {
            const TSourceField* Near = FindFieldIgnoringCase(Name);
            Fail(LineNumber, "unknown value " + Quoted(Name) +
                                 (Near != nullptr ? std::string("; did you mean ") + Quoted(Near->Name) + "?" : ""));
            continue;
        }
        if (Source.FieldLines.count(Name) != 0) {
            Fail(LineNumber, Quoted(Name) + " is given twice (first on line " +
                                 std::to_string(Source.FieldLines[Name]) + ")");
            continue;
        }
        Source.FieldLines[Name] = LineNumber;

        int64_t Number = 0;
        switch (Field->Type) {
            case TFieldType::Int:
                if (!ParseInteger(Value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(),
                                  Number))
                    Fail(LineNumber, Name + " needs a whole number, found " + Quoted(Value));
                else
                    Source.Record.*Field->Int = static_cast<int32_t>(Number);
                break;
            case TFieldType::Byte:
                if (!ParseInteger(Value, 0, 255, Number))
                    Fail(LineNumber, Name + " needs a whole number from 0 to 255, found " + Quoted(Value));
                else
                    Source.Record.*Field->Byte = static_cast<uint8_t>(Number);
                break;
            case TFieldType::Objective: {
                const auto It = std::find_if(std::begin(ObjectiveNames), std::end(ObjectiveNames),
                                             [&](const char* N) { return Value == N; });
                if (It == std::end(ObjectiveNames))
                    Fail(LineNumber, "Objective " + Quoted(Value) +
                                         " is none of TargetFruits, CollectFruits, BeatMonster, FindFlowers, "
                                         "ClearTiles, SpiderHunt");
                else
                    Source.Record.Objective = static_cast<TGameObjective>(It - std::begin(ObjectiveNames));
                break;
            }
            case TFieldType::LevelKind: {
                const auto It = std::find_if(std::begin(LevelKindNames), std::end(LevelKindNames),
                                             [&](const char* N) { return Value == N; });
                if (It == std::end(LevelKindNames))
                    Fail(LineNumber, "LevelKind " + Quoted(Value) + " is none of Normal, Action, Challenge");
                else
                    Source.Record.LevelKind = static_cast<TLevelKind>(It - std::begin(LevelKindNames));
                break;
            }
            case TFieldType::Seed:
                if (!ParseSeed(Value, Source.Seed)) Fail(LineNumber, "Seed needs a whole number of 0 or more");
                break;
            case TFieldType::Board:
                if (!Value.empty()) Fail(LineNumber, "the board's rows follow on the next lines, not after \"Board =\"");
                Source.BoardLine = LineNumber;
                BoardRowsRead = 0;
                break;
        }
    }
    if (BoardRowsRead >= 0 && BoardRowsRead < BoardSize)
        Fail(LineNumber, "the board has " + std::to_string(BoardRowsRead) + " rows, expected 10");
    for (const char* Required : RequiredFields)
        if (Source.FieldLines.count(Required) == 0) Fail(0, std::string("no ") + Required + " given");
    return Problems;
}

TLevelSource SourceFromRecord(const TLevelRecord& Record, const std::string& FileName) {
    TLevelSource Source;
    Source.File = FileName;
    if (!LevelNumbersFromName(FileName, Source.Island, Source.Level)) {
        Source.Island = 0;
        Source.Level = 0;
    }
    Source.Record = Record;
    return Source;
}

const char* ObjectiveSourceName(TGameObjective Objective) {
    return Objective < GameObjectiveCount ? ObjectiveNames[Objective] : "?";
}

const char* LevelKindSourceName(TLevelKind Kind) { return Kind <= lkChallenge ? LevelKindNames[Kind] : "?"; }

bool WriteLevelSource(const TLevelRecord& Record, const std::string& Title, std::string& Text, std::string& Error) {
    const std::string Damage = LevelRecordDamage(Record);
    if (!Damage.empty()) {
        Error = "the record cannot be played: " + Damage;
        return false;
    }
    std::string BoardRows;
    for (int32_t Y = 1; Y <= BoardSize; ++Y) {
        std::string Row = " ";
        for (int32_t X = 1; X <= BoardSize; ++X) {
            const TBoardTile& Tile = Record.Tiles.At(X, Y);
            const std::string Where = "tile (" + std::to_string(X) + ", " + std::to_string(Y) + ")";
            std::string Cell;
            if (Tile.Kind == okUnused) {
                if (Tile.Web || Record.LockerFrames.At(X, Y)) {
                    Error = Where + " is not on the board but has a web or a frame";
                    return false;
                }
                Cell = ".";
            } else if (Tile.Kind == okLocker || Tile.Kind == okFruit) {
                if (Tile.Bomb || Tile.WormState != WormStateNone || Tile.WormTime != 0 || Tile.DropOffset != 0) {
                    Error = Where + " starts with a bomb, a worm or a fall, which a source cannot draw";
                    return false;
                }
                Cell = std::to_string(Tile.LockerKind);
                if (Tile.Kind == okFruit) Cell += 'o';
                if (Tile.Web) Cell += 'w';
                if (Record.LockerFrames.At(X, Y)) Cell += 'f';
            } else {
                Error = Where + " is a blank or a blocker, which a source cannot draw";
                return false;
            }
            Row += " " + Cell + std::string(Cell.size() < 3 ? 3 - Cell.size() : 0, ' ');
        }
        while (Row.back() == ' ') Row.pop_back();
        BoardRows += Row + "\n";
    }

    std::ostringstream Out;
    Out << "# " << Title << "\n";
    Out << "# Fruits and blaster colours are drawn when the level starts, so a source does not hold them.\n";
    for (const TFieldGroup& Group : FieldGroups()) {
        Out << "\n";
        if (Group.Comment != nullptr) Out << "# " << Group.Comment << "\n";
        for (const TSourceField& Field : Group.Fields) {
            switch (Field.Type) {
                case TFieldType::Int: Out << Field.Name << " = " << Record.*Field.Int << "\n"; break;
                case TFieldType::Byte: Out << Field.Name << " = " << int(Record.*Field.Byte) << "\n"; break;
                case TFieldType::Objective:
                    Out << Field.Name << " = " << ObjectiveSourceName(Record.Objective) << "\n";
                    break;
                case TFieldType::LevelKind:
                    Out << Field.Name << " = " << LevelKindSourceName(Record.LevelKind) << "\n";
                    break;
                case TFieldType::Seed: break;  // every kind is written out; nothing is left to choose
                case TFieldType::Board:
                    Out << "# . not on the board; 1, 2, 3 a closed locker of that kind;"
                           " then o opened, w webbed, f inside a locker frame\n";
                    Out << "Board =\n" << BoardRows;
                    break;
            }
        }
    }
    Text = Out.str();
    return true;
}
