#include "GeneralRoutinesClass.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "FoldersClass.h"
#include "RandomClass.h"
#include "Win1252Class.h"

TSettingLoaderLanguage GameLanguage = laUS;
TTileBounce TileBounces[10][10];

int32_t Round(double Value) {
    // nearbyint rounds half to even in the default rounding mode.
    return static_cast<int32_t>(std::nearbyint(Value));
}

int32_t Trunc(double Value) { return static_cast<int32_t>(std::trunc(Value)); }

int32_t RandomlyIncreased(int32_t Value) {
    const int32_t R = Random(5);
    return Value + Round(static_cast<double>(Value) * R / 10.0);
}

namespace {
const char* ThousandsSeparator() {
    switch (GameLanguage) {
        case laUS: return ",";
        case laFR:
        case laSE: return " ";
        default: return ".";
    }
}
}  // namespace

std::string IntToGroupedStr(int32_t Value) {
    // Scores are never negative, but a damaged file must not show a stray separator.
    const std::string Digits = std::to_string(std::llabs(static_cast<long long>(Value)));
    const char* Separator = ThousandsSeparator();
    std::string Result;
    int Counter = 0;
    for (size_t I = Digits.size(); I-- > 0;) {
        std::string Piece(1, Digits[I]);
        if (++Counter == 3) {
            Counter = 0;
            if (I != 0) Piece = Separator + Piece;
        }
        Result = Piece + Result;
    }
    return Value < 0 ? "-" + Result : Result;
}

std::string MoneyToStr(int32_t Value) {
    const std::string Euro = "\x80";
    const std::string Amount = IntToGroupedStr(Value);
    switch (GameLanguage) {
        case laUS: return "$" + Amount;
        case laDE:
        case laES:
        case laFR: return Amount + " " + Euro;
        case laIT:
        case laNL: return Euro + " " + Amount;
        case laBR: return "R$ " + Amount;
        case laSE: return Amount + " kr";
    }
    return Amount;
}

int32_t AirstripNormalGlyphWidth(char Ch) {
    struct WidthGroup {
        int32_t Width;
        const char* Chars;
    };
    static constexpr WidthGroup Groups[] = {
        {5, "|"},
        {7, " !IL"},
        {8, "'(),.1:;J"},
        {9, "FT"},
        {10, "*-="},
        {11, "\"/"},
        {12, "+57CEGQS"},
        {13, "0234689?ABDHKNOPRUVYZ"},
        {14, "$%&X"},
        {16, "#"},
        {18, "MW"},
    };
    if (Ch != '\0') {
        for (const auto& Group : Groups) {
            if (std::strchr(Group.Chars, Ch)) return Group.Width;
        }
    }
    return 20;
}

int32_t GlyphAdvance(TGameFontKind FontKind, char Ch, int32_t Spacing, double Scale) {
    // Only the normal sprite font is ever measured; the others share its table.
    (void)FontKind;
    return Round((Spacing + AirstripNormalGlyphWidth(Ch)) * Scale);
}

void MoveTowards(double& V, double Step, double Target) {
    if (V > Target) {
        V -= Step;
        if (V < Target) V = Target;
    } else if (V < Target) {
        V += Step;
        if (V > Target) V = Target;
    }
}

void MoveTowards(double& X, double& Y, double StepX, double StepY, double TargetX, double TargetY) {
    MoveTowards(X, StepX, TargetX);
    MoveTowards(Y, StepY, TargetY);
}

void MoveTowards(int32_t& V, int32_t Step, int32_t Target) {
    if (V > Target) {
        V -= Step;
        if (V < Target) V = Target;
    } else if (V < Target) {
        V += Step;
        if (V > Target) V = Target;
    }
}

void MoveTowardsCapped(int32_t& V, int32_t Step, int32_t Max) {
    V += Step;
    if (V > Max) V = Max;
}

TFloatPoint AxisSpeeds(TPoint From, TPoint To, int32_t Speed) {
    const double Dx = std::abs(To.X - From.X);
    const double Dy = std::abs(To.Y - From.Y);
    double Steps = std::max(Dx / Speed, Dy / Speed);
    if (Steps == 0.0 || !std::isfinite(Steps)) Steps = 1.0;
    return TFloatPoint{Dx / Steps, Dy / Steps};
}

TFloatPoint AxisSpeeds(TFloatPoint From, TFloatPoint To, int32_t Speed) {
    return AxisSpeeds(TPoint{Round(From.X), Round(From.Y)}, TPoint{Round(To.X), Round(To.Y)}, Speed);
}

TFloatPoint FloatPoint(double X, double Y) { return TFloatPoint{X, Y}; }

bool SameFloatPoint(const TFloatPoint& A, const TFloatPoint& B) { return A.X == B.X && A.Y == B.Y; }

TMedalKind MedalForTime(int32_t Time, int32_t SilverReqTime, int32_t GoldReqTime) {
    if (Time <= GoldReqTime) return mdGold;
    if (Time <= SilverReqTime) return mdSilver;
    return mdBronze;
}

std::string LevelFileName(int32_t IslandIdx, int32_t LevelIdx) {
    char Name[48];
    std::snprintf(Name, sizeof(Name), "%d-%2.2d.qel", IslandIdx, LevelIdx);
    return LevelsFolder + Name;
}

std::string ProgressFileName(const std::string& PlayerName) {
    return SaveFolder + Win1252ToUtf8(PlayerName) + ".sav";
}

bool PointInRect(int32_t X, int32_t Y, const TRect& R) {
    return R.Left <= X && X <= R.Right && R.Top <= Y && Y <= R.Bottom;
}

void ClearTileBounces() {
    for (auto& Column : TileBounces) {
        for (auto& Bounce : Column) Bounce = TTileBounce{};
    }
}

void StartTileBounce(int32_t Column, int32_t Row) {
    if (Column < 0 || Column > 9 || Row < 0 || Row > 9) return;
    TileBounces[Column][Row] = TTileBounce{0.0, -2.0, 2.0, 2};
}

void UpdateTileBounces() {
    for (auto& Column : TileBounces) {
        for (auto& B : Column) {
            const double D = (B.High - B.Low) * 0.23;
            if (B.State == 1) {
                B.Offset -= D;
                if (!(B.Offset > B.Low)) {
                    B.Offset = B.Low;
                    B.State = 2;
                    B.High -= 0.77;
                    if (B.High < B.Low) B.State = 0;
                }
            } else if (B.State == 2) {
                B.Offset += D;
                if (!(B.Offset < B.High)) {
                    B.Offset = B.High;
                    B.State = 1;
                    B.Low += 0.77;
                    if (B.Low > B.High) B.State = 0;
                }
            }
        }
    }
}
