// Swap and match in the round: the board asks for a swap, the swap effect slides
// the pair and hands it back to be written into the board; matched fruits swell
// out with the grouping effect and are handed on, tile by tile, to leave the board.
#include "FormMainClass.h"

void TFormMain::WireSwapEffects() {
    SwapEffect = std::make_unique<TSwapEffect>();
    GroupedFruitsEffect = std::make_unique<TGroupedFruitsEffect>();
    MatchedCyanEffect = std::make_unique<TMatchedCyanEffect>();
    SwapEffect->OmgImgList = &OmegaImageList1;
    GroupedFruitsEffect->OmgImgList = &OmegaImageList1;
    MatchedCyanEffect->OmgImgList = &OmegaImageList1;
    SwapEffect->Left = GroupedFruitsEffect->Left = MatchedCyanEffect->Left = GameBoard->Left;
    SwapEffect->Top = GroupedFruitsEffect->Top = MatchedCyanEffect->Top = GameBoard->Top;

    GameBoard->OnSwapEffectRequest = [this](TObject*, TSwappedObjectsData Data, bool MatchOccurs) {
        SwapEffect->StartSwap(Data, MatchOccurs);
    };
    SwapEffect->OnEffectComplete = [this](TObject*, TTileObjectKind Kind, TPoint Object1Pos, TPoint Object2Pos) {
        SwapComplete(Kind, Object1Pos, Object2Pos);
    };
    SwapEffect->OnSwapBackComplete = [this](TObject*, TTileObjectKind Kind, TPoint Object1Pos, TPoint Object2Pos) {
        SwapBackComplete(Kind, Object1Pos, Object2Pos);
    };
    GameBoard->OnGroupedFruitsEffectRequest = [this](TObject*, TBoardData NewBoardData,
                                                     TSimpleObjectArray GroupedFruits, bool CheckCombos,
                                                     TPoint SwappedTilePos) {
        GroupedFruitsRequested(NewBoardData, GroupedFruits, CheckCombos, SwappedTilePos);
    };
    GroupedFruitsEffect->OnGroupingEffectComplete = [this](TObject*, TBoardData BoardDataTmp,
                                                           TSimpleObjectArray GroupedFruits) {
        GroupingComplete(BoardDataTmp, GroupedFruits);
    };
    GroupedFruitsEffect->OnNewToolAcquired = [this](TObject*, TPoint TilePos, int32_t AToolIdx) {
        NewToolAcquired(TilePos, AToolIdx);
    };
    GroupedFruitsEffect->OnNewFlowerAcquired = [this](TObject*, TPoint TilePos) { NewFlowerAcquired(TilePos); };

    // The worm driven off a matched fruit is the worms' own (FormMainWorms.cpp), the
    // web torn off a matched tile the spiders' (FormMainSpiders.cpp). A move makes the
    // hint she was going to show stale: the tutorial's no-match handlers (FormMainTutorial.cpp).
}

void TFormMain::ClearSwapEffects() {
    SwapEffect->Clear();
    GroupedFruitsEffect->Clear();
    MatchedCyanEffect->Clear();
}

// The pair has arrived: Object1Pos is the right or lower tile. After a fruit swap
// the fruit check reports a combo at that tile.
void TFormMain::SwapComplete(TTileObjectKind Kind, TPoint Object1Pos, TPoint Object2Pos) {
    GameBoard->CommitSwap(Object2Pos, Object1Pos);
    if (Kind == okLocker)
        GameBoard->CheckLockerGroups();
    else if (Kind == okFruit)
        GameBoard->CheckFruitGroupsAt(Object1Pos);
}

// The pair has come back unchanged; the board is checked again all the same.
void TFormMain::SwapBackComplete(TTileObjectKind Kind, TPoint Object1Pos, TPoint Object2Pos) {
    GameBoard->ReleaseSwap(Object1Pos, Object2Pos);
    if (Kind == okLocker)
        GameBoard->CheckLockerGroups();
    else if (Kind == okFruit)
        GameBoard->CheckFruitGroups();
}

void TFormMain::GroupedFruitsRequested(const TBoardData& NewBoardData, const TSimpleObjectArray& GroupedFruits,
                                       bool CheckCombos, TPoint SwappedTilePos) {
    GroupedFruitsEffect->FlowerIdx = GameBoard->ChosenFlowerIdx();
    GroupedFruitsEffect->Start(NewBoardData, GroupedFruits);
    MatchedCyanEffect->Start(GroupedFruits);
    if (CheckCombos) Scoring.Combos->CheckCombos(NewBoardData, GroupedFruits, SwappedTilePos);
    FruitWorms->HitByMask(GroupedFruits);
    CrawlingSpiders->HitByMask(GroupedFruits);
}

void TFormMain::GroupingComplete(const TBoardData& BoardDataTmp, const TSimpleObjectArray& GroupedFruits) {
    GameBoard->RemoveGroupedTiles(GroupedFruits);
    // A matched fruit carrying a bomb explodes; the tiles already falling into the gap stay out of it.
    GameBoard->ExplodeBombs(GroupedFruits);
    StartFallingFruits(BoardDataTmp, GroupedFruits, FallModeMatched);
    // The removed tiles and every tile coming down into their place are falling now.
    FruitWorms->HitByStatus(GameBoard->TileStatuses());
    CrawlingSpiders->HitByStatus(GameBoard->TileStatuses());
}

void TFormMain::NewToolAcquired(TPoint TilePos, int32_t AToolIdx) {
    GameBoard->RemoveTile(TilePos);
    // The tile's content code 104, 105 or 106 is the key's, the broom's or the aerosol's.
    StartFlyingTool(TilePos, AToolIdx - ccFruitBlaster);
}

void TFormMain::NewFlowerAcquired(TPoint TilePos) {
    GameBoard->RemoveTile(TilePos);
    const int32_t Flower = GameBoard->ChosenFlowerIdx();
    Specials.NewFlower->Start(TilePos, Flower, Specials.FlowerRow->FlowerPlace(Flower));
}

// The matched fruits thrown off the board to the ground, where the round counts them:
// they come with the falling fruits.
void TFormMain::StartFallingFruits(const TBoardData& Board, const TSimpleObjectArray& Fruits, int32_t Mode) {
    FallingFruits->Start(Board, Fruits, Mode);
}
