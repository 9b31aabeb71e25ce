// The round's fruit worms: they ask the board where they may eat and how many
// fruits are being eaten or eaten already, a wave comes every so many landed
// fruits, and the blows of the round (matches, falling tiles, bombs, the spray)
// reach them here. Each step sits at its place in the round.
#include "FormMainClass.h"

void TFormMain::CreateWorms() {
    FruitWorms = std::make_unique<TFruitWorms>();
    TFruitWorms& Worms = *FruitWorms;
    Worms.OmgImgList = &OmegaImageList1;
    Worms.Left = GameBoard->Left;
    Worms.Top = GameBoard->Top;
    Worms.OnIfTileIsFruitQuestion = [this](TObject*, TPoint TilePos, bool& TileIsFruit) {
        TileIsFruit = GameBoard->CanWormEat(TilePos);
    };
    Worms.OnAFruitTileSelected = [this](TObject*, TPoint TilePos) { GameBoard->StartEating(TilePos); };
    Worms.OnParametersRequest = [this](TObject*, int32_t& EatingWormsCount, int32_t& EatenFruitsCount) {
        EatingWormsCount = GameBoard->EatingCount();
        EatenFruitsCount = GameBoard->EatenCount();
    };
    Worms.OnFruitsIntervalReached = [this](TObject*) { WormsFruitsIntervalReached(); };
    Worms.OnOneWormHit = [this](TObject*) { CountWormForTrophies(); };
    // Still to come here: a small dust puff (kind 4) at APos + (15, 15).
    Worms.OnFallingPosUpdate = [](TObject*, TPoint /*APos*/) {};

    // A worm inside a matched or sprayed fruit is thrown out of it.
    GameBoard->OnAFruitWormBanRequest = [this](TObject*, TPoint TilePos) { FruitWorms->DriveOffEater(TilePos); };
}

// A wave is due: the worms take the board as it is now and come; on 1-07 this is
// the moment the fairy explains them, when she is free to.
void TFormMain::WormsFruitsIntervalReached() {
    FruitWorms->TakeBoard(GameBoard->BoardData());
    FruitWorms->StartWave();
    if (FairyIsFree()) TutorialEvent(CurrentIsland, CurrentLevel, 2);
}

// Level start: a fresh start, then the level's worm values (on 1-07 its introductory interval).
void TFormMain::ResetWormsForRound() {
    TFruitWorms& Worms = *FruitWorms;
    Worms.Reset();
    const TLevelRecord& Values = RoundLevel.Start.Values;
    Worms.FruitsInterval = Values.WormFruitsInterval;
    Worms.MaxWormsOnBoard = Values.MaxWormsOnBoard;
    Worms.MaxEatenFruits = Values.MaxEatenFruits;
    Worms.OneEntryEveryProb = Values.OneEntryEveryProb;
}

// After the hammered objects, before the web tearings and the spiders.
void TFormMain::FrameWorms() { FruitWorms->Frame(); }

// A shuffle, a won round's ending or time up: every worm leaves the board.
void TFormMain::RemoveWorms() { FruitWorms->RemoveAll(); }

void TFormMain::ApplyPauseToWorms(bool Visible) { FruitWorms->Visible = Visible; }

// A landed fruit brings the next wave of worms closer.
void TFormMain::CountLandedFruitForWorms() { FruitWorms->CountLandedFruit(); }
