// "Names.dat" as any bytes, then the player screens' operations on the list it gives.
#include <cstdint>
#include <span>

#include "FuzzCheck.h"
#include "NameListClass.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::span<const uint8_t> Bytes(Data, Size);
    TNameList List;
    FUZZ_CHECK(List.ReadRecord(Bytes) == (Size == NameListRecordSize));
    if (Size < NameListRecordSize) return 0;
    FUZZ_CHECK(List.ReadRecord(Bytes.first(NameListRecordSize)));

    // Writing the list and reading it back gives the same list.
    const TNameListRecord Written = List.Record();
    TNameList Again;
    FUZZ_CHECK(Again.ReadRecord(Written));
    FUZZ_CHECK(Again.Record() == Written);
    for (int I = 1; I <= NameListSlotCount; ++I) FUZZ_CHECK(List.NameOf(I).size() <= PlayerNameCapacity);

    TFuzzBytes Ops(Data + NameListRecordSize, Size - NameListRecordSize);
    for (int Steps = 0; Steps < 64 && !Ops.Empty(); ++Steps) {
        switch (Ops.Byte() % 6) {
            case 0: {
                const std::string Name = Ops.Text(14);
                const bool WasFull = List.IsFull();
                const int Slot = List.Add(Name);
                FUZZ_CHECK(Slot >= 0 && Slot <= NameListSlotCount);
                if (WasFull) FUZZ_CHECK(Slot == 0);
                if (Slot) FUZZ_CHECK(List.Exists(Name) && List.Selected() == Slot);
                break;
            }
            case 1: List.DeleteSelected(); break;
            case 2: List.Select(static_cast<int8_t>(Ops.Byte())); break;
            case 3: List.Exists(Ops.Text(14)); break;
            case 4: {
                const int32_t X = Ops.Int32();
                const int32_t Y = Ops.Int32();
                const int Slot = List.NameAt(X, Y);
                FUZZ_CHECK(Slot >= 1 && Slot <= NameListSlotCount);
                List.MouseMove(X, Y);
                List.MouseDown(X, Y);
                break;
            }
            default:
                List.Top = Ops.Int32();
                List.Left = Ops.Int32();
                List.VertGap = Ops.Int32();
                List.ListWidth = Ops.Int32();
                break;
        }
        FUZZ_CHECK(List.Selected() >= 1 && List.Selected() <= NameListSlotCount);
        FUZZ_CHECK(List.Hovered() >= 0 && List.Hovered() <= NameListSlotCount);
        for (int I = 1; I <= NameListSlotCount; ++I) FUZZ_CHECK(List.NameOf(I).size() <= PlayerNameCapacity);
    }
    return 0;
}
