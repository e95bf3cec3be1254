#include "views/champions_view.h"

#include "app/sounds_and_cursors.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "platform/text_render.h"
#include "views/season_outcome.h"
#include "views/view_drawing.h"

namespace {
constexpr int32_t YEAR_FONT = 11;
constexpr int32_t OFF_SEASON_WEEK = 100;
constexpr int32_t CHAMPION_PLACE = 30;
constexpr int32_t DIVISION_WINNER = 5;
constexpr int32_t CONFERENCE_CHAMPION = 7;
constexpr int32_t LEAGUE_CHAMPION = 8;
} // namespace

int32_t Get_Champions_Year() {
    return Get_Current_Year() - (Get_User_Preference(CURRENT_WEEK) == OFF_SEASON_WEEK ? 1 : 0);
}

void Play_Champions_Celebration() {
    const int32_t team = Get_Best_Finishing_User_Team();
    if (Is_No_Team(team)) return;
    switch (Get_Team_Season_Outcome(team)) {
    case DIVISION_WINNER:
        Play_Sound_Effect("celeb1.wav");
        break;
    case CONFERENCE_CHAMPION:
        Play_Sound_Effect("celeb2.wav");
        break;
    case LEAGUE_CHAMPION:
        Play_Sound_Effect("celeb3.wav");
        break;
    default:
        break;
    }
}

void Paint_Champions_View(DEVICE_CONTEXT* dc) {
    const int32_t team = Get_Best_Finishing_User_Team();
    const int32_t outcome = Is_No_Team(team) ? 0 : Get_Team_Season_Outcome(team);
    const char* background = "news\\champs.jpg";
    COLOUR_VALUE colour = Make_Colour(0, 0, 128);
    if (outcome == DIVISION_WINNER) {
        background = "news\\divchamp.jpg";
        colour = Make_Colour(0, 0, 0);
    } else if (outcome == CONFERENCE_CHAMPION) {
        background = "news\\conferen.jpg";
        colour = Make_Colour(128, 0, 0);
    }
    VIEW_FONT font(dc, YEAR_FONT);
    Draw_View_Background(dc, background);
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    char text[FORMATTED_TEXT_SIZE];
    safe_sprintf(text, sizeof text, "%d", Get_Champions_Year());
    const uint32_t one_line = TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE;
    Draw_View_Text(dc, text, {190, 95, 570, 155}, one_line, colour);
    // Left open on a season no human team finished at the top (after the view
    // stayed up into another season), the page honours the league's champion.
    if (outcome == DIVISION_WINNER || outcome == CONFERENCE_CHAMPION || outcome == LEAGUE_CHAMPION) return;
    const int32_t champion = Get_Playoff_Team(CHAMPION_PLACE);
    if (!Is_Valid_Team_Code(champion)) return;
    Get_Team_Full_Name(champion, text);
    Draw_View_Text(dc, text, {190, 155, 570, 195}, one_line, colour);
}
