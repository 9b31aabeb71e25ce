// The game board: one component, made once by the main form and reused for
// every level, that owns the 10 by 10 tiles and their statuses, turns presses
// into tile clicks, counts the board's timers and draws the board's own layers
// (boxes, contents, webs, the selection frame). It never animates a phase of
// play itself: it raises a request with a copy of its tiles, an effect object
// shows the phase, and the main form hands the outcome back to a board operation.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "AnimDataClass.h"
#include "BoardDataClass.h"
#include "GameTypesClass.h"
#include "TileLooksClass.h"

class TOmegaImageList;
class TImageListItem;

// Events of the board. Boards travel by value: an effect gets its own copy and
// can never change the board behind its back.
using TSwapEffectRequestEvent =
    std::function<void(TObject* Sender, TSwappedObjectsData SwappedObjectsData, bool MatchOccurs)>;
using TGroupedFruitsEffectRequestEvent = std::function<void(
    TObject* Sender, TBoardData NewBoardData, TSimpleObjectArray GroupedFruits, bool CheckCombos, TPoint SwappedTilePos)>;
using TGameBoardCheckComboRequestEvent = std::function<void(TObject* Sender, TPoint ASwappedTilePos)>;
using TOpeningLockersEffectRequestEvent =
    std::function<void(TObject* Sender, TBoardData NewBoardData, TSimpleObjectArray LockersToOpen)>;
using TFallingFruitsEffectRequestEvent =
    std::function<void(TObject* Sender, TBoardData NewBoardData, TSimpleObjectArray GroupedFruits)>;
using TRemoveLockerFramesEvent = std::function<void(TObject* Sender, TSimpleObjectArray AFramesToRemove)>;
using THammerEffectRequestEvent = std::function<void(TObject* Sender, TPoint HammerPos)>;
using THammeredObjectsEffectRequestEvent =
    std::function<void(TObject* Sender, TBoardData BoardData, TSimpleObjectArray HammeredTiles)>;
using TExplosionEffectRequestEvent = std::function<void(TObject* Sender, TPoint ATilePos)>;
using TEnemiesBannedEvent = std::function<void(TObject* Sender, TSimpleObjectArray BannedPosArray)>;
using TUniBubbleEffectRequestEvent = std::function<void(TObject* Sender, TPoint ATilePos)>;
using TMultiBubbleClikedEvent = std::function<void(TObject* Sender, TPoint ATilePos, int32_t AMultiBubbleIdx)>;
using TStarsEffectRequestEvent = std::function<void(TObject* Sender, TPoint ATilePos)>;
using TCanAddFlowerQuestionEvent = std::function<void(TObject* Sender, bool& CanAddFlower)>;
using TOnUnobtainedFlowerIdxSetRequestEvent = std::function<void(TObject* Sender, TFlowerIdxSet& AFlowerIdxSet)>;
// How many of one tool the player holds (refill offers no tool the player has 9 of).
using TAcquiredToolsQuestionEvent = std::function<void(TObject* Sender, int32_t& Acquired)>;
using TWebEffectRequest = std::function<void(TObject* Sender, TPoint ATilePos)>;
using TAFruitWormBannedEffectRequestEvent = std::function<void(TObject* Sender, TPoint ATilePos)>;
using TFruitRestoreEffectRequestEvent = std::function<void(TObject* Sender, TPoint ATilePos)>;

class TGameBoard : public TObject {
public:
    // A new board: the defaults below, a placeholder of random closed lockers
    // until a level is loaded, every status idle, the uni colour 1, the first
    // flower after 6 locker checks, the selection frame's pulse at 50 rising.
    TGameBoard();

