// The list of up to six players who share the game, kept in "Names.dat", with
// the player currently selected. The player screens show it; here is its logic
// (adding, finding, deleting, selecting, the slot under the mouse) and its file.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "GameTypesClass.h"

constexpr int NameListSlotCount = 6;
constexpr size_t PlayerNameCapacity = 10;
// Six short strings of ten characters, one every 11 bytes.
constexpr size_t NameListRecordSize = 66;

using TNameListRecord = std::array<uint8_t, NameListRecordSize>;

class TNameList : public TObject {
public:
    // Full path of "Names.dat".
    std::string FileName;
    // Where the list is drawn: rows VertGap apart from Top, ListWidth wide from Left.
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t VertGap = 28;
    int32_t ListWidth = 238;

    // Reads FileName. A missing file gives an empty list and an empty file; an
    // empty file is an empty list. A file of another size, or one that cannot be
    // read, is set aside as "Names.dat.damaged", the list starts empty and the
    // player is told once.
    void Load();
    // Writes the six slots to FileName (crash-safe). False when it failed; the
    // player has then been told.
    bool Save() const;

    // Takes the slots from a whole record; false (and nothing changed) when Bytes
    // is not one record.
    bool ReadRecord(std::span<const uint8_t> Bytes);
    TNameListRecord Record() const;

    // Stores the name, trimmed, upper-cased (a to z only) and cut to ten
    // characters, in the first empty slot and selects it. Nothing happens when
    // all six slots are taken or the trimmed name is empty. Returns the slot (1
    // to 6) or 0.
    int Add(const std::string& Name);
    // Whether the name, trimmed and upper-cased like Add stores it, is in the list.
    bool Exists(const std::string& Name) const;
    // Removes the selected player; the following ones move up a slot and the
    // nearest filled slot at or before the old position is selected.
    void DeleteSelected();

    const std::string& SelectedName() const { return FSlots[FSelected - 1]; }
    int Selected() const { return FSelected; }
    // Selects slot Index (1 to 6); other values are ignored.
    void Select(int Index);
    bool IsFull() const;
    bool IsEmpty() const;
    // The name in slot Index (1 to 6), empty for an empty slot or another index.
    const std::string& NameOf(int Index) const;

    // The filled slot under a screen point, else the selected slot.
    int NameAt(int32_t X, int32_t Y) const;
    // Mouse handling of the player screens: hovering highlights a filled slot
    // (0 when none), pressing selects it.
    void MouseMove(int32_t X, int32_t Y);
    void MouseDown(int32_t X, int32_t Y);
    int Hovered() const { return FHovered; }

    // The form a typed name is stored and compared in.
    static std::string NormalizedName(const std::string& Name);

private:
    // The filled slot whose row contains the point, 0 when none.
    int FilledSlotAt(int32_t X, int32_t Y) const;
    void Clear();

    std::array<std::string, NameListSlotCount> FSlots;
    int FSelected = 1;
    int FHovered = 0;
};
