#include "playbooks/gridiron_kit.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/diagnostics.h"
#include "app/dib_sections.h"
#include "app/main_window.h"
#include "database/path_resolver.h"
#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/string_table.h"
#include "database/team_record.h"
#include "database/text_files.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "engine/formations.h"
#include "engine/playbook_records.h"
#include "platform/windows.h"
#include "playbooks/franchise_table.h"
#include "playbooks/gridiron_values.h"
#include "playbooks/play_cards.h"
#include "playbooks/playbook_files.h"
#include "views/current_view.h"

int32_t Gridiron_Card_Number = -1;

namespace {
constexpr const char* OUTPUT_FOLDER = "Gridiron/Output/";
constexpr const char* PLAYS_SHEET = "Gridiron-Playbooks.csv";
constexpr const char* AUDIBLES_SHEET = "Gridiron-Audibles.csv";
constexpr const char* PLAYERS_SHEET = "Players.csv";
constexpr int32_t TEXT_SIZE = 256;
constexpr int32_t NEW_YORK_NFC = 21;
constexpr int32_t NEW_YORK_AFC = 22;
// The main window's view while a deck is drawn.
constexpr int32_t GRIDIRON_DECK_VIEW = 40037;

// Long play names and the shorter ones cards print: two names of the card
// game's own books, then the long names of the installed playbooks.
const char* const SHORT_PLAY_NAMES[36][2] = {
    {"Full House Play Action Go Power O", "Full House Play Action Go"},
    {"SHOTGUN SPLIT HB INSIDE DRAW", "SHOTGUN SPLIT HB DRAW"},
    {"Gun Third 101 Play Action Rollout", "Gun 3rd 101 PA Rollout"},
    {"Full House 410 Cross Play Action", "Full Hse 410 Cross PA"},
    {"H-Back 204 Slingshot Play Action", "H-Back 204 Slingshot PA"},
    {"Strong 'I' 251 Under Play Action", "Str 'I' 251 Under PA"},
    {"Full House 328 Curl Play Action", "Full Hse 328 Curl PA"},
    {"Full House 782 Curl Play Action", "Full Hse 782 Curl PA"},
    {"Gun Third 204 Slingshot Bootleg", "Gun 3rd 204 Slingshot Boot"},
    {"Pistol 927 Maverick Play Action", "Pistol 927 Maverick PA"},
    {"Pistol Shoot-and-Go Play Action", "Pistol Shoot-Go PA"},
    {"Pistol 469 Play Action Rollout", "Pistol 469 PA Rollout"},
    {"Pistol 583 Play Action Rollout", "Pistol 583 PA Rollout"},
    {"Pistol 879 Play Action Rollout", "Pistol 879 PA Rollout"},
    {"Gun-Trips 469 Play Action Max", "Gun-Trips 469 PA Max"},
    {"Gun-Two 6-6 Bomb Play Action", "Gun-Two 6-6 Bomb PA"},
    {"Gun-Two 782 Curl Play Action", "Gun-Two 782 Curl PA"},
    {"Pistol 251 Under Play Action", "Pistol 251 Under PA"},
    {"Pistol 262 Hover Play Action", "Pistol 262 Hover PA"},
    {"Trips Strong 469 Play Action", "Trips Str 469 PA"},
    {"Ace 828 Diamond Play Action", "Ace 828 Diamond PA"},
    {"Ace 836 Play Action Rollout", "Ace 836 PA Rollout"},
    {"Full House 782 Curl Bootleg", "Full Hse 782 Curl Boot"},
    {"Gun 469 Play Action Bootleg", "Gun 469 PA Boot"},
    {"Gun Third 410 Cross Bootleg", "Gun 3rd 410 Cross Boot"},
    {"Pro 583 Play Action Rollout", "Pro 583 PA Rollout"},
    {"Gun Third 328 Curl Bootleg", "Gun 3rd 328 Curl Boot"},
    {"Strong 'I' 469 Play Action", "Str 'I' 469 PA"},
    {"Strong 'I' 879 Play Action", "Str 'I' 879 PA"},
    {"Tight 328 Curl Play Action", "Tight 328 Curl PA"},
    {"Tight Double-Slant Bootleg", "Tight Double-Slant Boot"},
    {"'I' 251 Under Play Action", "'I' 251 Under PA"},
    {"'I' 262 Hover Play Action", "'I' 262 Hover PA"},
    {"Gun Third 101 Play Action", "Gun 3rd 101 PA"},
    {"Gun Third 469 Play Action", "Gun 3rd 469 PA"},
    {"Gun Third 648 Fly Rollout", "Gun 3rd 648 Fly Rollout"},
};

// A file of the kit's folder, named in the game's text (a team's name may be
// part of it); the file routines spell it on disk through the path resolver.
std::string Output_File(const std::string& name) {
    return std::string(OUTPUT_FOLDER) + name;
}

bool Is_Unit_Position(int32_t position, bool defense) {
    return defense ? position >= POSITION_DE && position <= POSITION_S
                   : position >= POSITION_QB && position <= POSITION_C;
}

bool Is_Team(int32_t team) {
    return team >= 0 && team < TOTAL_NUMBER_OF_TEAMS;
}

void Append(const std::string& sheet, const std::string& line) {
    Append_Line_To_File(Output_File(sheet).c_str(), line.c_str());
}

std::string Number(int32_t value) {
    return std::to_string(value);
}

// The first slot of the packed roster holding a player of the unit, or -1.
int32_t Find_First_Unit_Slot(int32_t team, bool defense) {
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
        if (player.Vital_Stats[0] == 0) return -1;
        if (Is_Unit_Position(player.Vital_Stats[VITAL_POSITION], defense)) return slot;
    }
    return -1;
}

