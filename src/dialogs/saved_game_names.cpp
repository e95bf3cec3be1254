#include "dialogs/saved_game_names.h"

#include <cstring>
#include <string>
#include <strings.h>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/safe_strings.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"

namespace {
// The closing year, its dash or opening parenthesis, and the closing
// parenthesis that end every default name.
constexpr int32_t DEFAULT_NAME_YEAR_TAIL = 6;

// A team's name as part of a file name: the characters that may stand in a
// file name of the folder (no separator, no control character).
std::string Plain_Team_Name(const char* name) {
    std::string plain;
    for (const char* c = name; *c != '\0'; ++c) {
        const char one[2] = {*c, '\0'};
        if (Is_Folder_File_Name(one)) plain.push_back(*c);
    }
    return plain;
}
} // namespace

std::string Describe_Save_Failure(const char* opening) {
    // The file and the system's reason are in debug.txt, where the save
    // logged them; the box says only what the game says of every failure.
    if (Get_Last_Save_Failure().Told) return "";
    return opening != nullptr ? opening : "";
}

std::string Describe_Too_Long_Name(const char* kind) {
    // The limit is the file's, whose name spells the letters of the game's
    // text beyond ASCII in two or three bytes; the message names two of
    // them in the game's own text, é and €.
    return std::string(kind) + " name can be at most " + std::to_string(SAVED_GAME_NAME_LIMIT) +
           " characters long, and a letter such as \xE9 or \x80"
           " counts as two or three.\n\nPlease choose a shorter name.";
}

int32_t Check_Saved_Game_Name(const char* name) {
    // Without a separator the name is that of a file in the folder: dots,
    // ".." among them, are its own. A typed name is told of a separator in
    // its own words, and also held to the length its files can take.
    const int32_t check = Check_Listed_Game_Name(name);
    if (check == SAVED_GAME_NAME_SEPARATOR) return SAVED_GAME_NAME_NOT_PLAIN;
    if (check != SAVED_GAME_NAME_OK) return check;
    if (File_Name_From_Text(name).size() > static_cast<size_t>(SAVED_GAME_NAME_LIMIT))
        return SAVED_GAME_NAME_TOO_LONG;
    return SAVED_GAME_NAME_OK;
}

int32_t Check_Listed_Game_Name(const char* name) {
    if (name == nullptr || name[0] == '\0') return SAVED_GAME_NAME_EMPTY;
    if (Has_Path_Separator(name)) return SAVED_GAME_NAME_SEPARATOR;
    if (Has_Control_Character(name)) return SAVED_GAME_NAME_CONTROL_CHARACTER;
    return SAVED_GAME_NAME_OK;
}

const char* Describe_Saved_Game_Name_Check(int32_t check) {
    switch (check) {
    case SAVED_GAME_NAME_EMPTY:
        return "Please type a name for the saved game.";
    case SAVED_GAME_NAME_NOT_PLAIN:
        return "A saved game's name can't contain \"/\" or \"\\\".\n\nPlease choose another name.";
    case SAVED_GAME_NAME_CONTROL_CHARACTER:
        return "A saved game's name can't contain control characters such as tabs or line breaks.\n\nPlease "
               "choose another name.";
    case SAVED_GAME_NAME_SEPARATOR:
        return "A saved game's name can't contain \"/\" or \"\\\".\n\nPlease rename the file.";
    case SAVED_GAME_NAME_TOO_LONG: {
        static const std::string text = Describe_Too_Long_Name("A saved game's");
        return text.c_str();
    }
    default:
        return "";
    }
}

void Get_Default_Save_Name(char* out, int32_t size) {
    if (out == nullptr || size <= 0) return;
    const int32_t year = Get_Current_Year();
    const int32_t base_year = Get_Universe_Stat(BASE_YEAR);
    if (Count_Human_Teams() > 1) {
        Active_Team_Count = Count_Active_Teams();
        safe_sprintf(out, size, "%d teams - %d players (%d)", Active_Team_Count, Count_Human_Teams(), year);
        return;
    }
    int32_t team = Get_User_Preference(USER_TEAM);
    if (Is_Valid_Team_Code(team) == 0) team = 0;
    char name[FORMATTED_TEXT_SIZE] = "";
    Get_Team_Full_Name(team, name);
    const std::string plain = Plain_Team_Name(name);
    if (year > base_year)
        safe_sprintf(out, size, "%s (%d-%d)", plain.c_str(), base_year, year);
    else
        safe_sprintf(out, size, "%s (%d)", plain.c_str(), year);
}

void Update_Default_Save_Name() {
    if (Get_Current_Year() <= Get_Universe_Stat(BASE_YEAR)) return;
    char fresh[DEFAULT_SAVE_NAME_SIZE];
    Get_Default_Save_Name(fresh, sizeof fresh);
    const int32_t compared = static_cast<int32_t>(std::strlen(fresh)) - DEFAULT_NAME_YEAR_TAIL;
    if (compared <= 0) return;
    if (strncasecmp(Universe.Header.Saved_Game_Name, fresh, static_cast<size_t>(compared)) == 0 &&
        std::strlen(Universe.Header.Saved_Game_Name) >= static_cast<size_t>(compared))
        Set_Saved_Game_Name(fresh);
}

void Get_Usable_Saved_Game_Name(char* out, int32_t size) {
    if (out == nullptr || size <= 0) return;
    char stored[sizeof Universe.Header.Saved_Game_Name];
    safe_strncpy(stored, Universe.Header.Saved_Game_Name, sizeof stored);
    if (Check_Saved_Game_Name(stored) == SAVED_GAME_NAME_OK) {
        safe_strncpy(out, stored, size);
        return;
    }
    char fresh[DEFAULT_SAVE_NAME_SIZE];
    Get_Default_Save_Name(fresh, sizeof fresh);
    safe_strncpy(out, Fit_File_Name(fresh, SAVED_GAME_NAME_LIMIT).c_str(), size);
}

void Auto_Save_Game() {
    char name[sizeof Universe.Header.Saved_Game_Name];
    Get_Usable_Saved_Game_Name(name, sizeof name);
    // The file carries the name it is saved under.
    Set_Saved_Game_Name(name);
    const std::string file = std::string(name) + ".kor";
    const int result = Save_Game(file.c_str(), nullptr);
    if (result == SAVE_OK) return;
    const std::string text = Describe_Save_Failure(
        result == SAVE_CANNOT_CREATE ? "Football Korva was unable to automatically save the game."
                                     : SAVE_WRITE_ERROR_TEXT);
    if (!text.empty())
        Show_Message_Box(text.c_str(), result == SAVE_CANNOT_CREATE ? "File Open Error" : "File Write Error",
                         BOX_OK | BOX_INFORMATION);
}
