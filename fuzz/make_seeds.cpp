// Writes the seed corpus of every fuzz target into <folder>/<target>/: small
// valid inputs built by the game's own writers (a saved game, playbooks, a
// cities export), schedule and statistics files naming the test league's teams
// and players, and the damaged values the readers must survive.
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

#include "database/cities.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_queries.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/playbook_records.h"
#include "platform/message_box.h"
#include "saved_game_block_fuzz.h"
#include "support/test_league.h"
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

    Build_Test_League();
    const int32_t* base_year = &Universe.Header.Universe_Stats[BASE_YEAR];
    const int32_t* season = &Universe.User_Preferences.Ints[CURRENT_SEASON_INDEX];
    const int32_t* checksum = &Universe.User_Preferences.Ints[GAME_CHECKSUM];
    Write_Seed("saved_game_block", "unchanged", Block_Input("2002"));
    for (const char* digits : {"1000", "4101", "3000", "8600"})
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
    BYTES defense{1};
    bytes = reinterpret_cast<const uint8_t*>(&block.Defense);
    defense.insert(defense.end(), bytes, bytes + sizeof block.Defense);
    Write_Seed("playbook_file", "default.dpb", defense);
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
}

void Write_Text_Seeds() {
    Write_Seed("command_line", "flags",
               std::string("IS_NOT_RANDOM -w DTXT_AGG") + '\0' +
                   "SHOW_SYSTEM_ERRORS\nDTXT_PBPDIAGRAM DTXT_PBPSELECTOR\n");
    Write_Seed("command_line", "no_file", std::string("DTXT_PBPSELECTOR"));
    Write_Seed("line_readers", "lines", std::string("\x10") + "a,b,,c\r\nd\n\n\re,f\rg\nlast");
    Write_Seed("line_readers", "long_line", std::string("\x03") + std::string(100, 'x') + ",y\n");
}

void Write_Draft_Input_Seeds() {
    std::string talent;
    std::string strategy;
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
        talent += std::to_string(10 * (position % 3)) + ",0," + std::to_string(position) + "\n";
        strategy += std::to_string(15 - 5 * (position % 4)) + "\n";
    }
    Write_Seed("draft_input_files", "installed", talent + '\0' + strategy);
    Write_Seed("draft_input_files", "damaged",
               std::string("99999,abc, 7 \r\n-32768,32767\n\n,,,\n1.5,2") + '\0' + "x\n-40000\n 12\t\n");
    Write_Seed("draft_input_files", "no_strategy", talent);
}

std::string Team_Name(int32_t team) {
    char name[FORMATTED_TEXT_SIZE];
    Get_Team_Full_Name(team, name);
    return name;
}

void Write_Schedule_Seeds() {
    Build_Test_League();
    const std::string a = Team_Name(0), b = Team_Name(1), c = Team_Name(2), d = Team_Name(3);
    Write_Seed("historic_schedule", "season.csv",
               "Week,Away_Team,Home_Team,Day,Date\n1," + b + "," + a + ",Sun,9/10\n1," + d + "," + c +
                   ",Sun,9/10\n2," + a + "," + c + ",Mon,9/18\n18," + d + "," + b + ",Sun,1/1\n19," + b +
                   "," + a + ",Sun,1/8\n3," + d + "," + d + ",Sun,9/24\n4,Nobody," + a + ",Sun,10/1\n");
    Write_Seed("historic_schedule", "export.txt",
               "Week,Day,Date,Time,Winner,at,Loser\n1,Sun,September 10,1:00PM," + b + ",@," + a +
                   ",20,17\n2,Mon,September 18,8:30PM," + c + ",," + a + ",31,3\nWeek,Day\n,,\n");
}

// One line of the seasons file: 97 fields, those given filled.
std::string Seasons_Line(std::initializer_list<std::pair<int32_t, std::string>> fields) {
    std::string columns[98];
    for (const auto& [column, text] : fields)
        columns[column] = text;
    std::string line;
    for (int32_t column = 1; column <= 97; ++column)
        line += (column > 1 ? "," : "") + columns[column];
    return line + "\n";
}

