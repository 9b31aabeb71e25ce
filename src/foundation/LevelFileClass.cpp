#include "LevelFileClass.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "ByteOrderClass.h"
#include "GeneralRoutinesClass.h"
#include "MessageBoxClass.h"

namespace {

constexpr size_t ObjectiveOffset = 0;
constexpr size_t TilesOffset = 4;
constexpr size_t LockerFramesOffset = 2004;
constexpr size_t LevelKindOffset = 2272;
// Bytes the game never reads: two integers after the shuffle count and one in the monster block.
constexpr size_t UnreadOffsets[] = {2116, 2120, 2220};
constexpr size_t MonsterAbsorbingTimeOffset = 2220;
constexpr int32_t MonsterAbsorbingTime = 7000;  // the absorbing phase is fixed; written for completeness

struct TIntField {
    size_t Offset;
    int32_t TLevelRecord::*Member;
};

constexpr TIntField IntFields[] = {
    {2104, &TLevelRecord::FruitColorCount},
    {2108, &TLevelRecord::Time},
    {2112, &TLevelRecord::FullRequiredFruits},
    {2124, &TLevelRecord::OneUniFruitEveryProb},
    {2128, &TLevelRecord::OneMultiBubbleEveryProb},
    {2132, &TLevelRecord::OneFruitBombEveryProb},
    {2136, &TLevelRecord::OneHammerEveryProb},
    {2156, &TLevelRecord::OneMagicKeyEveryProb},
    {2160, &TLevelRecord::OneBroomEveryProb},
    {2164, &TLevelRecord::OneAerosolEveryProb},
    {2168, &TLevelRecord::FruitCountTarget},
    {2172, &TLevelRecord::TargetBananas},
    {2176, &TLevelRecord::TargetStrawberries},
    {2180, &TLevelRecord::TargetApples},
    {2184, &TLevelRecord::TargetPlums},
    {2188, &TLevelRecord::TargetGrapes},
    {2192, &TLevelRecord::TargetOranges},
    {2196, &TLevelRecord::TargetSpidersToHunt},
    {2200, &TLevelRecord::MonsterEnergy},
    {2204, &TLevelRecord::MonsterRefTimeForAbsorbAttempt},
    {2208, &TLevelRecord::MonsterHitsToCancelAbsorbAttempt},
    {2212, &TLevelRecord::MonsterOneAbsorbedTime},
    {2216, &TLevelRecord::MonsterPreparingTime},
    {2224, &TLevelRecord::MonsterFinishingTime},
    {2228, &TLevelRecord::FlowerSlots},
    {2232, &TLevelRecord::OneFlowerPerLockersMin},
    {2236, &TLevelRecord::OneFlowerPerLockersMax},
    {2240, &TLevelRecord::SpiderFruitsInterval},
    {2244, &TLevelRecord::MaxSpidersOnBoard},
    {2248, &TLevelRecord::MaxWebs},
    {2252, &TLevelRecord::OneWebEveryProb},
    {2256, &TLevelRecord::WormFruitsInterval},
    {2260, &TLevelRecord::MaxWormsOnBoard},
    {2264, &TLevelRecord::MaxEatenFruits},
    {2268, &TLevelRecord::OneEntryEveryProb},
};

// The four maxima keep their value in the first byte of a 4-byte slot.
struct TByteField {
    size_t Offset;
    uint8_t TLevelRecord::*Member;
};

constexpr TByteField ByteFields[] = {
    {2140, &TLevelRecord::MaxUniFruitOnBoard},
    {2144, &TLevelRecord::MaxMultiBubbleOnBoard},
    {2148, &TLevelRecord::MaxFruitBombsOnBoard},
    {2152, &TLevelRecord::MaxHammersOnBoard},
};

size_t FrameIndex(int32_t X, int32_t Y) { return static_cast<size_t>((X - 1) * BoardSize + (Y - 1)); }

const char* const MessageCaption = "Quellow";

std::string TileName(int32_t X, int32_t Y) { return "tile (" + std::to_string(X) + ", " + std::to_string(Y) + ")"; }

}  // namespace

