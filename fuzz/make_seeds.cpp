// Writes the seed corpus of every fuzz target into <folder>/<target>/: small
// valid inputs built by the game's own writers (a saved game, playbooks, a
// cities export, the registry, pictures, the Hall of Fame file), excerpts of the
// installation's input files, and the damaged values the readers must survive.
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

#include <jpeglib.h>

#include "app/builtin_pattern.h"
#include "app/png_files.h"
#include "database/cities.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_record_layout.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/playbook_records.h"
#include "fuzz_support.h"
#include "platform/message_box.h"
#include "platform/registry_ini.h"
#include "played_league_fuzz.h"
#include "saved_game_block_fuzz.h"
#include "support/test_league.h"
#include "tools/season_simulator.h"
#include "tools/web_import.h"
#include "views/owner_hall_of_fame.h"
#include "views/owner_hall_of_fame_file.h"

namespace {
using BYTES = std::vector<uint8_t>;
std::filesystem::path root;

void Write_Seed(const std::string& target, const std::string& name, const BYTES& bytes) {
    std::filesystem::create_directories(root / target);
    std::ofstream out(root / target / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void Write_Seed(const std::string& target, const std::string& name, const std::string& text) {
    Write_Seed(target, name, BYTES(text.begin(), text.end()));
}

BYTES Read_File(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return BYTES(std::istreambuf_iterator<char>(in), {});
}

uint32_t Offset_Of(const void* field) {
    return static_cast<uint32_t>(static_cast<const uint8_t*>(field) - Universe_Bytes());
}

BYTES Block_Input(const char* digits) {
    return BYTES(digits, digits + 4);
}

void Add_Int_Patch(BYTES& input, const void* field, int32_t value) {
    Append_Block_Patch(input, Offset_Of(field), &value, sizeof value);
}

void Write_Saved_Game_Seeds() {
    // A cleared league compresses to a small file that is still whole.
    Clear_Universe();
    if (Save_Game("cleared.kor", nullptr) != SAVE_OK) return;
    const BYTES cleared = Read_File("cleared.kor");
    Write_Seed("saved_game_raw", "cleared.kor", cleared);
    Write_Seed("saved_game_raw", "header_only.kor", BYTES(cleared.begin(), cleared.begin() + 25));
    BYTES refused = cleared;
    memcpy(refused.data() + 13, "4101", 4);
    Write_Seed("saved_game_raw", "v4101.kor", refused);
    // Refused with their reason: a version no release wrote, a part cut short
    // and a part longer than any can be. Bytes after the league are not read.
    refused = cleared;
    memcpy(refused.data() + 13, "9999", 4);
    Write_Seed("saved_game_raw", "v9999.kor", refused);
    BYTES trailing = cleared;
    trailing.push_back(0);
    Write_Seed("saved_game_raw", "trailing_byte.kor", trailing);
    Write_Seed("saved_game_raw", "cut_in_part.kor", BYTES(cleared.begin(), cleared.begin() + 40));
    refused = cleared;
    memset(refused.data() + 25, 0xFF, 4);
    Write_Seed("saved_game_raw", "long_part.kor", refused);

    Build_Test_League();
    const int32_t* base_year = &Universe.Header.Universe_Stats[BASE_YEAR];
    const int32_t* season = &Universe.User_Preferences.Ints[CURRENT_SEASON_INDEX];
    const int32_t* checksum = &Universe.User_Preferences.Ints[GAME_CHECKSUM];
    Write_Seed("saved_game_block", "unchanged", Block_Input("2002"));
    for (const char* digits : {"1000", "4101", "3000", "8600", "9999"})
        Write_Seed("saved_game_block", std::string("version_") + digits, Block_Input(digits));
    BYTES input = Block_Input("1000");
    Add_Int_Patch(input, base_year, INT_MAX - 3);
    Add_Int_Patch(input, season, 50);
    Write_Seed("saved_game_block", "old_file_late_year", input);
    input = Block_Input("2002");
    Add_Int_Patch(input, base_year, INT_MIN + 3);
    Add_Int_Patch(input, season, 150);
    Add_Int_Patch(input, checksum, 0);
    Write_Seed("saved_game_block", "early_year_as_index", input);
    input = Block_Input("2002");
    const uint8_t noise[] = {0xFF, 0x80, 0x7F, 0x00, 0xFE, 0x81, 0x01, 0x7E};
    Append_Block_Patch(input, Offset_Of(&Universe.Teams[5].Players[3]), noise, sizeof noise);
    Append_Block_Patch(input, Offset_Of(&Universe.Teams[9].Schedule[2]), noise, sizeof noise);
    Append_Block_Patch(input, Offset_Of(&Universe.Cities[0]), noise, sizeof noise);
    Write_Seed("saved_game_block", "damaged_records", input);
}

void Write_Playbook_Seeds() {
    Clear_Universe();
    Set_Default_Playbooks(36);
    const TEAM_PLAYBOOK_BLOCK& block = Universe.Teams[36].Playbooks;
    BYTES offense{0};
    const auto* bytes = reinterpret_cast<const uint8_t*>(&block.Offense);
    offense.insert(offense.end(), bytes, bytes + sizeof block.Offense);
    Write_Seed("playbook_file", "default.opb", offense);
    Write_Seed("playbook_analyzer", "default.opb", offense);
    BYTES defense{1};
    bytes = reinterpret_cast<const uint8_t*>(&block.Defense);
    defense.insert(defense.end(), bytes, bytes + sizeof block.Defense);
    Write_Seed("playbook_file", "default.dpb", defense);
    Write_Seed("playbook_analyzer", "default.dpb", defense);
    defense.resize(defense.size() / 2);
    Write_Seed("playbook_file", "short.dpb", defense);
}

void Write_Cities_Seeds() {
    Clear_Universe();
    for (const char* name : {"Austin", "Washington, D.C.", "\"Big\" Apple"})
        Set_City_Name(Add_City(), name);
    Set_City_Stat(0, 4, -12);
    Script_Message_Answer("Confirm City Export", ID_BOX_YES);
    Export_Cities();
    Write_Seed("cities_file", "exported.txt", Read_File(CITIES_FILE_NAME));
    Write_Seed(
        "cities_file", "hand_made.txt",
        std::string("Chicago,12.9,-3.5\r\n,5,6\nDenver,1,2,3,4,5,6,7,8,9,10,Ghost,11\n\"Open,1\nLast,1,2"));
    Write_Seed("cities_file", "bad_number.txt", std::string("Chicago,1\nDenver,abc\n"));
    Write_Seed("cities_file", "beyond_32_bits.txt", std::string("Chicago,1\nDenver,12,2147483648\n"));
}

void Write_Text_Seeds() {
    Write_Seed("command_line", "flags",
               std::string("IS_NOT_RANDOM -w DTXT_AGG") + '\0' +
                   "SHOW_SYSTEM_ERRORS\nDTXT_PBPDIAGRAM DTXT_PBPSELECTOR\n");
    Write_Seed("command_line", "no_file", std::string("DTXT_PBPSELECTOR"));
    Write_Seed("line_readers", "lines", std::string("\x10") + "a,b,,c\r\nd\n\n\re,f\rg\nlast");
    Write_Seed("line_readers", "long_line", std::string("\x03") + std::string(100, 'x') + ",y\n");
}
void Write_Schedule_Seeds() {
    Build_Test_League();
    Write_Seed("historic_schedule", "two_weeks", Make_Round_Robin_Schedule(2, 0, TEST_LEAGUE_TEAMS));
    // Every team's season, and the same with one game missing: the target's
    // folder holds the season before's files, which the short year falls back to.
    const int32_t games = Get_Universe_Stat(GAMES_PER_SEASON);
    const std::string season = Make_Round_Robin_Schedule(games, 0, TEST_LEAGUE_TEAMS);
    Write_Seed("historic_schedule", "full_season", season);
    Write_Seed("historic_schedule", "one_game_short",
               season.substr(0, season.rfind('\n', season.size() - 2) + 1));
    Write_Seed("historic_schedule", "both_leagues",
               Make_Round_Robin_Schedule(1, 0, 16) + '\0' + Make_Round_Robin_Schedule(1, 16, 16));
    char away[FORMATTED_TEXT_SIZE];
    char home[FORMATTED_TEXT_SIZE];
    Get_Team_Full_Name(3, away);
    Get_Team_Full_Name(4, home);
    // The text export the converter reads: week, day, date, time, winner, "@", loser.
    Write_Seed("historic_schedule", "export",
               std::string("Week,Day,Date,Time,Winner/tie,,Loser/tie\n") + "1,Sun,September 9,1:00PM," +
                   away + ",@," + home + ",,24,17\n2,Mon,September 17,8:30PM," + home + ",," + away +
                   "\nWildcard,Sat,January 5,," + away + ",@," + home + "\n");
}

// A line of the seasons file for a test-league player: id, flag, year and
// team, then the given columns (1-based) of its 97.
std::string Seasons_Line(int32_t team, int32_t slot, const char* id_column, int32_t year,
                         const std::vector<std::pair<int32_t, std::string>>& columns) {
    std::vector<std::string> fields(98);
    fields[1] = id_column[0] == 'e' ? "EXT" + std::to_string(Test_League_Player_ID(team, slot)) : "";
    fields[2] = id_column[0] == 'i' ? std::to_string(Test_League_Player_ID(team, slot)) : "";
    fields[4] = std::to_string(year);
    char abbreviation[16];
    snprintf(abbreviation, sizeof abbreviation, "T%02d", team);
    fields[5] = abbreviation;
    if (id_column[0] == 'n') {
        char name[PLAYER_NAME_TEXT_SIZE];
        Get_Player_Full_Name(team, slot, name);
        fields[7] = std::string(name) + "*";
    }
    for (const auto& [column, text] : columns)
        fields[static_cast<size_t>(column)] = text;
    std::string line;
    for (size_t column = 1; column < fields.size(); ++column)
        line += (column > 1 ? "," : "") + fields[column];
    return line + "\n";
}

void Write_Seasons_Seeds() {
    Build_Test_League();
    constexpr int32_t YEAR = 1980;
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    const int32_t rb = Test_League_Slot(POSITION_RB, 0);
    const int32_t de = Test_League_Slot(POSITION_DE, 0);
    const int32_t k = Test_League_Slot(POSITION_K, 0);
    const std::string header = "VorlanID,PlayerID,SeasonFlag,Year,Team\n";
    Write_Seed(
        "seasons_csv", "season",
        header + Seasons_Line(1, qb, "id", YEAR, {{10, "16"}, {11, "16"}, {12, "540"}, {14, "4100"}}) +
            Seasons_Line(1, rb, "id", YEAR, {{10, "15"}, {21, "250"}, {25, "40"}, {32, "3"}}) +
            Seasons_Line(2, de, "id", YEAR, {{10, "15"}, {40, "50"}, {43, "7.5"}, {51, "1"}, {95, "9"}}) +
            Seasons_Line(3, k, "id", YEAR, {{10, "16"}, {59, "30"}, {82, "12"}, {83, "3"}}) +
            Seasons_Line(1, qb, "id", YEAR - 1, {{10, "3"}}));
    Write_Seed("seasons_csv", "beyond_reason",
               header +
                   Seasons_Line(
                       2, de, "id", YEAR,
                       {{10, "99999999999"}, {11, "-7"}, {43, "1e300"}, {51, "2147483647"}, {95, "99999"}}) +
                   Seasons_Line(3, k, "id", YEAR, {{10, "16"}, {82, "2147483647"}, {83, "2147483647"}}));
    Write_Seed("seasons_csv", "by_name_and_external_id",
               header + Seasons_Line(4, qb, "external", YEAR, {{10, "12"}, {3, "POST"}}) +
                   Seasons_Line(4, de, "name", YEAR, {{10, "9"}, {95, "4"}}) +
                   Seasons_Line(5, de, "name", YEAR, {{5, "2TM"}, {10, "7"}}));
    // Lines of the year that name no player of the league and his team.
    Write_Seed("seasons_csv", "the_year_without_players",
               header + "X,1,,1980\n,,,1980abc,T01\n\x01\xfe,zz,;;,1980,~~,-,\"q\",??,,,,\n");
}

// Lines of earlier seasons, whose teams the target's team files of those
// seasons name (in the even years under the abbreviation of the franchise
// before), alone and with a team file of the season before the league's of
// the input's own.
void Write_Season_Stats_Seeds() {
    Build_Test_League();
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    const int32_t rb = Test_League_Slot(POSITION_RB, 0);
    const int32_t de = Test_League_Slot(POSITION_DE, 0);
    const int32_t wr = Test_League_Slot(POSITION_WR, 0);
    const std::string lines =
        std::string(SEASONS_CSV_HEADER) + "\n" +
        Seasons_Line(3, qb, "id", 2019, {{10, "16"}, {11, "16"}, {12, "480"}, {13, "300"}, {14, "3500"}}) +
        Seasons_Line(3, wr, "id", 2019, {{10, "16"}, {25, "420"}, {26, "300"}, {27, "3500"}}) +
        Seasons_Line(5, rb, "id", 2006, {{10, "14"}, {21, "200"}, {22, "900"}}) +
        Seasons_Line(6, de, "external", 2003, {{10, "15"}, {40, "40"}, {95, "6"}}) +
        Seasons_Line(7, qb, "name", 1999, {{10, "2"}});
    Write_Seed("season_stats_csv", "earlier_seasons", lines);
    char location[TEAM_STRING_LENGTH];
    char nickname[TEAM_STRING_LENGTH];
    Get_Team_String(location, 4, 1);
    Get_Team_String(nickname, 4, 2);
    Write_Seed("season_stats_csv", "earlier_seasons_own_team_file",
               lines + '\0' + "Abbreviation,Location,Nickname\nT03," + location + "," + nickname +
                   "\nT04,Nowhere,Nobodies\n,Lost,Names\nT05\n");
}

BYTES Read_Installation_File(const char* name) {
    return Read_File(std::string(KORVA_DATA_DIR) + "/" + name);
}

void Write_Draft_Input_Seeds() {
    BYTES input = Read_Installation_File("Input/DraftTalent.txt");
    input.push_back(0);
    const BYTES strategy = Read_Installation_File("Input/DraftStrategy.txt");
    input.insert(input.end(), strategy.begin(), strategy.end());
    Write_Seed("draft_input_files", "installed", input);
    Write_Seed("draft_input_files", "damaged",
               std::string("10,-5\r\n99999,x,3\n,,7,8\n 4 ,5\t,6") + '\0' + "3\n-40000\n\n12abc\n");
}

// The first lines of an installed statistics file (empty when it is not installed).
std::string Installed_Lines(const char* name, int32_t lines) {
    const BYTES file = Read_Installation_File(name);
    std::string text;
    for (uint8_t c : file) {
        text += static_cast<char>(c);
        if (c == '\n' && --lines == 0) break;
    }
    return text;
}

// Each season reader's seeds: the head of the installed file it reads, and a
// line that breaks the form.
void Write_Season_Reader_Seeds() {
    struct READER {
        const char* Target;
        const char* Installed;
        const char* Damaged;
    };
    const READER readers[] = {
        {"league_names_csv", "Input/Stats/leagues/2020_league.csv", "League,D1\nNFL,\"East,,\n,x,y,z,w,v\n"},
        {"teams_csv", "Input/Stats/2020_teams.csv",
         "Abbreviation,Location\nXX,Nowhere,Nobodies,Field,many,OPEN\n"},
        {"personnel_csv", "Input/Stats/Personnel.csv",
         "Year,Team,Offense,Defense\n20x0,BUF,Traditional,4-3\n"},
        {"season_stats_csv", "Input/Stats/Seasons.csv", "VorlanID,PlayerID\nK1,1x,,2019,BUF,10,A B,QB,,12\n"},
        {"salaries_csv", "Input/Stats/2020_salaries.csv", "K,Id\nK1,1,BUF,1,A,B,QB,,0,,1,$1,250,000,0,1,0\n"},
        {"cap_room_csv", "Input/Stats/2020_caproom.csv",
         "Buffalo Bills,$99999999999\nBuffalo Bills,\"$1,000\"\n"},
        {"player_ratings_file", "Input/Ratings/Simulation/2020_Player_Ratings.csv",
         "Id,Team\n1,BUF,A,B,QB,QB,nan,50,50,inf,50\n1,BUF,A,B,QB,QB,50\n"},
        {"combine_csv", "Input/Stats/Combine_Results.csv",
         "Id\nK1,1,A B,2019,QB,,,fast\nK1,1,A B,2019,QB,,,6.0\n"},
        {"team_records_csv", "Input/Stats/Team_Records.csv",
         "Year\n2020,NFL,Buffalo Bills,5,7,0,-,,200,250\n"},
        {"all_time_leaders_file", "Input/Stats/atl.txt",
         "ALL_TIME_LEADER_CAREER,Nothing\nAnn,Arbor,12\nALL_TIME_LEADER_SEASON,sacks\nA,B,1990,many\n"},
    };
    for (const READER& reader : readers) {
        const std::string installed = Installed_Lines(reader.Installed, 40);
        if (!installed.empty()) Write_Seed(reader.Target, "installed", installed);
        Write_Seed(reader.Target, "damaged", reader.Damaged);
    }
    std::string players = Installed_Lines("Input/Stats/2020_rosters.csv", 60);
    players += '\0';
    players += Installed_Lines("Input/Stats/Players.csv", 200);
    Write_Seed("players_csv", "installed", players);
    Write_Seed("players_csv", "damaged",
               std::string("Key,Id\nK1,12x,A,B,BUF,QB\nK2,2,A,B,BUF,QB,,,,,,3\n") + '\0' +
                   "Key\nK2,,2,,10,A,B,,QB,,6'13\",200,X,1,,,,,1950,1,1,,6,1,1,1,1930\n");
    // A class of the installation and one cut short.
    BYTES rookies = Read_Installation_File("Databases/rookies-2021.dat");
    rookies.resize(std::min<size_t>(rookies.size(), 40 * sizeof(PLAYER_RECORD)));
    if (!rookies.empty()) Write_Seed("draft_class_file", "installed", rookies);
    Write_Seed("draft_class_file", "short", BYTES(sizeof(PLAYER_RECORD) + 17, 0x41));
}

void Write_Registry_Seeds() {
    Set_Registry_File_Path("registry.ini");
    const char* key = "SOFTWARE\\SportsKorva\\FootballKorva\\2019";
    Open_Registry_Key(key, nullptr);
    Set_Registry_Text(key, "SelfInstallDir", "/home/player/korva");
    Set_Registry_Number(key, "InitVer", 2002);
    Set_Registry_Number(key, "LastVer", 2002);
    Set_Registry_Text(key, "LastDir", "C:\\Games\\Korva\nsecond line");
    Open_Registry_Key("SOFTWARE\\Other", nullptr);
    BYTES input = Read_File("registry.ini");
    const std::string text = "D:\\Korva\r\n";
    input.push_back(0);
    input.insert(input.end(), text.begin(), text.end());
    Write_Seed("registry_ini", "written", input);
    Write_Seed(
        "registry_ini", "hand_made",
        std::string("stray=line\r\n[SOFTWARE\\SportsKorva\\FootballKorva\\2019]\r\nLastVer=number:-1\r\n"
                    "SelfInstallDir=text:a\\\n[]\n=x\n[x]y]\nLastDir=number:") +
            '\0' + "tail\\");
    Set_Registry_File_Path("");
}

// The first `count` lines of an installation name file.
std::string Name_Lines(const char* name, int32_t count) {
    const BYTES file = Read_Installation_File(name);
    std::string text;
    for (uint8_t c : file) {
        text += static_cast<char>(c);
        if (c == '\n' && --count == 0) break;
    }
    return text;
}

void Write_Name_Seeds() {
    Write_Seed("name_files", "installed",
               Name_Lines("names/first.txt", 150) + '\0' + Name_Lines("names/last.txt", 150));
    Write_Seed("name_files", "few_and_long",
               std::string("Al\r\n\r\nBartholomew-Maximilian\n") + '\0' + std::string(300, 'Z') + "\nOk");
    Write_Seed("name_files", "one_line", std::string("Solo") + '\0' + "Last");
}

void Write_Fantasy_Draft_Seeds() {
    // A state of zeros, which is no draft, and a draft of the test league's
    // teams with every round in slot order.
    BYTES state(sizeof Universe.Tail.Fantasy_Draft_State);
    const std::string name = "League (2020)";
    BYTES zeros(name.begin(), name.end());
    zeros.push_back(0);
    zeros.insert(zeros.end(), state.begin(), state.end());
    Write_Seed("fantasy_draft_state", "zeros", zeros);
    const int32_t round_and_pick[2] = {3, 17};
    memcpy(state.data() + 8, round_and_pick, sizeof round_and_pick);
    constexpr size_t ORDER_OFFSET = 14416;
    constexpr size_t ROUNDS = 100, TEAMS = 36;
    // Every pick records a player id, as the game records each pick it makes:
    // a team's pick of round r took the player of its slot r (past the
    // rosters, an id of nobody).
    constexpr size_t IDS_OFFSET = 16;
    for (size_t round = 0; round < ROUNDS; ++round)
        for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
            state[ORDER_OFFSET + round * TEAMS + static_cast<size_t>(team)] = static_cast<uint8_t>(team);
            const int32_t id = Test_League_Player_ID(team, static_cast<int32_t>(round));
            memcpy(state.data() + IDS_OFFSET + sizeof id * (round * TEAMS + static_cast<size_t>(team)), &id,
                   sizeof id);
        }
    BYTES input(name.begin(), name.end());
    input.push_back(0);
    input.insert(input.end(), state.begin(), state.end());
    Write_Seed("fantasy_draft_state", "whole", input);
    const int32_t last_round[2] = {INT_MAX, INT_MIN};
    memcpy(input.data() + name.size() + 1 + 8, last_round, sizeof last_round);
    Write_Seed("fantasy_draft_state", "round_at_the_limit", input);
    // A whole draft, a round past the draft's whose order names no team, and
    // a pick inside the round after the last.
    const size_t head = name.size() + 1;
    const int32_t whole_draft[2] = {65, 0};
    memcpy(input.data() + head + 8, whole_draft, sizeof whole_draft);
    Write_Seed("fantasy_draft_state", "whole_draft", input);
    const int32_t past_the_draft[2] = {70, 0};
    memcpy(input.data() + head + 8, past_the_draft, sizeof past_the_draft);
    memset(input.data() + head + ORDER_OFFSET + 70 * TEAMS, 200, TEAMS);
    Write_Seed("fantasy_draft_state", "past_the_draft", input);
    const int32_t inside_the_last[2] = {65, 3};
    memcpy(input.data() + head + 8, inside_the_last, sizeof inside_the_last);
    Write_Seed("fantasy_draft_state", "inside_the_round_after_the_last", input);
    input.resize(name.size() + 1 + 100);
    Write_Seed("fantasy_draft_state", "short", input);
    Write_Seed("fantasy_draft_state", "elsewhere", std::string("../league") + '\0' + "state");
}

// A picture seed: the flag byte, then the file.
BYTES Picture_Input(uint8_t flags, const BYTES& file) {
    BYTES input{flags};
    input.insert(input.end(), file.begin(), file.end());
    return input;
}

void Write_PNG_Seeds() {
    for (int32_t channels : {3, 4}) {
        const int32_t width = 5, height = 3;
        BYTES pixels(static_cast<size_t>(Padded_Row_Size(width, channels) * height));
        for (size_t n = 0; n < pixels.size(); ++n)
            pixels[n] = static_cast<uint8_t>(n * 37);
        if (!Save_PNG_File("seed.png", pixels.data(), width, height, channels)) continue;
        Write_Seed("png_image", "rgb" + std::string(channels == 4 ? "a" : ""),
                   Picture_Input(1, Read_File("seed.png")));
        Write_Seed("png_image", "size_only" + std::to_string(channels),
                   Picture_Input(4, Read_File("seed.png")));
    }
}

// A small JPEG of `components` components (1: grey; others: of no known
// colour space) written with libjpeg, so the less common paths have seeds.
BYTES Small_JPEG(int32_t components) {
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* memory = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &memory, &size);
    info.image_width = 8;
    info.image_height = 8;
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_UNKNOWN;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    JSAMPLE row[8 * 4];
    for (int32_t y = 0; y < 8; ++y) {
        for (int32_t x = 0; x < 8 * components; ++x)
            row[x] = static_cast<JSAMPLE>(x * 30 + y);
        JSAMPROW rows[1] = {row};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    BYTES file(memory, memory + size);
    free(memory);
    return file;
}

void Write_JPEG_Seeds() {
    const BYTES pattern(Builtin_Pattern_Image, Builtin_Pattern_Image + Builtin_Pattern_Image_Size);
    Write_Seed("jpeg_image", "pattern", Picture_Input(0, pattern));
    Write_Seed("jpeg_image", "pattern_washed_kept", Picture_Input(3, pattern));
    Write_Seed("jpeg_image", "grey", Picture_Input(0, Small_JPEG(1)));
    Write_Seed("jpeg_image", "two_components", Picture_Input(0, Small_JPEG(2)));
    // A few hundred bytes whose frame header claims 10,752 x 11,095 pixels.
    BYTES huge = Small_JPEG(3);
    for (size_t at = 2; at + 9 < huge.size(); ++at)
        if (huge[at] == 0xFF && huge[at + 1] == 0xC0) {
            const uint8_t size[4] = {11095 >> 8, 11095 & 0xFF, 10752 >> 8, 10752 & 0xFF};
            memcpy(huge.data() + at + 5, size, sizeof size);
            break;
        }
    Write_Seed("jpeg_image", "claims_huge_size", Picture_Input(1, huge));
}

// An uncompressed BMP of `bits` bits a pixel, bottom-up, rows padded to 4 bytes.
BYTES BMP_File(int32_t width, int32_t height, int32_t bits) {
    const int32_t stride = Padded_Row_Size(width, bits / 8);
    const uint32_t data_offset = 14 + 40;
    const uint32_t file_size = data_offset + static_cast<uint32_t>(stride * height);
    BYTES file(file_size);
    auto put32 = [&](size_t at, uint32_t value) { memcpy(file.data() + at, &value, 4); };
    auto put16 = [&](size_t at, uint16_t value) { memcpy(file.data() + at, &value, 2); };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, file_size);
    put32(10, data_offset);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    put16(26, 1);
    put16(28, static_cast<uint16_t>(bits));
    for (size_t n = data_offset; n < file.size(); ++n)
        file[n] = static_cast<uint8_t>(n * 13);
    return file;
}

void Write_BMP_Seeds() {
    for (int32_t bits : {16, 24, 32})
        Write_Seed("bmp_image", "bits" + std::to_string(bits),
                   Picture_Input(bits == 24 ? 2 : 0, BMP_File(5, 3, bits)));
}

void Write_Owner_Hall_Of_Fame_Seeds() {
    Rebuild_Owner_Hall_Of_Fame_File();
    Set_Owner_Hall_Of_Fame_Value(0, 1234);
    BYTES file = Read_File("KorFame.dat");
    Write_Seed("owner_hall_of_fame", "fresh", file);
    const int32_t placement[4] = {10, 20, 1110, 768};
    memcpy(file.data() + WINDOW_PLACEMENT_OFFSET, placement, sizeof placement);
    Write_Seed("owner_hall_of_fame", "placed", file);
    const int32_t far_away[4] = {INT_MAX - 10, -5, INT_MAX, 1 << 30};
    memcpy(file.data() + WINDOW_PLACEMENT_OFFSET, far_away, sizeof far_away);
    Write_Seed("owner_hall_of_fame", "placed_far_away", file);
    const int32_t inside_out[4] = {900, 700, 100, 50};
    memcpy(file.data() + WINDOW_PLACEMENT_OFFSET, inside_out, sizeof inside_out);
    Write_Seed("owner_hall_of_fame", "placed_inside_out", file);
    // On the screen as it stands, off it once grown to the minimum size.
    const int32_t grows_off_screen[4] = {-1153, -1, 127, 64};
    memcpy(file.data() + WINDOW_PLACEMENT_OFFSET, grows_off_screen, sizeof grows_off_screen);
    Write_Seed("owner_hall_of_fame", "placed_growing_off_screen", file);
    file.resize(OWNER_NAME_OFFSET + 16);
    Write_Seed("owner_hall_of_fame", "short", file);
    // Texts with no end inside their fields.
    BYTES image(OWNER_HALL_OF_FAME_SIZE);
    Fill_New_Owner_Hall_Of_Fame_Image(image.data());
    memset(image.data(), 'x', 512);
    Write_Seed("owner_hall_of_fame", "unended_texts", image);
}
void Write_Report_Seeds() {
    Write_Seed("export_settings", "written", std::string("My Export/\nnight.css"));
    Write_Seed("export_settings", "crlf", std::string("HTML_Export\r\ndefault.css\r\n"));
    Write_Seed("export_settings", "one_line", std::string("/home/user/site"));
    Write_Seed("export_settings", "long", std::string(3000, 'f') + "\n" + std::string(100, 'd'));
    // The installation's templates, with a page's parameters behind a NUL.
    for (const char* name : {"index.template", "TeamDetail.template", "GameExport.template",
                             "LeadersSummary.template", "PlayerDetail.template"}) {
        BYTES input = Read_File(std::string(KORVA_DATA_DIR) + "/HTML_Templates/" + name);
        for (const uint8_t byte : {0, 2, 3, 4, 0, 10, 0, 1, 5})
            input.push_back(byte);
        Write_Seed("html_template", name, input);
    }
    Write_Seed(
        "html_template", "nested",
        std::string("<gdk:table tLeaders>A<gdk:table tPlayers[TEAM=-1][POS=-1]>B<gdk:var PlayerName>"
                    "</gdk:table>C</gdk:table><gdk:var Year[SEASON=0][TEAM=1][TEAM=2][TEAM=3][TEAM=4][TEAM=5]"
                    "[TEAM=6]><gdk:var Select[TYPE=9]><b"));
    // Leaders lists of leaders lists of the whole league: a few hundred bytes
    // that would write a page of tens of megabytes.
    Write_Seed(
        "html_template", "nested_whole_league",
        std::string("<gdk:table tLeaders><gdk:table tLeaders><gdk:table tPlayers[TEAM=-1][POS=-1]><tr><td>"
                    "<gdk:var PlayerName></td><td><gdk:var Position></td><td><gdk:var TeamName></td>"
                    "<td><gdk:var Age></td><td><gdk:var Height></td><td><gdk:var Weight></td></tr>"
                    "</gdk:table>"));
}
} // namespace

