// Any byte sequence loaded as a level record: decoding never reads past the
// bytes, a record the game accepts goes through the whole level start safely,
// and its written source reads back to the same record.
#include <cstddef>
#include <cstdint>
#include <string>

#include "LevelFileClass.h"
#include "LevelSourceClass.h"
#include "LevelStartClass.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    TLevelRecord Record;
    if (!DecodeLevelRecord(Data, Size, Record)) return 0;
    if (!LevelRecordDamage(Record).empty()) return 0;

    for (int32_t Level : {1, 5, 9, 15}) {
        const TLevelStart Start = PrepareLevelStart(Record, {1, Level, static_cast<TToolKind>(Data[0] & 7), (Data[1] & 1) != 0});
        if (Start.Values.FruitCountTarget < 1 || Start.Values.Time < 1) __builtin_trap();
        TLevelStart Released = Start;
        for (int32_t Step = 0; Step <= 19; ++Step)
            if (const auto Feature = FeatureReleasedByTip(Step)) ReleaseHeldFeature(Released, Record, *Feature);
    }
    SilverReqTimeFor(Record.Time);
    GoldReqTimeFor(Record.Time);

    std::string Text;
    std::string Error;
    if (WriteLevelSource(Record, "fuzz", Text, Error)) {
        TLevelSource Source;
        if (!ParseLevelSource(Text, "1-01.lvl", Source).empty()) __builtin_trap();
        // A source keeps nothing of a position off the board, and no contents or blaster colours.
        for (int32_t X = 1; X <= BoardSize; ++X)
            for (int32_t Y = 1; Y <= BoardSize; ++Y) {
                TBoardTile& Tile = Record.Tiles.At(X, Y);
                if (Tile.Kind == okUnused) Tile = TBoardTile{okUnused, 1};
                Tile.Content = 1;
                Tile.BlasterColor = 1;
            }
        if (!(Source.Record == Record)) __builtin_trap();
    }
    return 0;
}
