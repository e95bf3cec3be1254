#include "personnel/college_history.h"

#include <algorithm>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/season_lines.h"
#include "database/team_record_layout.h"
#include "personnel/predicted_stats.h"

namespace {
constexpr int32_t MOST_COLLEGE_SEASONS = 4;
// Start rates by college season, counted from the last one.
constexpr int32_t START_RATE_BASE[MOST_COLLEGE_SEASONS] = {10, 60, 110, 130};
constexpr int32_t TEMPLATE_GAMES = 17;
constexpr int32_t COLLEGE_LINE_TEAM = 128;

// Defensive factors of tackles, assists, sacks, forced fumbles, passes
// defended, interceptions and fumble recoveries, DE .. S.
constexpr float DEFENSIVE_FACTOR[5][7] = {{3.0f, 2.0f, 2.0f, 0.2f, 0.2f, 0.05f, 0.15f},
                                          {2.5f, 2.5f, 1.0f, 0.1f, 0.25f, 0.05f, 0.15f},
                                          {6.0f, 4.5f, 1.0f, 0.25f, 0.75f, 0.25f, 0.15f},
                                          {3.5f, 1.5f, 0.3f, 0.15f, 2.0f, 0.5f, 0.05f},
                                          {5.0f, 2.5f, 0.3f, 0.1f, 1.5f, 0.4f, 0.1f}};

struct SEASON_TEMPLATE {
    int32_t Team;
    int32_t Slot;
    float Playing_Time;
    float R(int32_t rating) const { return Get_Player_Rating(Team, Slot, rating); }
    int32_t Get(int32_t stat) const { return Get_Player_Stat(Team, Slot, SEASON_THIS, stat); }
    // Stored truncated toward zero; returns what was stored.
    int32_t Set(int32_t stat, float value) const {
        const int32_t stored = static_cast<int32_t>(value);
        Set_Player_Stat(Team, Slot, SEASON_THIS, stat, stored);
        return stored;
    }
};

void Quarterback_Season(const SEASON_TEMPLATE& t) {
    const float p = t.Playing_Time;
    const float attempts = (t.R(RATING_ACCURACY) + 100.0f) * 30.0f / 170.0f * p;
    t.Set(2, attempts);
    const float completions = (t.R(RATING_ACCURACY) / 300.0f + 0.43f) * attempts;
    t.Set(3, completions);
    t.Set(4, (105.0f - t.R(RATING_CONTROL)) / 1400.0f * attempts);
    t.Set(5, (t.R(RATING_DISTANCE) + 50.0f) * completions / 10.0f);
    t.Set(6, attempts * t.R(RATING_RED_ZONE) / 1000.0f);
    const float c27 = t.R(RATING_RUNNING_COMPOSITE);
    const int32_t q =
        std::max(static_cast<int32_t>((c27 - 60.0f) / 1.8f), static_cast<int32_t>((c27 - 35.0f) / 18.0f));
    t.Set(7, static_cast<float>(q) * p);
    const int32_t yards = t.Set(8, std::max(0.0f, static_cast<float>(static_cast<int32_t>(
                                                      (c27 - 20.0f) * static_cast<float>(q) * p / 10.0f))));
    t.Set(9, static_cast<float>(yards / 100));
    const int32_t sacked = t.Set(14, (110.0f - t.R(RATING_MOBILITY)) * attempts / 1000.0f);
    t.Set(15, static_cast<float>(9 * sacked));
}

// Shared by the backs: the receiving half of their template.
void Back_Receiving(const SEASON_TEMPLATE& t) {
    const float p = t.Playing_Time;
    const float c28 = t.R(RATING_RECEIVING_COMPOSITE);
    const float yards = (c28 - 50.0f) * (c28 - 50.0f) * p / 12.0f;
    const int32_t stored_yards = t.Set(11, yards);
    const float receptions = yards / 9.0f;
    t.Set(10, receptions);
    t.Set(12, static_cast<float>(stored_yards) / 150.0f);
    t.Set(4, (1.5f - (c28 + t.R(RATING_HANDS)) / 600.0f) * receptions);
    t.Set(6, (t.R(RATING_POWER) + t.R(RATING_VISION)) / 275.0f * yards);
    t.Set(5, t.R(RATING_VISION) / 125.0f * receptions);
}

void Running_Back_Season(const SEASON_TEMPLATE& t, bool fullback) {
    const float p = t.Playing_Time;
    const float rushes = (fullback ? 5.0f : 20.0f) * p;
    t.Set(7, rushes);
    t.Set(8, t.R(RATING_RUNNING_COMPOSITE) / 12.5f * rushes);
    if (fullback)
        t.Set(9, (t.R(RATING_POWER) - 25.0f) * p / 40.0f);
    else
        t.Set(9, (t.R(RATING_POWER) + t.R(RATING_RED_ZONE) - 75.0f) * p / 60.0f);
    Back_Receiving(t);
}

// A receiver's few runs: each try is a carry when a draw falls below his running composite.
void Receiver_Runs(const SEASON_TEMPLATE& t, int32_t tries) {
    const int32_t composite = static_cast<int32_t>(t.R(RATING_RUNNING_COMPOSITE));
    int32_t carries = 0;
    int32_t yards = 0;
    for (int32_t n = 0; n < tries; ++n) {
        if (Random_Below(300) >= composite) continue;
        ++carries;
        yards += -6 + Random_Below(25);
    }
    t.Set(7, static_cast<float>(carries));
    t.Set(8, static_cast<float>(yards));
}

void Receiver_Season(const SEASON_TEMPLATE& t, bool tight_end) {
    const float p = t.Playing_Time;
    const float c28 = t.R(RATING_RECEIVING_COMPOSITE);
    const float hands = t.R(RATING_HANDS);
    const float power = t.R(RATING_POWER);
    const float vision = t.R(RATING_VISION);
    const float receptions = tight_end ? (c28 - 20.0f) * p / 12.0f : c28 / 9.0f * p;
    t.Set(10, receptions);
    const float yards = tight_end ? c28 / 5.5f * receptions : 0.25f * c28 * receptions;
    const int32_t stored_yards = t.Set(11, yards);
    if (tight_end)
        t.Set(12, power / 70.0f * static_cast<float>(stored_yards) / 125.0f);
    else
        t.Set(12, static_cast<float>(stored_yards) / 150.0f);
    t.Set(4, ((tight_end ? 1.65f : 1.7f) - (c28 + hands) / 500.0f) * receptions);
    t.Set(6, (power + vision) * yards / 300.0f);
    t.Set(5, vision / (tight_end ? 110.0f : 100.0f) * receptions);
    Receiver_Runs(t, tight_end ? 3 : 5);
}

void Defender_Season(const SEASON_TEMPLATE& t, int32_t position) {
    const float p = t.Playing_Time;
    const float* c = DEFENSIVE_FACTOR[position - POSITION_DE];
    auto share = [&](int32_t rating) { return (t.R(rating) - 25.0f) / 50.0f * p; };
    const float takeaways = share(RATING_TURNOVERS);
    t.Set(2, share(RATING_TACKLING) * c[0]);
    t.Set(3, share(RATING_RUN_DEFENSE) * c[1]);
    t.Set(4, share(RATING_PASS_RUSH) * c[2]);
    t.Set(5, c[3] * takeaways);
    t.Set(6, share(RATING_PASS_COVERAGE) * c[4]);
    t.Set(7, c[5] * takeaways);
    t.Set(8, c[6] * p);
    t.Set(9, (t.R(RATING_SPEED) - 35.0f) / 125.0f * (c[6] * p + c[5] * takeaways));
}

void Kicker_Season(const SEASON_TEMPLATE& t) {
    const float p = t.Playing_Time;
    const float accuracy = t.R(RATING_FG_ACCURACY);
    const float distance = t.R(RATING_FG_DISTANCE);
    t.Set(8, 5.0f * p);
    t.Set(9, accuracy / 70.0f * 5.0f * p);
    t.Set(10, 2.0f * p);
    t.Set(12, 2.0f * p);
    t.Set(11, (accuracy - 27.0f) * 2.0f * p / 40.0f);
    t.Set(13, (accuracy - 27.0f) * 2.0f * p / 45.0f);
    t.Set(14, 0.8f * p);
    t.Set(15, (accuracy + distance - 110.0f) * 0.8f * p / 50.0f);
    const float tried_from_fifty = (distance - 60.0f) * p / 30.0f;
    t.Set(16, tried_from_fifty);
    const int32_t made_from_fifty = t.Set(17, (distance - 50.0f) * tried_from_fifty / 35.0f);
    if (made_from_fifty <= 0)
        t.Set(18, static_cast<float>(44 + Random_Below(5)));
    else
        t.Set(18, distance / 3.0f + 30.0f);
}

void Punter_Season(const SEASON_TEMPLATE& t) {
    const float punts = 5.0f * t.Playing_Time;
    const int32_t extra = Random_Below(12);
    const float distance = t.R(RATING_PUNT_DISTANCE);
    t.Set(2, punts);
    t.Set(3, distance / 70.0f * punts * 45.0f);
    t.Set(5, punts / 10.0f + 38.0f + distance / 5.0f + static_cast<float>(extra));
    t.Set(6, (100.0f - t.R(RATING_PUNT_ACCURACY)) / 250.0f * punts);
}

// Every position's returners, over whatever the template wrote there.
void Return_Season(const SEASON_TEMPLATE& t) {
    const float p = t.Playing_Time;
    const float kick = t.R(RATING_KICK_RETURNS);
    if (kick > 65.0f) {
        const float returns = (kick - 50.0f) / 10.0f * p;
        t.Set(14, returns);
        const float yards = kick / 3.0f * returns;
        t.Set(15, yards);
        t.Set(16, yards / 400.0f);
    }
    const float punt = t.R(RATING_PUNT_RETURNS);
    if (punt > 65.0f) {
        const float returns = (punt - 50.0f) / 12.0f * p;
        t.Set(17, returns);
        const float yards = 0.125f * punt * returns;
        t.Set(18, yards);
        t.Set(19, yards / 250.0f);
    }
}

int32_t Get_S(int32_t team, int32_t slot, int32_t stat) {
    return Get_Player_Stat(team, slot, SEASON_THIS, stat);
}

void Set_S(int32_t team, int32_t slot, int32_t stat, int32_t value) {
    Set_Player_Stat(team, slot, SEASON_THIS, stat, value);
}

void Check_Lineman_Season(int32_t team, int32_t slot) {
    const int32_t penalties = Get_S(team, slot, 10);
    int32_t yards = std::min(Get_S(team, slot, 11), 9 * penalties);
    yards = std::max(yards, 6 * penalties);
    Set_S(team, slot, 11, yards - ((yards + 2) % 5) + 2);
    for (int32_t stat = 14; stat <= 19; ++stat)
        if (Get_S(team, slot, stat) < 0) Set_S(team, slot, stat, 0);
    Set_S(team, slot, 15, std::min(Get_S(team, slot, 15), 31 * Get_S(team, slot, 14)));
    Set_S(team, slot, 18, std::min(Get_S(team, slot, 18), 17 * Get_S(team, slot, 17)));
    if (Get_S(team, slot, 15) < 225 * Get_S(team, slot, 16)) Set_S(team, slot, 16, 0);
    if (Get_S(team, slot, 18) < 175 * Get_S(team, slot, 19)) Set_S(team, slot, 19, 0);
}

void Check_Kicking_Season(int32_t team, int32_t slot) {
    for (int32_t made = 9; made <= 17; made += 2)
        Set_S(team, slot, made, std::min(Get_S(team, slot, made), Get_S(team, slot, made - 1)));
    if (Get_S(team, slot, 18) > 68) Set_Longest_Field_Goal(team, slot, SEASON_THIS);
    if (Get_S(team, slot, 5) > 75) Set_Longest_Punt(team, slot, SEASON_THIS);
}
} // namespace

