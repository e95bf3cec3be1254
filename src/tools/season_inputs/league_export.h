#pragma once
// The statistics input files of the seasons the default league plays
// (2005-2022): each season database of that league written out as the
// files the builder reads, so that building the season gives back its
// players, careers, contracts and ratings (and for 2022 its all-time
// leaders). The team records of each year up to 2021 are those the league
// played, which the league generator kept as each season ended. Every line
// written to the seasons file is also written whole to the played lines
// file (tools/season_databases/played_lines.h).
#include <cstdint>
#include <string>
#include <vector>

#include "database/player_record_layout.h"
#include "tools/league/non_passer_passing.h"
#include "tools/league/played_team_records.h"
#include "tools/season_inputs/input_collection.h"

struct EXPORTED_SEASON {
    int32_t Year;
    std::string Database;
    // The league as the season ended rather than as it started: only the
    // season's own lines are written from it (with their players), those of
    // players who retire before the next season included.
    bool Ended = false;
};

// Loads each database in turn and adds its files to `files`, whose shared
// lines already hold those of the history: a player the history made keeps
// his id, and a player of the league whose id someone else carries gets
// another id in every file. A player's season with a franchise is written
// once, by the first database that holds it, and only from the first
// exported season on (the history wrote the earlier ones); the franchise is
// followed across moves and renamings, which reorder the team slots. False
// with the reason in `error`, also when `played` holds no team records of
// a season up to 2021 or names a slot its database does not use. A
// player's lines of one year and team are written as one line. The passes
// of `passing` (thrown by players who are no quarterbacks) go into the
// passing columns of the thrower's line of that year and team; each ended
// season's passing totals must equal its quarterbacks' lines and those
// passes, and every pass of `passing` must find its line, or the export fails.
bool Export_League_Seasons(const std::vector<EXPORTED_SEASON>& seasons,
                           const std::vector<PLAYED_TEAM_RECORD>& played,
                           const std::vector<NON_PASSER_PASSING>& passing, INPUT_COLLECTION* files,
                           std::string* error);

// A player's season with one team, his lines of it joined.
struct JOINED_SEASON_LINE {
    int32_t Year;
    int32_t Team;
    int32_t Stats[NUMBER_OF_SEASON_STATS];
};
// The league seasons of the player at (team, slot) from `first_year` up to
// `before_year` with a franchise: his lines of seasons played
// (Is_Played_Season_Line) joined by year and team (a player who left a team and came back to it
// within a year has a line for each stay, which the seasons file holds as
// one; a kicker's longest kicks are the longest of them), in the order of
// his links.
std::vector<JOINED_SEASON_LINE> Join_Player_Season_Lines(int32_t team, int32_t slot, int32_t before_year,
                                                         int32_t first_year);