int32_t IslandLevelCount(int32_t Island) {
    static constexpr int32_t Counts[LevelIslandCount] = {15, 18, 20, 22, 25};
    return Island >= 1 && Island <= LevelIslandCount ? Counts[Island - 1] : 0;
}

bool DecodeLevelRecord(const uint8_t* Bytes, size_t Size, TLevelRecord& Record) {
    if (Bytes == nullptr || Size < LevelRecordBytes) return false;
    Record.Objective = static_cast<TGameObjective>(Bytes[ObjectiveOffset]);
    ReadBoardData(Bytes + TilesOffset, Record.Tiles);
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y)
            Record.LockerFrames.At(X, Y) = Bytes[LockerFramesOffset + FrameIndex(X, Y)] != 0;
    for (const TIntField& Field : IntFields) Record.*Field.Member = ReadInt32LE(Bytes + Field.Offset);
    for (const TByteField& Field : ByteFields) Record.*Field.Member = Bytes[Field.Offset];
    Record.LevelKind = static_cast<TLevelKind>(Bytes[LevelKindOffset]);
    return true;
}

void EncodeLevelRecord(const TLevelRecord& Record, uint8_t* Bytes) {
    std::memset(Bytes, 0, LevelRecordBytes);
    Bytes[ObjectiveOffset] = static_cast<uint8_t>(Record.Objective);
    WriteBoardData(Bytes + TilesOffset, Record.Tiles);
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y)
            Bytes[LockerFramesOffset + FrameIndex(X, Y)] = Record.LockerFrames.At(X, Y) ? 1 : 0;
    for (const TIntField& Field : IntFields) WriteInt32LE(Bytes + Field.Offset, Record.*Field.Member);
    for (const TByteField& Field : ByteFields) Bytes[Field.Offset] = Record.*Field.Member;
    for (size_t Offset : UnreadOffsets) WriteInt32LE(Bytes + Offset, 0);
    WriteInt32LE(Bytes + MonsterAbsorbingTimeOffset, MonsterAbsorbingTime);
    Bytes[LevelKindOffset] = static_cast<uint8_t>(Record.LevelKind);
}

std::string LevelRecordDamage(const TLevelRecord& Record) {
    if (Record.Objective >= GameObjectiveCount) return "objective " + std::to_string(Record.Objective);
    if (Record.LevelKind > lkChallenge) return "level kind " + std::to_string(Record.LevelKind);
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            const TBoardTile& Tile = Record.Tiles.At(X, Y);
            if (Tile.Kind > okUnused) return TileName(X, Y) + " kind " + std::to_string(Tile.Kind);
            // Lockers and opened tiles draw their box by kind; every other tile ignores it.
            if ((Tile.Kind == okLocker || Tile.Kind == okFruit) && (Tile.LockerKind < 1 || Tile.LockerKind > 3))
                return TileName(X, Y) + " locker kind " + std::to_string(Tile.LockerKind);
            if (Tile.WormState > WormStateEaten) return TileName(X, Y) + " worm state " + std::to_string(Tile.WormState);
        }
    }
    if (Record.FruitColorCount < 1 || Record.FruitColorCount > 6)
        return "fruit colour count " + std::to_string(Record.FruitColorCount);
    // The round timer counts the limit in milliseconds in a 32-bit integer.
    if (Record.Time < 1 || Record.Time > 2147483) return "time limit " + std::to_string(Record.Time);
    if (Record.FullRequiredFruits < 1) return "shuffle fruit count " + std::to_string(Record.FullRequiredFruits);
    if (Record.FruitCountTarget < 1) return "fruit target " + std::to_string(Record.FruitCountTarget);
    if (Record.MonsterEnergy < 1) return "monster energy " + std::to_string(Record.MonsterEnergy);
    if (Record.FlowerSlots < 0 || Record.FlowerSlots > 6) return "flower count " + std::to_string(Record.FlowerSlots);
    return "";
}

