#pragma once
// What the New Game dialog decides, kept apart from its drawing: the season
// it loads and the franchise it keeps selected, how "Replay Mode" follows the
// season, which advanced options exclude each other, the franchise facts and
// notable players it shows, and the start of the game on "Play".
#include <cstddef>
#include <cstdint>

#include "season/new_universe.h"

constexpr int32_t FIRST_NEW_GAME_SEASON = 1951;
constexpr int32_t LAST_NEW_GAME_SEASON = 2022;
constexpr int32_t NOTABLE_PLAYER_LINES = 5;
constexpr int32_t FRANCHISE_FACT_LINES = 6;
constexpr int32_t NEW_GAME_TEXT_SIZE = 128;

struct NEW_GAME_CHOICES {
    int32_t Team;       // the franchise slot chosen, -1 for none
    int32_t Difficulty; // 0 "Fan" .. 3 "Korva"
    char Owner_Name[64];
    NEW_GAME_OPTIONS Options;
};

enum NEW_GAME_OPTION : int32_t {
    OPTION_SHUFFLE_PLAYERS,
    OPTION_FICTIONAL_PLAYERS,
    OPTION_EQUALIZE_CITIES,
    OPTION_FANTASY_DRAFT,
    OPTION_REPLAY_MODE,
};

// Loads "databases/universe-%d.dat" of `year` and returns the franchise to
// select: the one whose name matches `remembered_name`, else the first. A
// file that cannot be loaded gives -1 and leaves the league as it was, its
// Base_Year included (the user has been told).
int32_t Load_New_Game_Season(int32_t year, const char* remembered_name);
// "Replay Mode" after moving from `old_year` to `new_year`: cleared for 2022
// and later, set when coming from there, unchanged between historical seasons.
bool Get_Replay_Mode_For_Season(int32_t old_year, int32_t new_year, bool replay);
// Ticks or clears an option, clearing the options it excludes. Replay mode is
// refused (with the user told) for a league of 2022 or later.
void Set_New_Game_Option(NEW_GAME_OPTIONS* options, NEW_GAME_OPTION option, bool ticked);

// String-table id of the fan loyalty word for financial statistic 0.
int32_t Get_Fan_Loyalty_String(int32_t fan_base);
// The six franchise facts: fan base, loyalty, income, value, stadium, payroll.
void Format_Franchise_Facts(int32_t team, char lines[FRANCHISE_FACT_LINES][NEW_GAME_TEXT_SIZE]);
// Up to five strong players of the franchise, by potential and rating, best
// first; returns how many (their slots in `slots`). Players rated below 25
// get random ratings first.
int32_t Find_Notable_Players(int32_t team, int32_t slots[NOTABLE_PLAYER_LINES]);
// "%s (%s, %d)": full name, short position and age.
void Format_Notable_Player(int32_t team, int32_t slot, char* out, size_t size);

// The choices made on "Play": every other franchise computer-run, the
// user's franchise, difficulty, replay mode and name.
void Apply_New_Game_Choices(const NEW_GAME_CHOICES& choices);
// "Play": the choices, the season's ratings file, the advanced options, the
// session's settings and Start_Game; the status bar is made again. The
// caller opens the fantasy draft's dialog when that option is ticked.
void Begin_New_Game(const NEW_GAME_CHOICES& choices);