// The two version bytes the old-layout target moves into 2180-7799.
BYTES Old_Version_Input(int32_t version) {
    const int32_t index = version - 2180;
    return BYTES{static_cast<uint8_t>(index & 0xFF), static_cast<uint8_t>(index >> 8)};
}

void Write_Old_Saved_Game_Seeds() {
    for (int32_t version : {2180, 4100, 4102, 7799})
        Write_Seed("old_saved_game", "version_" + std::to_string(version), Old_Version_Input(version));
    // Schedule entries and a player's position out of range in both layouts.
    const uint8_t noise[] = {0xFF, 0x80, 0x7F, 0x00, 0xFE, 0x81, 0x01, 0x7E};
    BYTES input = Old_Version_Input(4102);
    Append_Block_Patch(input, 2480 + 3 * 99848 + 68100, noise, sizeof noise);
    Append_Block_Patch(input, 2480 + 5 * 99848 + 256 + 3 * 756 + 48, noise, sizeof noise);
    Write_Seed("old_saved_game", "damaged_eighty_slot", input);
    input = Old_Version_Input(2180);
    Append_Block_Patch(input, 2480 + 3 * 68452 + 68100, noise, sizeof noise);
    Append_Block_Patch(input, 3159004 + 22 * 4, noise, sizeof noise);
    Write_Seed("old_saved_game", "damaged_older", input);
    // A lineman's games of the valued year (vital statistic 23) far beyond a
    // career, read by the ratings rebuild of the load.
    const uint8_t huge_games[] = {0x3b, 0x3b, 0x3b, 0x3b};
    input = Old_Version_Input(7799);
    for (int32_t n = 0; n < 3; ++n)
        Append_Block_Patch(input,
                           2480 + 5 * 99848 + 256 + Test_League_Slot(POSITION_T + n, 0) * 756 + 48 + 23 * 4,
                           huge_games, sizeof huge_games);
    Write_Seed("old_saved_game", "lineman_games_overflow", input);
}

