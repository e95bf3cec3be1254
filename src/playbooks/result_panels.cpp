#include "playbooks/result_panels.h"

#include <string>
#include <vector>

#include "app/dialog_services.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "engine/playbook_records.h"
#include "platform/windows.h"
#include "playbooks/play_diagrams.h"
#include "playbooks/playbook_editor.h"
#include "views/defensive_keys.h"

namespace {
// The small application font the panels and the slot buttons are written in
// while it fits them.
constexpr int32_t EDITOR_SMALL_FONT = 0;
// Counters as large as a play's records hold them, every event on every
// play: the widest figures a panel shows.
constexpr PLAY_RESULT_COUNTS FULLEST_COUNTS = {65535, 65535 * 99, 65535, 65535, 65535, 65535};
constexpr const char* WIDEST_RATING = "A+";
constexpr const char* WIDEST_ROUTE = "Primary Route:\n99-99 Yards";
// A slot button's scouted overall rating, marked for the ball carrier or
// primary receiver.
constexpr const char* WIDEST_SLOT_VALUE = "100*";

// The counters of situation or category `n` of a play, offence or defence.
template <typename RESULT_DATA> PLAY_RESULT_COUNTS Counts_Of(const RESULT_DATA& r, int32_t play, int32_t n) {
    return {r.Called[play][n],     r.Yards[play][n],     r.First_Downs[play][n],
            r.Touchdowns[play][n], r.Turnovers[play][n], r.Sacks[play][n]};
}

// "(n Plays)" and the rates of a called play, one a line; `plays_word` is
// "Play" or "Plays" as the panel counts them.
std::string Format_Result_Rates(const PLAY_RESULT_COUNTS& counts, const char* plays_word) {
    char text[RESULT_PANEL_TEXT_SIZE];
    const double plays = counts.Called;
    safe_sprintf(text, sizeof text,
                 "(%d %s)\n%.1f Yards/Play\nFirst Down: %.0f%%\nTouchdown: %.0f%%\nTurnover: %.0f%%\nSack: "
                 "%.0f%%",
                 counts.Called, plays_word, counts.Yards / plays, counts.First_Downs * 100.0 / plays,
                 counts.Touchdowns * 100.0 / plays, counts.Turnovers * 100.0 / plays,
                 counts.Sacks * 100.0 / plays);
    return text;
}

// The tallest and widest text each side writes in each panel.
std::vector<CONTROL_TEXT> Fullest_Panel_Texts() {
    std::vector<CONTROL_TEXT> texts;
    char text[RESULT_PANEL_TEXT_SIZE];
    for (int32_t panel = 0; panel < EDITOR_RESULT_PANELS; ++panel) {
        if (panel < OFFENSIVE_SITUATIONS)
            Format_Offense_Result_Panel(text, panel, FULLEST_COUNTS);
        else
            safe_strncpy(text, WIDEST_ROUTE, sizeof text);
        texts.push_back({EDITOR_FIRST_RESULT + panel, text});
        Format_Defense_Result_Panel(text, panel, FULLEST_COUNTS, WIDEST_RATING);
        texts.push_back({EDITOR_FIRST_RESULT + panel, text});
    }
    return texts;
}
} // namespace

void Format_Offense_Result_Panel(char* text, int32_t situation, const PLAY_RESULT_COUNTS& counts) {
    const char* name = Get_Result_Situation_Name(situation);
    const int32_t n = counts.Called;
    if (n == 0) {
        safe_sprintf(text, RESULT_PANEL_TEXT_SIZE, "%s\n(0 Plays)", name);
        return;
    }
    safe_sprintf(text, RESULT_PANEL_TEXT_SIZE, "%s\n%s", name,
                 Format_Result_Rates(counts, n >= 2 ? "Plays" : "Play").c_str());
}

void Format_Defense_Result_Panel(char* text, int32_t category, const PLAY_RESULT_COUNTS& counts,
                                 const char* rating) {
    const char* name = Get_Result_Category_Name(category);
    const int32_t n = counts.Called;
    if (n == 0) {
        safe_sprintf(text, RESULT_PANEL_TEXT_SIZE, "Versus\n%s\n(%d Plays)\n\n\n\n\n\n\nRating: %s", name, n,
                     rating);
        return;
    }
    safe_sprintf(text, RESULT_PANEL_TEXT_SIZE, "Versus\n%s\n%s\n\nRating: %s", name,
                 Format_Result_Rates(counts, "Plays").c_str(), rating);
}

void Show_Play_Results(WINDOW_HANDLE dialog) {
    const int32_t team = Get_User_Preference(VIEWED_TEAM);
    int32_t side = 0;
    const int32_t play = Get_Playbook_Editor_Play(&side, nullptr, nullptr);
    char text[RESULT_PANEL_TEXT_SIZE];
    if (side == 0) {
        const OFFENSIVE_RESULT_DATA& r = Get_Team_Offensive_Playbook(team)->Results;
        for (int32_t s = 0; s < OFFENSIVE_SITUATIONS; ++s) {
            Format_Offense_Result_Panel(text, s, Counts_Of(r, play, s));
            Set_Dialog_Item_Text(dialog, EDITOR_FIRST_RESULT + s, text);
        }
        Get_Primary_Route_Text(text, team, play, true);
        Set_Dialog_Item_Text(dialog, EDITOR_FIRST_RESULT + OFFENSIVE_SITUATIONS, text);
        return;
    }
    const DEFENSIVE_RESULT_DATA& r = Get_Team_Defensive_Playbook(team)->Results;
    for (int32_t c = 0; c < DEFENSIVE_CATEGORIES; ++c) {
        char rating[40];
        Draw_Defensive_Keys_Panel_No_Label(rating, c, team, play);
        Format_Defense_Result_Panel(text, c, Counts_Of(r, play, c), rating);
        Set_Dialog_Item_Text(dialog, EDITOR_FIRST_RESULT + c, text);
    }
}

void Fit_Editor_Small_Fonts(WINDOW_HANDLE dialog) {
    Set_Fitting_Controls_Font(dialog, Fullest_Panel_Texts(), EDITOR_SMALL_FONT);
    std::vector<CONTROL_TEXT> values;
    for (const int32_t id : EDITOR_SLOT_BUTTONS)
        values.push_back({id, WIDEST_SLOT_VALUE});
    Set_Fitting_Controls_Font(dialog, values, EDITOR_SMALL_FONT);
}
