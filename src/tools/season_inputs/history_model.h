#pragma once
// The fictional history of the league from 1951: the league is founded some
// years earlier with the franchises of 1951, and every season is made
// without its games: each player's statistics come from his typical season,
// the records crown the real champions, and the game's own off-season runs
// (contracts, development, retirement, the league's history of moves and
// expansions, the college draft). The statistics input files of each season
// from the first exported year are collected on the way, and the team files
// of the seasons before it, whose lines the players' careers hold.
#include <cstdint>
#include <string>

#include "tools/season_inputs/input_collection.h"

struct HISTORY_OPTIONS {
    int32_t Founding_Year = 1938;
    int32_t First_Exported_Year = 1951;
    // The last season made without games: the default league plays the
    // seasons from the next on.
    int32_t Last_Year = 2004;
    uint32_t Seed = 19510923u;
    // Where the league at the start of the season after the last is saved
    // (nothing saved when empty): the default league goes on from it.
    std::string League_File;
};

// Runs the history in the block; the current folder must hold the
// installation's "Cities.txt", "names" and "Input" draft files. The people
// behind the ids go into the shared lines. False with the reason in `error`.
bool Make_League_History(const HISTORY_OPTIONS& options, INPUT_COLLECTION* files, std::string* error,
                         void (*log)(const char* line));

// The champions a season's records crown: the nickname of the league's (or
// both leagues') champion, and of the other finalist where the tables name
// one. Nicknames are those the franchise carried that year.
struct SEASON_CHAMPIONS {
    std::string Champion;
    std::string Second_Champion;
    std::string Finalist;
};
SEASON_CHAMPIONS Get_Season_Champions(int32_t year);
