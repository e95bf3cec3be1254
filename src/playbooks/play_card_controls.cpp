#include "playbooks/play_card_controls.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/main_window.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/string_table.h"
#include "database/team_record.h"
#include "database/text_files.h"
#include "database/text_format.h"
#include "engine/playbook_records.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "playbooks/gridiron_kit.h"
#include "playbooks/gridiron_values.h"
#include "playbooks/play_cards.h"
#include "playbooks/playbook_editor.h"
#include "reports/shell_open.h"

namespace {
constexpr int32_t TEXT_SIZE = 256;
constexpr int32_t OFFENSE_RATINGS = 7;
constexpr int32_t DEFENSE_RATINGS = 4;
constexpr int32_t BONUS_POSITIONS = 8;
constexpr int32_t MOST_BONUS = 30;
constexpr int32_t PLAY_KINDS = 4;
// A play name this long or longer does not fit on a card.
constexpr int32_t LONGEST_CARD_NAME = 27;

// What each of the nine combos offers: its first rating statistic (0: none)
// and how many lines, and whether "None" ends the list.
struct CARD_COMBO {
    int32_t First_Rating;
    int32_t Lines;
    bool With_None;
};
constexpr CARD_COMBO CARD_COMBOS[EDITOR_CARD_CONTROLS] = {
    {0, 2, false},                                // score type
    {CARD_PASS_BLOCKING, OFFENSE_RATINGS, false}, // offense #1
    {CARD_PASS_BLOCKING, OFFENSE_RATINGS, true},  // offense #2
    {CARD_RUN_DEFENSE, DEFENSE_RATINGS, false},   // defense #1
    {CARD_RUN_DEFENSE, DEFENSE_RATINGS, true},    // defense #2
    {CARD_PASS_BLOCKING, OFFENSE_RATINGS, true},  // bonus rating
    {0, BONUS_POSITIONS, false},                  // bonus position
    {0, MOST_BONUS + 1, false},                   // bonus value
    {0, PLAY_KINDS, false},                       // play type
};

WINDOW_HANDLE Card_Combo(WINDOW_HANDLE dialog, int32_t n) {
    return Get_Dialog_Item(dialog, EDITOR_FIRST_CARD_COMBO + n);
}

int32_t Team() {
    return Get_User_Preference(VIEWED_TEAM);
}

// The card values of the play the editor shows, of either side.
int8_t* Shown_Card_Values() {
    int32_t side = 0;
    const int32_t play = Get_Playbook_Editor_Play(&side, nullptr, nullptr);
    if (side == 0) {
        OFFENSIVE_PLAYBOOK* book = Get_Team_Offensive_Playbook(Team());
        return book != nullptr && play < STORED_OFFENSIVE_PLAYS ? book->Plays[play].Card_Values : nullptr;
    }
    DEFENSIVE_PLAYBOOK* book = Get_Team_Defensive_Playbook(Team());
    return book != nullptr && play < DEFENSIVE_PLAYS ? book->Plays[play].Card_Values : nullptr;
}

// The shown play's selection byte; only offensive plays are chosen for a card set.
uint8_t* Shown_Selection() {
    int32_t side = 0;
    const int32_t play = Get_Playbook_Editor_Play(&side, nullptr, nullptr);
    OFFENSIVE_PLAYBOOK* book = side == 0 ? Get_Team_Offensive_Playbook(Team()) : nullptr;
    return book != nullptr ? &book->Card_Selection[play] : nullptr;
}

void Line_Text(int32_t n, int32_t line, char* text) {
    const CARD_COMBO& combo = CARD_COMBOS[n];
    if (line == combo.Lines) {
        safe_strncpy(text, "None", TEXT_SIZE);
    } else if (combo.First_Rating != 0) {
        safe_strncpy(text, Get_Gridiron_Category_Name(combo.First_Rating + line), TEXT_SIZE);
    } else if (n == CARD_SCORE_TYPE) {
        safe_strncpy(text, line == 1 ? "Touchdown" : "Field Goal", TEXT_SIZE);
    } else if (n == CARD_BONUS_POSITION) {
        Load_Resource_String(STRING_POSITION_NAMES + line, text);
    } else if (n == CARD_BONUS_VALUE) {
        safe_sprintf(text, TEXT_SIZE, "+%d", line);
    } else {
        safe_strncpy(text, Get_Gridiron_Play_Type_Name(line), TEXT_SIZE);
    }
}

// The line a stored value selects: its own, "None" for any value outside a
// rating list that ends in it, else none.
int32_t Line_Of_Value(int32_t n, int32_t value) {
    const CARD_COMBO& combo = CARD_COMBOS[n];
    if (value >= 0 && value < combo.Lines) return value;
    return combo.With_None ? combo.Lines : -1;
}

// The values the combos describe: each selection, -1 where none is made.
void Read_Combo_Values(WINDOW_HANDLE dialog, int8_t values[EDITOR_CARD_CONTROLS]) {
    for (int32_t n = 0; n < EDITOR_CARD_CONTROLS; ++n)
        values[n] = static_cast<int8_t>(Combo_Box_Get_Current_Selection(Card_Combo(dialog, n)));
}

int32_t Percent(int32_t count, int32_t total) {
    return total > 0 ? count * 100 / total : 0;
}

// The built-in table's share, in percent, of rows whose field holds `value`.
int32_t Table_Share(int32_t field, int32_t value) {
    int32_t count = 0;
    for (int32_t row = 0; row < SCORING_CARD_ROWS; ++row)
        if (Get_Scoring_Card_Field(row, field) == value) ++count;
    return Percent(count, SCORING_CARD_ROWS);
}

const char* Category_Or_None(int32_t category) {
    return category >= 0 ? Get_Gridiron_Category_Name(category) : "None";
}
} // namespace

