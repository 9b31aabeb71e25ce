// The main form's boss monsters: one of each kind for the whole run (only the
// current island's is shown, in its beat-the-monster levels), with the aura of an
// absorbing monster, the energy it draws from the timer and the stars over it
// when it is knocked out.
#pragma once

#include <memory>

#include "AbsorbedEnergyClass.h"
#include "BirdBossClass.h"
#include "FishBossClass.h"
#include "KOStarsClass.h"
#include "KongBossClass.h"
#include "LionBossClass.h"
#include "LizardBossClass.h"
#include "MonsterAuraClass.h"

struct TRoundMonsters {
    std::unique_ptr<TKongBoss> Kong;
    std::unique_ptr<TFishBoss> Fish;
    std::unique_ptr<TBirdBoss> Bird;
    std::unique_ptr<TLionBoss> Lion;
    std::unique_ptr<TLizardBoss> Lizard;
    std::unique_ptr<TMonsterAura> Aura;
    std::unique_ptr<TAbsorbedEnergy> Energy;
    std::unique_ptr<TKOStars> KOStars;
    // The monster of the island being played (the bird when none is chosen yet).
    TBossMonster* Current = nullptr;
    // The monster was knocked out where Tavi may come back to the round.
    bool FairyFreed = false;

    // In drawing order: kong, fish, bird, lion, lizard.
    TBossMonster* InDrawingOrder(int32_t Index) const {
        switch (Index) {
            case 0: return Kong.get();
            case 1: return Fish.get();
            case 2: return Bird.get();
            case 3: return Lion.get();
            case 4: return Lizard.get();
        }
        return nullptr;
    }
    static constexpr int32_t Count = 5;
    TBossMonster* OfKind(TMonsterKind Kind) const {
        switch (Kind) {
            case mkKong: return Kong.get();
            case mkFish: return Fish.get();
            case mkBird: return Bird.get();
            case mkLion: return Lion.get();
            case mkLizard: return Lizard.get();
        }
        return Bird.get();
    }
};
