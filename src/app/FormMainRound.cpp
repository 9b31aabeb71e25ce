// The round: creating and wiring the board and its effects, starting a level,
// and the main-game scene's frame and mouse handling.
#include "FormMainClass.h"
#include "MessageBoxClass.h"

void TFormMain::CreateRoundObjects() {
    GameBoard = std::make_unique<TGameBoard>();
    GameBoard->OmgImgList = &OmegaImageList1;
    GameBoard->Left = BoardScreenLeft;
    GameBoard->Top = BoardScreenTop;
    FBombAnim.SetSeq("111222333444555666");
    FBombAnim.Looped = true;
    WireBoardEvents();
    WireSwapEffects();
    WireFallingEffects();
    PlayerProgress = std::make_unique<TPlayerProgress>();
}

// Every event the board raises reaches a handler here; the effects that answer
// them are added with their own parts of the game.
void TFormMain::WireBoardEvents() {
    GameBoard->OnFallingFruitsEffectRequest = [](TObject*, TBoardData, TSimpleObjectArray) {};
}

bool TFormMain::StartLevel(int32_t Island, int32_t Level) {
    TLevelStartContext Context;
    Context.Island = Island;
    Context.Level = Level;
    if (!StartRoundLevel(Context, *GameBoard, RoundLevel)) return false;
    ClearSwapEffects();
    CurrentIsland = Island;
    CurrentLevel = Level;
    StartFallingForLevel();
    SelectRoundMusic(RoundLevel.Start, *MusicBox);
    OverlayBackgroundScene = gsMainGame;
    GameScene->SetValue(gsMainGame);
    return true;
}

void TFormMain::FrameMainGame() {
    BombFrame = FBombAnim.CurrentPattern();
    FBombAnim.Advance();
    DrawLateLoadImage("GameBG" + std::to_string(CurrentIsland), 0, 0, true);
    GameBoard->BoardFrame();
    FrameFallingOverBoard();
    // Over the board: the sparkle of matched fruits, the pieces of opened lockers, the swaps,
    // the matched fruits swelling out, the fruits thrown to the ground, the locker frames.
    MatchedCyanEffect->Frame();
    FrameFallingPieces();
    SwapEffect->Frame();
    GroupedFruitsEffect->Frame();
    FrameFallingFruits();
    FrameLockerFrames();
    FrameLockerFrameEffect();
}

void TFormMain::MouseMoveMainGame(int32_t X, int32_t Y) {
    if (GameBoard->Dragging()) GameBoard->PressAt(X, Y, mbLeft);
}

void TFormMain::MouseDownMainGame(TMouseButton Button, int32_t X, int32_t Y) {
    if (Button == mbLeft) GameBoard->SetDragging(true);
    GameBoard->PressAt(X, Y, Button);
}

void TFormMain::MouseUpMainGame(int32_t /*X*/, int32_t /*Y*/) { GameBoard->SetDragging(false); }
