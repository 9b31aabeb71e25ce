#include "NameListClass.h"

#include "RecordBytesClass.h"
#include "SaveFileClass.h"
#include "Win1252Class.h"

namespace {
constexpr size_t SlotStride = 1 + PlayerNameCapacity;

// Blanks are the space and the control characters, as the name entry sees them.
bool IsBlank(char C) { return static_cast<unsigned char>(C) <= ' '; }

std::string Trimmed(const std::string& Text) {
    size_t First = 0;
    size_t Last = Text.size();
    while (First < Last && IsBlank(Text[First])) ++First;
    while (Last > First && IsBlank(Text[Last - 1])) --Last;
    return Text.substr(First, Last - First);
}

const std::string NoName;
}  // namespace

std::string TNameList::NormalizedName(const std::string& Name) {
    std::string Result = UpperCaseAscii(Trimmed(Name));
    if (Result.size() > PlayerNameCapacity) Result.resize(PlayerNameCapacity);
    return Result;
}

void TNameList::Clear() {
    for (auto& Slot : FSlots) Slot.clear();
}

void TNameList::Load() {
    Clear();
    if (FileName.empty()) return;
    const TSaveFileContent Content = ReadSaveFile(FileName, NameListRecordSize);
    if (Content.State == sfMissing) {
        WriteSaveFile(FileName, {});
        return;
    }
    if (Content.State == sfRead && Content.Bytes.empty()) return;
    if (Content.State == sfRead && ReadRecord(Content.Bytes)) return;
    SetAsideDamagedFileAndTell(FileName);
    WriteSaveFile(FileName, {});
}

bool TNameList::Save() const {
    const TNameListRecord Bytes = Record();
    return WriteSaveFile(FileName, Bytes);
}

bool TNameList::ReadRecord(std::span<const uint8_t> Bytes) {
    if (Bytes.size() != NameListRecordSize) return false;
    for (int I = 0; I < NameListSlotCount; ++I) {
        FSlots[I] = GetShortString(Bytes, SlotStride * I, PlayerNameCapacity);
    }
    return true;
}

TNameListRecord TNameList::Record() const {
    TNameListRecord Bytes{};
    for (int I = 0; I < NameListSlotCount; ++I) PutShortString(Bytes, SlotStride * I, PlayerNameCapacity, FSlots[I]);
    return Bytes;
}

int TNameList::Add(const std::string& Name) {
    const std::string Stored = NormalizedName(Name);
    if (Stored.empty()) return 0;
    for (int I = 0; I < NameListSlotCount; ++I) {
        if (FSlots[I].empty()) {
            FSlots[I] = Stored;
            FSelected = I + 1;
            return FSelected;
        }
    }
    return 0;
}

bool TNameList::Exists(const std::string& Name) const {
    const std::string Wanted = NormalizedName(Name);
    if (Wanted.empty()) return false;
    for (const auto& Slot : FSlots) {
        if (Slot == Wanted) return true;
    }
    return false;
}

void TNameList::DeleteSelected() {
    for (int I = FSelected - 1; I < NameListSlotCount - 1; ++I) FSlots[I] = FSlots[I + 1];
    FSlots[NameListSlotCount - 1].clear();
    int Nearest = FSelected;
    while (Nearest > 1 && FSlots[Nearest - 1].empty()) --Nearest;
    FSelected = Nearest;
    FHovered = 0;
}

void TNameList::Select(int Index) {
    if (Index >= 1 && Index <= NameListSlotCount) FSelected = Index;
}

bool TNameList::IsFull() const {
    for (const auto& Slot : FSlots) {
        if (Slot.empty()) return false;
    }
    return true;
}

bool TNameList::IsEmpty() const {
    for (const auto& Slot : FSlots) {
        if (!Slot.empty()) return false;
    }
    return true;
}

const std::string& TNameList::NameOf(int Index) const {
    if (Index < 1 || Index > NameListSlotCount) return NoName;
    return FSlots[Index - 1];
}

int TNameList::FilledSlotAt(int32_t X, int32_t Y) const {
    // Wide arithmetic: positions come from the mouse and the layout, any value must be safe.
    const int64_t DX = int64_t{X} - Left;
    const int64_t DY = int64_t{Y} - Top;
    if (DX < 0 || DX >= ListWidth || DY < 0 || VertGap <= 0) return 0;
    const int64_t Row = DY / VertGap + 1;
    if (Row > NameListSlotCount || FSlots[Row - 1].empty()) return 0;
    return static_cast<int>(Row);
}

int TNameList::NameAt(int32_t X, int32_t Y) const {
    const int Slot = FilledSlotAt(X, Y);
    return Slot ? Slot : FSelected;
}

void TNameList::MouseMove(int32_t X, int32_t Y) { FHovered = FilledSlotAt(X, Y); }

void TNameList::MouseDown(int32_t X, int32_t Y) { FSelected = NameAt(X, Y); }