void Generate_Season_Stats_From_Ratings(int32_t team, int32_t slot, float games_started, float games,
                                        float shift) {
    float before[NUMBER_OF_PLAYER_RATINGS];
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating) {
        before[rating] = Get_Player_Rating(team, slot, rating);
        Set_Player_Rating(team, slot, rating, before[rating] + shift);
    }
    const SEASON_TEMPLATE t{team, slot, 0.7f * games_started + 0.3f * games};
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    switch (position) {
    case POSITION_QB:
        Quarterback_Season(t);
        break;
    case POSITION_RB:
    case POSITION_FB:
        Running_Back_Season(t, position == POSITION_FB);
        break;
    case POSITION_TE:
    case POSITION_WR:
        Receiver_Season(t, position == POSITION_TE);
        break;
    case POSITION_DE:
    case POSITION_DT:
    case POSITION_LB:
    case POSITION_CB:
    case POSITION_S:
        Defender_Season(t, position);
        break;
    case POSITION_K:
        Kicker_Season(t);
        break;
    case POSITION_P:
        Punter_Season(t);
        break;
    default:
        break;
    }
    Return_Season(t);
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        Set_Player_Rating(team, slot, rating, before[rating]);
}

void Scale_Season_Stats_To_Games(int32_t team, int32_t slot, int32_t games) {
    const int32_t base = Mul_Div_Round(1000, TEMPLATE_GAMES, games);
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    const bool kicking = position == POSITION_K || position == POSITION_P;
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat) {
        int32_t spread = 0;
        if (stat > 1) {
            spread = Random_Below(200);
            spread -= Random_Below(200);
        }
        int32_t divisor = base;
        if (kicking && (stat == 5 || stat == 18)) {
            // The long kicks are not counts: they do not grow with games.
            divisor = 1000;
            spread /= 2;
        } else if (position == POSITION_K && stat >= 8 && stat <= 17) {
            divisor = 2 * base;
            spread *= 5;
        }
        const int32_t value = Get_S(team, slot, stat);
        // Small counts vary more: x11.67 at 0, x1 at 16, unchanged from 32.
        if (value < 32) spread = Mul_Div_Round(spread, 35, 2 * value + 3);
        int32_t scaled = Mul_Div_Round(value, 1000 + spread, divisor);
        if (value >= 0 && scaled < 0) scaled = 0;
        Set_S(team, slot, stat, scaled);
    }
}