    // Properties.
    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 0;  // screen position of the top-left tile's corner; the main form sets 215, 90
    int32_t Top = 0;
    bool Visible = true;    // false: no drawing, no input
    bool CanDraw = true;    // false: the frame routine does nothing (timers stop) and presses are ignored
    bool CanMatch = true;   // false: no match checks, no hints, no no-more-moves checks
    TGameBoardActiveMode ActiveMode = amNormal;
    int32_t DroppingStep = 10;           // pixels a falling tile moves per frame
    int32_t UniFruitInterval = 1000;     // milliseconds between two changes of the uni colour
    uint8_t MaxUniFruitOnBoard = 2;
    int32_t OneUniFruitEveryProb = 40;   // refill chances are 1 in P; 0 or less never
    int32_t MultiBubbleInterval = 300;   // kept for the level tools; nothing reads it
    uint8_t MaxMultiBubbleOnBoard = 2;
    int32_t OneMultiBubbleEveryProb = 40;
    uint8_t MaxHammersOnBoard = 2;
    int32_t OneHammerEveryProb = 40;
    uint8_t MaxFruitBombsOnBoard = 2;
    int32_t OneFruitBombEveryProb = 40;
    TToolKind MaxToolKind = toAerosol;   // the highest tool refill may hide in a locker
    int32_t OneMagicKeyEveryProb = 50;
    int32_t OneBroomEveryProb = 50;
    int32_t OneAerosolEveryProb = 50;
    int32_t OneFlowerPerLockersMin = 6;  // locker checks between two flowers
    int32_t OneFlowerPerLockersMax = 10;
    int32_t WormEatingTime = 10000;      // milliseconds a worm needs to eat a fruit
    int32_t FruitRegenerateTime = 25000; // milliseconds before an eaten fruit asks to be restored
    int32_t WaitingFairyRestoreInterval = 3500;
    int32_t ShowingHintTime = 2500;
    int32_t HintInterval = 12000;        // idle milliseconds before the board shows a hint
    int32_t NoMatchInterval = 30000;     // milliseconds without a match before OnNoMatchHint
    int32_t NoMoreMovesInterval = 1000;  // idle milliseconds between two no-more-moves checks

    // Events (each raised only when assigned).
    TSwapEffectRequestEvent OnSwapEffectRequest;
    TGroupedFruitsEffectRequestEvent OnGroupedFruitsEffectRequest;
    TGameBoardCheckComboRequestEvent OnCheckComboRequest;  // declared for the round; never raised
    TOpeningLockersEffectRequestEvent OnOpeningLockersEffectRequest;
    TFallingFruitsEffectRequestEvent OnFallingFruitsEffectRequest;
    TRemoveLockerFramesEvent OnRemoveLockerFrames;
    THammerEffectRequestEvent OnHammerEffectRequest;
    THammeredObjectsEffectRequestEvent OnHammeredObjectsEffectRequest;
    TExplosionEffectRequestEvent OnExplossionEffectRequest;
    TEnemiesBannedEvent OnEnemiesBanned;
    TUniBubbleEffectRequestEvent OnUniBubbleEffectRequest;
    TMultiBubbleClikedEvent OnMultiBubbleClicked;
    TStarsEffectRequestEvent OnStarsEffectRequest;
    TCanAddFlowerQuestionEvent OnCanAddFlowerQuestion;
    TOnUnobtainedFlowerIdxSetRequestEvent OnUnobtainedFlowerIdxSetRequest;
    TNotifyEvent OnFruitBubbleAdded;
    TNotifyEvent OnFruitBlasterAdded;
    TNotifyEvent OnFruitBombAdded;
    TNotifyEvent OnHammerAdded;
    TAcquiredToolsQuestionEvent OnAcquiredMagicKeysQuestion;
    TAcquiredToolsQuestionEvent OnAcquiredBroomsQuestion;
    TAcquiredToolsQuestionEvent OnAcquiredAerosolsQuestion;
    TWebEffectRequest OnWebEffectRequest;
    TAFruitWormBannedEffectRequestEvent OnAFruitWormBanRequest;
    TFruitRestoreEffectRequestEvent OnFruitRestoreEffectRequest;
    TNotifyEvent OnNoMoreMoves;
    TNotifyEvent OnNoMatchTimerReset;
    TNotifyEvent OnNoMatchHint;
    TNotifyEvent OnObjectTileClick;  // every accepted tile click

    // Before each level: matching on, nothing selected or dragged, no hint, every
    // timer and flag of the last round cleared, every status idle, a new flower countdown.
    void ResetForRound();
    // Takes a board (a level's, or one a shuffle hands back): statuses idle except
    // the unused positions, no jitter, no blaster wave, nothing selected or dragged.
    void LoadBoardData(const TBoardData& Board);
    // Every tile gets a fresh random colour (the gameplay stream is reseeded first);
    // the hint timers restart and a new flower countdown begins.
    void RandomizeContents();
    // The first lesson's scripted contents; refill follows the lesson's rule from now on.
    void MakeTutorialBoard();

    // Once per frame while the board is on screen: timers, gravity, then the layers.
    void BoardFrame();

