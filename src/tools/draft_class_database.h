#pragma once
// A season's draft class, "databases/rookies-<year>.dat": the players of a
// built season who have not yet played a league game, as 1,000 raw player
// records (756,000 bytes, unused records zero), best prospects first. A game
// that reaches the draft of that year fills its college pool from the file.
#include <cstdint>
#include <string>
#include <vector>

#include "database/player_record_layout.h"

constexpr int32_t DRAFT_CLASS_RECORDS = 1000;
constexpr int32_t DRAFT_CLASS_FILE_SIZE = DRAFT_CLASS_RECORDS * static_cast<int32_t>(sizeof(PLAYER_RECORD));
// Records of the file that reach the pool (teams 38-40).
constexpr int32_t DRAFT_CLASS_POOL_RECORDS = 300;

// Gathers the class of the league in memory into `records` (DRAFT_CLASS_RECORDS,
// zeroed first), each player's draft value stored in his vital 28 on the way,
// and sorts it; returns the number gathered. More than the file holds shows
// the overflow message and keeps the first 1,000.
int32_t Gather_Draft_Class(PLAYER_RECORD* records);
// Writes the records as a class file: 0 written, 1 cannot be created, 2 the
// write failed (the partial file is removed).
int32_t Write_Draft_Class_File(const char* file_name, const PLAYER_RECORD* records);
// The class of Base_Year into "databases/rookies-<year>.dat", and the year
// and count appended to "Draft-Class-Rookies.csv"; 0, 1 or 2 as above.
int32_t Write_Draft_Class_Database();
// Loads the coming draft's class (the season year + 1) into the pool slots:
// the first 300 records, each a fresh prospect of his name, body and
// position with a new id and a new college career; a person the league
// already holds (by name and birth date) leaves his slot empty. A missing
// file before 2023 tells the user that the pool is generated instead, and so
// does a damaged one (not of the class file's size, or holding a record that
// is no whole player: a text without its end, an unknown position, a rating
// that is no number of the game's range), of which nothing is loaded. While a
// season database is being built, the built league takes its class (its
// messages go to the sink below when one is set); the shipped league the
// build loads for its cities keeps the pool it generates.
void Load_Draft_Class_Database();
// While set, what Load_Draft_Class_Database would tell the user is added to
// `texts` (and logged) instead of shown: a build of many seasons tells it
// once at its end. nullptr shows it again.
void Set_Draft_Class_Message_Sink(std::vector<std::string>* texts);
// The caption those messages are shown under.
constexpr const char* GENERATING_ROOKIES_CAPTION = "Generating Random Rookies";