void Check_Generated_Season_Stats(int32_t team, int32_t slot) {
    switch (Get_Position_Group(Get_Player_Vital_Stat(team, slot, VITAL_POSITION))) {
    case 0:
        Set_S(team, slot, 4, std::max(Get_S(team, slot, 4), (Get_S(team, slot, 6) + 10) / 10));
        break;
    case 1:
        Check_Lineman_Season(team, slot);
        break;
    case 2:
        for (int32_t stat = 2; stat <= 11; ++stat)
            if (Get_S(team, slot, stat) < 0) Set_S(team, slot, stat, 0);
        Set_S(team, slot, 10, std::min(Get_S(team, slot, 10), Get_S(team, slot, 11)));
        break;
    case 3:
        Check_Kicking_Season(team, slot);
        break;
    default:
        break;
    }
}

void Store_College_Season_Line(int32_t team, int32_t slot, int32_t year, int32_t college_class) {
    if (team == FREE_AGENT_TEAM) return;
    const int32_t line = Add_Player_Season_Line(team, slot, Get_Current_Year(), team);
    if (line == NO_SEASON_LINE) return;
    Set_Player_Latest_Season_Line(team, slot, line);
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
        Set_Season_Line_Stat(line, stat, Get_S(team, slot, stat));
    Set_Season_Line_Year(line, year);
    Set_Season_Line_Team(line, COLLEGE_LINE_TEAM);
    Set_Season_Line_Kind(line, college_class);
}