void Card_Player_Name(int32_t team, int32_t slot, char* out) {
    const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
    char first[16] = "", last[24] = "";
    safe_strncpy(first, player.First_Name, sizeof first);
    safe_strncpy(last, player.Last_Name, sizeof last);
    safe_sprintf(out, TEXT_SIZE, "%s %s", first, last);
}
} // namespace

int32_t Get_Gridiron_Card_Width() {
    return Get_User_Preference(GRIDIRON_LARGE_CARDS_SETTING) != 0 ? 825 : 822;
}

int32_t Get_Gridiron_Card_Height() {
    return Get_User_Preference(GRIDIRON_LARGE_CARDS_SETTING) != 0 ? 1125 : 1122;
}

int32_t Get_Gridiron_Card_Kind(int32_t card) {
    if (card < FIRST_DEFENSE_PLAYER_CARD) return 0;
    if (card < FIRST_PLAY_CARD) return 1;
    if (card < FIRST_DEFENSIVE_PLAY_CARD) return 2;
    return 3;
}

int32_t Get_Gridiron_Card_Player(int32_t team, int32_t card) {
    if (!Is_Team(team) || card < 0 || card >= FIRST_PLAY_CARD) return -1;
    const bool defense = card >= FIRST_DEFENSE_PLAYER_CARD;
    // The unit's first player and the ten slots after it, its starters in
    // depth-chart order. A team without a player of the unit gets blank
    // cards: making the kit creates no player.
    const int32_t first = Find_First_Unit_Slot(team, defense);
    if (first < 0) return -1;
    const int32_t slot = first + card - (defense ? FIRST_DEFENSE_PLAYER_CARD : FIRST_OFFENSE_PLAYER_CARD);
    if (slot >= PLAYERS_PER_TEAM || Universe.Teams[team].Players[slot].Vital_Stats[0] == 0) return -1;
    return slot;
}

