#pragma once
// Turning a loaded season into the league a new game plays: fictional
// players, a shuffled league, equal cities and finances, the random variation
// of ratings that makes every new game different, and the free-agent pool
// scaled down when it is too strong. Also the fantasy-draft placement check
// and the default development fields of a built database.
#include <cstdint>

// The advanced options of the New Game dialog.
struct NEW_GAME_OPTIONS {
    bool Shuffle_Players;
    bool Fictional_Players;
    bool Equalize_Cities;
    bool Fantasy_Draft;
    bool Replay_Mode;
};

// Applies the ticked options in this order: fictional players, shuffle,
// equal cities and finances; then the ratings variation.
void Apply_New_Game_Options(const NEW_GAME_OPTIONS& options);

// Ten passes of Shuffle_Players_Once under a progress window with `caption`,
// then depth charts. Moves are not recorded as season lines while it runs;
// recording is on afterwards.
void Shuffle_Players(const char* caption);
// Draws every player of the present teams a destination among the active
// franchises and moves him there. A player whose destination is full stays
// where he is (with a fresh destination drawn) and is never lost; the Hall of
// Fame's members are retired and stay in it.
void Shuffle_Players_Once();

// Every city the same market; longitude and latitude spread by city number.
void Equalize_Cities();
// Every active team the same fan base, cash and budgets.
void Equalize_Team_Finances();

// Tier 0..9 of a potential: how many of 59, 63, 66, 69, 75, 80, 85, 90, 93 it reaches.
int32_t Get_Potential_Tier(int32_t potential);
// The player's tier from his potential, truncated.
int32_t Get_Player_Potential_Tier(int32_t team, int32_t slot);
// The player's evaluation at his own position; a player rated below 25 first
// gets random ratings.
float Get_Player_Own_Rating(int32_t team, int32_t slot);

// Young players with few seasons are varied most often; a high tier pulls the
// ratings down, a low tier lets them rise.
void Vary_Player_Ratings_For_New_Game();
// A free-agent pool whose mean evaluation is above 62 is scaled about 50 so
// that the mean comes to 62.
void Rescale_Free_Agent_Pool();

// 1 when every player of the active teams has been placed by the fantasy
// draft (vital 27 set), also when there are no teams; else 0.
int32_t All_Players_Fantasy_Drafted();
// Fixed development fields for every player of the present teams: growth and
// decline 100, growth until 25, the peak age of his position.
void Reset_Player_Default_Fields();

// Fictional players (fictional_universe.cpp): every player renamed, the
// league shuffled and traded, rosters filled to the minimum, each player's
// college, body, season lines, statistics, contract and draft history made
// new, and the undrafted college pool emptied.
void Create_Fictional_Universe();
// Fills a franchise to the minimum fictional roster (24 players by position)
// with fabricated players while it has room.
void Fill_Fictional_Minimum_Roster(int32_t team);
// Players of `position` a fictional franchise must have.
int32_t Get_Fictional_Roster_Minimum(int32_t position);
// The per-player steps of a fictional universe (college, body, season lines,
// statistics, contract, draft slot), with `teams` active franchises.
void Make_Player_Fictional(int32_t team, int32_t slot, int32_t teams);
// Merges season lines of the same year (a player traded in mid-season) into
// the earlier line, in up to three passes.
void Merge_Same_Year_Season_Lines(int32_t team, int32_t slot);
// Last season's statistics rebuilt from his lines of the year before the
// starting season, with the passing, rushing and sack figures capped.
void Cap_Last_Season_Statistics(int32_t team, int32_t slot);
// Random noise of a tenth either way on every statistic of every line, and
// games played and started within the season's length.
void Add_Season_Line_Noise(int32_t team, int32_t slot);
// A made-up draft round and overall pick from his potential tier; kickers and
// punters go in rounds 4..7.
void Set_Fictional_Draft_Slot(int32_t team, int32_t slot, int32_t teams);
