// The crawling spiders: after every so many landed fruits (or, in a spider hunt,
// every few seconds) spiders drop from above onto the top of the board, rest,
// crawl from tile to tile with stops, and now and then anchor a thread and spin
// a web over the tile they are on. Once their share of webs is spun they drop to
// the ground and walk off to the right. A spider the player hits curls up and
// rolls off the bottom of the screen. The spiders know the board only through a
// copy taken when a wave or a hunt starts and the questions they ask.
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

using TCrawlingSpidersMakeWebEvent = std::function<void(TObject* Sender, TPoint TilePos)>;
using TCrawlingSpidersTilePossibleToWebQuestionEvent =
    std::function<void(TObject* Sender, TPoint TilePos, bool& ATilePossibleToWeb)>;
using TCrawlingSpidersTopBoardPosRequestEvent = std::function<void(TObject* Sender, TPoint& TopTilePos)>;
using TCrawlingSpidersFallingPosUpdate = std::function<void(TObject* Sender, TPoint APos)>;
using TOnCanAddSpiderForHuntEvent = std::function<void(TObject* Sender, bool& ACanAddSpider)>;

enum TSpiderState : uint8_t {
    ssWalking,
    ssStopped,
    ssAnchoring,
    ssSpinning,
    ssInactive,
    ssDroppingToGround,
    ssWalkingAway,
    ssDroppingIn,
    ssHit,
    ssFalling
};

// One spider.
struct TSpiderSlot {
    TSpiderState State = ssInactive;
    TPoint Tile;      // the tile it last reached
    TPoint NextTile;  // the tile it crawls to
    int32_t PosX = 0;
    int32_t PosY = 0;
    TPoint Target;    // pixel position it moves to
    TCrawlDirection Direction = cdUp;
    int32_t Angle = 0;
    TAnimData WalkAnim{"AAABBBCCCDDDEEEFFFGGGHHHIII", true};
    TAnimData WebAnim{"AABBCCDD", true};
    TAnimData AnchorAnim{"AAAABBBBCCCCDDDDEEEEFFFFGGGG", false};
    TAnimData HitAnim{"AABBCCDDDEEEFFFF", false};
    int32_t WebTime = 0;
    int32_t StopTime = 0;
    TPoint HitPos = NotHitPos;
};

class TCrawlingSpiders : public TObject {
public:
    static constexpr int32_t SlotCount = 20;

    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = BoardScreenLeft;  // the board's top-left tile corner
    int32_t Top = BoardScreenTop;
    bool Visible = true;              // false: nothing is added, moves or is drawn
    int32_t OneWebEveryProb = 15;     // a spider reaching a tile it may web starts a web with chance 1 in this
    int32_t MoveStep = 2;             // pixels a crawling spider moves per frame on each axis
    int32_t OneStoppingEveryProb = 6; // ... and stops with chance 1 in this
    int32_t StoppingTime = 400;       // milliseconds of a stop
    int32_t MakeWebTime = 5000;       // milliseconds of spinning before the web is there
    int32_t MinKeepAddingInterval = 4000;  // a hunt tops the board up every so many milliseconds
    int32_t MaxKeepAddingInterval = 6000;
    int32_t FallingMoveStep = 13;
    int32_t VertGroundYPos = 565;     // the ground a leaving spider drops to
    int32_t DisappearHorzXPos = 800;  // a leaving spider is gone here
    int32_t DisappearVertYPos = 600;  // a falling spider is gone here
    int32_t WalkAwayMoveStep = 10;
    int32_t SpiderAdjustX = -11;      // the sprites against the spider's position
    int32_t SpiderAdjustY = -22;
    int32_t SpiderRollAdjX = 4;       // further offset of the rolling spider
    int32_t SpiderRollAdjY = -3;
    // The size of one "SpiderWalking" pattern, which places the spider's centre for
    // the aerosol. The main form sets it from the loaded image; the defaults are the
    // drawn art's size, so a game run without images aims exactly as a drawn one.
    int32_t SpiderWidth = 72;
    int32_t SpiderHeight = 66;
    uint8_t ShadowAlpha = 60;
    int32_t ShadowAdjustX = 5;        // doubled while dropping or hit
    int32_t ShadowAdjustY = 2;
    int32_t DustEffectAfterHitRange = 150;
    int32_t FruitsInterval = 60;      // landed fruits between two waves; 0 or less: no waves
    int32_t MaxSpidersOnBoard = 2;    // a wave or a hunt tops the board up to this many
    int32_t MaxWebs = 3;              // webs the board may hold