void Fill_Play_Card_Combos(WINDOW_HANDLE dialog) {
    char text[TEXT_SIZE];
    for (int32_t n = 0; n < EDITOR_CARD_CONTROLS; ++n) {
        const WINDOW_HANDLE combo = Card_Combo(dialog, n);
        Combo_Box_Reset_Content(combo);
        const int32_t lines = CARD_COMBOS[n].Lines + (CARD_COMBOS[n].With_None ? 1 : 0);
        for (int32_t line = 0; line < lines; ++line) {
            Line_Text(n, line, text);
            Combo_Box_Add_String(combo, text);
        }
    }
}

void Load_Play_Card_Values(WINDOW_HANDLE dialog) {
    const int8_t* values = Shown_Card_Values();
    for (int32_t n = 0; n < EDITOR_CARD_CONTROLS; ++n)
        Combo_Box_Set_Current_Selection(Card_Combo(dialog, n),
                                        values != nullptr ? Line_Of_Value(n, values[n]) : -1);
}

void Store_Play_Card_Values(WINDOW_HANDLE dialog) {
    int8_t* values = Shown_Card_Values();
    if (values != nullptr) Read_Combo_Values(dialog, values);
}

void Show_Play_Card_Count(WINDOW_HANDLE dialog) {
    const uint8_t* chosen = Shown_Selection();
    Check_Dialog_Button(dialog, EDITOR_CARD_SELECTION,
                        chosen != nullptr && *chosen != 0 ? BUTTON_CHECKED : BUTTON_UNCHECKED);
    char text[32];
    safe_sprintf(text, sizeof text, "%d / %d", Count_Chosen_Play_Cards(Team()), CARD_SET_PLAYS);
    Set_Dialog_Item_Text(dialog, EDITOR_CARD_COUNT, text);
}

void Toggle_Play_Card_Selection(WINDOW_HANDLE dialog) {
    uint8_t* chosen = Shown_Selection();
    const bool ticked = Is_Dialog_Button_Checked(dialog, EDITOR_CARD_SELECTION) == BUTTON_CHECKED;
    if (chosen != nullptr && (!ticked || *chosen != 0 || Count_Chosen_Play_Cards(Team()) < CARD_SET_PLAYS))
        *chosen = ticked ? 1 : 0;
    Show_Play_Card_Count(dialog);
}

void Check_Play_Card(WINDOW_HANDLE dialog) {
    int8_t values[EDITOR_CARD_CONTROLS];
    Read_Combo_Values(dialog, values);
    char feedback[512];
    Check_Play_Card(values, feedback);
    Set_Dialog_Item_Text(dialog, EDITOR_CARD_FEEDBACK, feedback);
}

void Remove_Play_Card_Controls(WINDOW_HANDLE dialog) {
    for (int32_t n = 0; n < EDITOR_CARD_CONTROLS; ++n) {
        Destroy_Window(Card_Combo(dialog, n));
        Destroy_Window(Get_Dialog_Item(dialog, EDITOR_FIRST_CARD_LABEL + n));
    }
    for (const int32_t id : {EDITOR_CARD_SELECTION, EDITOR_CARD_FEEDBACK, EDITOR_CARD_COUNT})
        Destroy_Window(Get_Dialog_Item(dialog, id));
}

void Remove_Result_Panels(WINDOW_HANDLE dialog) {
    for (int32_t panel = 0; panel < EDITOR_RESULT_PANELS; ++panel)
        Destroy_Window(Get_Dialog_Item(dialog, EDITOR_FIRST_RESULT + panel));
}

