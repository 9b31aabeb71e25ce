// General routines every part of the game shares: rounding, number and money
// formatting by language, movement without overshoot, straight-line speeds,
// the medal rule, level and save file names, and the tile bounce table.
#pragma once

#include <cstdint>
#include <string>

#include "GameTypesClass.h"

// Game time, in milliseconds, that one frame update stands for.
constexpr int32_t FrameStep = 30;

// The game's language, copied from the settings at start-up.
extern TSettingLoaderLanguage GameLanguage;

// Rounds half to even (2.5 -> 2, 3.5 -> 4), as every position and size of the game does.
int32_t Round(double Value);
// Truncates toward zero.
int32_t Trunc(double Value);

// Value increased by 0, 10, 20, 30 or 40 percent, at random (gameplay stream).
int32_t RandomlyIncreased(int32_t Value);

// Digits with the language's thousands separator ("1,234,567" for laUS).
std::string IntToGroupedStr(int32_t Value);
// Money with the language's currency sign (Windows-1252; the euro sign is byte 0x80).
std::string MoneyToStr(int32_t Value);

// Horizontal advance after Ch in a sprite font: Round((Spacing + width of Ch) * Scale).
int32_t GlyphAdvance(TGameFontKind FontKind, char Ch, int32_t Spacing, double Scale);
// Width of Ch in the normal sprite font (the only font measured this way).
int32_t AirstripNormalGlyphWidth(char Ch);

// Each axis moves toward its target by its step and stops exactly there.
void MoveTowards(double& X, double& Y, double StepX, double StepY, double TargetX, double TargetY);
void MoveTowards(double& V, double Step, double Target);
void MoveTowards(int32_t& V, int32_t Step, int32_t Target);
// V := V + Step, at most Max.
void MoveTowardsCapped(int32_t& V, int32_t Step, int32_t Max);

// Per-axis speeds for a straight move whose longer axis moves Speed pixels a frame.
TFloatPoint AxisSpeeds(TPoint From, TPoint To, int32_t Speed);
TFloatPoint AxisSpeeds(TFloatPoint From, TFloatPoint To, int32_t Speed);

TFloatPoint FloatPoint(double X, double Y);
bool SameFloatPoint(const TFloatPoint& A, const TFloatPoint& B);

TMedalKind MedalForTime(int32_t Time, int32_t SilverReqTime, int32_t GoldReqTime);

// LevelsFolder + "1-07.qel" for island 1, level 7.
std::string LevelFileName(int32_t IslandIdx, int32_t LevelIdx);
// SaveFolder + the player's name + ".sav". The name is Windows-1252 and becomes UTF-8 on disk.
std::string ProgressFileName(const std::string& PlayerName);

// Left <= X <= Right and Top <= Y <= Bottom: every edge counts as inside.
bool PointInRect(int32_t X, int32_t Y, const TRect& R);

// The board's tile bounces, indexed [column][row], both 0-based.
extern TTileBounce TileBounces[10][10];
void ClearTileBounces();
void StartTileBounce(int32_t Column, int32_t Row);  // 0-based
// Advances all 100 bounces by one frame.
void UpdateTileBounces();