void Generate_College_Stat_History(int32_t team, int32_t slot, int32_t offset) {
    const int32_t seasons =
        std::min(Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS) + 5, MOST_COLLEGE_SEASONS);
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    const int32_t year = Get_Current_Year();
    for (int32_t k = 0; k < seasons; ++k) {
        const int32_t scheduled = 12 + Random_Below(2);
        int32_t missed = Random_Below(6);
        missed += Random_Below(6);
        missed -= Random_Below(6);
        missed -= Random_Below(6);
        missed -= Random_Below(6);
        const int32_t games = scheduled - Clamp_Int(0, scheduled, missed);
        int32_t rate = START_RATE_BASE[MOST_COLLEGE_SEASONS - seasons + k] + Random_Below(20);
        rate -= Random_Below(20);
        rate = Clamp_Int(0, 100, rate);
        const int32_t starts = (games * rate + 50) / 100;
        Generate_Season_Stats_From_Ratings(team, slot, static_cast<float>(starts), static_cast<float>(games),
                                           static_cast<float>(3 * (k - 4)));
        Scale_Season_Stats_To_Games(team, slot, games);
        Set_S(team, slot, 0, games);
        Set_S(team, slot, 1, starts);
        if (position == POSITION_K || position == POSITION_P) {
            Set_Longest_Field_Goal(team, slot, SEASON_THIS);
            Set_Longest_Punt(team, slot, SEASON_THIS);
        }
        Check_Generated_Season_Stats(team, slot);
        Store_College_Season_Line(team, slot, year - seasons + k + offset, k - 4);
        Clear_Player_Season_Stats(team, slot, SEASON_THIS);
    }
}
