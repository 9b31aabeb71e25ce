// A frame sequence for an animation: each character of Seq is one frame and
// names a pattern ("-" nothing, "1".."9" patterns 0..8, "A".."Z" patterns
// 0..25). The owner draws CurrentPattern each frame and then calls Advance.
// A looped sequence wraps when it reaches its last character (so "ABC" looped
// shows A, B, A, B, ...); a sequence that is not looped stops on its last one.
#pragma once

#include <cstdint>
#include <string_view>

#include "GameTypesClass.h"

class TAnimData : public TObject {
public:
    static constexpr int32_t MaxLength = 255;

    TAnimData() { SetSeq("1"); }
    TAnimData(std::string_view Sequence, bool IsLooped) : Looped(IsLooped) { SetSeq(Sequence); }

    // Stored upper-cased and cut to 255 characters; the position is left alone.
    void SetSeq(std::string_view Sequence);
    std::string_view Seq() const { return std::string_view(FSeq, static_cast<size_t>(FLength)); }
    bool Looped = true;

    // The pattern at the position (moved to 1 when below): -999 for "-".
    int32_t CurrentPattern();
    void Advance();
    void Restart() { FPosition = 0; }
    bool AtEnd() const { return FPosition == FLength; }
    bool IsBlank() { return CurrentPattern() == -999; }
    // Accepted only when 0 < P <= the length.
    void SetPosition(int32_t P);
    int32_t Position() const { return FPosition; }

    // The pattern a sequence character names.
    static int32_t PatternOfChar(char Ch);

private:
    char FSeq[MaxLength] = {};
    int32_t FLength = 0;
    int32_t FPosition = 0;
};