void Write_Played_League_Seeds() {
    const char* const stages[NUMBER_OF_LEAGUE_STAGES] = {"test_league", "week_2", "season_over", "champion",
                                                         "off_season"};
    for (uint8_t stage = 0; stage < NUMBER_OF_LEAGUE_STAGES; ++stage) {
        const auto at = static_cast<LEAGUE_STAGE>(stage);
        Write_Seed("played_league", std::string(stages[stage]) + "_unchanged", Played_League_Input(at, {}));
        // One change of most kinds: settings, a player's vitals, ratings and
        // name, a team's money and schedule, the league's byte tables.
        Write_Seed(
            "played_league", std::string(stages[stage]) + "_mixed",
            Played_League_Input(at, {{FIELD_SETTING, 0, 0, CURRENT_WEEK, VALUE_INT_MAX, 0},
                                     {FIELD_VITAL_STAT, 4, 10, VITAL_INJURY_TYPE, VALUE_PAST_TABLE, 16},
                                     {FIELD_RATING, 4, 11, RATING_SPEED, VALUE_NAN, 0},
                                     {FIELD_PLAYER_NAME, 4, 12, 0, 0, 0},
                                     {FIELD_TEAM_MONEY, 6, 0, 3, VALUE_INT_MIN, 0},
                                     {FIELD_SCHEDULE, 7, 0, 5, VALUE_PAST_TABLE, 12},
                                     {FIELD_LEAGUE_BYTES, 0, 0, 9, VALUE_PAST_TABLE, 1},
                                     {FIELD_GAME_RECORD, 0, 20, 0, VALUE_MINUS_ONE, 1},
                                     {FIELD_SEASON_LINE, 0, 1, 3, VALUE_INT_MAX, 3}}));
    }
    // The failing leagues of the first runs, reduced. A salary cap of $255
    // with demands at +300 % renews contracts into the off-season.
    Write_Seed("played_league", "cap_and_demands",
               Played_League_Input(STAGE_CHAMPION, {{FIELD_UNIVERSE_STAT, 0, 0, SALARY_CAP, VALUE_EXTRA, 255},
                                                    {FIELD_UNIVERSE_STAT, 0, 0, SALARY_DEMANDS_PERCENT,
                                                     VALUE_PAST_TABLE, 17}}));
    // Seasons of 1,381,126,738 weighs a player's value in the weekly moves.
    Write_Seed("played_league", "credited_seasons",
               Played_League_Input(
                   STAGE_WEEK_2, {{FIELD_VITAL_STAT, 2, 30, VITAL_CREDITED_SEASONS, VALUE_EXTRA_BYTES, 0x52},
                                  {FIELD_VITAL_STAT, 9, 0, VITAL_CREDITED_SEASONS, VALUE_INT_MAX, 0}}));
    // Ratings beyond any int choose kick returners and a draft's depth charts.
    std::vector<FIELD_CHANGE> huge_ratings;
    for (uint8_t slot : {20, 30, 40, 45, 50})
        for (uint8_t rating : {RATING_KICK_RETURNS, RATING_PUNT_RETURNS, RATING_SPEED, RATING_QUICKNESS})
            huge_ratings.push_back({FIELD_RATING, 11, slot, rating,
                                    static_cast<uint8_t>(slot % 3 == 0   ? VALUE_INFINITY
                                                         : slot % 3 == 1 ? VALUE_1E30
                                                                         : VALUE_3E9),
                                    0});
    Write_Seed("played_league", "huge_ratings_week", Played_League_Input(STAGE_WEEK_2, huge_ratings));
    Write_Seed("played_league", "huge_ratings_draft", Played_League_Input(STAGE_OFF_SEASON, huge_ratings));
    // The last week of the post-season at the end of the calendar.
    Write_Seed("played_league", "post_season_mark_max",
               Played_League_Input(STAGE_SEASON_OVER, {{FIELD_CALENDAR, 0, 0, 1, VALUE_INT_MAX, 4}}));
    Write_Seed(
        "played_league", "games_per_season_min",
        Played_League_Input(STAGE_WEEK_2, {{FIELD_UNIVERSE_STAT, 0, 0, GAMES_PER_SEASON, VALUE_INT_MIN, 0}}));
}