    // A mouse press, or a drag step, in screen pixels.
    void PressAt(int32_t X, int32_t Y, TMouseButton Button);
    void SetDragging(bool Value);
    // The tile under a screen pixel; 0 on an axis left of or above the board.
    TPoint HitTest(int32_t X, int32_t Y) const;
    // P is outside the board or not part of this level's shape.
    bool IsOffBoard(TPoint P) const;
    // For the tool pointers: shows the selection frame on P with the given pattern
    // (1: the tool cannot be used here) when P holds a locker or a fruit, else hides it.
    void SelectTile(TPoint P, uint8_t Pattern);

    // --- Worms and webs (GameBoardEnemiesClass.cpp) ---------------------
    // The board's side of its two enemies: fruits being eaten by worms and
    // eaten fruits waiting for the fairy, counted by the board's worm timers,
    // and the webs the spiders put over tiles.

    // A worm may creep into P: a plain fruit (no special, no bomb, no flower),
    // no worm in it yet and not eaten, without a web. What the tile is doing
    // (its status) does not matter: a worm may creep into a falling fruit.
    bool CanWormEat(TPoint P) const;
    // A worm creeps into P, when it may. The time already eaten there is kept,
    // so a fruit sprayed free earlier is eaten sooner.
    bool StartEating(TPoint P);
    // Fruits being eaten, and fruits eaten, among the opened fruits.
    int32_t EatingCount() const;
    int32_t EatenCount() const;
    // The fairy has waved her wand over the eaten fruit at P: once that fruit has
    // asked for her, it is whole again and may match at once.
    void RestoreEatenFruit(TPoint P);
    // The eaten fruit at position P has asked for the fairy. The flag belongs to
    // the position: a fruit eaten there later asks again without the long wait.
    bool RestoreAsked(TPoint P) const { return IsBoardPos(P) && FRestoreAsked[P.X - 1][P.Y - 1]; }
    // A spider may start a web on P: a locker or a fruit without a special, no worm, no web yet.
    bool CanWebTile(TPoint P) const;
    // A spider has finished its web on P. It lands on any locker or fruit without a
    // special (worms, busy tiles and an existing web do not matter) and lets go of
    // the selection there. A web may leave the board without a move, so that is
    // looked at every time.
    void PutWeb(TPoint P);
    // Tiles under a web.
    int32_t WebCount() const;
    // Where a new spider lands: the topmost locker or fruit of a random column;
    // row 11 of the last column drawn when 10000 draws find none.
    TPoint RandomTopTile() const;
    // --------------------------------------------------------------------

    // --- Tools (GameBoardToolsClass.cpp) --------------------------------
    // What the magic key, the broom and the aerosol do to the board.

    // P is on the board and a closed locker.
    bool IsLocker(TPoint P) const;
    // The magic key can open P now: a closed locker that is idle (a locker
    // falling or already opening would be spent for nothing).
    bool IsOpenableLocker(TPoint P) const;
    // The magic key turns in P: an idle locker starts opening on its own (and
    // the no-match timer starts again). The selection frame goes in any case.
    void OpenLocker(TPoint P);
    // A web covers P.
    bool HasWeb(TPoint P) const;
    // The web over P is torn off (and shown tearing).
    void SweepWeb(TPoint P);
    // The broom can be used on P: a locker or an opened tile under a web.
    bool IsBroomable(TPoint P) const;
    // The aerosol's spray R (screen pixels, edges inside) drives off every worm
    // eating a fruit whose cell centre it reaches; the time eaten is kept.
    void SprayWorms(const TRect& R);
    // --------------------------------------------------------------------

    // --- Swap and match -------------------------------------------------
    // One move from the click to the matched fruits leaving the board: the
    // choice of two neighbours, the swap request, the swap's outcome written
    // back, and the fruit check that turns groups into matched tiles.

