#include "RoundLevelClass.h"

#include "GeneralRoutinesClass.h"
#include "MusicBoxClass.h"

bool StartRoundLevel(const TLevelStartContext& Context, TGameBoard& Board, TRoundLevel& Round) {
    if (!ReadRoundLevel(Context, Round)) return false;
    ApplyLevelToBoard(Round.Start, Board);
    return true;
}

bool ReadRoundLevel(const TLevelStartContext& Context, TRoundLevel& Round) {
    TLevelRecord Record;
    if (!LoadLevelFile(LevelFileName(Context.Island, Context.Level), Record)) return false;
    Round.Context = Context;
    Round.Record = Record;
    Round.Start = PrepareLevelStart(Record, Context);
    return true;
}

void ApplyLevelToBoard(const TLevelStart& Start, TGameBoard& Board) {
    const TLevelRecord& Values = Start.Values;
    Board.ResetForRound();
    Board.LoadBoardData(Values.Tiles);
    FruitColorCount = Values.FruitColorCount;
    ApplyBoardTuning(Values, Board);
    Board.MaxToolKind = Start.Tools.MaxToolKind;
    Board.ActiveMode = Start.BoardMode;
    // Contents are drawn last, so the new flower countdown uses this level's range.
    Board.RandomizeContents();
}

void ApplyBoardTuning(const TLevelRecord& Values, TGameBoard& Board) {
    Board.OneUniFruitEveryProb = Values.OneUniFruitEveryProb;
    Board.OneMultiBubbleEveryProb = Values.OneMultiBubbleEveryProb;
    Board.OneFruitBombEveryProb = Values.OneFruitBombEveryProb;
    Board.OneHammerEveryProb = Values.OneHammerEveryProb;
    Board.MaxUniFruitOnBoard = Values.MaxUniFruitOnBoard;
    Board.MaxMultiBubbleOnBoard = Values.MaxMultiBubbleOnBoard;
    Board.MaxFruitBombsOnBoard = Values.MaxFruitBombsOnBoard;
    Board.MaxHammersOnBoard = Values.MaxHammersOnBoard;
    Board.OneMagicKeyEveryProb = Values.OneMagicKeyEveryProb;
    Board.OneBroomEveryProb = Values.OneBroomEveryProb;
    Board.OneAerosolEveryProb = Values.OneAerosolEveryProb;
    Board.OneFlowerPerLockersMin = Values.OneFlowerPerLockersMin;
    Board.OneFlowerPerLockersMax = Values.OneFlowerPerLockersMax;
}

std::optional<int32_t> ReleaseRoundFeature(TRoundLevel& Round, THeldFeature Feature, TGameBoard& Board) {
    const std::optional<int32_t> Own = ReleaseHeldFeature(Round.Start, Round.Record, Feature);
    if (!Own) return Own;
    switch (Feature) {
        case hfUniFruits: Board.OneUniFruitEveryProb = *Own; break;
        case hfFruitBombs: Board.OneFruitBombEveryProb = *Own; break;
        case hfMultiBubbles: Board.OneMultiBubbleEveryProb = *Own; break;
        case hfBrooms: Board.OneBroomEveryProb = *Own; break;
        case hfMagicKeys: Board.OneMagicKeyEveryProb = *Own; break;
        case hfAerosols: Board.OneAerosolEveryProb = *Own; break;
        case hfHammers: Board.OneHammerEveryProb = *Own; break;
        // The spiders' and worms' values belong to the enemies; the round hands them on.
        case hfSpiderInterval:
        case hfWebs:
        case hfWormInterval: break;
    }
    return Own;
}

void SelectRoundMusic(const TLevelStart& Start, TMusicBox& MusicBox) {
    if (Start.MusicNumber != NoMusicNumber) MusicBox.SelectTrack(Start.MusicNumber);
}
