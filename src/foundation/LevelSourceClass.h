// The level source: the text a designer writes and reads for one level, and the
// translation between it and the level record. A source is a list of named
// values ("Time = 120") with "#" comments, and a 10 by 10 board drawn cell by
// cell. assets/levels/README.md describes the format; the level compiler
// (tools/levelc) builds the game's level files from these sources.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "BoardDataClass.h"
#include "LevelFileClass.h"

// One thing wrong with a level, pointing at its file and line (0: the whole file)
// and naming the rule it breaks.
struct TLevelProblem {
    std::string File;
    int32_t Line = 0;
    std::string Rule;
    std::string Message;
    // "file:line: message [rule]"
    std::string Text() const;
};

// A level as read from its source.
struct TLevelSource {
    std::string File;
    int32_t Island = 0;  // from the file name "<island>-<NN>.<ext>"; 0 when the name does not say
    int32_t Level = 0;
    TLevelRecord Record;
    // Seed of the locker kinds the compiler chooses (cells drawn "x"); island * 100 + level unless given.
    uint64_t Seed = 0;
    TSimpleObjectArray ChosenKinds;
    // Where each value was written, for messages; fields left out are not listed.
    std::map<std::string, int32_t> FieldLines;
    int32_t BoardLine = 0;
    int32_t RowLines[BoardSize] = {};

    // The line of a field, or the board's line when it was left out.
    int32_t LineOf(const std::string& Field) const;
    // The line of board row Y (1 to 10).
    int32_t LineOfRow(int32_t Y) const;
    TLevelProblem Problem(int32_t Line, const std::string& Rule, const std::string& Message) const;
};

// Island and level from a file name "<island>-<NN>.<anything>" (a folder in front is allowed).
bool LevelNumbersFromName(const std::string& FileName, int32_t& Island, int32_t& Level);

// Reads a source. Problems are syntax errors (rule "syntax"); Source is complete only when there are none.
std::vector<TLevelProblem> ParseLevelSource(const std::string& Text, const std::string& FileName,
                                            TLevelSource& Source);

// A source holding a record as it is (for checking level files that have no source).
TLevelSource SourceFromRecord(const TLevelRecord& Record, const std::string& FileName);

// Writes the source of a record: every value by name and the board with its
// locker kinds. Tile contents and the blaster colours are left out (the level
// start draws them anew), and so is anything stored for a position off the board. A record whose board holds something a source cannot
// draw (a bomb, a worm, a falling or blank tile, a web off the board) is refused
// with the reason in Error.
bool WriteLevelSource(const TLevelRecord& Record, const std::string& Title, std::string& Text, std::string& Error);

// The names of the objectives and level kinds in a source.
const char* ObjectiveSourceName(TGameObjective Objective);
const char* LevelKindSourceName(TLevelKind Kind);
