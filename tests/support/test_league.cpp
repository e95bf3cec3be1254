#include "support/test_league.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/team_balance.h"
#include "database/universe.h"
#include "engine/playbook_records.h"

namespace {
const char* const FIRST_NAMES[] = {
    "Aaron",  "Brandon", "Carl",   "Derek",  "Evan",  "Frank", "Grant", "Henry",   "Isaac",  "Jordan",
    "Keith",  "Lance",   "Marcus", "Nathan", "Oscar", "Peter", "Quinn", "Russell", "Sam",    "Tyler",
    "Victor", "Wesley",  "Xavier", "Zach",   "Adam",  "Blake", "Cody",  "Dustin",  "Elliot", "Felix",
    "Glenn",  "Hugo",    "Ian",    "Jared",  "Kyle",  "Logan", "Mason", "Nolan",   "Owen",   "Preston"};
const char* const LAST_NAMES[] = {
    "Abbott",   "Barnes",   "Carver",    "Dalton",  "Easton", "Fletcher", "Garrett", "Hayes",    "Ingram",
    "Jennings", "Keller",   "Lambert",   "Mercer",  "Norris", "Osborne",  "Porter",  "Quincy",   "Ramsey",
    "Sawyer",   "Tanner",   "Underwood", "Vaughn",  "Walsh",  "Yates",    "Zimmer",  "Archer",   "Boone",
    "Crawford", "Dawson",   "Ellison",   "Foster",  "Gibson", "Holland",  "Irwin",   "Jensen",   "Knox",
    "Lowell",   "Monroe",   "Nash",      "Oakley",  "Pruitt", "Rhodes",   "Shelton", "Thornton", "Upton",
    "Vance",    "Whitaker", "York",      "Alvarez", "Benson"};
constexpr int FIRST_COUNT = sizeof FIRST_NAMES / sizeof FIRST_NAMES[0];
constexpr int LAST_COUNT = sizeof LAST_NAMES / sizeof LAST_NAMES[0];

// In alphabetical order, so sorting the teams by name (as every load does)
// keeps each team in its slot.
const char* const LOCATIONS[] = {"Akron",    "Albany",    "Austin",  "Boise",    "Boston",   "Camden",
                                 "Dayton",   "Denver",    "Durham",  "El Paso",  "Eugene",   "Fargo",
                                 "Flint",    "Fresno",    "Helena",  "Irvine",   "Laredo",   "Lincoln",
                                 "Macon",    "Mobile",    "Newark",  "Ogden",    "Omaha",    "Peoria",
                                 "Provo",    "Raleigh",   "Reno",    "Salem",    "Toledo",   "Tucson",
                                 "Tulsa",    "Yonkers"};
const char* const NICKNAMES[] = {"Comets", "Rams", "Bears", "Hawks"};

void Build_Team(int32_t team) {
    char text[32];
    Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_COMPUTER);
    Set_Team_Stat(team, TEAM_STAT_DIVISION, team / 4);
    snprintf(text, sizeof text, "T%02d", team);
    Set_Team_Abbreviation(text, team);
    snprintf(text, sizeof text, "%s", LOCATIONS[team % 32]);
    Set_Team_Location(text, team);
    Set_Team_Nickname(NICKNAMES[team % 4], team);
    int32_t slot = 0;
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position)
        for (int32_t n = 0; n < Get_Position_Quota(position); ++n, ++slot) {
            int32_t id = Test_League_Player_ID(team, slot);
            int32_t serial = team * TEST_ROSTER_SIZE + slot;
            Set_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID, id);
            Set_Player_Vital_Stat(team, slot, VITAL_POSITION, position);
            Set_Player_Byte_Field(team, slot, PLAYER_BYTE_EXPANDED_POSITION, position);
            Set_Player_Byte_Field(team, slot, PLAYER_BYTE_UNIFORM, slot + 1);
            Set_Player_Vital_Stat(team, slot, VITAL_HEIGHT, 70 + serial % 10);
            Set_Player_Vital_Stat(team, slot, VITAL_WEIGHT, 190 + serial % 120);
            Set_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE,
                                  (TEST_BASE_YEAR - 22 - serial % 10) * 10000 + 315);
            Set_Player_Vital_Stat(team, slot, VITAL_LOADED_MARKER, 22);
            Set_Player_Vital_Stat(team, slot, VITAL_SALARY, 600 + serial % 900);
            Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, 1 + serial % 4);
            Set_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE, -1);
            Set_Player_Vital_Stat(team, slot, VITAL_DEVELOPMENT, 100);
            Set_Player_Vital_Stat(team, slot, VITAL_PEAK_AGE, 27);
            Set_Player_Vital_Stat(team, slot, VITAL_PEAK_AGE_LIMIT, 30);
            Set_Player_First_Name(team, slot, FIRST_NAMES[serial % FIRST_COUNT]);
            Set_Player_Last_Name(team, slot, LAST_NAMES[serial / FIRST_COUNT % LAST_COUNT]);
            snprintf(text, sizeof text, "EXT%05d", id);
            Set_Player_External_ID(team, slot, text);
            Set_Player_College(team, slot, "State");
            Set_Player_Rating(team, slot, RATING_HEALTH, 90.0f);
            Set_Player_Rating(team, slot, RATING_DURABILITY, 80.0f);
            for (int32_t rating = RATING_ACCURACY; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
                Set_Player_Rating(team, slot, rating, static_cast<float>(50 + (id * 7 + rating * 13) % 40));
            for (int32_t year = TEST_BASE_YEAR - 2; year < TEST_BASE_YEAR; ++year) {
                int32_t line = Add_Player_Season_Line(team, slot, year, team);
                Set_Season_Line_Stat(line, 0, 16);
                Set_Season_Line_Stat(line, 1, serial % 17);
            }
            Update_Player_Latest_Season_Line(team, slot);
        }
    Set_Team_Returner(team, 0, Test_League_Slot(POSITION_WR, 2));
    Set_Team_Returner(team, 1, Test_League_Slot(POSITION_CB, 2));
}