int32_t Get_Gridiron_Defensive_Play(int32_t team, int32_t card) {
    int32_t wanted = card - FIRST_DEFENSIVE_PLAY_CARD;
    if (wanted < 0 || card >= BEAST_MODE_CARD) return -1;
    // The first plays of the three folders, then the second ones, ...
    for (int32_t n = 0; n < DEFENSIVE_PLAYS; ++n) {
        const int32_t play = (n % DEFENSIVE_FOLDERS) * 10 + n / DEFENSIVE_FOLDERS;
        if (Is_Defensive_Play_Defined(team, play) && wanted-- == 0) return play;
    }
    return -1;
}

int32_t Get_Defensive_Card_Effects(int32_t team, int32_t play, int32_t effects[3][2]) {
    int32_t rushers = 0, line = 0, cover = 0;
    for (int32_t d = 0; d < PLAY_DEFENDERS; ++d) {
        const int32_t role = Get_Defensive_Play_Role(team, play, d);
        if (Is_Rush_Responsibility(role))
            ++rushers;
        else if (Is_Line_Play_Responsibility(role))
            ++line;
        else if (Is_Coverage_Responsibility(role))
            ++cover;
    }
    const int32_t amounts[3][2] = {
        {CARD_PASS_RUSH, rushers - 4}, {CARD_RUN_DEFENSE, rushers + line - 5}, {CARD_COVERAGE, cover - 6}};
    int32_t count = 0;
    for (const auto& amount : amounts)
        if (amount[1] != 0) {
            effects[count][0] = amount[0];
            effects[count][1] = amount[1];
            ++count;
        }
    if (count == 0) {
        effects[0][0] = CARD_TACKLING;
        effects[0][1] = 1;
        count = 1;
    }
    return count;
}

void Get_Short_Play_Name(const char* name, char* out, int32_t size) {
    for (const auto& pair : SHORT_PLAY_NAMES)
        if (std::strcmp(name, pair[0]) == 0) {
            safe_strncpy(out, pair[1], size);
            return;
        }
    safe_strncpy(out, name, size);
}

void Get_Gridiron_Team_Name(int32_t team, char* out, int32_t size) {
    char location[64] = "", abbreviation[64] = "";
    Get_Team_String(location, team, 1);
    Get_Team_String(abbreviation, team, 0);
    const int32_t franchise = Get_Franchise_Index(abbreviation);
    if (std::strcmp(location, "New York") == 0 && (franchise == NEW_YORK_NFC || franchise == NEW_YORK_AFC))
        safe_strncpy(out, franchise == NEW_YORK_AFC ? "New York (AFC)" : "New York (NFC)", size);
    else
        safe_strncpy(out, location, size);
}

int32_t Get_Gridiron_League_Average_Payroll() {
    GRIDIRON_LEVELS levels;
    Compute_Gridiron_Levels(&levels);
    int64_t total = 0;
    int32_t teams = 0;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        ++teams;
        for (int32_t card = 0; card < FIRST_PLAY_CARD; ++card) {
            const int32_t slot = Get_Gridiron_Card_Player(team, card);
            if (slot < 0) continue;
            total += Get_Gridiron_Salary_For_Value(
                Get_Gridiron_Player_Value(team, slot, levels),
                Universe.Teams[team].Players[slot].Vital_Stats[VITAL_POSITION], slot);
        }
    }
    return teams > 0 ? static_cast<int32_t>(total / teams) : 0;
}

std::string Get_Gridiron_Card_File(int32_t team, int32_t card) {
    char name[64];
    if (card == CHECKLIST_FRONT_CARD)
        std::snprintf(name, sizeof name, "Team-%02d-Checklist-Front.png", team);
    else if (card == CHECKLIST_BACK_CARD)
        std::snprintf(name, sizeof name, "Team-%02d-Checklist-Back.png", team);
    else
        std::snprintf(name, sizeof name, "Team-%02d-Card-%02d.png", team, card + 1);
    return name;
}

std::string Quote_Csv_Field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