int32_t SilverReqTimeFor(int32_t Time) { return Round(Time * 0.65); }
int32_t GoldReqTimeFor(int32_t Time) { return Round(Time * 0.4); }

TLevelReadResult ReadLevelFile(const std::string& FileName, TLevelRecord& Record, std::string& Problem) {
    Problem.clear();
    std::error_code Error;
    if (!std::filesystem::exists(FileName, Error)) {
        Problem = "Level file not found: " + FileName;
        return TLevelReadResult::NotFound;
    }
    std::ifstream File(FileName, std::ios::binary);
    if (!File || std::filesystem::is_directory(FileName, Error)) {
        Problem = "Level file cannot be read: " + FileName;
        return TLevelReadResult::Unreadable;
    }
    // Only the first record counts; a longer file is read up to its end.
    std::vector<uint8_t> Bytes(LevelRecordBytes);
    File.read(reinterpret_cast<char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
    const size_t Got = static_cast<size_t>(File.gcount());
    if (File.bad()) {
        Problem = "Level file cannot be read: " + FileName;
        return TLevelReadResult::Unreadable;
    }
    if (Got < LevelRecordBytes) {
        Problem = "Level file is too short: " + FileName + " (" + std::to_string(Got) + " of " +
                  std::to_string(LevelRecordBytes) + " bytes)";
        return TLevelReadResult::TooShort;
    }
    TLevelRecord Loaded;
    DecodeLevelRecord(Bytes.data(), Bytes.size(), Loaded);
    const std::string Damage = LevelRecordDamage(Loaded);
    if (!Damage.empty()) {
        Problem = "Level file is damaged: " + FileName + " (" + Damage + ")";
        return TLevelReadResult::Damaged;
    }
    Record = Loaded;
    return TLevelReadResult::Loaded;
}

bool LoadLevelFile(const std::string& FileName, TLevelRecord& Record) {
    std::string Problem;
    if (ReadLevelFile(FileName, Record, Problem) == TLevelReadResult::Loaded) return true;
    ShowMessageBox(Problem, MessageCaption, TMessageBoxIcon::Error);
    return false;
}

bool WriteLevelFile(const std::string& FileName, const TLevelRecord& Record, std::string& Error) {
    std::vector<uint8_t> Bytes(LevelRecordBytes);
    EncodeLevelRecord(Record, Bytes.data());
    const std::string Temporary = FileName + ".tmp";
    {
        std::ofstream File(Temporary, std::ios::binary | std::ios::trunc);
        File.write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
        File.flush();
        if (!File) {
            Error = "cannot write " + Temporary + ": " + std::strerror(errno);
            std::error_code Ignored;
            std::filesystem::remove(Temporary, Ignored);
            return false;
        }
    }
    std::error_code RenameError;
    std::filesystem::rename(Temporary, FileName, RenameError);
    if (RenameError) {
        Error = "cannot replace " + FileName + ": " + RenameError.message();
        std::error_code Ignored;
        std::filesystem::remove(Temporary, Ignored);
        return false;
    }
    return true;
}

TLevelSummary ScanLevelFile(const std::string& FileName) {
    TLevelSummary Summary;
    std::error_code Error;
    if (!std::filesystem::exists(FileName, Error)) return Summary;
    Summary.Exists = true;
    TLevelRecord Record;
    std::string Problem;
    if (ReadLevelFile(FileName, Record, Problem) != TLevelReadResult::Loaded) return Summary;
    Summary.Playable = true;
    Summary.Objective = Record.Objective;
    Summary.LevelKind = Record.LevelKind;
    Summary.Time = Record.Time;
    Summary.SilverReqTime = SilverReqTimeFor(Record.Time);
    Summary.GoldReqTime = GoldReqTimeFor(Record.Time);
    return Summary;
}

TLevelSummary ScanLevel(int32_t Island, int32_t Level) { return ScanLevelFile(LevelFileName(Island, Level)); }
