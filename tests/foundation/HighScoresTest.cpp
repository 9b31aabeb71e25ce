#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FuzzSeeds.h"
#include "GeneralRoutinesClass.h"
#include "HighScoresClass.h"
#include "SaveFolderFixture.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

struct TPlace {
    std::string Name;
    int32_t Score;
};

THighScores TableOf(const std::vector<TPlace>& Places) {
    THighScores Table;
    Table.SetDefaultName("");
    THighScoresRecord Bytes = Table.Record();
    for (size_t I = 0; I < Places.size(); ++I) {
        Bytes[256 * I] = static_cast<uint8_t>(Places[I].Name.size());
        std::copy(Places[I].Name.begin(), Places[I].Name.end(), Bytes.begin() + 256 * I + 1);
        for (int B = 0; B < 4; ++B) Bytes[1280 + 4 * I + B] = static_cast<uint8_t>(Places[I].Score >> (8 * B));
    }
    EXPECT_TRUE(Table.ReadRecord(Bytes));
    return Table;
}

std::string Describe(const THighScores& Table) {
    std::string Text;
    for (int Place = 1; Place <= HighScorePlaceCount; ++Place) {
        Text += Table.Entry(Place).Name + " " + std::to_string(Table.Entry(Place).Score) + "|";
    }
    return Text;
}

TEST(HighScores, TheThreeOffersOfTheExample) {
    THighScores Table = TableOf({{"ANN", 5000}, {"CID", 4000}, {"DOT", 3000}, {"EVE", 2000}, {"FAY", 1000}});
    EXPECT_EQ(Table.Offer("BOB", 3500), 3);
    EXPECT_EQ(Describe(Table), "ANN 5000|CID 4000|BOB 3500|DOT 3000|EVE 2000|");
    EXPECT_EQ(Table.Offer("BOB", 3000), 0);
    EXPECT_EQ(Describe(Table), "ANN 5000|CID 4000|BOB 3500|DOT 3000|EVE 2000|");
    EXPECT_EQ(Table.Offer("bob", 4500), 2);
    EXPECT_EQ(Describe(Table), "ANN 5000|BOB 4500|CID 4000|DOT 3000|EVE 2000|");
}

TEST(HighScores, OfferRules) {
    const std::vector<TPlace> Full = {{"ANN", 5000}, {"CID", 4000}, {"DOT", 3000}, {"EVE", 2000}, {"FAY", 1000}};
    const struct {
        const char* Name;
        int32_t Score;
        int Place;
        const char* After;
    } Cases[] = {
        // An equal score ranks below the one already there.
        {"GUS", 3000, 4, "ANN 5000|CID 4000|DOT 3000|GUS 3000|EVE 2000|"},
        {"GUS", 1000, 0, "ANN 5000|CID 4000|DOT 3000|EVE 2000|FAY 1000|"},
        {"GUS", 9999, 1, "GUS 9999|ANN 5000|CID 4000|DOT 3000|EVE 2000|"},
        // The name already there with a lower score: only the better one stays.
        {"fay", 6000, 1, "FAY 6000|ANN 5000|CID 4000|DOT 3000|EVE 2000|"},
        {"Ann", 5000, 0, "ANN 5000|CID 4000|DOT 3000|EVE 2000|FAY 1000|"},
        {"eve", 2500, 4, "ANN 5000|CID 4000|DOT 3000|EVE 2500|FAY 1000|"},
        // Only a to z are upper-cased.
        {"zo\xEB", 1500, 5, "ANN 5000|CID 4000|DOT 3000|EVE 2000|ZO\xEB 1500|"},
        {"", 9999, 0, "ANN 5000|CID 4000|DOT 3000|EVE 2000|FAY 1000|"},
    };
    for (const auto& C : Cases) {
        THighScores Table = TableOf(Full);
        EXPECT_EQ(Table.Offer(C.Name, C.Score), C.Place) << C.Name << " " << C.Score;
        EXPECT_EQ(Describe(Table), C.After) << C.Name << " " << C.Score;
    }

    // A table with room: a removed entry leaves place 5 empty with 0.
    THighScores Short = TableOf({{"ANN", 300}, {"BOB", 200}});
    EXPECT_EQ(Short.Offer("BOB", 400), 1);
    EXPECT_EQ(Describe(Short), "BOB 400|ANN 300| 0| 0| 0|");
    EXPECT_EQ(Short.Offer("CID", 0), 0);  // nothing is lower than 0
    EXPECT_EQ(Short.Offer("CID", 1), 3);
}

