#pragma once
// Injuries, suspensions and healing: the injury table, the per-snap roll, the
// lasting damage of long injuries, weekly healing and the user's notices.
#include <cstdint>

constexpr int32_t NUMBER_OF_INJURY_TYPES = 200;
constexpr int32_t NO_INJURY = -1;
constexpr int32_t INJURY_HOLDOUT = 185;
constexpr int32_t INJURY_NAME_SIZE = 48;
// Settings of the injury alerts and the stop-on-injury choice.
constexpr int32_t INJURY_STOP_WEEKS = 55;
constexpr int32_t FIRST_INJURY_ALERT = 210;
constexpr int32_t NUMBER_OF_INJURY_ALERTS = 5;
// Universe stats of the League Editor's injury choices.
constexpr int32_t INJURY_FREQUENCY_FACTOR = 17;
constexpr int32_t INJURY_SEVERITY_FACTOR = 18;

struct INJURY_TABLE_ENTRY {
    const char* Name;
    int8_t Weight;
    int8_t Least_Weeks;
    int8_t Most_Weeks;
};
extern const INJURY_TABLE_ENTRY Injury_Table[NUMBER_OF_INJURY_TYPES];

// Table queries.
int32_t Get_Injury_Weeks_Bound(int32_t type, int32_t which);
// Writes the name into `out` (at least INJURY_NAME_SIZE bytes); 1 when it is not empty.
int32_t Get_Injury_Name(int32_t type, char* out);
int32_t Get_Injury_Index(const char* name);
int32_t Is_Suspension_Type(int32_t type);
// 0 legs, 1 arms, 2 trunk and head, 3 absences; -1 for no type.
int32_t Get_Injury_Group(int32_t type);
// The body area of a type, 0-18 in table order (0 the plain leg, 1 the foot,
// 2 the ankle ... 18 the abdomen and what follows it); -1 for no type.
int32_t Get_Injury_Body_Area(int32_t type);

// Player queries.
void Get_Player_Injury_Text(int32_t team, int32_t slot, char* out);
int32_t Is_Player_Injured(int32_t team, int32_t slot);
int32_t Is_Player_Suspended(int32_t team, int32_t slot);
int32_t Is_Player_Holding_Out(int32_t team, int32_t slot);
int32_t Is_Player_Out_For_Season(int32_t team, int32_t slot);

// The per-snap roll and the injury it applies.
int32_t Check_For_Injury(int32_t team, int32_t slot);
void Apply_Random_Injury(int32_t team, int32_t slot);
int32_t Choose_Injury_Type(int32_t team, int32_t slot);
// Damage of an injury of `type` and `weeks` that stays after it heals: one draw
// sets its size, which cuts the predicted season and the ratings.
void Apply_Lasting_Injury_Damage(int32_t team, int32_t slot, int32_t type, int32_t weeks);

// Healing.
// The team has a game in the current week, which is no later than week 21.
int32_t Does_Team_Play_This_Week(int32_t team);
void Clear_Player_Injury(int32_t team, int32_t slot);
void Clear_Suspensions();
void Heal_Player_Week(int32_t team, int32_t slot);
void Heal_All_Players();
void Heal_All_Players_For_Weeks(int32_t n);

// Notices to the user.
void Note_User_Player_Injury(int32_t team, int32_t slot, int32_t injury_type, int32_t weeks_out);
void Show_Injury_Messages();
