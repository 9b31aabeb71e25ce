// How many patterns each image file is cut into: a fixed table of image names
// with their columns and rows. An image missing from the table is one pattern.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "GameTypesClass.h"

struct TTileCount {
    int32_t Columns = 1;
    int32_t Rows = 1;
    friend bool operator==(const TTileCount&, const TTileCount&) = default;
};

struct TSpriteTileCountEntry {
    std::string Name;
    int32_t Columns = 1;
    int32_t Rows = 1;
    bool Used = false;  // looked up at least once
};

class TSpriteTileCount : public TObject {
public:
    static constexpr int32_t EntryCount = 234;

    // Fills the table.
    TSpriteTileCount();

    // Columns and rows of the first entry of that exact name (marking it
    // used), or 1 x 1 when there is none.
    TTileCount GetTileCount(std::string_view Name);
    void GetTileCount(std::string_view Name, int32_t& Columns, int32_t& Rows);

    const std::vector<TSpriteTileCountEntry>& Entries() const { return FEntries; }

private:
    std::vector<TSpriteTileCountEntry> FEntries;
};