    TCrawlingSpidersMakeWebEvent OnPutWeb;                                     // a web is finished on TilePos
    TNotifyEvent OnFruitsIntervalReached;                                      // not in a hunt
    TCrawlingSpidersTilePossibleToWebQuestionEvent OnTilePossibleToWebQuestion; // a spider reached a tile
    TCrawlingSpidersTopBoardPosRequestEvent OnTopBoardPosRequest;              // where a new spider lands
    TNotifyEvent OnOneSpiderHit;                   // the player hit a spider (not when all are cleared away)
    TCrawlingSpidersFallingPosUpdate OnFallingPosUpdate;  // a falling spider's first stretch, every frame
    // Before each top-up of a hunt: a refused top-up is skipped (a shuffle is running).
    TOnCanAddSpiderForHuntEvent OnCanAddSpiderForHunt;

    // At level set-up: every slot inactive, nothing to add, every timer, interval and
    // counter 0, no hunt, no quota.
    void Reset();
    // One matched fruit has landed; outside a hunt, every FruitsInterval of them a wave is due.
    void CountLandedFruit();
    // The board the spiders crawl over (only its holes matter).
    void TakeBoard(const TBoardData& Board) { FBoard = Board; }
    // A wave: the board is topped up to MaxSpidersOnBoard, and together they may spin
    // MaxWebs less the webs already there.
    void StartWave(int32_t ExistingWebs);
    // A spider hunt: spiders keep coming (the first at the next frame) until StopHunt.
    void StartHunt(int32_t ExistingWebs);
    void StopHunt() { FHunt = false; }
    // Once per frame: adding, moving and drawing.
    void Frame();

    // Spiders that can be hit, on a marked tile (their own tile only), are hit.
    void HitByMask(const TSimpleObjectArray& Mask);
    // ... on a tile about to fall (tsFalling).
    void HitByStatus(const TTileStatusArray& Statuses);
    // ... whose centre lies in R, edges included.
    void HitInRect(const TRect& R);
    // Every spider falls off, uncounted; nothing more comes from the wave (a hunt goes on).
    void RemoveAll();

    // Spiders on the board: walking, stopped, spinning or dropping in.
    int32_t PresentCount() const;
    bool Hunting() const { return FHunt; }
    int32_t WebQuota() const { return FQuota; }
    int32_t WebsSpun() const { return FWebsSpun; }
    int32_t SpidersToAdd() const { return FToAdd; }
    int32_t LandedFruits() const { return FLandedFruits; }
    const TSpiderSlot& Spider(int32_t Index) const { return FSlots[Index]; }  // 0 to 19

    // The next direction at Tile: any neighbour the spider can crawl onto, drawn
    // at random. False when there is none.
    static bool ChooseDirection(const TBoardData& Board, TPoint Tile, TCrawlDirection& Direction);
    // The point a spider stands on over a tile: its cell corner + (-2, 12).
    TPoint SpiderPoint(TPoint Tile) const;
    // Hit states: walking, stopped, anchoring, spinning.
    static bool CanBeHit(TSpiderState State) { return State <= ssSpinning; }

private:
    void UpdateAdding();
    // Adds a spider in the lowest free slot; false when none is added.
    bool Spawn();
    void WalkStep(TSpiderSlot& Slot);
    void Arrive(TSpiderSlot& Slot);
    void Leave(TSpiderSlot& Slot);
    bool OtherWebberOn(const TSpiderSlot& Slot) const;
    void UpdateSlot(TSpiderSlot& Slot);
    void DrawSprite(TImageListItem* Image, const TSpiderSlot& Slot, int32_t Pattern, int32_t ShadowTimes);
    void HitSpider(TSpiderSlot& Slot);
    void StartHit(TSpiderSlot& Slot);
    template <typename TMarked>
    void HitMarked(TMarked IsMarked);
    void ResolveImages();

    template <typename TEvent, typename... TArgs>
    void Raise(const TEvent& Event, TArgs&&... Args) {
        if (Event) Event(this, std::forward<TArgs>(Args)...);
    }

    TBoardData FBoard;
    TSpiderSlot FSlots[SlotCount];
    int32_t FLandedFruits = 0;
    int32_t FQuota = 0;
    int32_t FWebsSpun = 0;
    int32_t FToAdd = 0;
    int32_t FAddTimer = 0;
    int32_t FAddInterval = 0;
    bool FHunt = false;
    int32_t FHuntTimer = 0;
    int32_t FHuntInterval = 0;

    enum TImage : uint8_t { imWalking, imAnchoring, imMakingWeb, imHit, imCount };
    TImageListItem* FImages[imCount] = {};
};
