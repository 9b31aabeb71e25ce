// The fruit worms: after every so many landed fruits a wave of worms crawls in
// from the board's edges (or beside a hole) along the grid lines, wanders from
// tile to tile and now and then creeps into a plain fruit, which the board then
// counts as being eaten. A worm the player hits, and a worm thrown out of a
// fruit, bites once and rolls off the bottom of the screen. The worms know the
// board only through a copy taken when a wave starts and the questions they ask.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "AnimDataClass.h"
#include "BoardDataClass.h"
#include "BoardEnemiesClass.h"
#include "GameTypesClass.h"

class TOmegaImageList;
class TImageListItem;

using TIfTileIsFruitQuestionEvent = std::function<void(TObject* Sender, TPoint ATilePos, bool& ATileIsFruit)>;
using TAFruitTileSelectedEvent = std::function<void(TObject* Sender, TPoint ATilePos)>;
using TFruitWormParametersRequestEvent =
    std::function<void(TObject* Sender, int32_t& AEatingWormsCount, int32_t& AEatenFruitsCount)>;
using TFruitWormsFallingPosUpdate = std::function<void(TObject* Sender, TPoint APos)>;

enum TWormState : uint8_t { wsAppearing, wsWalking, wsHit, wsFalling, wsInactive };

// One worm, crawling on the board or thrown out of a fruit.
struct TWormSlot {
    TPoint Tile;      // the tile it last reached (a thrown-out worm: its fruit's tile)
    TPoint NextTile;  // the tile it crawls to
    TCrawlDirection Direction = cdUp;
    TWormState State = wsInactive;
    TAnimData WalkAnim;
    TAnimData AppearAnim;
    TAnimData HitAnim;
    double PosX = 0.0;
    double PosY = 0.0;
    TPoint Target;  // pixel position it crawls to
    int32_t Angle = 0;
    TPoint HitPos = NotHitPos;
};

class TFruitWorms : public TObject {
public:
    static constexpr int32_t SlotCount = 20;

    // A new component is already reset.
    TFruitWorms();

    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = BoardScreenLeft;  // the board's top-left tile corner
    int32_t Top = BoardScreenTop;
    bool Visible = true;              // false: nothing spawns, moves or is drawn
    uint8_t ShadowAlpha = 60;
    int32_t ShadowAdjustX = 4;        // doubled for biting and falling worms
    int32_t ShadowAdjustY = 4;
    int32_t FruitsInterval = 50;      // landed fruits between two waves; 0 or less: no waves
    int32_t MaxWormsOnBoard = 4;      // worms per wave, and the cap on crawling plus eating worms
    int32_t MaxEatenFruits = 4;       // cap on crawling plus eating worms plus eaten fruits
    double MoveStep = 0.6;            // pixels a crawling worm moves per frame on each axis
    int32_t DisappearVertYPos = 600;  // a falling worm is gone at this screen y
    int32_t WormRollAdjX = 26;        // drawing offset of a falling, rolling worm
    int32_t WormRollAdjY = -2;
    int32_t FallingMoveStep = 13;
    int32_t DustEffectAfterHitRange = 135;  // a falling crawler reports its position this far below its hit
    int32_t OneEntryEveryProb = 8;          // a worm creeps into a fruit it reaches with chance 1 in this
    int32_t OneTurnEveryXStraightDirs = 4;  // ... and turns at a tile with chance 1 in this

    TIfTileIsFruitQuestionEvent OnIfTileIsFruitQuestion;  // a crawler has reached a tile: may it eat there?
    TAFruitTileSelectedEvent OnAFruitTileSelected;        // a crawler has crept into the fruit there
    TFruitWormParametersRequestEvent OnParametersRequest; // before every spawn: fruits being eaten and eaten
    TNotifyEvent OnFruitsIntervalReached;
    TNotifyEvent OnOneWormHit;                            // the player hit a worm (not when all are cleared away)
    TFruitWormsFallingPosUpdate OnFallingPosUpdate;       // a falling crawler's first stretch, every frame

    // At level set-up: every slot inactive with fresh animations, no wave pending,
    // the slot order, spawn timer and landed-fruit counter back at 0.
    void Reset();
    // One matched fruit has landed; every FruitsInterval of them a wave is due.
    void CountLandedFruit();
    // The board the worms crawl over (only its holes matter).
    void TakeBoard(const TBoardData& Board) { FBoard = Board; }
    // A wave of MaxWormsOnBoard worms begins; the counting of landed fruits starts again.
    void StartWave();
    // Once per frame: spawning, crawling, biting and falling, and the drawing.
    void Frame();

