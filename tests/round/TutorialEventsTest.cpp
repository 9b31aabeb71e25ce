// The tutorial's events on island 1: each belongs to one level, where it may put
// back a held feature, and nowhere else; and no event is raised while the fairy
// is busy with her magic.
#include <gtest/gtest.h>

#include "FairyTestSupport.h"
#include "TutorialEventsClass.h"

namespace {

TEST(TutorialEvents, EachEventBelongsToItsLevelOfIslandOne) {
    const struct {
        int32_t Event, Level, Step;
        std::optional<THeldFeature> PutsBack;
    } Cases[] = {
        {8, 6, 6, hfMagicKeys},      {9, 5, 9, hfBrooms},    {10, 8, 13, hfAerosols},
        {11, 1, 5, hfUniFruits},     {12, 3, 14, hfMultiBubbles}, {13, 2, 10, hfFruitBombs},
        {14, 9, 15, hfHammers},      {16, 7, 12, std::nullopt},   {7, 2, 4, std::nullopt},
        {1, 4, 7, hfSpiderInterval}, {2, 7, 11, hfWormInterval},  {15, 4, 8, std::nullopt},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Event);
        const std::optional<TTutorialEventRow> Row = TutorialEventRow(1, C.Level, C.Event);
        ASSERT_TRUE(Row);
        EXPECT_EQ(Row->Step, C.Step);
        EXPECT_EQ(TutorialEventPutsBack(1, C.Level, C.Event), C.PutsBack);
        // Another level of island 1, or the same level elsewhere: nothing at all.
        for (int32_t Level : {C.Level - 1, C.Level + 1, 10, 15}) {
            EXPECT_FALSE(TutorialEventRow(1, Level, C.Event)) << Level;
            EXPECT_FALSE(TutorialEventPutsBack(1, Level, C.Event)) << Level;
        }
        for (int32_t Island : {0, 2, 5, 6}) EXPECT_FALSE(TutorialEventRow(Island, C.Level, C.Event)) << Island;
    }
    for (int32_t Event : {-1, 0, 17, 100}) EXPECT_FALSE(TutorialEventRow(1, 1, Event)) << Event;
}

TEST(TutorialEvents, WaitWhileTheFairyIsBusy) {
    EXPECT_TRUE(FairyFreeForTutorial(nullptr)) << "a round without its fairy is never held up";
    TFairyRig Rig;
    EXPECT_TRUE(FairyFreeForTutorial(&Rig.Fairy));
    Rig.Land();
    ASSERT_TRUE(Rig.Fairy.OrderMagic(460, 260, mpShuffle));
    EXPECT_FALSE(FairyFreeForTutorial(&Rig.Fairy));
    ASSERT_GT(Rig.StepUntil([&] { return Rig.Fairy.IsFree(); }), 0);
    EXPECT_TRUE(FairyFreeForTutorial(&Rig.Fairy));
}

}  // namespace
