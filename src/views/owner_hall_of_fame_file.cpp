#include "views/owner_hall_of_fame_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>

#include "app/diagnostics.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_history.h"
#include "database/team_record.h"
#include "platform/message_box.h"

namespace {
const char* const FAME_FILE_NAME = "KorFame.dat";
constexpr int32_t GENERAL_MANAGER_STRING = 5;
constexpr int32_t FINANCIAL_SCORE_STAT = 74;
constexpr int32_t KORVA_RATING = 0;
// Career sums of Get_Team_History_Stat, in the order of the entry's ints 2-6.
constexpr int32_t HISTORY_SUMS[5] = {1, 2, 3, 4, 5};

std::unique_ptr<uint8_t[]> New_Image() {
    return std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[OWNER_HALL_OF_FAME_SIZE]);
}

int32_t Team_Rating(int32_t team) {
    return Is_No_Team(team) ? 0 : Get_Team_History_Stat(team, KORVA_RATING);
}

void Put_Built_In_Entries(uint8_t* image) {
    for (int32_t level = 0; level < FAME_LEVELS; ++level)
        for (int32_t k = 0; k < FAME_ENTRIES; ++k) {
            const BUILT_IN_FAME_ENTRY& entry = Built_In_Fame_Entries[k];
            Set_Fame_Entry_Text(image, level, k, FAME_NAME_FIELD, entry.Name);
            Set_Fame_Entry_Text(image, level, k, FAME_TEAM_FIELD, entry.Team);
            const int32_t ints[FAME_ENTRY_INTS] = {
                entry.First_Season, entry.Last_Season,    entry.Wins,   entry.Losses,        entry.Ties,
                entry.Playoff_Wins, entry.Playoff_Losses, entry.Rating, FAME_CLASS_BUILT_IN, 0};
            for (int32_t n = 0; n < FAME_ENTRY_INTS; ++n)
                Set_Fame_Entry_Int(image, level, k, n, ints[n]);
        }
}
} // namespace

void Fill_New_Owner_Hall_Of_Fame_Image(uint8_t* image) {
    if (image == nullptr) return;
    std::memset(image, 0, OWNER_HALL_OF_FAME_SIZE);
    Put_Built_In_Entries(image);
    std::memcpy(image + OWNER_NAME_OFFSET, "My Name", 8);
}

int32_t Rebuild_Owner_Hall_Of_Fame_File() {
    Report_System_Error("Rebuilding permanent file.");
    std::unique_ptr<uint8_t[]> image = New_Image();
    if (!image) return 0;
    Fill_New_Owner_Hall_Of_Fame_Image(image.get());
    return Write_Owner_Hall_Of_Fame_File(image.get());
}

int32_t Ensure_Owner_Hall_Of_Fame_File() {
    // The name is looked up, not opened: a file that is there but cannot be
    // read keeps its retired owners, and its readers say it cannot be read.
    std::error_code error;
    const std::filesystem::file_status status =
        std::filesystem::symlink_status(Resolve_File_Path(FAME_FILE_NAME), error);
    if (!error && std::filesystem::exists(status)) return 0;
    Rebuild_Owner_Hall_Of_Fame_File();
    return 1;
}

void Set_Owner_Hall_Of_Fame_Value(int32_t slot, int32_t value) {
    if (slot < 0 || slot >= VALUE_SLOT_COUNT) return;
    Update_Owner_Hall_Of_Fame_File([&](uint8_t* image) {
        std::memcpy(image + VALUE_SLOTS_OFFSET + 4 * slot, &value, sizeof value);
        return true;
    });
}

int32_t Get_Owner_Hall_Of_Fame_Value(int32_t slot) {
    if (slot < 0 || slot >= VALUE_SLOT_COUNT) return 0;
    std::unique_ptr<uint8_t[]> image = New_Image();
    if (!image || !Try_Read_Owner_Hall_Of_Fame_File(image.get())) return 0;
    int32_t value = 0;
    std::memcpy(&value, image.get() + VALUE_SLOTS_OFFSET + 4 * slot, sizeof value);
    return value;
}

int32_t Get_Best_Human_Team() {
    int32_t best = NO_TEAM;
    int32_t best_rating = 0;
    const int32_t humans = Count_Human_Teams();
    for (int32_t n = 0; n < humans; ++n) {
        const int32_t team = Get_Nth_Human_Team(n);
        if (Is_No_Team(team)) continue;
        const int32_t rating = Team_Rating(team);
        if (Is_No_Team(best) || rating >= best_rating) {
            best = team;
            best_rating = rating;
        }
    }
    return best;
}

