// The comic words of the bonus stage: each rises a pixel a frame and fades at
// its own pace from the cosmetic stream, a 21st word replaces the first, a
// hidden set waits, and the words never touch the gameplay stream.
#include <gtest/gtest.h>

#include <string>

#include "RandomClass.h"
#include "SpriteTextEffectClass.h"

namespace {

TEST(SpriteTextEffect, AWordRisesAPixelAFrameAndEndsWhenItsAlphaFallsBelowTheEnd) {
    TSpriteTextEffect Words;
    Words.AddWord(300, 200, 0);
    Words.AddWord(310, 210, 1);
    EXPECT_STREQ(Words.WordImage(0), "Pow");
    EXPECT_STREQ(Words.WordImage(1), "Bam");
    for (int32_t I = 0; I < 2; ++I) {
        EXPECT_DOUBLE_EQ(Words.WordAlpha(I), 250.0);
        EXPECT_GE(Words.WordAlphaStep(I), 6.0);
        EXPECT_LE(Words.WordAlphaStep(I), 12.0);
    }
    const double Step = Words.WordAlphaStep(0);
    // Alive while 250 - n * step stays at 50 or above.
    int32_t Frames = 0;
    while (Words.WordActive(0) && Frames < 100) {
        Words.UpdateAndDraw();
        ++Frames;
        if (Words.WordActive(0)) {
            EXPECT_DOUBLE_EQ(Words.WordPos(0).Y, 200.0 - Frames);
            EXPECT_DOUBLE_EQ(Words.WordPos(0).X, 300.0);
        }
    }
    int32_t Expected = 1;
    while (250.0 - Expected * Step >= 50.0) ++Expected;
    EXPECT_EQ(Frames, Expected);
}

TEST(SpriteTextEffect, TheTwentyFirstWordTakesTheFirstSlotAndAClearStartsTheRingAgain) {
    TSpriteTextEffect Words;
    for (int32_t I = 0; I < 20; ++I) Words.AddWord(I, 0, 0);
    EXPECT_EQ(Words.ActiveCount(), 20);
    Words.AddWord(500, 400, 1);
    EXPECT_EQ(Words.ActiveCount(), 20);
    EXPECT_DOUBLE_EQ(Words.WordPos(0).X, 500.0);
    EXPECT_STREQ(Words.WordImage(0), "Bam");
    EXPECT_DOUBLE_EQ(Words.WordPos(1).X, 1.0);

    Words.ClearWords();
    EXPECT_EQ(Words.ActiveCount(), 0);
    Words.AddWord(7, 8, 0);
    EXPECT_TRUE(Words.WordActive(0));
    EXPECT_EQ(Words.ActiveCount(), 1);
}

TEST(SpriteTextEffect, HiddenWordsWait) {
    TSpriteTextEffect Words;
    Words.AddWord(100, 100, 0);
    Words.UpdateAndDraw();
    Words.Visible = false;
    for (int32_t I = 0; I < 50; ++I) Words.UpdateAndDraw();
    EXPECT_TRUE(Words.WordActive(0));
    EXPECT_DOUBLE_EQ(Words.WordPos(0).Y, 99.0);
    Words.Visible = true;
    Words.UpdateAndDraw();
    EXPECT_DOUBLE_EQ(Words.WordPos(0).Y, 98.0);
}

TEST(SpriteTextEffect, WordsAndTheirFadesComeFromTheCosmeticStreamOnly) {
    GameplayRandom().SetSeed(99);
    TRandomStream Untouched(99);
    CosmeticRandom().SetSeed(5);
    TSpriteTextEffect First;
    std::string Kinds;
    for (int32_t I = 0; I < 20; ++I) {
        First.AddRandomWord(0, 0);
        Kinds += First.WordImage(I)[0];
    }
    EXPECT_NE(Kinds.find('P'), std::string::npos);
    EXPECT_NE(Kinds.find('B'), std::string::npos);
    EXPECT_EQ(GameplayRandom().NextUInt32(), Untouched.NextUInt32()) << "the game's own draws are untouched";

    CosmeticRandom().SetSeed(5);
    TSpriteTextEffect Second;
    for (int32_t I = 0; I < 20; ++I) {
        Second.AddRandomWord(0, 0);
        EXPECT_STREQ(Second.WordImage(I), First.WordImage(I));
        EXPECT_DOUBLE_EQ(Second.WordAlphaStep(I), First.WordAlphaStep(I));
    }
}

}  // namespace