void Write_Gridiron_Play_Line(int32_t team, int32_t card) {
    int32_t plays[CARD_SET_PLAYS];
    const int32_t count = Get_Card_Set_Plays(team, plays);
    const int32_t index = card - FIRST_PLAY_CARD;
    if (index < 0 || index >= count) return;
    const int32_t play = plays[index];
    int8_t values[9];
    Get_Play_Card_Values(team, play, values);
    char name[PLAY_NAME_LENGTH];
    Get_Offensive_Play_Name(team, play, name, sizeof name);
    auto category = [&](int32_t slot) {
        return std::string(Get_Gridiron_Category_Name(Get_Play_Card_Category_Of(values, slot)));
    };
    std::string bonus;
    if (values[CARD_BONUS_VALUE] != 0 && Get_Play_Card_Category_Of(values, 5) >= 0) {
        char position[32] = "";
        if (values[CARD_BONUS_POSITION] >= 0 && values[CARD_BONUS_POSITION] < NUMBER_OF_POSITIONS)
            Load_Resource_String(STRING_POSITION_SHORT + values[CARD_BONUS_POSITION], position);
        char text[TEXT_SIZE];
        const int32_t amount = values[CARD_BONUS_VALUE];
        safe_sprintf(text, sizeof text, amount > 0 ? "+%d to %s %s" : "-%d to %s %s",
                     amount > 0 ? amount : -amount, position, category(5).c_str());
        bonus = text;
    }
    const OFFENSIVE_PLAYBOOK* book = Get_Team_Offensive_Playbook(team);
    const int32_t called = book != nullptr ? book->Results.Called[play][0] : 0;
    const int32_t yards = called > 0 ? book->Results.Yards[play][0] / called : 0;
    Append(PLAYS_SHEET,
           Quote_Csv_Field(name) + "," + Number(card + 1) + "," +
               Get_Gridiron_Play_Type_Name(values[CARD_PLAY_KIND]) + "," + Quote_Csv_Field(category(1)) +
               "," + Quote_Csv_Field(category(2)) + "," + Quote_Csv_Field(category(3)) + "," +
               Quote_Csv_Field(category(4)) + "," + Quote_Csv_Field(bonus) + "," +
               (values[CARD_SCORE_TYPE] == 1 ? "Touchdown" : "Field Goal") + "," + Number(yards));
}

