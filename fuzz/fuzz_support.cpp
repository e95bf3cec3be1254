#include "fuzz_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

#include "database/game_names.h"
#include "database/saved_game.h"
#include "database/text_format.h"
#include "platform/message_box.h"
#include "support/test_league.h"

void Enter_Fuzz_Folder() {
    static bool entered = false;
    if (entered) return;
    entered = true;
    std::string pattern = (std::filesystem::temp_directory_path() / "korva-fuzz-XXXXXX").string();
    const char* folder = mkdtemp(pattern.data());
    if (folder == nullptr || chdir(folder) != 0) {
        fprintf(stderr, "fuzz: cannot enter a temporary folder\n");
        abort();
    }
    // The folder goes when the run ends, whatever the fuzzer found.
    static const std::string remembered = folder;
    atexit([] { std::filesystem::remove_all(remembered); });
}

void Enter_Fuzz_Folder_With_Empty_League() {
    static bool cleared = false;
    Enter_Fuzz_Folder();
    if (cleared) return;
    cleared = true;
    Clear_Universe();
}

void Enter_Fuzz_Folder_With_Test_League() {
    static bool built = false;
    Enter_Fuzz_Folder();
    if (built) return;
    built = true;
    Build_Test_League();
}

FUZZ_PARTS Split_Fuzz_Input(const uint8_t* data, size_t size) {
    const auto* nul = static_cast<const uint8_t*>(memchr(data, 0, size));
    if (nul == nullptr) return {data, size, data + size, 0};
    const size_t first = static_cast<size_t>(nul - data);
    return {data, first, nul + 1, size - first - 1};
}

void Write_Fuzz_File(const std::string& name, const uint8_t* data, size_t size) {
    const std::filesystem::path path(name);
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void Reset_Fuzz_Messages() {
    static unsigned runs = 0;
    Clear_Shown_Messages();
    if (++runs % 1000 == 0) std::remove("debug.txt");
}

std::string Last_Message_Caption() {
    const auto& shown = Get_Shown_Messages();
    return shown.empty() ? std::string() : shown.back().Caption;
}

void Fuzz_Check(bool condition, const char* what) {
    if (condition) return;
    fprintf(stderr, "fuzz check failed: %s\n", what);
    abort();
}

std::string Make_Round_Robin_Schedule(int32_t weeks, int32_t first_team, int32_t teams) {
    std::string text = "Week,Away_Team,Home_Team,Day,Date\n";
    std::vector<int32_t> order;
    for (int32_t n = 0; n < teams; ++n)
        order.push_back(first_team + n);
    char away[FORMATTED_TEXT_SIZE];
    char home[FORMATTED_TEXT_SIZE];
    for (int32_t week = 1; week <= weeks; ++week) {
        for (int32_t n = 0; n < teams / 2; ++n) {
            Get_Team_Full_Name(order[static_cast<size_t>(n)], away);
            Get_Team_Full_Name(order[static_cast<size_t>(teams - 1 - n)], home);
            text +=
                std::to_string(week) + "," + away + "," + home + ",Sun,Sept " + std::to_string(week) + "\n";
        }
        std::rotate(order.begin() + 1, order.end() - 1, order.end());
    }
    return text;
}
