#include "engine/kicking_plays.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/game_record.h"

namespace {

constexpr int32_t QUARTER_SECONDS = 900;
constexpr int32_t REGULATION_END = 3600;
// Time left in the half under an overtime rule that is not sudden death.
constexpr int32_t UNTIMED_OVERTIME_SECONDS = 9000;

double Uniform() {
    return static_cast<double>(Random_Number()) * RANDOM_FRACTION;
}

// Quarter 1-4 of the clock, 5 and above in overtime; the try after a score at
// the end of a half still belongs to that half.
int32_t Clock_Quarter(const GAME_RECORD* pGame) {
    const int32_t clock = pGame->Clock;
    const int32_t quarter = clock / QUARTER_SECONDS + 1;
    if ((clock == 1800 || clock == REGULATION_END) && Get_Game_Down(pGame) == CONVERSION_ATTEMPT)
        return quarter - 1;
    return quarter < 5 ? quarter : 5;
}

bool Is_Regular_Season_Game(const GAME_RECORD* pGame) {
    return pGame->Week < Universe.Season_Length;
}

// The kick-off year of the game being played, else the calendar year.
int32_t Kicking_Year() {
    if (Current_Game != nullptr && Current_Game->Season_Year != 0) return Current_Game->Season_Year;
    return Get_Current_Year();
}

} // namespace

void Start_Game_Period(GAME_RECORD*) {}
void Resolve_Kickoff(GAME_RECORD*) {}
void Resolve_Onside_Kick(GAME_RECORD*) {}
void Resolve_Punt(GAME_RECORD*) {}

int32_t Get_Kick_Return_Yards(int32_t team, int32_t slot, int32_t squib) {
    const float returns = Get_Player_Rating(team, slot, RATING_KICK_RETURNS);
    const float vision = Get_Player_Rating(team, slot, RATING_VISION);
    const float quickness = Get_Player_Rating(team, slot, RATING_QUICKNESS);
    const float speed = Get_Player_Rating(team, slot, RATING_SPEED);
    double base = ((5.0 * returns + vision + quickness) - 270.0) * 25.0 / 360.0;
    if (squib) base *= 0.7;
    const double u1 = Uniform();
    const double u2 = Uniform();
    const double variance = (0.4 + 1.2 * u1) * (0.4 + 1.2 * u2);
    int32_t yards = static_cast<int32_t>(variance * base);

    const int32_t year = Kicking_Year();
    double chance = 0.006;
    if (year < 2017) {
        chance = 0.006 + 0.001 * (2017 - year);
        if (chance > 0.014) chance = 0.014;
    }
    chance = chance * (speed + returns + vision - 180.0) / 90.0;
    if (speed < 60.0f) chance = 0.0;
    if (squib) chance /= 2.0;
    if (Uniform() < chance) yards = RETURN_TOUCHDOWN_YARDS;
    return yards < 1 ? 1 : yards;
}

int32_t Get_Punt_Return_Yards(int32_t, int32_t, int32_t) {
    return 1;
}

int32_t Get_Period_Length(GAME_RECORD* pGame) {
    if (pGame == nullptr || Clock_Quarter(pGame) < 5 || !Is_Regular_Season_Game(pGame))
        return QUARTER_SECONDS;
    // A league saved without an overtime length plays full quarters rather than
    // periods of no length.
    const int32_t minutes = Get_User_Preference(OVERTIME_MINUTES);
    return minutes > 0 ? minutes * 60 : QUARTER_SECONDS;
}

int32_t Get_Period_Time_Left(GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    const int32_t quarter = Clock_Quarter(pGame);
    if (quarter < 5) return QUARTER_SECONDS * quarter - pGame->Clock;
    const int32_t length = Get_Period_Length(pGame);
    return length - (pGame->Clock - REGULATION_END) % length;
}

int32_t Get_Half_Time_Left(GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    const int32_t quarter = Clock_Quarter(pGame);
    if (quarter <= 2) return 1800 - pGame->Clock;
    if (quarter <= 4) return REGULATION_END - pGame->Clock;
    const int32_t mode = Get_User_Preference(Is_Regular_Season_Game(pGame) ? REGULAR_SEASON_OVERTIME_RULE
                                                                           : PLAYOFF_OVERTIME_RULE);
    if (mode != 0 && mode != 1) return UNTIMED_OVERTIME_SECONDS;
    return Get_Period_Time_Left(pGame);
}
