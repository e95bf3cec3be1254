#include "personnel/injuries.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <strings.h>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/safe_strings.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "personnel/predicted_consistency.h"
#include "personnel/predicted_stats.h"
#include "personnel/rating_adjustment.h"
#include "platform/message_box.h"
#include "season/season_calendar.h"
#include "tools/season_simulator.h"

namespace {

constexpr int32_t MEDICAL_BUDGET_STAT = 3;
constexpr int32_t OFF_SEASON_WEEK = 100;
constexpr int32_t LAST_SUSPENSION_HEALING_WEEK = 21;
constexpr int32_t NUMBER_OF_FRANCHISE_SLOTS = 36;

double Uniform() {
    return static_cast<double>(Random_Number()) * RANDOM_FRACTION;
}

// trunc(n u) of one fresh draw.
int32_t Uniform_Below(int32_t n) {
    return static_cast<int32_t>(Uniform() * n);
}

bool Is_Valid_Type(int32_t type) {
    return type >= 0 && type < NUMBER_OF_INJURY_TYPES;
}

int32_t Current_Week() {
    return Get_User_Preference(CURRENT_WEEK);
}

// The running sums of the squared draw weights (586 in all for the table as
// built) and the last type of weight above 0, worked out once: the table is
// fixed.
struct INJURY_DRAW_SUMS {
    int32_t Running[NUMBER_OF_INJURY_TYPES];
    int32_t Last_Drawable;
};

const INJURY_DRAW_SUMS& Draw_Sums() {
    static const INJURY_DRAW_SUMS sums = [] {
        INJURY_DRAW_SUMS made{};
        int32_t sum = 0;
        for (int32_t type = 0; type < NUMBER_OF_INJURY_TYPES; ++type) {
            sum += Injury_Table[type].Weight * Injury_Table[type].Weight;
            made.Running[type] = sum;
            if (Injury_Table[type].Weight > 0) made.Last_Drawable = type;
        }
        return made;
    }();
    return sums;
}

// One candidate of the weighted draw: the first type whose running sum of
// squared weights exceeds trunc(total u).
int32_t Draw_Injury_Candidate() {
    const INJURY_DRAW_SUMS& sums = Draw_Sums();
    const int32_t x = Uniform_Below(sums.Running[NUMBER_OF_INJURY_TYPES - 1]);
    const int32_t* end = sums.Running + NUMBER_OF_INJURY_TYPES;
    const int32_t* found = std::upper_bound(sums.Running, end, x);
    // Only the largest draw (u = 1) passes every sum; it takes the last
    // drawable type.
    return found != end ? static_cast<int32_t>(found - sums.Running) : sums.Last_Drawable;
}

int32_t Weeks_Sum(int32_t type) {
    return Get_Injury_Weeks_Bound(type, 0) + Get_Injury_Weeks_Bound(type, 1);
}

} // namespace

int32_t Get_Injury_Weeks_Bound(int32_t type, int32_t which) {
    if (!Is_Valid_Type(type)) return 0;
    return which == 0 ? Injury_Table[type].Least_Weeks : Injury_Table[type].Most_Weeks;
}

int32_t Get_Injury_Name(int32_t type, char* out) {
    if (type == NO_INJURY) {
        safe_strncpy(out, "NO INJURY", INJURY_NAME_SIZE);
        return 1;
    }
    if (!Is_Valid_Type(type)) {
        out[0] = '\0';
        return 0;
    }
    safe_strncpy(out, Injury_Table[type].Name, INJURY_NAME_SIZE);
    return out[0] != '\0' ? 1 : 0;
}

int32_t Get_Injury_Index(const char* name) {
    if (name == nullptr || name[0] == '\0') return 0;
    for (int32_t type = 0; type < NUMBER_OF_INJURY_TYPES; ++type) {
        if (Injury_Table[type].Name[0] != '\0' && strcasecmp(Injury_Table[type].Name, name) == 0) return type;
    }
    Report_System_Error("Injury String Not Found: %s", name);
    return 0;
}

int32_t Is_Suspension_Type(int32_t type) {
    return type == 180 || type == 181 || type == 182 || type == 184 ? 1 : 0;
}

int32_t Get_Injury_Group(int32_t type) {
    return Is_Valid_Type(type) ? type / 60 : -1;
}