void Build_From_Scratch() {
    memset(&Universe, 0, sizeof Universe);
    Reset_Season_Line_Hint();
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 16;
    Universe.Header.Universe_Stats[SALARY_CAP] = 198000000;
    Universe.Header.Universe_Stats[BASE_YEAR] = TEST_BASE_YEAR;
    Universe.Header.Universe_Stats[INFLATION_FACTOR] = 1000;
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Set_User_Preference(CURRENT_WEEK, 0);
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL,
                      team < TEST_LEAGUE_TEAMS ? TEAM_CONTROL_COMPUTER : TEAM_CONTROL_EMPTY);
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            Clear_Player(team, slot);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Build_Team(team);
    Count_Active_Teams();
    // What a new game gives every franchise: the built-in playbooks and a
    // league-average run/pass balance.
    Reset_All_Team_Playbooks();
    Reset_Team_Strength_Levels();
}

std::unique_ptr<UNIVERSE_STATE> Built_League;
} // namespace

int32_t Test_League_Slot(int32_t position, int32_t n) {
    int32_t slot = 0;
    for (int32_t p = 0; p < position; ++p)
        slot += Get_Position_Quota(p);
    return slot + n;
}

int32_t Test_League_Player_ID(int32_t team, int32_t slot) {
    return team * 100 + slot + 1;
}

void Build_Test_League() {
    if (!Built_League) {
        Build_From_Scratch();
        Built_League = std::make_unique<UNIVERSE_STATE>();
        memcpy(Built_League.get(), &Universe, sizeof Universe);
    } else {
        memcpy(&Universe, Built_League.get(), sizeof Universe);
    }
    Reset_Season_Line_Hint();
    Count_Active_Teams();
    Build_All_Player_Hashes();
}