void Write_Seasons_Seeds() {
    Build_Test_League();
    std::string file = "ID,PlayerID,Flag,Year,Team\n";
    std::string old_file = file;
    for (int32_t position : {POSITION_QB, POSITION_RB, POSITION_WR, POSITION_G, POSITION_LB, POSITION_K}) {
        const int32_t slot = Get_Team_Position_Player(4, position, 0);
        char team[TEAM_STRING_LENGTH];
        Get_Team_String(team, 4, 0);
        char name[PLAYER_NAME_TEXT_SIZE];
        Get_Player_Full_Name(4, slot, name);
        const std::string id = std::to_string(Get_Player_ID(4, slot));
        for (int32_t column : {0, 1}) {
            const std::string year = column == 0 ? "2020" : "1980";
            std::string& out = column == 0 ? file : old_file;
            out += Seasons_Line({{2, id},
                                 {3, "REG"},
                                 {4, year},
                                 {5, team},
                                 {7, name},
                                 {10, "16"},
                                 {11, "12"},
                                 {12, "500"},
                                 {21, "250"},
                                 {26, "80"},
                                 {40, "60"},
                                 {43, "4.5"},
                                 {51, "3"},
                                 {59, "70"},
                                 {82, "20"},
                                 {83, "5"},
                                 {95, "9"}});
            out += Seasons_Line({{3, "POST"}, {4, year}, {7, name}, {5, team}, {10, "3"}});
            out += Seasons_Line({{4, year}, {5, "2TM"}, {7, std::string(name) + "*"}, {10, "4"}});
        }
    }
    // The first byte picks the year: 70 is 2020, 30 is 1980.
    Write_Seed("seasons_csv", "this_year", std::string(1, 70) + file);
    Write_Seed("seasons_csv", "old_year", std::string(1, 30) + old_file);
    // A defender of an old season with figures no season holds.
    const int32_t defender = Get_Team_Position_Player(4, POSITION_LB, 0);
    char team[TEAM_STRING_LENGTH];
    Get_Team_String(team, 4, 0);
    const std::string huge = "2147483647";
    Write_Seed("seasons_csv", "huge_numbers",
               std::string(1, 30) + "h\n" +
                   Seasons_Line({{2, std::to_string(Get_Player_ID(4, defender))},
                                 {4, "1980"},
                                 {5, team},
                                 {10, huge},
                                 {11, huge},
                                 {43, "1e300"},
                                 {51, huge},
                                 {95, huge}}));
}

void Write_Registry_Seeds() {
    Write_Seed("registry_file", "values",
               std::string("[SOFTWARE\\Other]\nName=text:Keep me\\nplease\r\n[SOFTWARE\\Sports "
                           "Korva\\Football Korva\\2019]\nPath=text:old\nVersion=number:1\n"));
    Write_Seed(
        "registry_file", "stray_lines",
        std::string("stray\n=novalue\n[]\n[SOFTWARE\\Other]\nName=number:5\n[SOFTWARE\\Other]\nName=text:"));
}

void Write_Owner_Fame_Seeds() {
    BYTES image(OWNER_HALL_OF_FAME_SIZE);
    Fill_New_Owner_Hall_Of_Fame_Image(image.data());
    Write_Seed("owner_fame_file", "rebuilt.dat", image);
    Write_Seed("owner_fame_file", "short.dat", BYTES(image.begin(), image.begin() + 600));
    std::memset(image.data(), 'x', 512);
    Write_Seed("owner_fame_file", "unended_texts.dat", image);
}

void Write_Name_Seeds() {
    Write_Seed("name_files", "names",
               std::string("John\nMike\r\nA very long first name indeed\n\n") + '\0' +
                   "SMITH JONES\nO'BRIEN\n van\nMACDONALD\n");
    Write_Seed("name_files", "one_line", std::string("Bo"));
}
} // namespace

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
    Write_Draft_Input_Seeds();
    Write_Schedule_Seeds();
    Write_Seasons_Seeds();
    Write_Registry_Seeds();
    Write_Name_Seeds();
    Write_Owner_Fame_Seeds();
    std::filesystem::remove_all(folder);
    return 0;
}