std::string Export_Play_Cards_Csv(int32_t team) {
    if (Get_Team_Offensive_Playbook(team) == nullptr) return std::string();
    char nickname[TEXT_SIZE], name[TEXT_SIZE + 32];
    Get_Team_String(nickname, team, 2);
    safe_sprintf(name, sizeof name, "%s-%d-Plays.csv", nickname, Get_Current_Year());
    // The file is named in the game's text; each line goes through the path
    // resolver, which spells the name on disk.
    std::error_code error;
    std::filesystem::remove(Resolve_File_Path(name), error);
    bool written = true;
    auto write = [&](const std::string& line) {
        written = Append_Line_To_File(name, line.c_str()) != 0 && written;
    };

    int32_t plays[CARD_SET_PLAYS];
    const int32_t cards = Get_Card_Set_Plays(team, plays);
    int32_t score_types[2] = {}, ratings[GRIDIRON_CATEGORIES] = {}, kinds[PLAY_KINDS] = {};
    write("Number,Play Name,Score Type,Offense1,Offense2,Defense1,Defense2,Bonus Rating,Bonus Position,Bonus "
          "Value");
    for (int32_t i = 0; i < cards; ++i) {
        const int32_t play = plays[i];
        char play_name[PLAY_NAME_LENGTH], position[TEXT_SIZE] = "";
        Get_Offensive_Play_Name(team, play, play_name, sizeof play_name);
        const int32_t length = static_cast<int32_t>(std::strlen(play_name));
        if (length > LONGEST_CARD_NAME)
            Show_Formatted_Message("Play Name Too Long",
                                   "Warning: Play Name Length Is %d Characters.\n\n(Play Number %d: %s)",
                                   length, play + 1, play_name);
        int8_t values[PLAY_CARD_VALUES];
        Get_Play_Card_Values(team, play, values);
        if (values[CARD_BONUS_POSITION] >= 0 && values[CARD_BONUS_POSITION] < BONUS_POSITIONS)
            Load_Resource_String(STRING_POSITION_NAMES + values[CARD_BONUS_POSITION], position);
        const int32_t score_type = values[CARD_SCORE_TYPE] == 1 ? 1 : 0;
        char line[4 * TEXT_SIZE];
        safe_sprintf(line, sizeof line, "%d,%s,%s,%s,%s,%s,%s,%s,%s,+%d", play + 1,
                     Quote_Csv_Field(play_name).c_str(), score_type == 1 ? "Touchdown" : "Field Goal",
                     Category_Or_None(Get_Play_Card_Category_Of(values, 1)),
                     Category_Or_None(Get_Play_Card_Category_Of(values, 2)),
                     Category_Or_None(Get_Play_Card_Category_Of(values, 3)),
                     Category_Or_None(Get_Play_Card_Category_Of(values, 4)),
                     Category_Or_None(Get_Play_Card_Category_Of(values, 5)), position,
                     values[CARD_BONUS_VALUE]);
        write(line);
        ++score_types[score_type];
        for (int32_t slot = 1; slot <= 4; ++slot) {
            const int32_t category = Get_Play_Card_Category_Of(values, slot);
            if (category >= 0) ++ratings[category - GRIDIRON_FIRST_CATEGORY];
        }
        if (values[CARD_PLAY_KIND] >= 0 && values[CARD_PLAY_KIND] < PLAY_KINDS)
            ++kinds[values[CARD_PLAY_KIND]];
    }

    // The ideal shares are those of the built-in table.
    char line[TEXT_SIZE];
    write("Score Type,Count,Percent,Ideal");
    for (int32_t type = 0; type < 2; ++type) {
        safe_sprintf(line, sizeof line, "%s,%d,%d%%,\"[%d%%]\"", type == 1 ? "Touchdown" : "Field Goal",
                     score_types[type], Percent(score_types[type], cards), Table_Share(0, type));
        write(line);
    }
    write("Rating,Count,Percent,Ideal");
    int32_t named = 0;
    for (int32_t c = 0; c < GRIDIRON_CATEGORIES; ++c) {
        safe_sprintf(line, sizeof line, "%s,%d,%d%%,\"[25%%]\"",
                     Get_Gridiron_Category_Name(GRIDIRON_FIRST_CATEGORY + c), ratings[c],
                     Percent(ratings[c], cards));
        write(line);
        named += ratings[c];
    }
    // A card names one or two ratings of each side.
    safe_sprintf(line, sizeof line, ",%d,,[%d-%d]", named, 2 * cards, 4 * cards);
    write(line);
    write("Play Type,Count,Percent,Ideal");
    for (int32_t kind = 0; kind < PLAY_KINDS; ++kind) {
        safe_sprintf(line, sizeof line, "%s,%d,%d%%,[%d%%]", Get_Gridiron_Play_Type_Name(kind), kinds[kind],
                     Percent(kinds[kind], cards), Table_Share(8, kind));
        write(line);
    }
    if (!written) return std::string();
    Shell_Open(Main_Window, name);
    return Resolve_File_Path(name);
}
