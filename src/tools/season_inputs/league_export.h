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
// a season up to 2021 or names a slot its database does not use.
bool Export_League_Seasons(const std::vector<EXPORTED_SEASON>& seasons,
                           const std::vector<PLAYED_TEAM_RECORD>& played, INPUT_COLLECTION* files,
                           std::string* error);
