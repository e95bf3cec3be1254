#include "season/new_game_choices.h"

#include "app/diagnostics.h"
#include "app/status_bars.h"
#include "database/cities.h"
#include "database/league_structure.h"
#include "database/money_text.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/position_evaluation.h"
#include "database/random_numbers.h"
#include "database/safe_strings.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/string_table.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "dialogs/session_settings.h"
#include "frontoffice/player_potential.h"
#include "frontoffice/team_revenue.h"
#include "personnel/random_ratings.h"
#include "personnel/team_lookup.h"
#include "platform/message_box.h"
#include "season/game_start.h"
#include "season/replay_stats.h"
#include "season/team_yearly_fields.h"
#include "tools/player_ratings_file.h"

namespace {
constexpr int32_t HALL_OF_FAME_VIEW_LEVEL = 24;
constexpr int32_t STANDINGS_VIEW = 40030;
constexpr int32_t TEAM_STRING_GENERAL_MANAGER = 5;
constexpr int32_t NOTABLE_FIRST_BAR = 190;
constexpr int32_t NOTABLE_LAST_BAR = 100;
constexpr int32_t NOTABLE_BAR_STEP = 3;
constexpr float RANDOMIZE_BELOW = 25.0f;
constexpr int32_t CAREER_COMPLETIONS = 3;
// Share of the score each position group keeps: skill, line, defence, kickers.
constexpr int32_t GROUP_SCORE_PERCENT[] = {90, 82, 87, 78};
constexpr int32_t CITY_FAN_BASE = 1;
constexpr int32_t CITY_INCOME = 3;
constexpr int32_t FINANCE_FAN_BASE = 0;
constexpr int32_t FINANCE_PAYROLL = 89;

int32_t Notable_Score(int32_t team, int32_t slot) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    float rating = Get_Player_Position_Rating(team, slot, position);
    if (rating < RANDOMIZE_BELOW) {
        Randomize_Player_Ratings(team, slot);
        rating = Get_Player_Position_Rating(team, slot, position);
    }
    int32_t score = static_cast<int32_t>(Get_Player_Potential(team, slot)) + static_cast<int32_t>(rating);
    if (position == POSITION_QB)
        return score + Get_Player_Stat(team, slot, SEASON_CAREER, CAREER_COMPLETIONS) / 100;
    const int32_t group = Get_Position_Group(position);
    const int32_t percent = group >= 0 && group < 4 ? GROUP_SCORE_PERCENT[group] : 100;
    const int32_t scaled = (score * percent + 50) / 100;
    return score < 0 ? scaled - 1 : scaled;
}
} // namespace

int32_t Load_New_Game_Season(int32_t year, const char* remembered_name) {
    const int32_t old_year = Universe.Header.Universe_Stats[BASE_YEAR];
    Universe.Header.Universe_Stats[BASE_YEAR] = year;
    char name[64];
    safe_sprintf(name, sizeof name, "databases/universe-%d.dat", year);
    if (Load_Game(name) == 0) {
        // The league still in memory keeps its own year.
        Universe.Header.Universe_Stats[BASE_YEAR] = old_year;
        return -1;
    }
    const int32_t teams = Count_Active_Teams();
    Active_Team_Count = teams;
    const int32_t found = remembered_name != nullptr ? Find_Team_By_String(remembered_name) : 0;
    return Clamp_Int(0, teams > 0 ? teams - 1 : 0, found);
}

bool Get_Replay_Mode_For_Season(int32_t old_year, int32_t new_year, bool replay) {
    if (new_year >= LAST_NEW_GAME_SEASON) return false;
    if (old_year >= LAST_NEW_GAME_SEASON) return true;
    return replay;
}

void Set_New_Game_Option(NEW_GAME_OPTIONS* options, NEW_GAME_OPTION option, bool ticked) {
    switch (option) {
    case OPTION_SHUFFLE_PLAYERS:
        options->Shuffle_Players = ticked;
        if (ticked) options->Fictional_Players = options->Fantasy_Draft = false;
        return;
    case OPTION_FICTIONAL_PLAYERS:
        options->Fictional_Players = ticked;
        if (ticked) options->Shuffle_Players = false;
        return;
    case OPTION_FANTASY_DRAFT:
        options->Fantasy_Draft = ticked;
        if (ticked) options->Shuffle_Players = false;
        return;
    case OPTION_EQUALIZE_CITIES:
        options->Equalize_Cities = ticked;
        return;
    case OPTION_REPLAY_MODE:
        if (ticked && Get_Universe_Stat(BASE_YEAR) >= LAST_NEW_GAME_SEASON) {
            Show_Formatted_Message("Replay Mode", "Replay Mode is only valid for historical seasons.");
            ticked = false;
        }
        options->Replay_Mode = ticked;
        return;
    }
}

