// The main form's objects of the special objects: the effects that show a uni
// fruit bursting free, a hammer's blow and the tiles it smashed, a bomb's
// burst, a fruit blaster spinning, the stars, the flower row and a found
// flower's flight, and the round's three flashes of light. The main form owns
// one of each for the whole run.
#pragma once

#include <memory>

#include "BlasterEffectClass.h"
#include "BombEffectClass.h"
#include "FlowerCollectionClass.h"
#include "HammerEffectClass.h"
#include "HammeredObjectsEffectClass.h"
#include "NewFlowerEffectClass.h"
#include "ShineEffectClass.h"
#include "StarsEffectClass.h"
#include "UniBubbleEffectClass.h"

// The round's flashes: where the hammer strikes, where a locker frame is cleared, where the fairy works.
enum TRoundShine : uint8_t { rsHammer, rsLockerFrame, rsFairy };
constexpr int32_t RoundShineCount = 3;

struct TRoundSpecials {
    std::unique_ptr<TUniBubbleEffect> UniBubble;
    std::unique_ptr<THammerEffect> Hammer;
    std::unique_ptr<THammeredObjectsEffect> HammeredObjects;
    std::unique_ptr<TBombEffect> Bomb;
    std::unique_ptr<TBlasterEffect> Blaster;
    std::unique_ptr<TStarsEffect> Stars;
    std::unique_ptr<TFlowerCollection> FlowerRow;
    std::unique_ptr<TNewFlowerEffect> NewFlower;
    std::unique_ptr<TShineEffect> Shines[RoundShineCount];
    TShineEffect& Shine(TRoundShine Which) { return *Shines[Which]; }
};