    // A click on tile P (a press, or a drag reaching P): webbed and busy tiles
    // refuse it; the first click selects, a click on a neighbour of the same
    // kind asks for their swap, any other click lets go of the selection.
    void ClickTile(TPoint P);
    // The union of every group of the tile kind and key, by the group rule,
    // with this board's statuses (only idle tiles take part).
    TSimpleObjectArray FindGroups(TTileObjectKind Kind, int32_t Key) const;
    // Board holds a group of lockers of any kind or of fruits of any colour in play
    // (judged with this board's statuses).
    bool AnyGroup(const TBoardData& Board) const;
    // The swap effect has carried A and B across: their contents change places
    // (the box, its web and its drop stay where they are) and both are idle again.
    void CommitSwap(TPoint A, TPoint B);
    // The swap slid back: A and B are idle again, unchanged.
    void ReleaseSwap(TPoint A, TPoint B);
    // Marks every idle group of fruits, and every opened flower or tool, as
    // matched and asks for the grouping effect; a web on a matched tile is torn
    // off instead and the tile stays. Only while CanMatch.
    void CheckFruitGroups();
    // The same after a player's fruit swap at P: the grouping request carries
    // the combo check for P.
    void CheckFruitGroupsAt(TPoint P);
    // Matched tiles leave the board: each becomes an empty position that the
    // tiles above fall into.
    void RemoveGroupedTiles(const TSimpleObjectArray& Mask);
    // The same for one tile (a collected flower or tool).
    void RemoveTile(TPoint P);
    // A match (or a locker opening) happened: the no-match timer starts again.
    void ResetNoMatchTimer();
    // The uni fruit, hammer or fruit blaster at P was clicked while selected
    // (GameBoardPickupsClass.cpp).
    void ActivateObject(TPoint P);
    // A move asked for as a player makes it, for bots and tests: any selection is
    // dropped, then A and B are clicked. True when their swap was asked for.
    bool SwapTiles(TPoint A, TPoint B);
    // The next fruit check reports a combo at SwappedTilePos (set by CheckFruitGroupsAt).
    bool CheckComboPending() const { return FCheckCombo; }
    TPoint SwappedTilePos() const { return FSwappedTilePos; }
    int32_t NoMatchTimer() const { return FNoMatchTimer; }
    // --------------------------------------------------------------------

    // What the board holds, for the effects, the round and the tests.
    const TBoardData& BoardData() const { return FBoard; }
    TTileStatus TileStatus(TPoint P) const { return FStatus[P]; }
    const TTileStatusArray& TileStatuses() const { return FStatus; }
    // Every tile idle (or not part of the board): no phase of play is running.
    bool IsIdle() const;
    bool Selected() const { return FSelected; }
    TPoint FirstTile() const { return FFirstTile; }
    TPoint SecondTile() const { return FSecondTile; }
    TPoint LastClicked() const { return FLastClicked; }
    bool Dragging() const { return FDragging; }
    uint8_t SelectionPattern() const { return FSelectionPattern; }
    int32_t SelectionAlpha() const { return FSelectionAlpha; }
    int32_t UniColor() const { return FUniColor; }
    bool TutorialRefill() const { return FTutorialRefill; }
    bool HintShowing() const { return FHint.Showing; }
    int32_t FlowerCheckCount() const { return FFlowerCheckCount; }
    int32_t FlowerCheckTarget() const { return FFlowerCheckTarget; }
    // The flower found last (1 to 6): the one an opened flower tile shows.
    int32_t ChosenFlowerIdx() const { return FChosenFlowerIdx; }

    // --- Special objects (GameBoardPickupsClass.cpp) --------------------
    // What the uni fruit, the hammer, the fruit bomb and the fruit blaster do
    // to the board; their effect objects show it and hand the outcome back.

    // The hammer strikes P (already hammered): P's idle neighbours inside the
    // board's shape are hammered too and handed to the hammered-objects effect.
    // With nothing around to smash, the blow is done at once.
    void HammerHit(TPoint P);
    // The hammered objects have flown off: every hammered tile becomes an empty
    // position and the tiles above start falling.
    void HammeredDone();
    // Matched tiles of Mask that carry a bomb explode: the plain idle fruits
    // around them are blown off the board, enemies there are banned, and the
    // board shakes. Run after RemoveGroupedTiles, so tiles already falling into
    // the emptied cells stay out of the blast.
    void ExplodeBombs(const TSimpleObjectArray& Mask);
    // The fruit blaster's wave sets out from P in the colour of the blaster
    // clicked last; a second blaster starts it again from its own tile.
    void StartBlasterWave(TPoint P);
    // Every idle, unwebbed, uneaten fruit of Colour is matched (a web on one is
    // only torn off). Only while CanMatch.
    void GroupColour(int32_t Colour);
    // The jitter a hammer blow and a bomb explosion leave around P.
    void HammerShake(TPoint P);
    void BombShake(TPoint P);
    bool BlasterWaveActive() const { return FBlasterWave.Active; }
    int32_t BlasterWaveStep() const { return FBlasterWave.Step; }
    bool UniPopping(TPoint P) const { return IsBoardPos(P) && FUniPop[P.X - 1][P.Y - 1].Active; }
    // --------------------------------------------------------------------

