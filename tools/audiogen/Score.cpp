#include "Score.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

#include "GmSynth.h"
#include "SourceText.h"

namespace {

constexpr double Epsilon = 1e-6;

struct TToken {
    std::string Text;
    int Line = 0;
};

struct TChord {
    std::string Name;
    int RootPc = 0;
    std::vector<int> Tones;  // semitones above the root; the first one sounds lowest
};

struct TChordSpan {
    double Start = 0.0;
    double Length = 0.0;
    TChord Chord;
};

enum class TVoiceMode { Notes, Over, Near };

struct TVoiceLine {
    std::string Instrument;
    TVoiceMode Mode = TVoiceMode::Notes;
    int Anchor = 48;
    std::vector<TToken> Tokens;
    int Line = 0;
};

struct TSection {
    std::string Name;
    double Tempo = 0.0;  // 0: the score's tempo
    bool HasChords = false;
    std::vector<TChordSpan> Chords;
    double ChordsLength = 0.0;
    std::vector<TToken> ChordTokens;
    std::vector<TVoiceLine> Voices;
    std::set<std::string> Replaced;  // instruments given anew in a section copied from another
    int Line = 0;
};

// A note as written, in beats from its section's start.
struct TWrittenNote {
    double Start = 0.0;
    double End = 0.0;
    double LastSegment = 0.0;
    bool Staccato = false;
    bool Tied = false;
    int Key = 60;
    int Velocity = 90;
    int Line = 0;
};

struct TWrittenControl {
    double Start = 0.0;
    int Number = 11;
    int Value = 127;
};

const std::map<std::string, int>& DrumKeys() {
    static const std::map<std::string, int> Keys = {
        {"kick", 36},     {"kick2", 35},    {"rim", 37},      {"snare", 38},   {"clap", 39},
        {"snare2", 40},   {"tom6", 41},     {"hat", 42},      {"tom5", 43},    {"phat", 44},
        {"tom4", 45},     {"ohat", 46},     {"tom3", 47},     {"tom2", 48},    {"crash", 49},
        {"tom1", 50},     {"ride", 51},     {"china", 52},    {"bell", 53},    {"tamb", 54},
        {"splash", 55},   {"cowbell", 56},  {"crash2", 57},   {"vibraslap", 58}, {"ride2", 59},
        {"bongo", 60},    {"bongol", 61},   {"congam", 62},   {"conga", 63},   {"congal", 64},
        {"timbale", 65},  {"timbalel", 66}, {"agogo", 67},    {"agogol", 68},  {"cabasa", 69},
        {"shaker", 70},   {"whistle", 71},  {"whistlel", 72}, {"guiro", 73},   {"guirol", 74},
        {"claves", 75},   {"wood", 76},     {"woodl", 77},    {"cuica", 78},   {"cuical", 79},
        {"trianglem", 80}, {"triangle", 81}, {"shaker2", 82}, {"jingle", 83},  {"chimes", 84},
        {"castanets", 85}, {"surdom", 86},  {"surdo", 87}};
    return Keys;
}

std::vector<int> ChordQuality(const std::string& Quality) {
    static const std::map<std::string, std::vector<int>> Qualities = {
        {"", {0, 4, 7}},           {"m", {0, 3, 7}},          {"7", {0, 4, 7, 10}},
        {"maj7", {0, 4, 7, 11}},   {"m7", {0, 3, 7, 10}},     {"dim", {0, 3, 6}},
        {"dim7", {0, 3, 6, 9}},    {"aug", {0, 4, 8}},        {"sus2", {0, 2, 7}},
        {"sus4", {0, 5, 7}},       {"6", {0, 4, 7, 9}},       {"m6", {0, 3, 7, 9}},
        {"9", {0, 4, 7, 10, 14}},  {"add9", {0, 4, 7, 14}},   {"maj9", {0, 4, 7, 11, 14}},
        {"m9", {0, 3, 7, 10, 14}}, {"7sus4", {0, 5, 7, 10}},  {"m7b5", {0, 3, 6, 10}},
        {"madd9", {0, 3, 7, 14}},  {"6add9", {0, 4, 7, 9, 14}}, {"5", {0, 7}}};
    const auto Found = Qualities.find(Quality);
    return Found == Qualities.end() ? std::vector<int>{} : Found->second;
}

bool PitchClassOf(const std::string& Text, size_t& Pos, int& Pc) {
    static const int Steps[7] = {9, 11, 0, 2, 4, 5, 7};
    if (Pos >= Text.size() || Text[Pos] < 'A' || Text[Pos] > 'G') return false;
    Pc = Steps[Text[Pos] - 'A'];
    ++Pos;
    if (Pos < Text.size() && (Text[Pos] == '#' || Text[Pos] == 'b')) {
        Pc += Text[Pos] == '#' ? 1 : -1;
        ++Pos;
    }
    Pc = (Pc + 12) % 12;
    return true;
}

bool ParseChord(const std::string& Text, TChord& Chord) {
    size_t Pos = 0;
    if (!PitchClassOf(Text, Pos, Chord.RootPc)) return false;
    const size_t Slash = Text.find('/', Pos);
    const std::string Quality = Text.substr(Pos, Slash == std::string::npos ? std::string::npos : Slash - Pos);
    Chord.Tones = ChordQuality(Quality);
    if (Chord.Tones.empty()) return false;
    Chord.Name = Text;
    if (Slash != std::string::npos) {
        size_t BassPos = Slash + 1;
        int BassPc = 0;
        if (!PitchClassOf(Text, BassPos, BassPc) || BassPos != Text.size()) return false;
        const int Interval = (BassPc - Chord.RootPc + 12) % 12;
        // An inversion starts from the named chord tone; a foreign bass goes under the chord.
        auto It = std::find_if(Chord.Tones.begin(), Chord.Tones.end(), [&](int T) { return T % 12 == Interval; });
        if (It != Chord.Tones.end()) {
            std::vector<int> Rotated(It, Chord.Tones.end());
            for (auto Low = Chord.Tones.begin(); Low != It; ++Low) Rotated.push_back(*Low + 12);
            Chord.Tones = Rotated;
        } else {
            Chord.Tones.insert(Chord.Tones.begin(), Interval - 12);
        }
    }
    return true;
}

// Splits a line into tokens: "[...]" with its suffix stays whole, "{" and "}*N" stand alone.
std::vector<TToken> Tokenize(const std::string& Text, int Line) {
    std::vector<TToken> Tokens;
    size_t I = 0;
    while (I < Text.size()) {
        if (std::isspace(static_cast<unsigned char>(Text[I]))) {
            ++I;
            continue;
        }
        if (Text[I] == '{') {
            Tokens.push_back({"{", Line});
            ++I;
            continue;
        }
        size_t End = I;
        if (Text[I] == '[') {
            End = Text.find(']', I);
            if (End == std::string::npos) End = Text.size();
        }
        while (End < Text.size() && !std::isspace(static_cast<unsigned char>(Text[End])) && Text[End] != '}') ++End;
        if (End > I) Tokens.push_back({Text.substr(I, End - I), Line});
        if (End < Text.size() && Text[End] == '}') {
            size_t Close = End;
            while (Close < Text.size() && !std::isspace(static_cast<unsigned char>(Text[Close]))) ++Close;
            Tokens.push_back({Text.substr(End, Close - End), Line});
            End = Close;
        }
        I = End;
    }
    return Tokens;
}

std::vector<TToken> ExpandRepeats(const std::vector<TToken>& Tokens, size_t& Pos, const std::string& FileName, bool Inner) {
    std::vector<TToken> Out;
    while (Pos < Tokens.size()) {
        const TToken& T = Tokens[Pos++];
        if (T.Text == "{") {
            const int Line = T.Line;
            std::vector<TToken> Body = ExpandRepeats(Tokens, Pos, FileName, true);
            const TToken& Close = Tokens[Pos - 1];
            int Count = 1;
            if (Close.Text.size() > 2 && Close.Text[1] == '*') Count = std::atoi(Close.Text.c_str() + 2);
            else if (Close.Text != "}") FailAt(FileName, Line, "a repeat ends in }*N");
            if (Count < 1 || Count > 64) FailAt(FileName, Line, "repeat count " + Close.Text + " is not 1..64");
            for (int N = 0; N < Count; ++N) Out.insert(Out.end(), Body.begin(), Body.end());
        } else if (!T.Text.empty() && T.Text[0] == '}') {
            if (!Inner) FailAt(FileName, T.Line, "\"}\" without \"{\"");
            return Out;
        } else {
            Out.push_back(T);
        }
    }
    if (Inner) FailAt(FileName, Tokens.empty() ? 0 : Tokens.back().Line, "\"{\" without \"}\"");
    return Out;
}

std::vector<TToken> ExpandRepeats(const std::vector<TToken>& Tokens, const std::string& FileName) {
    size_t Pos = 0;
    return ExpandRepeats(Tokens, Pos, FileName, false);
}

// ":4", ":8.", ":8t" in quarter-note beats.
bool ParseDuration(const std::string& Text, double& Beats) {
    size_t Pos = 0;
    int Unit = 0;
    while (Pos < Text.size() && std::isdigit(static_cast<unsigned char>(Text[Pos]))) Unit = Unit * 10 + (Text[Pos++] - '0');
    if (Unit != 1 && Unit != 2 && Unit != 4 && Unit != 8 && Unit != 16 && Unit != 32) return false;
    Beats = 4.0 / Unit;
    double Add = Beats / 2.0;
    while (Pos < Text.size() && Text[Pos] == '.') {
        Beats += Add;
        Add /= 2.0;
        ++Pos;
    }
    if (Pos < Text.size() && Text[Pos] == 't') {
        Beats *= 2.0 / 3.0;
        ++Pos;
    }
    return Pos == Text.size();
}

struct TParsedToken {
    std::vector<std::string> Heads;
    bool HasDuration = false;
    double Duration = 1.0;
    bool Staccato = false;
    bool Accent = false;
    bool Tie = false;
};

TParsedToken ParseNoteToken(const TToken& T, const std::string& FileName) {
    TParsedToken P;
    std::string Rest;
    if (T.Text[0] == '[') {
        const size_t Close = T.Text.find(']');
        if (Close == std::string::npos) FailAt(FileName, T.Line, "\"" + T.Text + "\" misses its \"]\"");
        std::istringstream Inner(T.Text.substr(1, Close - 1));
        std::string Head;
        while (Inner >> Head) P.Heads.push_back(Head);
        if (P.Heads.empty()) FailAt(FileName, T.Line, "empty chord \"" + T.Text + "\"");
        Rest = T.Text.substr(Close + 1);
    } else {
        const size_t End = T.Text.find_first_of(":'>~");
        P.Heads.push_back(T.Text.substr(0, End));
        Rest = End == std::string::npos ? "" : T.Text.substr(End);
    }
    size_t Pos = 0;
    if (!Rest.empty() && Rest[0] == ':') {
        size_t End = Rest.find_first_of("'>~", 1);
        if (End == std::string::npos) End = Rest.size();
        if (!ParseDuration(Rest.substr(1, End - 1), P.Duration)) FailAt(FileName, T.Line, "bad duration in \"" + T.Text + "\"");
        P.HasDuration = true;
        Pos = End;
    }
    for (; Pos < Rest.size(); ++Pos) {
        if (Rest[Pos] == '\'') P.Staccato = true;
        else if (Rest[Pos] == '>') P.Accent = true;
        else if (Rest[Pos] == '~') P.Tie = true;
        else FailAt(FileName, T.Line, "unexpected \"" + Rest.substr(Pos) + "\" in \"" + T.Text + "\"");
    }
    return P;
}

// "e5", "f#", "bb3": the octave stays from the last note when left out.
bool ParsePitchHead(const std::string& Head, int& Octave, int& Key) {
    static const int Steps[7] = {9, 11, 0, 2, 4, 5, 7};
    if (Head.empty() || Head[0] < 'a' || Head[0] > 'g') return false;
    int Semitone = Steps[Head[0] - 'a'];
    size_t Pos = 1;
    while (Pos < Head.size() && (Head[Pos] == '#' || Head[Pos] == 'b')) Semitone += Head[Pos++] == '#' ? 1 : -1;
    if (Pos < Head.size()) {
        if (Head.size() - Pos != 1 || !std::isdigit(static_cast<unsigned char>(Head[Pos]))) return false;
        Octave = Head[Pos] - '0';
    }
    Key = (Octave + 1) * 12 + Semitone;
    return Key >= 0 && Key <= 127;
}

// "1", "3+", "2-": a chord tone ordinal with octave shifts.
bool ParseOrdinal(const std::string& Head, int& Ordinal, int& Shift) {
    if (Head.empty() || !std::isdigit(static_cast<unsigned char>(Head[0])) || Head[0] == '0') return false;
    Ordinal = Head[0] - '0';
    Shift = 0;
    for (size_t Pos = 1; Pos < Head.size(); ++Pos) {
        if (Head[Pos] == '+') ++Shift;
        else if (Head[Pos] == '-') --Shift;
        else return false;
    }
    return true;
}

// Callers make sure the section has chords.
const TChordSpan& ChordAt(const TSection& Section, double Beat) {
    for (const TChordSpan& Span : Section.Chords) {
        if (Beat + Epsilon >= Span.Start && Beat < Span.Start + Span.Length - Epsilon) return Span;
    }
    if (Section.Chords.empty()) throw std::logic_error("section " + Section.Name + " has no chords");
    return Section.Chords.back();
}

int ChordToneKey(const TChord& Chord, TVoiceMode Mode, int Anchor, int Ordinal, int Shift) {
    const int N = static_cast<int>(Chord.Tones.size());
    if (Mode == TVoiceMode::Over) {
        const int BassPc = ((Chord.RootPc + Chord.Tones[0]) % 12 + 12) % 12;
        int Base = Anchor;
        while (((Base % 12) + 12) % 12 != BassPc) ++Base;
        const int Idx = (Ordinal - 1) % N;
        const int Octave = (Ordinal - 1) / N + Shift;
        return Base + (Chord.Tones[static_cast<size_t>(Idx)] - Chord.Tones[0]) + 12 * Octave;
    }
    // Near: the chord's tones in order upward from the anchor.
    std::set<int> Pcs;
    for (const int T : Chord.Tones) Pcs.insert(((Chord.RootPc + T) % 12 + 12) % 12);
    int Key = Anchor - 1;
    for (int Found = 0; Found < Ordinal;) {
        ++Key;
        if (Pcs.count(Key % 12)) ++Found;
    }
    return Key + 12 * Shift;
}

class TScoreReader {
public:
    explicit TScoreReader(const std::string& FileName) : FFileName(FileName) {}
    TScore Read();

private:
    void ReadHeader(const std::string& Command, std::istringstream& Words, int Line);
    void ReadInstrument(std::istringstream& Words, int Line);
    void FinishChords(TSection& Section);
    double SectionLength(const TSection& Section);
    void Arrange(const TSection& Section, double StartSeconds, int Occurrence);
    std::vector<TWrittenNote> PlayVoice(const TSection& Section, const TVoiceLine& Voice, double Length,
                                        std::vector<TWrittenControl>& Controls);
    const TScoreInstrument& Instrument(const std::string& Name, int Line) const;
    bool IsInstrument(const std::string& Name) const;
    double SecondsAt(const TSection& Section, double Beat) const;