void Write_Gridiron_Audible_Line(int32_t team, int32_t card) {
    char effect[4][64] = {"", "", "", ""};
    std::string name = "Beast Mode", side = "Offense", formation = "Any";
    if (card == BEAST_MODE_CARD) {
        safe_strncpy(effect[0], "+10 to any offensive rating", sizeof effect[0]);
    } else {
        const int32_t play = Get_Gridiron_Defensive_Play(team, card);
        if (play < 0) return;
        char play_name[PLAY_NAME_LENGTH], formation_name[64];
        Get_Defensive_Play_Name(team, play, play_name, sizeof play_name);
        Get_Formation_Name(formation_name, sizeof formation_name, Get_Defensive_Play_Formation(team, play));
        name = play_name;
        side = "Defense";
        formation = formation_name;
        int32_t effects[3][2];
        const int32_t count = Get_Defensive_Card_Effects(team, play, effects);
        for (int32_t i = 0; i < count; ++i) {
            const int32_t amount = effects[i][1];
            safe_sprintf(effect[i], sizeof effect[i], amount >= 0 ? "+%d to %s %s" : "-%d to %s %s",
                         amount >= 0 ? amount : -amount, "defensive",
                         Get_Gridiron_Category_Name(effects[i][0]));
        }
    }
    char text[TEXT_SIZE];
    safe_sprintf(text, sizeof text, "%s %s %s %s", effect[0], effect[1], effect[2], effect[3]);
    std::string quoted = "\"";
    for (const char* at = text; *at != '\0'; ++at) {
        const char c = *at;
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    Append(AUDIBLES_SHEET, Quote_Csv_Field(name) + "," + Number(card + 1) + "," + side + "," + quoted + "," +
                               Quote_Csv_Field(formation));
}

void Write_Gridiron_Players_Sheet(int32_t team) {
    Append(PLAYERS_SHEET,
           "Pos,Name,Run Block,Pass Block,Rushing,Goal Line,Passing/Receiving,Red Zone,Salary");
    auto rating = [&](int32_t slot, int32_t category) {
        return Number(Get_Gridiron_Player_Rating(team, slot, category));
    };
    int32_t sums[6] = {}, counts[6] = {};
    for (int32_t card = FIRST_OFFENSE_PLAYER_CARD; card < FIRST_DEFENSE_PLAYER_CARD; ++card) {
        const int32_t slot = Get_Gridiron_Card_Player(team, card);
        if (slot < 0) continue;
        const int32_t position = Universe.Teams[team].Players[slot].Vital_Stats[VITAL_POSITION];
        char position_name[32] = "", name[TEXT_SIZE];
        Load_Resource_String(STRING_POSITION_SHORT + position, position_name);
        Card_Player_Name(team, slot, name);
        const bool skill = position <= POSITION_WR;
        const int32_t throws_or_catches = position == POSITION_QB ? CARD_PASSING : CARD_RECEIVING;
        const int32_t salary = Get_Gridiron_Player_Salary(team, slot);
        const std::string run_block = rating(slot, CARD_RUN_BLOCKING),
                          pass_block = rating(slot, CARD_PASS_BLOCKING);
        const std::string hands = rating(slot, throws_or_catches), red_zone = rating(slot, CARD_RED_ZONE);
        std::string line = std::string(position_name) + "," + Quote_Csv_Field(name) + ",";
        if (skill)
            line += "[" + run_block + "],[" + pass_block + "]," + rating(slot, CARD_RUSHING) + "," +
                    rating(slot, CARD_GOAL_LINE) + "," + hands + "," + red_zone + ",";
        else
            line += run_block + "," + pass_block + "," + rating(slot, CARD_RUSHING) + "," +
                    rating(slot, CARD_GOAL_LINE) + ",[" + hands + "],[" + red_zone + "],";
        Append(PLAYERS_SHEET, line + Number(salary));
        const int32_t applies[6] = {skill ? 0 : 1, skill ? 0 : 1, skill ? 1 : 0, skill ? 1 : 0, 1, 0};
        const int32_t values[6] = {
            std::stoi(run_block), std::stoi(pass_block), std::stoi(hands), std::stoi(red_zone), salary, 0};
        for (int32_t i = 0; i < 5; ++i)
            if (applies[i] != 0) {
                sums[i] += values[i];
                ++counts[i];
            }
    }
    auto average = [&](int32_t i) { return Number(counts[i] > 0 ? sums[i] / counts[i] : 0); };
    Append(PLAYERS_SHEET, ",AVERAGE," + average(0) + "," + average(1) + ",,," + average(2) + "," +
                              average(3) + "," + average(4));
    Append(PLAYERS_SHEET, "Pos,Name,Run Defense,Pass Rush,Coverage,Tackling,Salary");
    int32_t defense_sums[5] = {}, defenders = 0;
    for (int32_t card = FIRST_DEFENSE_PLAYER_CARD; card < FIRST_PLAY_CARD; ++card) {
        const int32_t slot = Get_Gridiron_Card_Player(team, card);
        if (slot < 0) continue;
        const int32_t position = Universe.Teams[team].Players[slot].Vital_Stats[VITAL_POSITION];
        char position_name[32] = "", name[TEXT_SIZE];
        Load_Resource_String(STRING_POSITION_SHORT + position, position_name);
        Card_Player_Name(team, slot, name);
        const int32_t values[5] = {Get_Gridiron_Player_Rating(team, slot, CARD_RUN_DEFENSE),
                                   Get_Gridiron_Player_Rating(team, slot, CARD_PASS_RUSH),
                                   Get_Gridiron_Player_Rating(team, slot, CARD_COVERAGE),
                                   Get_Gridiron_Player_Rating(team, slot, CARD_TACKLING),
                                   Get_Gridiron_Player_Salary(team, slot)};
        Append(PLAYERS_SHEET, std::string(position_name) + "," + Quote_Csv_Field(name) + "," +
                                  Number(values[0]) + "," + Number(values[1]) + "," + Number(values[2]) +
                                  "," + Number(values[3]) + ",,," + Number(values[4]));
        for (int32_t i = 0; i < 5; ++i)
            defense_sums[i] += values[i];
        ++defenders;
    }
    auto defense_average = [&](int32_t i) { return Number(defenders > 0 ? defense_sums[i] / defenders : 0); };
    Append(PLAYERS_SHEET, ",AVERAGE," + defense_average(0) + "," + defense_average(1) + "," +
                              defense_average(2) + "," + defense_average(3) + ",,," + defense_average(4));
}

int32_t Render_Gridiron_Deck(int32_t team) {
    if (!Is_Team(team)) return 0;
    // The main window shows the team while its cards are drawn.
    Set_User_Preference(SELECTED_PLAYER_TEAM, team);
    Set_User_Preference(VIEWED_TEAM, team);
    Set_Current_View(GRIDIRON_DECK_VIEW);
    DRAWING_SURFACE surface{};
    const int32_t width = Get_Gridiron_Card_Width(), height = Get_Gridiron_Card_Height();
    Resize_Drawing_Surface(&surface, height, height);
    DEVICE_CONTEXT dc{};
    Attach_Device_Context(&dc, &surface);
    int32_t written = 0;
    for (int32_t card = 0; card < GRIDIRON_DECK_CARDS; ++card) {
        Gridiron_Card_Number = card;
        Repaint_Window(Main_Window);
        Draw_Gridiron_Card(&dc, team, card);
        const bool landscape = card == CHECKLIST_BACK_CARD;
        const std::string path = Output_File(Get_Gridiron_Card_File(team, card));
        written += Save_DC_Area_To_PNG(&dc, 0, 0, landscape ? height : width, landscape ? width : height,
                                       path.c_str(), GRIDIRON_DOTS_PER_INCH);
        if (Get_Gridiron_Card_Kind(card) == 2) Write_Gridiron_Play_Line(team, card);
        if (card >= FIRST_DEFENSIVE_PLAY_CARD && card <= BEAST_MODE_CARD)
            Write_Gridiron_Audible_Line(team, card);
    }
    Gridiron_Card_Number = -1;
    Free_Gridiron_Card_Fonts();
    return written;
}

int32_t Make_Gridiron_Kit() {
    const int32_t team = Get_User_Preference(VIEWED_TEAM);
    if (!Is_Team(team)) {
        Report_System_Error("Invalid Viewed_Team in Make_Gridiron_Kit(%d)", team);
        return 0;
    }
    std::error_code error;
    for (const char* sheet : {PLAYS_SHEET, AUDIBLES_SHEET, PLAYERS_SHEET})
        std::filesystem::remove(Resolve_File_Path(Output_File(sheet).c_str()), error);
    std::filesystem::create_directories(Resolve_File_Path(OUTPUT_FOLDER), error);
    const int32_t written = Render_Gridiron_Deck(team);
    Write_Gridiron_Players_Sheet(team);
    Log_Debug_Line("Gridiron kit of team %d: %d of %d cards written", team, written, GRIDIRON_DECK_CARDS);
    return written == GRIDIRON_DECK_CARDS ? 1 : 0;
}

void Load_Default_Franchise_Playbooks() {
    char name[64];
    for (int32_t i = 0; i < FRANCHISE_COUNT; ++i) {
        Get_Default_Playbook_Name(i, name);
        Load_Playbook_File(i, 0, name);
    }
}