TEST(HighScores, NewTableAndDisplayCopy) {
    THighScores Table;
    EXPECT_EQ(Describe(Table), "ANONYMOUS 0|ANONYMOUS 0|ANONYMOUS 0|ANONYMOUS 0|ANONYMOUS 0|");
    Table.SetDefaultName("Niemand");
    EXPECT_EQ(Table.Entry(3).Name, "Niemand");
    EXPECT_EQ(Table.DisplayScore(1), "0");
    Table.Offer("ann", 1234567);
    EXPECT_EQ(Table.DisplayScore(1), "1,234,567");
    GameLanguage = laDE;
    Table.RefreshDisplay();
    EXPECT_EQ(Table.DisplayScore(1), "1.234.567");
    GameLanguage = laUS;
}

using HighScoresFile = SaveFolderTest;

TEST_F(HighScoresFile, MissingFileIsCreatedWithTheDefaultName) {
    THighScores Table;
    Table.NormalModeFileName = SaveFolder + "HighScores.dat";
    Table.SetDefaultName("NOBODY");
    Table.Load();
    const std::string Bytes = ReadWholeFile(Table.NormalModeFileName);
    AddFuzzSeed("HighScores", Bytes);
    ASSERT_EQ(Bytes.size(), 1300u);
    for (size_t Offset : {0u, 256u, 512u, 768u, 1024u}) {
        EXPECT_EQ(Bytes.substr(Offset, 7), std::string("\x06" "NOBODY")) << Offset;
    }
    EXPECT_EQ(Bytes.substr(1280), std::string(20, '\0'));
    EXPECT_TRUE(Messages.Messages().empty());
}

TEST_F(HighScoresFile, EveryPlaceAtItsOffsetAndBack) {
    THighScores Table = TableOf({{"ANN", 5000}, {"CID", 4000}, {"DOT", 3000}, {"EVE", 2000}});
    Table.Offer(std::string(300, 'l'), -7 + 10);  // a name longer than its field is cut
    Table.NormalModeFileName = SaveFolder + "HighScores.dat";
    ASSERT_TRUE(Table.Save());
    const std::string Bytes = ReadWholeFile(Table.NormalModeFileName);
    AddFuzzSeed("HighScores", Bytes);
    ASSERT_EQ(Bytes.size(), 1300u);
    EXPECT_EQ(Bytes.substr(512, 4), std::string("\x03" "DOT"));
    EXPECT_EQ(static_cast<uint8_t>(Bytes[1024]), 255);
    EXPECT_EQ(Bytes.substr(1025, 255), std::string(255, 'L'));
    EXPECT_EQ(Bytes.substr(1280, 4), std::string("\x88\x13\0\0", 4));  // 5000
    EXPECT_EQ(Bytes.substr(1296, 4), std::string("\x03\0\0\0", 4));

    THighScores Again;
    Again.NormalModeFileName = Table.NormalModeFileName;
    Again.Load();
    EXPECT_EQ(Describe(Again), Describe(Table));
}

TEST_F(HighScoresFile, DamagedFileIsSetAsideAndANewTableUsed) {
    const std::string Name = SaveFolder + "HighScores.dat";
    WriteWholeFile(Name, std::string(1299, '\x07'));
    THighScores Table;
    Table.NormalModeFileName = Name;
    Table.SetDefaultName("NOBODY");
    Table.Load();
    EXPECT_EQ(Table.Entry(1).Name, "NOBODY");
    EXPECT_EQ(Table.Entry(1).Score, 0);
    EXPECT_EQ(ReadWholeFile(Name + ".damaged"), std::string(1299, '\x07'));
    EXPECT_EQ(fs::file_size(Name), 1300u);
    ASSERT_EQ(Messages.Messages().size(), 1u);
    EXPECT_NE(Messages.Messages()[0].Text.find(Name), std::string::npos);
}

}  // namespace