int32_t Get_Injury_Body_Area(int32_t type) {
    // The first type of each area after the first.
    static constexpr int32_t AREA_STARTS[] = {1,  8,  18, 29,  36,  43,  60,  70,  73,
                                              82, 89, 99, 120, 127, 134, 139, 146, 151};
    if (!Is_Valid_Type(type)) return -1;
    return static_cast<int32_t>(std::upper_bound(std::begin(AREA_STARTS), std::end(AREA_STARTS), type) -
                                std::begin(AREA_STARTS));
}

void Get_Player_Injury_Text(int32_t team, int32_t slot, char* out) {
    if (Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT) == 0) {
        safe_strncpy(out, "Healthy", INJURY_NAME_SIZE);
        return;
    }
    Get_Injury_Name(Get_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE), out);
}

int32_t Is_Player_Injured(int32_t team, int32_t slot) {
    return Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT) > 0 ? 1 : 0;
}

int32_t Is_Player_Suspended(int32_t team, int32_t slot) {
    return Is_Player_Injured(team, slot) &&
                   Is_Suspension_Type(Get_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE))
               ? 1
               : 0;
}

int32_t Is_Player_Holding_Out(int32_t team, int32_t slot) {
    return Is_Player_Injured(team, slot) &&
                   Get_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE) == INJURY_HOLDOUT
               ? 1
               : 0;
}

int32_t Is_Player_Out_For_Season(int32_t team, int32_t slot) {
    // Most players are not hurt: the weeks left in the year are worked out
    // only for those who are.
    const int32_t weeks_out = Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT);
    if (weeks_out <= 0) return 0;
    const int32_t week = Current_Week();
    int32_t weeks_left = 1;
    if (week == OFF_SEASON_WEEK)
        weeks_left = 19;
    else if (Is_Champion_Decided())
        weeks_left = 52 - week;
    return weeks_out >= weeks_left ? 1 : 0;
}

int32_t Check_For_Injury(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot)) return 0;
    int32_t threshold = Mul_Div_Round(Get_Universe_Stat(INJURY_FREQUENCY_FACTOR) + 100, 50, 100);
    const int32_t roll = Uniform_Below(1000);
    const bool replay = Get_Replay_Mode() != 0;
    if (replay) {
        // A replayed season hurts only players who have already played more games
        // than in the real season.
        if (Get_Player_Stat(team, slot, SEASON_THIS, 0) <= Get_Player_Stat(team, slot, SEASON_PREDICTED, 0))
            return 0;
    }
    if (Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT) > 0) return 0;
    if (replay) threshold *= 5;
    if (roll >= threshold) return 0;
    const int32_t teams = Count_Active_Teams();
    const int32_t rank = Get_Team_Financial_Rank(team, MEDICAL_BUDGET_STAT);
    const int32_t prevented = teams > 0 ? Mul_Div_Round(teams - rank, 400, teams) : 0;
    if (Uniform_Below(1000) < prevented) return 0;
    Apply_Random_Injury(team, slot);
    return 1;
}

void Apply_Random_Injury(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot)) return;
    const int32_t type = Choose_Injury_Type(team, slot);
    const int32_t least = Get_Injury_Weeks_Bound(type, 0);
    const int32_t most = Get_Injury_Weeks_Bound(type, 1);
    int32_t weeks = least + static_cast<int32_t>((most - least + 1) * Uniform());
    if (weeks < 1) weeks = 1;
    Set_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE, type);
    Set_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT, weeks);
    // The longer the injury, the likelier it leaves lasting damage.
    if (Uniform_Below(100) < weeks) Apply_Lasting_Injury_Damage(team, slot, type, weeks);
}

void Apply_Lasting_Injury_Damage(int32_t team, int32_t slot, int32_t type, int32_t weeks) {
    float damage = static_cast<float>(weeks) * 2.0f * static_cast<float>(Uniform());
    if (damage < 0.0f) damage = 0.0f;
    const int32_t modifier = static_cast<int32_t>(-10.0f * damage);
    if (modifier != 0)
        Modify_Randomly_And_Reconcile_Predicted_Stats(team, slot, modifier, Get_Injury_Group(type));
    Modify_Player_Ratings(team, slot, -damage / 100.0f, false);
    Modify_Player_Ratings(team, slot, -damage / 100.0f, true);
}

int32_t Choose_Injury_Type(int32_t team, int32_t slot) {
    const int32_t previous = Get_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE);
    const int32_t repeat_roll = Uniform_Below(100);
    const int32_t severity = Mul_Div_Round(Get_Universe_Stat(INJURY_SEVERITY_FACTOR) + 100, 30, 100);
    if (repeat_roll < 50 && Is_Valid_Type(previous)) return previous;
    const int32_t first = Draw_Injury_Candidate();
    const int32_t second = Draw_Injury_Candidate();
    const int32_t r = Uniform_Below(100);
    if (Weeks_Sum(second) > Weeks_Sum(first)) return r < severity ? second : first;
    return r < severity ? first : second;
}

