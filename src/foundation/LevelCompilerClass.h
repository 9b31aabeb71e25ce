// The level compiler's checks: the rules every level of the game must keep
// (a level the game can play and win, a board with no ready-made group and at
// least one move, island 1's introductions, numbering without gaps, the monster
// at the end of each island) and the choice of locker kinds for the board cells
// a designer leaves to the compiler. tools/levelc runs them over assets/levels;
// the data tests run them over the built level files.
#pragma once

#include <string>
#include <vector>

#include "LevelSourceClass.h"

// The checked board of the first level's lesson, locker kinds by row (y = 1 first).
extern const char* const TutorialBoardRows[BoardSize];

// Gives every cell drawn "x" a locker kind, from the source's seed: no group of
// three same-kind lockers forms and at least one swap of two lockers opens a group.
std::vector<TLevelProblem> ChooseLockerKinds(TLevelSource& Source);

// A swap of two neighbouring closed lockers opens a group (fruit colours are drawn
// at level start, so opened tiles never count).
bool HasLockerMove(const TBoardData& Board);

// The rules one level must keep, each problem naming its rule:
//   objective       no bonus stage in a level file
//   divisor         Time, FullRequiredFruits, FruitCountTarget and MonsterEnergy at least 1
//   time-limit      more than 28 seconds (time is "running out" from 28 on), and countable in ms
//   colours         1 to 6 fruit colours; every colour asked for is in play
//   targets         collect-fruits levels ask for 1 to 99 of some fruit; other levels for none
//   spider-hunt     hunts ask for 1 to 99 spiders with at least one on the board; other levels for none
//   flowers         1 to 6 flowers; locker checks between flowers from at least 1, max not below min
//   frames          clear-tiles levels have frames; no other level has any
//   range           the other values inside what the game can use
//   web-quota       where spiders come, MaxWebs above the webs on the starting board
//   monster-worms   no worms in a monster level of islands 1 to 4 (the fairy cannot mend eaten fruit there)
//   board-shape     the board has tiles, and each has a neighbour on the board
//   board-group     no three touching lockers of one kind at the start
//   board-opened    no three touching opened tiles at the start
//   board-move      at least one swap of two lockers opens a group
//   tutorial-board  level 1-01 uses the lesson's board and at least 4 colours
//   introduction    island 1's levels 2 to 9 let the feature they introduce appear
std::vector<TLevelProblem> CheckLevelRules(const TLevelSource& Source);

// The rules of a whole set of levels:
//   numbering       names "<island>-<NN>", islands 1 to 5, levels within the island's map dots,
//                   numbered from 1 without a gap, each once
//   island-end      an island that has all its levels (as many as the map has dots) ends with a monster level
std::vector<TLevelProblem> CheckIslandRules(const std::vector<TLevelSource>& Levels);

// Reads one source, chooses its locker kinds and checks its own rules.
std::vector<TLevelProblem> CompileLevelSource(const std::string& Text, const std::string& FileName,
                                              TLevelSource& Source);