void Write_Saved_Page_Seeds() {
    const std::string row =
        "<tr><th data-stat=\"player\" data-append-csv=\"AlphTe00\"><a href=\"/p\">Alan Test</a></th>"
        "<td data-stat=\"pos\">QB/TE</td><td data-stat=\"g\">16</td><td data-stat=\"gs\">9</td>"
        "<td data-stat=\"height\">6-2</td><td data-stat=\"birth_date_mod\">1995-03-21</td>"
        "<td data-stat=\"draft_info\">T00 / 1st / 4th pick / <a href=\"/years/2017/\">2017</a></td>"
        "<td>>I-R<</td><td>torn achilles tendon, out until Week 9</td></tr>\n";
    const std::string roster =
        "<meta og:image url=https://x>\n<b>Offensive Starters</b>\n"
        "<tr><th>RB</th></tr>\n<tr><th>NT</th></tr>\n\"Roster\" \"Current Roster\" "
        "\"Team Injuries\"\n" +
        row +
        "<td>>Alan Test<</td>\n<td>$40,000,000 4 yrs</td>\nAlan Test\n<td>$2,000,000</td>\n"
        "<td>$12,500,000</td>\n";
    const std::string player =
        "<p><strong>Position</strong>: QB</p>\n<h2>Passing</h2>\n<tbody> "
        "<tr><th data-stat=\"year_id\">2020</th><td data-stat=\"team\">T00</td>"
        "<td data-stat=\"g\">16</td><td data-stat=\"pass_att\">5,00</td></tr> "
        "<tr><th data-stat=\"year_id\"></th><td data-stat=\"team\">T01</td>"
        "<td data-stat=\"g\">1</td></tr> </tbody>\n<h2>Combine Measurements</h2>\n"
        "<tbody> <tr><th data-stat=\"year_id\">2017</th><td data-stat=\"pos\">QB</td></tr>";
    BYTES input(roster.begin(), roster.end());
    input.push_back(0);
    input.insert(input.end(), player.begin(), player.end());
    Write_Seed("saved_pages", "roster_and_player", input);
    Write_Seed("saved_pages", "unclosed_cell",
               std::string("<td data-stat=\"player\" data-append-csv=\"x\">open"));
}