    std::string FFileName;
    TScore FScore;
    std::vector<TSection> FSections;
    std::vector<std::string> FForm;
    int FFormLine = 0;
};

bool TScoreReader::IsInstrument(const std::string& Name) const {
    return std::any_of(FScore.Instruments.begin(), FScore.Instruments.end(),
                       [&](const TScoreInstrument& I) { return I.Name == Name; });
}

const TScoreInstrument& TScoreReader::Instrument(const std::string& Name, int Line) const {
    for (const TScoreInstrument& I : FScore.Instruments) {
        if (I.Name == Name) return I;
    }
    FailAt(FFileName, Line, "unknown instrument \"" + Name + "\"");
}

void TScoreReader::ReadInstrument(std::istringstream& Words, int Line) {
    TScoreInstrument I;
    if (!(Words >> I.Name)) FailAt(FFileName, Line, "instrument needs a name");
    int Key = 0, Octave = 4, Ordinal = 0, Shift = 0;
    if (I.Name == "chords" || I.Name == "r" || ParsePitchHead(I.Name, Octave, Key) || ParseOrdinal(I.Name, Ordinal, Shift) ||
        DrumKeys().count(I.Name) || IsInstrument(I.Name)) {
        FailAt(FFileName, Line, "\"" + I.Name + "\" cannot name an instrument");
    }
    std::string Setting;
    bool HasSound = false;
    while (Words >> Setting) {
        std::string Value;
        if (!(Words >> Value)) FailAt(FFileName, Line, Setting + " needs a value");
        const int V = static_cast<int>(ParseNumber(Value, FFileName, Line));
        if (Setting == "program") {
            I.Program = V;
            HasSound = true;
        } else if (Setting == "drums") {
            I.Drums = true;
            I.Bank = 128;
            I.Program = V;
            HasSound = true;
        } else if (Setting == "bank") I.Bank = V;
        else if (Setting == "volume") I.Volume = std::clamp(V, 0, 127);
        else if (Setting == "pan") I.Pan = std::clamp(V, -64, 63);
        else if (Setting == "reverb") I.Reverb = std::clamp(V, 0, 127);
        else if (Setting == "chorus") I.Chorus = std::clamp(V, 0, 127);
        else if (Setting == "velocity") I.Velocity = std::clamp(V, 1, 127);
        else if (Setting == "transpose") I.Transpose = V;
        else if (Setting == "legato") I.Legato = std::clamp(ParseNumber(Value, FFileName, Line), 0.1, 1.2);
        else FailAt(FFileName, Line, "unknown instrument setting \"" + Setting + "\"");
    }
    if (!HasSound) FailAt(FFileName, Line, "instrument " + I.Name + " needs a program or drums setting");
    if (I.Drums) {
        for (const TScoreInstrument& Other : FScore.Instruments) {
            if (Other.Drums && Other.Program != I.Program) FailAt(FFileName, Line, "all drum parts must use one kit");
        }
        I.Channel = 9;
    } else {
        int Used = 0;
        for (const TScoreInstrument& Other : FScore.Instruments) Used += Other.Drums ? 0 : 1;
        if (Used >= 15) FailAt(FFileName, Line, "a score has at most 15 melodic instruments");
        I.Channel = Used < 9 ? Used : Used + 1;
    }
    FScore.Instruments.push_back(I);
}

void TScoreReader::ReadHeader(const std::string& Command, std::istringstream& Words, int Line) {
    auto Next = [&]() {
        std::string Word;
        if (!(Words >> Word)) FailAt(FFileName, Line, Command + " needs more values");
        return Word;
    };
    if (Command == "tempo") FScore.Tempo = ParseNumber(Next(), FFileName, Line);
    else if (Command == "meter") {
        const std::string Meter = Next();
        const size_t Slash = Meter.find('/');
        if (Slash == std::string::npos) FailAt(FFileName, Line, "meter is N/M");
        FScore.MeterBeats = static_cast<int>(ParseNumber(Meter.substr(0, Slash), FFileName, Line));
        FScore.MeterUnit = static_cast<int>(ParseNumber(Meter.substr(Slash + 1), FFileName, Line));
        if (FScore.MeterBeats < 1 || (FScore.MeterUnit != 4 && FScore.MeterUnit != 8 && FScore.MeterUnit != 2)) {
            FailAt(FFileName, Line, "unsupported meter " + Meter);
        }
    } else if (Command == "swing") FScore.Swing = std::clamp(ParseNumber(Next(), FFileName, Line), 0.5, 0.75);
    else if (Command == "loop") {
        const std::string Value = Next();
        if (Value != "yes" && Value != "no") FailAt(FFileName, Line, "loop is yes or no");
        FScore.Loop = Value == "yes";
    } else if (Command == "tail") FScore.Tail = ParseNumber(Next(), FFileName, Line);
    else if (Command == "loudness") FScore.LoudnessDb = ParseNumber(Next(), FFileName, Line);
    else if (Command == "reverb") {
        FScore.ReverbRoom = ParseNumber(Next(), FFileName, Line);
        FScore.ReverbDamp = ParseNumber(Next(), FFileName, Line);
        FScore.ReverbWidth = ParseNumber(Next(), FFileName, Line);
        FScore.ReverbLevel = ParseNumber(Next(), FFileName, Line);
    } else if (Command == "chorus") FScore.ChorusLevel = ParseNumber(Next(), FFileName, Line);
    else if (Command == "humanize") {
        FScore.HumanizeTime = ParseNumber(Next(), FFileName, Line);
        FScore.HumanizeVelocity = static_cast<int>(ParseNumber(Next(), FFileName, Line));
    } else if (Command == "instrument") ReadInstrument(Words, Line);
    else FailAt(FFileName, Line, "unknown command \"" + Command + "\"");
}

double TScoreReader::SecondsAt(const TSection& Section, double Beat) const {
    const double Tempo = Section.Tempo > 0.0 ? Section.Tempo : FScore.Tempo;
    // Swing moves the off-beat eighth of every beat later, stretching the first half.
    const double Whole = std::floor(Beat + Epsilon);
    const double Fraction = std::max(0.0, Beat - Whole);
    const double Warped = Fraction <= 0.5 ? Fraction * (FScore.Swing / 0.5)
                                          : FScore.Swing + (Fraction - 0.5) * ((1.0 - FScore.Swing) / 0.5);
    return (Whole + Warped) * 60.0 / Tempo;
}

void TScoreReader::FinishChords(TSection& Section) {
    if (Section.ChordTokens.empty()) return;
    const double BarLength = FScore.MeterBeats * 4.0 / FScore.MeterUnit;
    std::vector<std::vector<TToken>> Bars(1);
    for (const TToken& T : Section.ChordTokens) {
        if (T.Text == "|") {
            if (!Bars.back().empty()) Bars.emplace_back();
        } else {
            Bars.back().push_back(T);
        }
    }
    if (Bars.back().empty()) Bars.pop_back();
    Section.Chords.clear();
    double Start = 0.0;
    std::vector<TChordSpan> PreviousBar;
    for (const auto& Bar : Bars) {
        if (Bar.size() == 1 && Bar[0].Text == "%") {
            if (PreviousBar.empty()) FailAt(FFileName, Bar[0].Line, "\"%\" repeats the bar before, but there is none");
            for (TChordSpan Span : PreviousBar) {
                Span.Start += Start - PreviousBar.front().Start;
                Section.Chords.push_back(Span);
            }
            PreviousBar.assign(Section.Chords.end() - static_cast<std::ptrdiff_t>(PreviousBar.size()), Section.Chords.end());
            Start += BarLength;
            continue;
        }
        std::vector<TChordSpan> Spans;
        bool AnyDuration = false;
        for (const TToken& T : Bar) {
            TChordSpan Span;
            std::string Name = T.Text;
            const size_t Colon = Name.find(':');
            if (Colon != std::string::npos) {
                if (!ParseDuration(Name.substr(Colon + 1), Span.Length)) FailAt(FFileName, T.Line, "bad duration in \"" + T.Text + "\"");
                AnyDuration = true;
                Name.resize(Colon);
            }
            if (Name == ".") {
                if (Spans.empty() && Section.Chords.empty()) FailAt(FFileName, T.Line, "\".\" continues a chord, but none came before");
                Span.Chord = Spans.empty() ? Section.Chords.back().Chord : Spans.back().Chord;
            } else if (!ParseChord(Name, Span.Chord)) {
                FailAt(FFileName, T.Line, "\"" + Name + "\" is not a chord");
            }
            Spans.push_back(Span);
        }
        double Sum = 0.0;
        for (TChordSpan& Span : Spans) {
            if (!AnyDuration) Span.Length = BarLength / static_cast<double>(Spans.size());
            Span.Start = Start + Sum;
            Sum += Span.Length;
        }
        if (std::fabs(Sum - BarLength) > Epsilon) FailAt(FFileName, Bar[0].Line, "a bar of chords lasts " + std::to_string(Sum) + " beats");
        Section.Chords.insert(Section.Chords.end(), Spans.begin(), Spans.end());
        PreviousBar = Spans;
        Start += BarLength;
    }
    Section.ChordsLength = Start;
    Section.HasChords = true;
}

std::vector<TWrittenNote> TScoreReader::PlayVoice(const TSection& Section, const TVoiceLine& Voice, double Length,
                                                  std::vector<TWrittenControl>& Controls) {
    const TScoreInstrument& Inst = Instrument(Voice.Instrument, Voice.Line);
    const double BarLength = FScore.MeterBeats * 4.0 / FScore.MeterUnit;
    std::vector<TWrittenNote> Notes;
    std::map<int, size_t> OpenTies;
    double Pos = 0.0;
    double Duration = 1.0;
    int Octave = 4;
    int Velocity = Inst.Velocity;
    const bool Pattern = Voice.Mode != TVoiceMode::Notes;
    if (Pattern && !Section.HasChords) FailAt(FFileName, Voice.Line, "a chord pattern needs a chords line in its section");
    if (Voice.Tokens.empty()) return Notes;
    for (int Round = 0; Round == 0 || (Pattern && Pos < Length - Epsilon); ++Round) {
        const double RoundStart = Pos;
        for (const TToken& T : Voice.Tokens) {
            if (Pattern && Pos >= Length - Epsilon) break;
            if (T.Text == "|") {
                const double Bars = Pos / BarLength;
                if (std::fabs(Bars - std::round(Bars)) > Epsilon) {
                    FailAt(FFileName, T.Line, "bar line at beat " + std::to_string(Pos) + " of section " + Section.Name +
                                                " is not at the end of a bar (" + Voice.Instrument + ")");
                }
                continue;
            }
            if (T.Text[0] == 'v' && T.Text.size() > 1 && std::isdigit(static_cast<unsigned char>(T.Text[1]))) {
                Velocity = std::clamp(static_cast<int>(ParseNumber(T.Text.substr(1), FFileName, T.Line)), 1, 127);
                continue;
            }
            if (T.Text[0] == 'x' && T.Text.size() > 1 && std::isdigit(static_cast<unsigned char>(T.Text[1]))) {
                Controls.push_back({Pos, 11, std::clamp(static_cast<int>(ParseNumber(T.Text.substr(1), FFileName, T.Line)), 0, 127)});
                continue;
            }
            const TParsedToken P = ParseNoteToken(T, FFileName);
            if (P.HasDuration) Duration = P.Duration;
            std::vector<int> Keys;
            bool Rest = false;
            for (const std::string& Head : P.Heads) {
                if (Head == "r") {
                    Rest = true;
                    continue;
                }
                int Key = 0, Ordinal = 0, Shift = 0;
                if (Inst.Drums) {
                    const auto Drum = DrumKeys().find(Head);
                    if (Drum != DrumKeys().end()) Key = Drum->second;
                    else if (Head.size() > 1 && Head[0] == 'n') Key = static_cast<int>(ParseNumber(Head.substr(1), FFileName, T.Line));
                    else FailAt(FFileName, T.Line, "\"" + Head + "\" is not a drum");
                } else if (Pattern) {
                    if (!ParseOrdinal(Head, Ordinal, Shift)) FailAt(FFileName, T.Line, "\"" + Head + "\" is not a chord tone (1..9 with + or -)");
                    Key = ChordToneKey(ChordAt(Section, Pos).Chord, Voice.Mode, Voice.Anchor, Ordinal, Shift);
                } else if (!ParsePitchHead(Head, Octave, Key)) {
                    FailAt(FFileName, T.Line, "\"" + Head + "\" is not a note");
                }
                Keys.push_back(std::clamp(Key + (Inst.Drums ? 0 : Inst.Transpose), 0, 127));
            }
            if (Rest && !Keys.empty()) FailAt(FFileName, T.Line, "a rest cannot sound with notes");
            std::map<int, size_t> StillOpen;
            for (const int Key : Keys) {
                const auto Open = OpenTies.find(Key);
                size_t Index;
                if (Open != OpenTies.end()) {
                    Index = Open->second;
                    Notes[Index].End = Pos + Duration;
                    Notes[Index].LastSegment = Duration;
                    Notes[Index].Staccato = P.Staccato;
                } else {
                    TWrittenNote Note;
                    Note.Start = Pos;
                    Note.End = Pos + Duration;
                    Note.LastSegment = Duration;
                    Note.Staccato = P.Staccato;
                    Note.Key = Key;
                    Note.Velocity = std::min(127, Velocity + (P.Accent ? 18 : 0));
                    Note.Line = T.Line;
                    Notes.push_back(Note);
                    Index = Notes.size() - 1;
                }
                if (P.Tie) {
                    StillOpen[Key] = Index;
                    Notes[Index].Tied = true;
                } else {
                    Notes[Index].Tied = false;
                }
            }
            OpenTies = StillOpen;
            Pos += Duration;
        }
        if (Pattern && Pos - RoundStart < Epsilon) FailAt(FFileName, Voice.Line, "a chord pattern must take some time");
    }
    if (!Pattern && std::fabs(Pos - Length) > Epsilon) {
        FailAt(FFileName, Voice.Line, Voice.Instrument + " lasts " + std::to_string(Pos / BarLength) + " bars in section " +
                                        Section.Name + ", which lasts " + std::to_string(Length / BarLength));
    }
    for (TWrittenNote& Note : Notes) Note.End = std::min(Note.End, Length);
    return Notes;
}

double TScoreReader::SectionLength(const TSection& Section) {
    if (Section.HasChords) return Section.ChordsLength;
    double Longest = 0.0;
    for (const TVoiceLine& Voice : Section.Voices) {
        if (Voice.Mode != TVoiceMode::Notes) continue;
        std::vector<TWrittenControl> Ignored;
        // Measure by playing with an unbounded length; the real pass checks the fit.
        double Pos = 0.0;
        double Duration = 1.0;
        for (const TToken& T : Voice.Tokens) {
            if (T.Text == "|" || (T.Text.size() > 1 && (T.Text[0] == 'v' || T.Text[0] == 'x') &&
                                   std::isdigit(static_cast<unsigned char>(T.Text[1])))) {
                continue;
            }
            const TParsedToken P = ParseNoteToken(T, FFileName);
            if (P.HasDuration) Duration = P.Duration;
            Pos += Duration;
        }
        Longest = std::max(Longest, Pos);
    }
    if (Longest <= 0.0) FailAt(FFileName, Section.Line, "section " + Section.Name + " is empty");
    return Longest;
}

void TScoreReader::Arrange(const TSection& Section, double StartSeconds, int Occurrence) {
    const double Length = SectionLength(Section);
    const double BarLength = FScore.MeterBeats * 4.0 / FScore.MeterUnit;
    for (size_t VoiceIdx = 0; VoiceIdx < Section.Voices.size(); ++VoiceIdx) {
        const TVoiceLine& Voice = Section.Voices[VoiceIdx];
        const TScoreInstrument& Inst = Instrument(Voice.Instrument, Voice.Line);
        std::vector<TWrittenControl> Controls;
        const std::vector<TWrittenNote> Notes = PlayVoice(Section, Voice, Length, Controls);
        TRandom Random(NameHash(FScore.Name + "/" + Section.Name + "/" + std::to_string(Occurrence) + "/" +
                                std::to_string(VoiceIdx)));
        for (const TWrittenNote& Note : Notes) {
            TTimedNote Timed;
            const double Start = SecondsAt(Section, Note.Start);
            const double End = SecondsAt(Section, Note.End);
            const double Gap = (Note.Tied ? 0.0 : (1.0 - Inst.Legato)) * (SecondsAt(Section, Note.End) - SecondsAt(Section, Note.End - Note.LastSegment));
            double Sounding = End - Start - Gap;
            if (Note.Staccato) Sounding = std::min(Sounding, 0.45 * (End - Start));
            const double Jitter = FScore.HumanizeTime * Random.Symmetric();
            Timed.Start = std::max(0.0, StartSeconds + Start + (Note.Start > Epsilon ? Jitter : 0.0));
            Timed.Length = Inst.Drums ? 0.1 : std::max(0.02, Sounding);
            Timed.Channel = Inst.Channel;
            Timed.Key = Note.Key;
            Timed.Velocity = std::clamp(Note.Velocity + static_cast<int>(std::lround(FScore.HumanizeVelocity * Random.Symmetric())), 1, 127);
            Timed.Instrument = Inst.Name;
            Timed.Beat = Note.Start;
            Timed.Section = Section.Name;
            Timed.Line = Note.Line;
            if (!Inst.Drums && Section.HasChords) {
                const TChord& Chord = ChordAt(Section, Note.Start).Chord;
                Timed.ChordName = Chord.Name;
                for (const int T : Chord.Tones) Timed.ChordPitchClasses.push_back(((Chord.RootPc + T) % 12 + 12) % 12);
            }
            FScore.Notes.push_back(Timed);
        }
        for (const TWrittenControl& C : Controls) {
            FScore.Controls.push_back({StartSeconds + SecondsAt(Section, C.Start), Inst.Channel, C.Number, C.Value});
        }
    }
    (void)BarLength;
}

TScore TScoreReader::Read() {
    std::ifstream File(FFileName);
    if (!File) throw std::runtime_error(FFileName + ": cannot be opened");
    FScore.Name = std::filesystem::path(FFileName).stem().string();
    std::string Text;
    int Line = 0;
    TSection* Current = nullptr;
    // The list a continuation line adds to: a voice's tokens or the chord tokens.
    std::vector<TToken>* Continue = nullptr;
    while (std::getline(File, Text)) {
        ++Line;
        StripComment(Text);
        std::istringstream Words(Text);
        std::string First;
        if (!(Words >> First)) continue;
        if (First == "section") {
            TSection Section;
            Section.Line = Line;
            if (!(Words >> Section.Name)) FailAt(FFileName, Line, "section needs a name");
            std::string Word;
            while (Words >> Word) {
                if (Word == "from") {
                    std::string Source;
                    Words >> Source;
                    const auto Found = std::find_if(FSections.begin(), FSections.end(), [&](const TSection& S) { return S.Name == Source; });
                    if (Found == FSections.end()) FailAt(FFileName, Line, "no section \"" + Source + "\" before this one");
                    const std::string Name = Section.Name;
                    Section = *Found;
                    Section.Name = Name;
                    Section.Line = Line;
                    Section.Replaced.clear();
                } else if (Word == "tempo") {
                    std::string Value;
                    Words >> Value;
                    Section.Tempo = ParseNumber(Value, FFileName, Line);
                } else {
                    FailAt(FFileName, Line, "unexpected \"" + Word + "\" after the section name");
                }
            }
            for (const TSection& S : FSections) {
                if (S.Name == Section.Name) FailAt(FFileName, Line, "section " + Section.Name + " is defined twice");
            }
            FSections.push_back(Section);
            Current = &FSections.back();
            Continue = nullptr;
            continue;
        }
        if (First == "form") {
            std::string Name;
            while (Words >> Name) FForm.push_back(Name);
            FFormLine = Line;
            Current = nullptr;
            Continue = nullptr;
            continue;
        }
        if (!Current) {
            ReadHeader(First, Words, Line);
            std::string Extra;
            if (First != "instrument" && (Words >> Extra)) FailAt(FFileName, Line, "unexpected \"" + Extra + "\"");
            continue;
        }
        const std::string Rest = Text.substr(Text.find(First) + First.size());
        if (First == "chords") {
            Current->ChordTokens = Tokenize(Rest, Line);
            Continue = &Current->ChordTokens;
        } else if (IsInstrument(First)) {
            if (!Current->Replaced.count(First)) {
                // A section copied from another replaces that instrument's parts.
                std::erase_if(Current->Voices, [&](const TVoiceLine& V) { return V.Instrument == First; });
                Current->Replaced.insert(First);
            }
            TVoiceLine Voice;
            Voice.Instrument = First;
            Voice.Line = Line;
            std::vector<TToken> Tokens = Tokenize(Rest, Line);
            if (!Tokens.empty() && (Tokens[0].Text == "over" || Tokens[0].Text == "near")) {
                Voice.Mode = Tokens[0].Text == "over" ? TVoiceMode::Over : TVoiceMode::Near;
                int Octave = 4;
                if (Tokens.size() < 2 || !ParsePitchHead(Tokens[1].Text, Octave, Voice.Anchor) ||
                    Tokens[1].Text.find_first_of("0123456789") == std::string::npos) {
                    FailAt(FFileName, Line, "a chord pattern needs its lowest note, for example \"over c3\"");
                }
                Tokens.erase(Tokens.begin(), Tokens.begin() + 2);
            } else if (!Tokens.empty() && Tokens[0].Text == "silent") {
                Tokens.clear();
            }
            Voice.Tokens = Tokens;
            Current->Voices.push_back(Voice);
            Continue = &Current->Voices.back().Tokens;
        } else {
            if (!Continue) FailAt(FFileName, Line, "\"" + First + "\" is neither an instrument nor chords");
            const std::vector<TToken> More = Tokenize(Text, Line);
            Continue->insert(Continue->end(), More.begin(), More.end());
        }
    }
    if (FSections.empty()) FailAt(FFileName, Line, "the score has no section");
    if (FForm.empty()) FailAt(FFileName, Line, "the score has no form line");
    for (TSection& Section : FSections) {
        FinishChords(Section);
        for (TVoiceLine& Voice : Section.Voices) Voice.Tokens = ExpandRepeats(Voice.Tokens, FFileName);
    }
    double Seconds = 0.0;
    std::map<std::string, int> Occurrences;
    for (const std::string& Name : FForm) {
        const auto Found = std::find_if(FSections.begin(), FSections.end(), [&](const TSection& S) { return S.Name == Name; });
        if (Found == FSections.end()) FailAt(FFileName, FFormLine, "the form names an unknown section \"" + Name + "\"");
        FScore.SectionStarts.emplace_back(Name, Seconds);
        Arrange(*Found, Seconds, Occurrences[Name]++);
        Seconds += SecondsAt(*Found, SectionLength(*Found));
    }
    FScore.Length = Seconds;
    if (FScore.Loop) {
        for (TTimedNote& Note : FScore.Notes) Note.Start = std::min(Note.Start, std::max(0.0, Seconds - 0.01));
    }
    return FScore;
}

}  // namespace