int32_t Get_Best_Rated_Team() {
    int32_t best = NO_TEAM;
    int32_t best_rating = 0;
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams && team < MAX_FRANCHISES; ++team) {
        if (!Is_Active_Team(team)) continue;
        const int32_t rating = Team_Rating(team);
        if (Is_No_Team(best) || rating >= best_rating) {
            best = team;
            best_rating = rating;
        }
    }
    return best;
}

int32_t Get_Team_Career_First_Year(int32_t team) {
    const int32_t first = Get_Team_Played_Season(team, Count_Team_Played_Seasons(team) - 1);
    return Get_Universe_Stat(BASE_YEAR) + std::max(first, 0);
}

int32_t Get_Fame_Difficulty_Level() {
    const int32_t level = Get_User_Preference(DIFFICULTY_LEVEL);
    return level >= 0 && level < FAME_LEVELS ? level : 0;
}

void Add_Owner_Hall_Of_Fame_Entry(uint8_t* buffer) {
    if (buffer == nullptr) return;
    const int32_t team = Get_Best_Human_Team();
    const int32_t rating = Team_Rating(team);
    const int32_t level = Get_Fame_Difficulty_Level();
    int32_t place = 0;
    while (place < FAME_ENTRIES - 1 && Get_Fame_Entry_Int(buffer, level, place, FAME_RATING) >= rating)
        ++place;
    const size_t block = static_cast<size_t>(level * FAME_BLOCK_SIZE);
    if (place < FAME_ENTRIES - 1)
        std::memmove(buffer + block + (place + 1) * FAME_ENTRY_SIZE, buffer + block + place * FAME_ENTRY_SIZE,
                     static_cast<size_t>((FAME_ENTRIES - 1 - place) * FAME_ENTRY_SIZE));
    std::memset(buffer + block + place * FAME_ENTRY_SIZE, 0, FAME_ENTRY_SIZE);

    char text[FORMATTED_TEXT_SIZE];
    Get_Team_String(text, team, GENERAL_MANAGER_STRING);
    Set_Fame_Entry_Text(buffer, level, place, FAME_NAME_FIELD, Is_No_Team(team) ? "" : text);
    Get_Team_Location_Name(team, text);
    Set_Fame_Entry_Text(buffer, level, place, FAME_TEAM_FIELD, text);
    Set_Fame_Entry_Int(buffer, level, place, FAME_FIRST_SEASON, Get_Team_Career_First_Year(team));
    Set_Fame_Entry_Int(buffer, level, place, FAME_LAST_SEASON, Get_Current_Year() - 1);
    for (int32_t k = 0; k < 5; ++k)
        Set_Fame_Entry_Int(buffer, level, place, FAME_WINS + k,
                           Is_No_Team(team) ? 0 : Get_Team_History_Stat(team, HISTORY_SUMS[k]));
    Set_Fame_Entry_Int(buffer, level, place, FAME_RATING, rating);
    Show_Formatted_Message(
        "Korva Rating", "You used either Commissioner Mode, Advanced Game Options, or Resume Game to achieve "
                        "your Korva Rating. It will be shown in gray. Korva Ratings earned without these "
                        "features are shown in white.");
    Set_Fame_Entry_Int(buffer, level, place, FAME_DISPLAY_CLASS, FAME_CLASS_ASSISTED);
    Set_Fame_Entry_Int(buffer, level, place, FAME_FINANCIAL_SCORE,
                       Is_No_Team(team) ? 0 : Get_Team_Financial_Stat(team, FINANCIAL_SCORE_STAT));
}

int32_t Retire_Owner() {
    const int32_t rating = Team_Rating(Get_Best_Human_Team());
    std::unique_ptr<uint8_t[]> image = New_Image();
    if (!image) return 0;
    // A file that cannot be read has no place to offer: the owner may still
    // retire, and the file is left as it is.
    const bool readable = Read_Owner_Hall_Of_Fame_File(image.get()) != 0;
    const int32_t tenth =
        Get_Fame_Entry_Int(image.get(), Get_Fame_Difficulty_Level(), FAME_ENTRIES - 1, FAME_RATING);
    const unsigned flags = BOX_YES_NO | BOX_QUESTION | BOX_TASK_MODAL;
    if (!readable || rating <= tenth) {
        char text[256];
        std::snprintf(
            text, sizeof text,
            "Your Korva Rating of %d.%d does not qualify for the Korva Hall Of Fame. Retire anyway?",
            rating / 10, rating % 10);
        return Show_Message_Box(text, "Retirement", flags) == ID_BOX_YES ? 1 : 0;
    }
    if (Show_Message_Box("Congratulations. Your score qualifies for the Korva Hall Of Fame. Are you sure you "
                         "want to retire?",
                         "Retirement", flags) != ID_BOX_YES)
        return 0;
    Update_Owner_Hall_Of_Fame_File([](uint8_t* file_image) {
        Add_Owner_Hall_Of_Fame_Entry(file_image);
        return true;
    });
    return 1;
}