int32_t Get_Fan_Loyalty_String(int32_t fan_base) {
    return STRING_FAN_LOYALTY + Clamp_Int(0, 7, fan_base / 100 - 6);
}

void Format_Franchise_Facts(int32_t team, char lines[FRANCHISE_FACT_LINES][NEW_GAME_TEXT_SIZE]) {
    const int32_t city = Get_Team_Stat(team, TEAM_STAT_HOME_CITY);
    char number[64];
    Format_Number_Commas(Get_City_Stat(city, CITY_FAN_BASE), number);
    safe_sprintf(lines[0], NEW_GAME_TEXT_SIZE, "Fan Base: %s", number);
    char loyalty[RESOURCE_STRING_LIMIT];
    Load_Resource_String(Get_Fan_Loyalty_String(Get_Team_Financial_Stat(team, FINANCE_FAN_BASE)), loyalty);
    safe_sprintf(lines[1], NEW_GAME_TEXT_SIZE, "Fan Loyalty: %s", loyalty);
    const int32_t income = Get_City_Stat(city, CITY_INCOME);
    safe_sprintf(lines[2], NEW_GAME_TEXT_SIZE, "Fan Income: $%d,%03d", income / 1000, income % 1000);
    const int32_t value = Compute_Franchise_Value(team) / 1000;
    if (value >= 1000)
        safe_sprintf(lines[3], NEW_GAME_TEXT_SIZE, "Franchise Value: $%d.%02d Billion", value / 1000,
                     value % 1000 / 10);
    else
        safe_sprintf(lines[3], NEW_GAME_TEXT_SIZE, "Franchise Value: $%d Million", value);
    const int32_t seats = Get_Team_Stadium_Stat(team, 0);
    safe_sprintf(lines[4], NEW_GAME_TEXT_SIZE, "Stadium Capacity: %d,%03d", seats / 1000, seats % 1000);
    const int32_t payroll = Get_Team_Financial_Stat(team, FINANCE_PAYROLL);
    safe_sprintf(lines[5], NEW_GAME_TEXT_SIZE, "Player Payroll: $%d.%d Million", payroll / 1000,
                 payroll % 1000 / 100);
}

int32_t Find_Notable_Players(int32_t team, int32_t slots[NOTABLE_PLAYER_LINES]) {
    if (!Is_Valid_Team_Code(team)) return 0;
    bool shown[PLAYERS_PER_TEAM] = {};
    int32_t count = 0;
    // A pass scores every player it reaches, so one that fills the last line
    // still rates (and may redraw) the players after it.
    for (int32_t bar = NOTABLE_FIRST_BAR; bar > NOTABLE_LAST_BAR && count < NOTABLE_PLAYER_LINES;
         bar -= NOTABLE_BAR_STEP)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (shown[slot] || !Is_Player_Slot_Used(team, slot)) continue;
            if (Notable_Score(team, slot) < bar || count >= NOTABLE_PLAYER_LINES) continue;
            shown[slot] = true;
            slots[count++] = slot;
        }
    return count;
}

void Format_Notable_Player(int32_t team, int32_t slot, char* out, size_t size) {
    char name[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(team, slot, name);
    safe_sprintf(out, static_cast<int>(size), "%s (%s, %d)", name,
                 Get_Position_Short_Name(Get_Player_Vital_Stat(team, slot, VITAL_POSITION)),
                 Get_Player_Age(team, slot));
}

void Apply_New_Game_Choices(const NEW_GAME_CHOICES& choices) {
    Set_All_Teams_Computer_Controlled();
    Set_Team_Stat(choices.Team, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Preference(DIFFICULTY_LEVEL, choices.Difficulty);
    Set_User_Preference(HALL_OF_FAME_VIEW_LEVEL, choices.Difficulty);
    Universe.Header.Replay_Mode = choices.Options.Replay_Mode ? 1 : 0;
    char name[TEAM_STRING_LENGTH];
    safe_strncpy(name, choices.Owner_Name, sizeof name);
    Set_Team_String(name, choices.Team, TEAM_STRING_GENERAL_MANAGER);
}

void Begin_New_Game(const NEW_GAME_CHOICES& choices) {
    // The options are laid on the league in the season it starts in.
    Make_Current_Season_The_First();
    Apply_New_Game_Choices(choices);
    Load_Player_Ratings_CSV(0);
    Apply_New_Game_Options(choices.Options);
    Reset_Game_Session_Settings();
    Set_Current_View_Setting(STANDINGS_VIEW);
    Log_Debug_Line("Start_Game(TRUE)");
    Start_Game(1);
    Create_Status_Bar();
    // What the user does from here (a fantasy draft, a trade, an option) is
    // his work, which a New Game in this first week asks about.
    Mark_Game_Started();
    Tell_Replay_Mode_Ended();
}
