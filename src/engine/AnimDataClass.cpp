#include "AnimDataClass.h"

void TAnimData::SetSeq(std::string_view Sequence) {
    FLength = static_cast<int32_t>(Sequence.size() < MaxLength ? Sequence.size() : MaxLength);
    for (int32_t I = 0; I < FLength; ++I) {
        const char Ch = Sequence[static_cast<size_t>(I)];
        FSeq[I] = (Ch >= 'a' && Ch <= 'z') ? static_cast<char>(Ch - 'a' + 'A') : Ch;
    }
}

int32_t TAnimData::PatternOfChar(char Ch) {
    if (Ch == '-') return -999;
    if (Ch >= '1' && Ch <= '9') return Ch - '1';
    return static_cast<unsigned char>(Ch) - 65;
}

int32_t TAnimData::CurrentPattern() {
    if (FPosition < 1) FPosition = 1;
    // An empty sequence has nothing to show.
    if (FPosition > FLength) return -999;
    return PatternOfChar(FSeq[FPosition - 1]);
}

void TAnimData::Advance() {
    ++FPosition;
    if (FPosition >= FLength) FPosition = Looped ? 1 : FLength;
}

void TAnimData::SetPosition(int32_t P) {
    if (P > 0 && P <= FLength) FPosition = P;
}