TScore ReadScore(const std::string& FileName) { return TScoreReader(FileName).Read(); }

TStereo RenderScore(const TScore& Score, TGmSynth& Synth, bool Finish) {
    Synth.Reset();
    Synth.SetReverb(Score.ReverbRoom, Score.ReverbDamp, Score.ReverbWidth, Score.ReverbLevel);
    Synth.SetChorus(3, Score.ChorusLevel, 0.3, 8.0);
    for (const TScoreInstrument& I : Score.Instruments) {
        Synth.Program(I.Channel, I.Bank, I.Program);
        Synth.Controller(I.Channel, 7, I.Volume);
        Synth.Controller(I.Channel, 10, 64 + I.Pan);
        Synth.Controller(I.Channel, 91, I.Reverb);
        Synth.Controller(I.Channel, 93, I.Chorus);
        Synth.Controller(I.Channel, 11, 127);
    }
    struct TEvent {
        size_t Frame;
        int Order;  // note-offs first, then controls, then note-ons
        int Channel, A, B;
    };
    std::vector<TEvent> Events;
    auto FrameOf = [](double Seconds) { return static_cast<size_t>(std::llround(std::max(0.0, Seconds) * SampleRate)); };
    // A repeated key must be released before it strikes again, whatever the
    // humanised timing did to the two notes.
    std::vector<TTimedNote> Notes = Score.Notes;
    std::stable_sort(Notes.begin(), Notes.end(), [](const TTimedNote& X, const TTimedNote& Y) {
        return std::tie(X.Channel, X.Key, X.Start) < std::tie(Y.Channel, Y.Key, Y.Start);
    });
    for (size_t I = 0; I + 1 < Notes.size(); ++I) {
        TTimedNote& N = Notes[I];
        const TTimedNote& Next = Notes[I + 1];
        if (Next.Channel == N.Channel && Next.Key == N.Key && N.Start + N.Length > Next.Start - 0.002) {
            N.Length = std::max(0.01, Next.Start - 0.002 - N.Start);
        }
    }
    for (const TTimedNote& N : Notes) {
        Events.push_back({FrameOf(N.Start), 2, N.Channel, N.Key, N.Velocity});
        Events.push_back({FrameOf(N.Start + N.Length), 0, N.Channel, N.Key, 0});
    }
    for (const TTimedControl& C : Score.Controls) Events.push_back({FrameOf(C.Start), 1, C.Channel, C.Number, C.Value});
    std::stable_sort(Events.begin(), Events.end(), [](const TEvent& X, const TEvent& Y) {
        return std::tie(X.Frame, X.Order, X.Channel, X.A) < std::tie(Y.Frame, Y.Order, Y.Channel, Y.A);
    });
    const size_t LoopFrames = FrameOf(Score.Length);
    const size_t TailFrames = FrameOf(Score.Tail);
    TStereo Out;
    const size_t Expected = std::max(LoopFrames, Events.empty() ? 0 : Events.back().Frame) + TailFrames;
    Out.L.reserve(Expected);
    Out.R.reserve(Expected);
    for (const TEvent& E : Events) {
        if (E.Frame > Out.Frames()) Synth.Render(Out, E.Frame - Out.Frames());
        if (E.Order == 0) Synth.NoteOff(E.Channel, E.A);
        else if (E.Order == 1) Synth.Controller(E.Channel, E.A, E.B);
        else Synth.NoteOn(E.Channel, E.A, E.B);
    }
    const size_t End = std::max(Out.Frames(), LoopFrames) + TailFrames;
    Synth.Render(Out, End - Out.Frames());

    if (Score.Loop) {
        // One loop long: what rings on past the end sounds again over the start,
        // exactly as it does when the track wraps around.
        TStereo Loop;
        Loop.L.assign(Out.L.begin(), Out.L.begin() + static_cast<std::ptrdiff_t>(LoopFrames));
        Loop.R.assign(Out.R.begin(), Out.R.begin() + static_cast<std::ptrdiff_t>(LoopFrames));
        for (size_t I = LoopFrames; I < Out.Frames(); ++I) {
            Loop.L[(I - LoopFrames) % LoopFrames] += Out.L[I];
            Loop.R[(I - LoopFrames) % LoopFrames] += Out.R[I];
        }
        // The file starts a moment before the first downbeat, so that the wrap
        // falls between notes: the encoder is least exact at a file's two ends.
        const size_t LeadIn = std::min<size_t>(SampleRate / 50, LoopFrames / 2);
        std::rotate(Loop.L.begin(), Loop.L.end() - static_cast<std::ptrdiff_t>(LeadIn), Loop.L.end());
        std::rotate(Loop.R.begin(), Loop.R.end() - static_cast<std::ptrdiff_t>(LeadIn), Loop.R.end());
        Out = std::move(Loop);
    }
    if (!Finish) return Out;
    const TLevels Levels = MeasureLevels(Out);
    double Gain = Score.LoudnessDb - Levels.RmsDb;
    Gain = std::min(Gain, -1.0 - Levels.PeakDb);
    Out.Scale(static_cast<float>(DbToGain(Gain)));
    if (!Score.Loop) {
        TrimTrailingSilence(Out, -75.0);
        FadeIn(Out, SampleRate / 500);
        FadeOut(Out, SampleRate / 20);
    }
    return Out;
}