    // Crawlers on a marked tile are hit (see CrawlerHitBy for the tiles that count).
    void HitByMask(const TSimpleObjectArray& Mask);
    // Crawlers on a tile about to fall (tsFalling) are hit.
    void HitByStatus(const TTileStatusArray& Statuses);
    // Crawlers whose rounded position lies in R, edges included, are hit.
    void HitInRect(const TRect& R);
    // The worm eating the fruit at P is thrown out: it bites and falls.
    void DriveOffEater(TPoint P);
    // Every crawler drops off, uncounted; the wave ends. Worms inside fruits stay.
    void RemoveAll();

    // Crawlers appearing or walking.
    int32_t CrawlerCount() const;
    int32_t PendingWorms() const { return FPending; }
    int32_t LandedFruits() const { return FLandedFruits; }
    const TWormSlot& Crawler(int32_t Index) const { return FCrawlers[Index]; }     // 0 to 19
    const TWormSlot& DrivenOff(int32_t Index) const { return FDrivenOff[Index]; }  // 0 to 19

    // The choices a worm makes, as pure functions of the board copy (drawing from the gameplay stream).
    // Where a new worm comes in: a random tile on the board's edge or beside a hole,
    // heading inward; false when 10000 draws find none.
    static bool ChooseEntry(const TBoardData& Board, TPoint& Tile, TCrawlDirection& Direction);
    // The heading that brings a worm in at Tile, by the rules in their order (a later
    // one overriding): the edges, then the holes beside it. False: no rule applies.
    static bool EntryDirection(const TBoardData& Board, TPoint Tile, TCrawlDirection& Direction);
    // The next direction at Tile: each try draws a direction, then the turn chance;
    // a forced call, or one whose turn does not come, keeps Current where it can.
    // False when no neighbour can be crawled onto.
    static bool ChooseDirection(const TBoardData& Board, TPoint Tile, TCrawlDirection Current,
                                int32_t OneTurnEvery, bool Forced, TCrawlDirection& Direction);
    // A crawler on Tile heading D is hit by a blow on Marked: its own tile, and
    // since worms crawl on the grid lines, the tile to its right when it heads up or
    // down, the tile below when it heads sideways.
    static bool CrawlerHitBy(TPoint Tile, TCrawlDirection D, TPoint Marked);

    // Pixel positions on the board: a tile's cell corner, and the point a worm walks through.
    TPoint CellCorner(TPoint Tile) const;
    TPoint WalkingPoint(TPoint Tile) const;

private:
    void TrySpawn();
    bool TakeInactiveCrawlerSlot(int32_t& Index);
    void Appear(TWormSlot& Slot);
    void Walk(TWormSlot& Slot);
    void WalkStep(TWormSlot& Slot);
    void Bite(TWormSlot& Slot, TPoint DrawOffset);
    void Fall(TWormSlot& Slot, bool ReportsDust);
    // Picks the next tile and sets off toward it; a worm with nowhere to go drops off.
    void SetOff(TWormSlot& Slot, bool Forced);
    void HitWorm(TWormSlot& Slot);
    void StartBite(TWormSlot& Slot);
    template <typename TMarked>
    void HitMarked(TMarked IsMarked);
    void ResolveImages();

    template <typename TEvent, typename... TArgs>
    void Raise(const TEvent& Event, TArgs&&... Args) {
        if (Event) Event(this, std::forward<TArgs>(Args)...);
    }

    TBoardData FBoard;
    TWormSlot FCrawlers[SlotCount];
    TWormSlot FDrivenOff[SlotCount];
    int32_t FNextSlot = 0;  // the crawler slot taken last, 1 to 20 (0: none yet)
    int32_t FPending = 0;
    int32_t FSpawnTimer = 0;
    int32_t FSpawnInterval = 0;
    int32_t FLandedFruits = 0;

    enum TImage : uint8_t { imAppearingVert, imAppearingHorz, imWalkingVert, imWalkingHorz, imBiting, imCount };
    TImageListItem* FImages[imCount] = {};
};