void Clear_Player_Injury(int32_t team, int32_t slot) {
    Set_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT, 0);
    Set_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE, NO_INJURY);
}

void Clear_Suspensions() {
    For_Each_League_Player([](int32_t team, int32_t slot) {
        if (Is_Player_Suspended(team, slot)) Clear_Player_Injury(team, slot);
    });
}

int32_t Does_Team_Play_This_Week(int32_t team) {
    const int32_t week = Current_Week();
    return week <= LAST_SUSPENSION_HEALING_WEEK && Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT) != 0
               ? 1
               : 0;
}

void Heal_Player_Week(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot)) return;
    Set_Player_Vital_Stat(team, slot, VITAL_LOADED_MARKER,
                          Get_Player_Vital_Stat(team, slot, VITAL_LOADED_MARKER) + 1);
    const int32_t weeks_out = Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT);
    if (weeks_out == 0) return;
    if (weeks_out > 0 && Is_Suspension_Type(Get_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE))) {
        // A suspension is served only in weeks the team plays.
        if (!Does_Team_Play_This_Week(team)) return;
    }
    if (weeks_out - 1 <= 0)
        Clear_Player_Injury(team, slot);
    else
        Set_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT, weeks_out - 1);
}

void Heal_All_Players() {
    For_Each_League_Player([](int32_t team, int32_t slot) { Heal_Player_Week(team, slot); });
}

void Heal_All_Players_For_Weeks(int32_t n) {
    for (int32_t week = 0; week < n; ++week)
        Heal_All_Players();
}

void Note_User_Player_Injury(int32_t team, int32_t slot, int32_t, int32_t weeks_out) {
    if (team < 0 || team >= NUMBER_OF_FRANCHISE_SLOTS || !Is_Used_Franchise_Slot(team) ||
        Get_Team_Stat(team, TEAM_STAT_CONTROL) != TEAM_CONTROL_HUMAN)
        return;
    if (Get_User_Preference(MULTI_SEASON_SIMULATION) != 0) return;
    const int32_t stop_weeks = Get_User_Preference(INJURY_STOP_WEEKS);
    if (stop_weeks < 1 || weeks_out - 1 < stop_weeks) return;
    for (int32_t n = 0; n < NUMBER_OF_INJURY_ALERTS; ++n) {
        if (Get_User_Preference(FIRST_INJURY_ALERT + n) == 0) {
            Set_User_Preference(FIRST_INJURY_ALERT + n, Get_Player_ID(team, slot));
            break;
        }
    }
    Universe.Header.Target_Week = static_cast<uint16_t>(Current_Week() + 1);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    Simulator_Seasons = 0;
}

void Show_Injury_Messages() {
    char text[2048] = "";
    for (int32_t n = 0; n < NUMBER_OF_INJURY_ALERTS; ++n) {
        const int32_t id = Get_User_Preference(FIRST_INJURY_ALERT + n);
        PLAYER_LOCATION where{};
        if (id == 0 || !Lookup_Player_ID_Hash(&where, id)) continue;
        const int32_t weeks_out = Get_Player_Vital_Stat(where.Team, where.Slot, VITAL_WEEKS_OUT);
        if (weeks_out == 0) continue;
        char name[PLAYER_NAME_TEXT_SIZE];
        char injury[INJURY_NAME_SIZE];
        Get_Player_Full_Name(where.Team, where.Slot, name);
        Get_Injury_Name(Get_Player_Vital_Stat(where.Team, where.Slot, VITAL_INJURY_TYPE), injury);
        const char first = static_cast<char>(std::tolower(static_cast<unsigned char>(injury[0])));
        const char* article = std::strchr("aeiou", first) != nullptr && first != '\0' ? "an" : "a";
        char line[256];
        if (weeks_out > Universe.Post_Season_Days[3] - Current_Week() + 1)
            std::snprintf(line, sizeof(line), "%s will be injured for the rest of the year due to %s %s.\n",
                          name, article, injury);
        else
            std::snprintf(line, sizeof(line), "%s will be injured for %d week%s due to %s %s.\n", name,
                          weeks_out, weeks_out > 1 ? "s" : "", article, injury);
        safe_strncat(text, line, sizeof(text));
    }
    if (text[0] != '\0') Show_Formatted_Message("Injury", "%s", text);
}
