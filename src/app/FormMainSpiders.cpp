// The round's crawling spiders and their webs: the spiders ask the board where
// they may land and spin, a wave comes every so many landed fruits (in a spider
// hunt they keep coming every few seconds instead), the blows of the round
// (matches, falling tiles, bombs, the spray) reach them here, and every web torn
// off the board shows its tearing. Each step sits at its place in the round.
#include "FormMainClass.h"
#include "RandomClass.h"
#include "SFXPlayerClass.h"

void TFormMain::CreateSpiders() {
    CrawlingSpiders = std::make_unique<TCrawlingSpiders>();
    TCrawlingSpiders& Spiders = *CrawlingSpiders;
    Spiders.OmgImgList = &OmegaImageList1;
    Spiders.Left = GameBoard->Left;
    Spiders.Top = GameBoard->Top;
    Spiders.OnTilePossibleToWebQuestion = [this](TObject*, TPoint TilePos, bool& ATilePossibleToWeb) {
        ATilePossibleToWeb = GameBoard->CanWebTile(TilePos);
    };
    Spiders.OnTopBoardPosRequest = [this](TObject*, TPoint& TopTilePos) { TopTilePos = GameBoard->RandomTopTile(); };
    Spiders.OnPutWeb = [this](TObject*, TPoint TilePos) { SpiderPutWeb(TilePos); };
    Spiders.OnFruitsIntervalReached = [this](TObject*) { SpidersFruitsIntervalReached(); };
    Spiders.OnOneSpiderHit = [this](TObject*) { OneSpiderHit(); };
    // Still to come here: a small dust puff (kind 3) at APos + (15, -35).
    Spiders.OnFallingPosUpdate = [](TObject*, TPoint /*APos*/) {};
    // Nothing drops onto a board that is being shuffled away.
    Spiders.OnCanAddSpiderForHunt = [this](TObject*, bool& ACanAddSpider) {
        ACanAddSpider = !BoardEffects.ShuffleAway->Active();
    };

    WebEffect = std::make_unique<TWebEffect>();
    WebEffect->OmgImgList = &OmegaImageList1;
    WebEffect->Left = GameBoard->Left;
    WebEffect->Top = GameBoard->Top;
    // Every web torn off the board (a match, a locker group, a bomb, the blaster, a tool) shows its tearing.
    GameBoard->OnWebEffectRequest = [this](TObject*, TPoint ATilePos) { WebEffect->Start(ATilePos); };
}

// The spray aims at a spider's centre, and a tearing is scaled from the web's size:
// both read the loaded pictures (their defaults are the same sizes, for a game run without them).
void TFormMain::InitSpiderImages() {
    if (const TImageListItem* Walking = OmegaImageList1.Find("SpiderWalking")) {
        CrawlingSpiders->SpiderWidth = Walking->EffectiveTileWidth();
        CrawlingSpiders->SpiderHeight = Walking->EffectiveTileHeight();
    }
    if (const TImageListItem* Web = OmegaImageList1.Find("Web")) {
        WebEffect->OrigWebWidth = Web->EffectiveTileWidth();
        WebEffect->OrigWebHeight = Web->EffectiveTileHeight();
    }
}

// A wave is due: the spiders take the board as it is now and come; on 1-04 this is
// the moment the fairy explains them, when she is free to.
void TFormMain::SpidersFruitsIntervalReached() {
    CrawlingSpiders->TakeBoard(GameBoard->BoardData());
    CrawlingSpiders->StartWave(GameBoard->WebCount());
    if (FairyIsFree()) TutorialEvent(CurrentIsland, CurrentLevel, 1);
}

// A spider has finished its web; on 1-04 the fairy may explain the webs.
void TFormMain::SpiderPutWeb(TPoint TilePos) {
    GameBoard->PutWeb(TilePos);
    if (FairyIsFree()) TutorialEvent(CurrentIsland, CurrentLevel, 3);
}

// The player hit a spider. In a hunt it counts for the objective, with one of the
// animal cries (chosen for the ear only: it changes nothing in play).
void TFormMain::OneSpiderHit() {
    if (Round.Objective == goSpiderHunt) {
        const int32_t Cry = CosmeticRandomInt(7);
        PlaySoundEffect(Cry <= 2 ? "AnimalHit3" : Cry <= 5 ? "AnimalHit2" : "AnimalHit1");
        SpiderHunted();
    }
    CountSpiderForTrophies();
}

// The level's lockers have all dropped in: a spider hunt starts on the board as it stands.
void TFormMain::StartSpiderHunt() {
    if (Round.Objective != goSpiderHunt) return;
    CrawlingSpiders->TakeBoard(GameBoard->BoardData());
    CrawlingSpiders->StartHunt(GameBoard->WebCount());
}

// Level start: a fresh start, then the level's spider values (on 1-04 its introductory
// interval); no tearing is left from the last round.
void TFormMain::ResetSpidersForRound() {
    TCrawlingSpiders& Spiders = *CrawlingSpiders;
    Spiders.Reset();
    const TLevelRecord& Values = RoundLevel.Start.Values;
    Spiders.FruitsInterval = Values.SpiderFruitsInterval;
    Spiders.MaxSpidersOnBoard = Values.MaxSpidersOnBoard;
    Spiders.MaxWebs = Values.MaxWebs;
    Spiders.OneWebEveryProb = Values.OneWebEveryProb;
    WebEffect->Clear();
}

// After the worms: the web tearings, then the spiders, before the locker frames.
void TFormMain::FrameWebsAndSpiders() {
    WebEffect->Frame();
    CrawlingSpiders->Frame();
}

// A shuffle, a won round's ending or time up: every spider leaves the board.
void TFormMain::RemoveSpiders() { CrawlingSpiders->RemoveAll(); }

// The round is cleared: a spider hunt brings no more spiders.
void TFormMain::StopSpiderHunt() { CrawlingSpiders->StopHunt(); }

// The shuffled board is in place: a spider hunt starts again on it, with a new quota
// (the board's shape is the same, so the spiders keep their copy).
void TFormMain::RestartSpiderHunt() {
    if (Round.Objective == goSpiderHunt) CrawlingSpiders->StartHunt(GameBoard->WebCount());
}

void TFormMain::ApplyPauseToSpiders(bool Visible) {
    CrawlingSpiders->Visible = Visible;
    WebEffect->Visible = Visible;
}

// A landed fruit brings the next wave of spiders closer (not in a hunt).
void TFormMain::CountLandedFruitForSpiders() { CrawlingSpiders->CountLandedFruit(); }