    // Falling, refill and lockers (GameBoardFallClass.cpp). Gravity is always on:
    // every emptied position (okTempBlank) lets the tiles above it fall one cell
    // at a time, new closed lockers drop in at the top of each column, and when
    // nothing falls any more the lockers are checked at once and the fruits
    // 300 milliseconds later, until the board is settled.

    // Every idle tile above an emptied position starts falling from its cell.
    // The walk up a column ends at a position outside the board's shape, and at a
    // tile that is busy with another phase (opening, matched, swapping, hammered):
    // the tiles above such a tile wait for it instead of falling into its cell.
    void MarkFalling();
    // One frame of falling: each falling tile drops DroppingStep pixels and moves
    // into the cell below after 46; a column whose last tile has landed bounces;
    // the top position of a column is refilled as soon as it empties; the frame
    // the last tile lands, the locker check runs and the post-fall delay starts.
    void GravityStep();
    // P becomes a new closed locker of a random kind holding a random fruit; now
    // and then a special comes instead (a uni fruit, fruit blaster, hammer or fruit
    // bomb, already opened) or a tool hides in the locker, each by its chance and
    // only while fewer than its maximum are on the board.
    void Refill(TPoint P);
    // Every idle group of three or more closed lockers of one kind starts opening
    // (a webbed locker only loses its web); in find-flowers levels one of them may
    // hide a flower. The request is raised even when nothing opens.
    void CheckLockerGroups();
    // The opening effect has shown these lockers open: they become opened tiles.
    void LockersOpened(const TSimpleObjectArray& Mask);
    // The flower a locker reveals: one the player has not found yet, else flower 1.
    int32_t ChooseFlower();
    // The fruit check is due 300 milliseconds after the last fall ended.
    bool PostFallPending() const { return FPostFallPending; }
    // Nothing moves, opens or waits to be checked: the next move can be judged.
    bool IsSettled() const { return IsIdle() && !FPostFallPending; }
    // The opening effect has shown these lockers open (LockersOpened). After the
    // last of a batch the board looks for moves first (CheckNoMoreMoves), so a
    // board left without any is reported before the fruit check starts a cascade.
    void OpeningEffectComplete(const TSimpleObjectArray& Lockers, bool IsLast);

    // Hints, no more moves and shuffle (GameBoardHintClass.cpp). The board looks
    // for a swap that makes a group: to show it as a hint once the player has
    // been idle for HintInterval, to hand it to the fairy, and to notice a board
    // without moves, which the round then shuffles.

    // A swap that makes a group, searched from a random tile (gameplay stream),
    // which is itself examined last.
    bool FindMove(THintTilesPos& Move);
    // Shows the move FindMove finds as the hint and returns true; without one the
    // hint positions become (0, 0) and nothing shows.
    bool ShowHintIfAny();
    // Shows these tiles as the hint (the fairy's hint) and restarts the hint interval.
    void ShowHint(const THintTilesPos& Tiles);
    // Looks for a move as the hint does but shows nothing (the positions found stay
    // stored). A hammer or fruit blaster on an opened tile counts as a move.
    bool MovesExist();
    // Restarts the check's interval; then, unless already reported, while matching
    // is on and no move exists: OnNoMoreMoves, once until ResetHintTimers.
    void CheckNoMoreMoves();
    // The hint interval and the no-more-moves check start again, and a board
    // without moves may be reported again (after a shuffle).
    void ResetHintTimers();
    // The shuffled board that replaces this one (MakeShuffledBoard of BoardMovesClass);
    // the board itself is not changed.
    TBoardData MakeShuffledBoard() const;
    // A random locker or opened tile becomes an opened hammer: a shuffled board
    // that still has no move gets something to click.
    void AddHammerAnywhere();