std::vector<std::string> HarmonyReport(const TScore& Score) {
    std::vector<std::string> Lines;
    const double BarLength = Score.MeterBeats * 4.0 / Score.MeterUnit;
    static const char* Names[12] = {"C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"};
    std::set<std::string> Seen;
    for (const TTimedNote& N : Score.Notes) {
        if (N.ChordPitchClasses.empty()) continue;
        const int Pc = N.Key % 12;
        if (std::find(N.ChordPitchClasses.begin(), N.ChordPitchClasses.end(), Pc) != N.ChordPitchClasses.end()) continue;
        const double InBar = std::fmod(N.Beat, BarLength);
        const bool Strong = std::fabs(InBar) < Epsilon || (Score.MeterBeats == 4 && std::fabs(InBar - 2.0) < Epsilon);
        const double Beats = N.Length * Score.Tempo / 60.0;
        if (!Strong && Beats < 0.9) continue;
        bool Clash = false;
        for (const int C : N.ChordPitchClasses) Clash |= (Pc - C + 12) % 12 == 1 || (C - Pc + 12) % 12 == 1;
        const std::string Where = Score.Name + ":" + std::to_string(N.Line) + " " + N.Section + " bar " +
                                  std::to_string(static_cast<int>(N.Beat / BarLength) + 1) + " beat " +
                                  std::to_string(InBar + 1).substr(0, 4) + " " + N.Instrument + " " + Names[Pc] +
                                  std::to_string(N.Key / 12 - 1) + " over " + N.ChordName +
                                  (Clash ? "  CLASH" : "  (non-chord tone)");
        if (Seen.insert(Where).second) Lines.push_back(Where);
    }
    return Lines;
}