void Write_Simulator_Seeds() {
    SIMULATOR_RECORD record{};
    const auto* bytes = reinterpret_cast<const uint8_t*>(&record);
    Write_Seed("simulator_data", "empty", BYTES(bytes, bytes + sizeof record));
    record.Seasons = 20;
    record.Wins[0] = 181;
    record.Games[0] = 320;
    record.Points_Scored[0] = 6401;
    record.Finishes[0][8] = 3;
    record.Revenue[0] = 4000000010LL;
    record.Profit[1] = -30;
    Write_Seed("simulator_data", "twenty_seasons", BYTES(bytes, bytes + sizeof record));
    record.Seasons = -7;
    record.Wins[2] = INT_MIN;
    record.Games[3] = -1;
    Write_Seed("simulator_data", "negative", BYTES(bytes, bytes + sizeof record));
    Write_Seed("simulator_data", "short", BYTES(bytes, bytes + 100));
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s <seed folder>\n", argv[0]);
        return 2;
    }
    root = std::filesystem::absolute(argv[1]);
    std::filesystem::create_directories(root);
    // The writers work in a scratch folder, so nothing lands beside the seeds.
    std::string pattern = (std::filesystem::temp_directory_path() / "korva-seeds-XXXXXX").string();
    const char* folder = mkdtemp(pattern.data());
    if (folder == nullptr || chdir(folder) != 0) return 2;
    Write_Saved_Game_Seeds();
    Write_Playbook_Seeds();
    Write_Cities_Seeds();
    Write_Text_Seeds();
    Write_Schedule_Seeds();
    Write_Seasons_Seeds();
    Write_Draft_Input_Seeds();
    Write_Season_Reader_Seeds();
    Write_Season_Stats_Seeds();
    Write_Registry_Seeds();
    Write_Name_Seeds();
    Write_Fantasy_Draft_Seeds();
    Write_PNG_Seeds();
    Write_JPEG_Seeds();
    Write_BMP_Seeds();
    Write_Owner_Hall_Of_Fame_Seeds();
    Write_Old_Saved_Game_Seeds();
    Write_Played_League_Seeds();
    Write_Saved_Page_Seeds();
    Write_Simulator_Seeds();
    Write_Report_Seeds();
    std::filesystem::remove_all(folder);
    return 0;
}
