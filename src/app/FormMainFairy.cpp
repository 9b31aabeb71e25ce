// The fairy in the round: she hovers by the board, perches on it, shuffles,
// hints and mends eaten fruit. The board does the work when her wand has been
// waved; she only decides when.
#include "FairyClass.h"
#include "FormMainClass.h"
#include "TutorialEventsClass.h"

void TFormMain::CreateFairy() {
    Fairy = std::make_unique<TFairy>();
    Fairy->OmgImgList = &OmegaImageList1;
    Fairy->BoardLeft = GameBoard->Left;
    Fairy->BoardTop = GameBoard->Top;
    Fairy->OnTopTilePosRequest = [this](TObject*, TPoint& TopTilePos) { TopTilePos = GameBoard->RandomTopTile(); };
    Fairy->OnHintTilesPosRequest = [this](TObject*, THintTilesPos& Tiles) {
        // No move: the answer stays all zeros and she shows nothing.
        if (!GameBoard->FindMove(Tiles)) Tiles = {};
    };
    Fairy->OnPosUpdate = [this](TObject*, TPoint Pos) {
        int32_t Kind = dkTrail;
        if (Fairy->State() == fsHovering) Kind = dkSprinkle;
        if (Fairy->State() == fsSitting) Kind = dkTwinkle;
        FairyDust->Emit(Pos.X, Pos.Y, Kind);
    };
    Fairy->OnMagicPerformed = [this](TObject*, TPoint WandPos, TFairyMagicPurpose Purpose, TPoint EatenFruitTilePos,
                                     THintTilesPos HintTiles) {
        FairyMagicPerformed(WandPos, Purpose, EatenFruitTilePos, HintTiles);
    };
    // Whether a tip's balloon or the hint tip shows is answered by the tutorial (FormMainTutorial.cpp).

    // A worm has eaten a fruit and the board asks for it back: she casts over the tile.
    // Where she is kept out of the level the fruit stays eaten (the board keeps asking,
    // so a fairy let back in comes for it); an order to a hidden fairy would leave her
    // on her way for good, and no tip or hint could come.
    GameBoard->OnFruitRestoreEffectRequest = [this](TObject*, TPoint TilePos) {
        if (!Fairy->Visible) return;
        const TPoint Wand = Fairy->RestoreWandPoint(TilePos);
        Fairy->OrderMagic(Wand.X, Wand.Y, mpRestoreFruit, TilePos);
    };
}

void TFormMain::FairyMagicPerformed(TPoint WandPos, TFairyMagicPurpose Purpose, TPoint EatenFruitTilePos,
                                    THintTilesPos HintTiles) {
    if (Round.RoundCleared) return;
    ShineAtPoint(WandPos.X - 35, WandPos.Y + 42);
    PlaySoundEffect("FruitSlotTing");
    switch (Purpose) {
        case mpShuffle:
            BlasterFlashAtPoint(410, 278);
            PlaySoundEffect("Shuffle");
            StartShuffle();
            Comments.Round().ShowComment(coShuffling);
            break;
        case mpRestoreFruit:
            GameBoard->RestoreEatenFruit(EatenFruitTilePos);
            StarsAtTile(EatenFruitTilePos);
            break;
        case mpHint:
            GameBoard->ShowHint(HintTiles);
            StarsAtTile(HintTiles.Tile1Pos);
            break;
    }
}

// The monster levels of islands 1 to 4 and the bonus stage are played without her.
bool TFormMain::FairyBelongsInRound() const {
    if (Round.Objective == goBonusStage) return false;
    // Knocked out, the monster of islands 2 to 4 lets her come back.
    return !(Round.Objective == goBeatMonster && CurrentIsland >= 1 && CurrentIsland <= 4) || Monsters.FairyFreed;
}

void TFormMain::ResetFairyForRound() { Fairy->ResetState(); }

// Level start: visible except in the monster levels of islands 1 to 4.
void TFormMain::ShowFairyForLevel() { Fairy->Visible = FairyBelongsInRound(); }

// The board has dropped in: she flies in, hidden or not (on 1-01 she came with the announcement).
void TFormMain::FairyArrivesWithBoard() {
    if (CurrentIsland == 1 && CurrentLevel == 1) return;
    Fairy->Arrive();
}

// Her dust, then her, in the layer she is in: behind the board or in front of it.
void TFormMain::FrameFairyBehind() {
    if (!Fairy->ActsBehind()) return;
    FairyDust->UpdateAndDraw();
    Fairy->UpdateBehind();
}

void TFormMain::FrameFairyInFront() {
    if (Fairy->ActsBehind()) return;  // her dust went with her behind the board
    FairyDust->UpdateAndDraw();
    Fairy->UpdateInFront();
}

void TFormMain::ApplyPauseToFairy(bool Visible) {
    // Unpausing follows the level's rule, so a pause never brings her into a level she is kept out of.
    Fairy->Visible = Visible && FairyBelongsInRound();
    FairyDust->Visible = Visible;
}

// On island 1 level 1 she arrives as the objective is announced.
void TFormMain::FairyIntroducesHerself() { Fairy->Arrive(); }
// The clear comment has waved: she leaves at the top right.
void TFormMain::FairyLeavesRound() { Fairy->Leave(); }
// The board has no move left: she gets off it before the shuffle.
void TFormMain::FairyLeavesBoard() { Fairy->LeaveBoard(); }
bool TFormMain::FairyVisible() const { return Fairy->Visible; }
bool TFormMain::FairyIsFree() const { return FairyFreeForTutorial(Fairy.get()); }

// A press on her sends her elsewhere; the press goes on to the tools and the board.
bool TFormMain::FairyMouseDown(TMouseButton Button, int32_t X, int32_t Y) {
    Fairy->ClickAt(X, Y, Button);
    return false;
}

// A full shuffle button while she is visible: she waves the shuffle in.
void TFormMain::FairyOrderShuffle() {
    Fairy->OrderMagic(TFairy::ShuffleWandPoint.X, TFairy::ShuffleWandPoint.Y, mpShuffle);
}

// The effects that go with her wand: the round's fairy shine, the blaster's spin
// (in the colour the uni fruits show) and the stars.
void TFormMain::ShineAtPoint(int32_t X, int32_t Y) { Specials.Shine(rsFairy).Start(X, Y); }
void TFormMain::BlasterFlashAtPoint(int32_t X, int32_t Y) { Specials.Blaster->StartAt(X, Y, GameBoard->UniColor()); }
void TFormMain::StarsAtTile(TPoint TilePos) { Specials.Stars->Burst(TilePos); }