    const THintTilesPos& HintTiles() const { return FHint.Tiles; }
    const TSimpleObjectArray& HintMask() const { return FHint.Mask; }
    int32_t HintWobble() const { return FHint.Wobble; }
    int32_t HintShownTime() const { return FHint.ShownTime; }
    bool NoMoreMovesRaised() const { return FNoMoreMovesRaised; }
    int32_t HintIntervalTimer() const { return FHintIntervalTimer; }
    int32_t NoMoreMovesTimer() const { return FNoMoreMovesTimer; }

private:
    // The steps of BoardFrame, in their order.
    void UpdateUniColor();
    void UpdateWormTimers();
    void UpdateBlasterWave();
    void UpdateShakeDecay();
    void UpdateHintInterval();
    void UpdateNoMatchInterval();
    void UpdateNoMoreMovesCheck();
    void UpdateFalling();
    void DrawLockers();
    void DrawContents();
    void DrawUniPops();
    void DrawWebs();
    void DrawSelection();
    void DrawHint();
    void UpdatePostFallDelay();
    // Special objects.
    void MarkWaveRing(int32_t Ring);

    // Falling and lockers.
    void TutorialRefill(TPoint P);
    bool TryRefillSpecial(TBoardTile& Tile);
    bool BlankBelow(int32_t X, int32_t Y) const;
    bool AnyFalling() const;
    void StartFlowerCountdown();
    void ClearRestoreFlags();
    void ClearUniPops();
    void HideHint();
    void StartHint(const THintTilesPos& Tiles);
    bool HintLifts(TPoint P) const;
    void DrawLifted(TBoardImage Image, int32_t Pattern, int32_t X, int32_t Y);
    // Drawing helpers.
    void ResolveImages();
    void DrawLook(const TTileLook& Look, int32_t X, int32_t Y);
    void DrawImage(TBoardImage Image, int32_t Pattern, int32_t X, int32_t Y);
    void PickJitter();
    TPoint CellCorner(int32_t X, int32_t Y) const;
    int32_t VerticalOffset(int32_t X, int32_t Y) const;

    template <typename TEvent, typename... TArgs>
    void Raise(const TEvent& Event, TArgs&&... Args) {
        if (Event) Event(this, std::forward<TArgs>(Args)...);
    }

    TBoardData FBoard;
    TTileStatusArray FStatus;

    // Selection.
    bool FSelected = false;
    TPoint FFirstTile;
    TPoint FSecondTile;
    TPoint FLastClicked;
    bool FDragging = false;
    uint8_t FSelectionPattern = 0;
    int32_t FSelectionAlpha = 50;
    bool FSelectionAlphaRising = true;

    // Uni fruits: the colour they show, and the tiles just freed from their bubble.
    int32_t FUniColor = 1;
    int32_t FUniColorTimer = 0;
    struct TUniPop {
        bool Active = false;
        int32_t Counter = 0;
    };
    TUniPop FUniPop[BoardSize][BoardSize];

    // The hint: two tiles lifted and breathing apart.
    struct THint {
        THintTilesPos Tiles;
        TSimpleObjectArray Mask;
        bool Showing = false;
        TTileObjectKind FirstKind = okLocker;
        int32_t Wobble = 0;
        int32_t WobbleDir = 1;
        int32_t ShownTime = 0;
    } FHint;

    // Timers in milliseconds of game time.
    int32_t FHintIntervalTimer = 0;
    int32_t FNoMatchTimer = 0;
    int32_t FNoMoreMovesTimer = 0;
    bool FNoMoreMovesRaised = false;
    int32_t FPostFallTimer = 0;
    bool FPostFallPending = false;
    int32_t FShakeDecayTimer = 0;

    // The fruit blaster's wave over the board.
    struct TBlasterWave {
        bool Active = false;
        int32_t Timer = 0;
        int32_t Step = 0;
        TPoint Centre;
        int32_t Color = 1;
        bool GroupDone = false;
    } FBlasterWave;

    // The next fruit check reports a combo at this tile (after a player's fruit swap).
    bool FCheckCombo = false;
    TPoint FSwappedTilePos;

    // Flowers: locker checks counted toward the next flower, and the flower found last.
    int32_t FFlowerCheckCount = 0;
    int32_t FFlowerCheckTarget = 6;
    int32_t FChosenFlowerIdx = 1;

    // An eaten fruit has already asked the fairy to restore it.
    bool FRestoreAsked[BoardSize][BoardSize] = {};

    bool FTutorialRefill = false;
    TAnimData FWormAnim{"AABBCCDDEEFFGGHHHH", true};

    // Per-frame drawing state: the images of this frame and each tile's jitter.
    TImageListItem* FImages[BoardImageCount] = {};
    int32_t FJitter[BoardSize][BoardSize] = {};
};
