#include "views/playoffs_view.h"

#include <string>
#include <vector>

#include "app/design_scaling.h"
#include "app/drawing_primitives.h"
#include "app/image_drawing.h"
#include "app/skins.h"
#include "app/sounds_and_cursors.h"
#include "database/game_names.h"
#include "database/game_queries.h"
#include "database/game_record_layout.h"
#include "database/league_structure.h"
#include "database/money_text.h"
#include "database/playoff_bracket.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "platform/text_render.h"
#include "season/historic_reference.h"
#include "views/current_view.h"
#include "views/view_drawing.h"

namespace {
constexpr int32_t CALENDAR_VIEW = 40036;
constexpr int32_t GAMES_VIEW = 40086;
constexpr int32_t SEED_STAT = 9;
constexpr int32_t BOX_WIDTH = 110;
constexpr int32_t BOX_HEIGHT = 14;
constexpr int32_t CAPTION_FONT = 10;
constexpr int32_t TITLE_FONT = 20;
constexpr int32_t SEED_FONT = 4;
constexpr int32_t NAME_FONT = 6;

// The skin's picture of the bracket furniture.
void Draw_Skin_Picture(DEVICE_CONTEXT* dc, const char* file, const RECT_AREA& box) {
    char name[CURRENT_BACKGROUND_NAME_SIZE];
    safe_strncpy(name, file, sizeof name);
    Get_Skin_File_Path(name, sizeof name);
    Draw_Cached_Image_In_Rect(dc, name, box.Left, box.Top, box.Right - box.Left, box.Bottom - box.Top, 0);
}

bool Has_Team(int32_t place) {
    return Is_Valid_Team_Code(Get_Playoff_Team(place)) != 0;
}

// The place's box as the table gives it, before halving.
RECT_AREA Place_Box(int32_t place) {
    int32_t x = 30, y = 0;
    if (place < 16) {
        y = place % 2 == 0 ? 66 + 24 * place : 62 + 24 * place;
    } else if (place < 24) {
        x = 155, y = 48 * place - 692;
    } else if (place < 28) {
        x = 280, y = 96 * place - 2204;
    } else if (place < 30) {
        x = 405, y = place == 28 ? 148 : 340;
    } else {
        x = 530, y = 244;
    }
    return {x, y, x + BOX_WIDTH, y + BOX_HEIGHT};
}

// A place's two boxes together, grown by 4 on each side.
RECT_AREA Whole_Box(int32_t place) {
    RECT_AREA upper, lower;
    Get_Playoff_Slot_Box(place, 0, &upper);
    Get_Playoff_Slot_Box(place, 1, &lower);
    return {upper.Left - 4, upper.Top - 4, lower.Right + 4, lower.Bottom + 4};
}

VIEW_COLOURS Team_Colours(int32_t team) {
    const bool out = Get_Team_Record_Char(team, RECORD_CHAR_PLAYOFF_LOSSES) > 0;
    if (Is_Human_Team(team)) return out ? VIEW_COLOURS{0xAAAAFF, 0xB45050} : VIEW_COLOURS{0xD7D7FF, 0x821E1E};
    return out ? VIEW_COLOURS{0x2EA6AA, 0x3232B4} : VIEW_COLOURS{0x45F9FF, 0x00006E};
}

// The window-pixel middle of a place between its upper box's top and its lower box's bottom.
int32_t Scaled_Middle(int32_t place) {
    RECT_AREA upper, lower;
    Get_Playoff_Slot_Box(place, 0, &upper);
    Get_Playoff_Slot_Box(place, 1, &lower);
    RECT_AREA both = {upper.Left, upper.Top, lower.Right, lower.Bottom};
    Scale_Rect_To_Window(&both);
    return (both.Top + both.Bottom) / 2;
}

void Draw_Connectors(DEVICE_CONTEXT* dc) {
    RECT_AREA gap = {0, 0, 15, 0};
    Scale_Rect_To_Window(&gap);
    const int32_t g = gap.Right - gap.Left, h = g / 2;
    const COLOUR_VALUE black = Make_Colour(0, 0, 0);
    for (int32_t place = 16; place < PLAYOFF_PLACES; ++place) {
        int32_t feeders[2];
        Get_Playoff_Feeders(place, feeders);
        const int32_t a = feeders[0], b = feeders[1];
        if (Get_Playoff_Slot_Kind(place) != 2 || Get_Playoff_Slot_Kind(b) == 0) continue;
        RECT_AREA box = Place_Box(place);
        Scale_Rect_To_Window(&box);
        const int32_t m = Scaled_Middle(place);
        Fill_Rectangle_Borderless(dc, {box.Left - h - 1, m - 2, box.Left + 5, m + 2}, black);
        RECT_AREA feeder = Place_Box(a);
        Scale_Rect_To_Window(&feeder);
        const int32_t r = feeder.Right, ma = Scaled_Middle(a), mb = Scaled_Middle(b);
        Fill_Rectangle_Borderless(dc, {r - 5, ma - 2, r + h + 2, ma + 2}, black);
        Fill_Rectangle_Borderless(dc, {r - 5, mb - 2, r + h + 2, mb + 2}, black);
        Fill_Rectangle_Borderless(dc, {r + h - 2, ma, r + h + 2, mb}, black);
    }
}

void Draw_Place(DEVICE_CONTEXT* dc, int32_t place) {
    const int32_t kind = Get_Playoff_Slot_Kind(place);
    if (kind == 0) return;
    const RECT_AREA grown = Whole_Box(place);
    if (kind == 1) {
        const int32_t height = grown.Bottom - grown.Top;
        const int32_t width = 4 + 2 * height / 3;
        const RECT_AREA badge = {grown.Left - width, grown.Top, grown.Left, grown.Bottom};
        Draw_Skin_Picture(dc, "News\\Seed.png", badge);
        const int32_t seed = Get_Team_Stat(Get_Playoff_Team(place), SEED_STAT);
        if (seed > 0) {
            char text[16];
            safe_sprintf(text, sizeof text, "%d", seed);
            VIEW_FONT font(dc, SEED_FONT);
            Set_Fixed_View_Text_Colour(dc, Make_Colour(255, 255, 255));
            Draw_View_Text(dc, text, {badge.Left, badge.Top, badge.Right - 2, badge.Bottom},
                           TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE);
        }
    }
    Draw_Skin_Picture(dc, "News\\Box.png", grown);
}

constexpr uint32_t ONE_LINE = TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE;

// Font 6 for the bracket's texts, unless one of them does not fit its box:
// then the largest smaller font they all fit in.
int32_t Get_Bracket_Font_Row() {
    std::vector<TEXT_CELL> cells;
    for (int32_t place = 0; place < PLAYOFF_PLACES; ++place) {
        TEXT_CELL name, score;
        if (!Get_Playoff_Place_Texts(place, &name.Text, &name.Rect, &score.Text, &score.Rect)) continue;
        cells.push_back(name);
        cells.push_back(score);
    }
    return Fit_View_Font_Row(cells, ONE_LINE, NAME_FONT);
}

void Draw_Place_Texts(DEVICE_CONTEXT* dc, int32_t place) {
    std::string name, score;
    RECT_AREA name_box, score_box;
    if (!Get_Playoff_Place_Texts(place, &name, &name_box, &score, &score_box)) return;
    Set_View_Text_Colours(dc, Team_Colours(Get_Playoff_Team(place)));
    Draw_View_Text(dc, name.c_str(), name_box, ONE_LINE);
    if (!score.empty()) Draw_View_Text(dc, score.c_str(), score_box, ONE_LINE);
}

bool Is_In_Place(int32_t place, int32_t x, int32_t y) {
    RECT_AREA upper, lower;
    Get_Playoff_Slot_Box(place, 0, &upper);
    Get_Playoff_Slot_Box(place, 1, &lower);
    return Is_Point_In_Design_Rect(upper, x, y) || Is_Point_In_Design_Rect(lower, x, y);
}

int32_t Feeders_Game(int32_t place) {
    int32_t feeders[2];
    if (!Get_Playoff_Feeders(place, feeders)) return -1;
    return Find_Game_Between_Teams(Get_Playoff_Team(feeders[0]), Get_Playoff_Team(feeders[1]));
}
} // namespace

bool Get_Playoff_Feeders(int32_t place, int32_t out[2]) {
    if (place < 16 || place >= PLAYOFF_PLACES) {
        out[0] = out[1] = -1;
        return false;
    }
    out[0] = 2 * place - 32;
    out[1] = 2 * place - 31;
    return true;
}

bool Get_Playoff_Place_Texts(int32_t place, std::string* name_text, RECT_AREA* name_box,
                             std::string* score_text, RECT_AREA* score_box) {
    const int32_t kind = Get_Playoff_Slot_Kind(place);
    const int32_t team = Get_Playoff_Team(place);
    if (kind == 0 || !Is_Valid_Team_Code(team)) return false;
    char name[FORMATTED_TEXT_SIZE], text[2 * FORMATTED_TEXT_SIZE];
    Get_Team_Display_Name(team, name);
    Get_Playoff_Slot_Box(place, 0, name_box);
    Get_Playoff_Slot_Box(place, 1, score_box);
    score_text->clear();
    if (kind == 1) {
        char record[FORMATTED_TEXT_SIZE];
        if (Format_Team_Record(record, team) != 0)
            safe_sprintf(text, sizeof text, "%s (%s)", name, record);
        else
            safe_strncpy(text, name, sizeof text);
        *name_text = text;
        return true;
    }
    *name_text = name;
    int32_t feeders[2];
    Get_Playoff_Feeders(place, feeders);
    const int32_t a = Get_Playoff_Score(feeders[0]), b = Get_Playoff_Score(feeders[1]);
    safe_sprintf(text, sizeof text, "%d-%d", a > b ? a : b, a > b ? b : a);
    *score_text = text;
    return true;
}

void Get_Playoff_Slot_Box(int32_t place, int32_t half, RECT_AREA* out) {
    if (out == nullptr) return;
    *out = Place_Box(place < 0 || place >= PLAYOFF_PLACES ? 0 : place);
    if (Get_Playoff_Slot_Kind(place) == 1) return;
    if (half == 0) {
        out->Top -= 7;
        out->Bottom -= 7;
    } else {
        out->Top += 7;
        out->Bottom += 7;
    }
}

int32_t Is_Playoff_Slot_Direct(int32_t place) {
    if (place < 0 || place >= PLAYOFF_PLACES) return 0;
    int32_t feeders[2];
    if (!Get_Playoff_Feeders(place, feeders)) return 1;
    const int32_t a = feeders[0], b = feeders[1];
    return !Has_Team(a) && !Has_Team(b) && Is_Playoff_Slot_Direct(a) && Is_Playoff_Slot_Direct(b) ? 1 : 0;
}

int32_t Get_Playoff_Slot_Kind(int32_t place) {
    if (!Is_Playoff_Slot_Direct(place)) return 2;
    return Has_Team(place) ? 1 : 0;
}

int32_t Find_Game_Between_Teams(int32_t team_a, int32_t team_b) {
    for (int32_t n = MAX_GAME_RECORDS - 1; n >= 0; --n) {
        const GAME_RECORD* game = Get_Game_Record(n);
        if (game == nullptr) continue;
        if ((game->Team[0] == team_a && game->Team[1] == team_b) ||
            (game->Team[0] == team_b && game->Team[1] == team_a))
            return n;
    }
    return -1;
}

void Format_Championship_Number(int32_t n, char* out) {
    if (out == nullptr) return;
    char text[FORMATTED_TEXT_SIZE] = "";
    if (n >= 400) {
        Format_Number_Commas(n, text);
        safe_strncpy(out, text, FORMATTED_TEXT_SIZE);
        return;
    }
    Get_Super_Bowl_Info(text, sizeof text, 1965 + (n < 0 ? n : n % 100), 0);
    const char* prefix = n >= 300 ? "CCC" : (n >= 200 ? "CC" : (n >= 100 ? "C" : ""));
    safe_sprintf(out, FORMATTED_TEXT_SIZE, "%s%s", prefix, text);
}

void Paint_Playoffs_View(DEVICE_CONTEXT* dc) {
    Draw_View_Background(dc, "news\\playoffs.jpg");
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    const bool light = Is_Ice_Or_Fire_Skin() != 0;
    const uint32_t centred = TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE;
    const int32_t length = Universe.Season_Length;
    if (Get_User_Preference(CURRENT_WEEK) < (length > 2 ? length : 2)) {
        VIEW_FONT font(dc, CAPTION_FONT);
        Set_Fixed_View_Text_Colour(dc, 0xD4D4D4);
        Draw_View_Text(dc, "If the season ended today...",
                       light ? RECT_AREA{160, 24, 461, 46} : RECT_AREA{160, 4, 461, 26}, centred);
    }
    if (Universe.Header.Championship_Round_Flag != 0) {
        char number[FORMATTED_TEXT_SIZE], text[2 * FORMATTED_TEXT_SIZE];
        Format_Championship_Number(Get_Current_Year() - 1965, number);
        safe_sprintf(text, sizeof text, "Super Bowl %s", number);
        const RECT_AREA final_box = Place_Box(30);
        RECT_AREA box = {Place_Box(28).Left, final_box.Top, Place_Box(28).Right, final_box.Bottom};
        COLOUR_VALUE colour = Is_Fire_Skin() ? 0xAADAD7 : Make_Colour(255, 255, 255);
        if (Is_Earth_Skin()) {
            // One box height tall, standing on the champion's place as it is
            // drawn (its picture round both half-boxes), a unit clear of it
            // for the letters' tails: the place is drawn after the title and
            // would hide any part of it that reached in.
            const int32_t foot = Whole_Box(30).Top - 1;
            box = {final_box.Left, foot - BOX_HEIGHT, final_box.Right, foot};
            colour = Make_Colour(0, 0, 0);
        }
        // The title is taller than the box it is centred on; it is drawn whole.
        VIEW_FONT font(dc, TITLE_FONT);
        Set_Fixed_View_Text_Colour(dc, colour);
        Draw_View_Text(dc, text, box, centred | TEXT_NO_CLIP);
    }
    if (Is_Skin_Named("robotic")) {
        VIEW_FONT font(dc, CAPTION_FONT);
        Draw_View_Text(dc, "World\nChampions", {471, 38, 617, 110}, TEXT_CENTRE | TEXT_VERTICAL_CENTRE,
                       VIEW_LIGHT_COLOURS);
    }
    Draw_Connectors(dc);
    for (int32_t place = 0; place < PLAYOFF_PLACES; ++place)
        Draw_Place(dc, place);
    VIEW_FONT font(dc, Get_Bracket_Font_Row());
    for (int32_t place = 0; place < PLAYOFF_PLACES; ++place)
        Draw_Place_Texts(dc, place);
}

int32_t Is_Playoffs_Hot_Spot(int32_t x, int32_t y) {
    for (int32_t place = 0; place < PLAYOFF_PLACES; ++place) {
        if (!Has_Team(place) || !Is_In_Place(place, x, y)) continue;
        if (Is_Playoff_Slot_Direct(place) || Feeders_Game(place) >= 0) return 1;
    }
    return 0;
}

void Do_Playoffs_Click(int32_t x, int32_t y) {
    for (int32_t place = 0; place < PLAYOFF_PLACES; ++place) {
        if (!Has_Team(place) || !Is_In_Place(place, x, y)) continue;
        if (Is_Playoff_Slot_Direct(place)) {
            Set_User_Preference(VIEWED_TEAM, Get_Playoff_Team(place));
            Set_Current_View(CALENDAR_VIEW);
            continue;
        }
        const int32_t game = Feeders_Game(place);
        if (game < 0) continue;
        Set_User_Preference(SHOWN_GAME_INDEX, game);
        Set_Current_View(GAMES_VIEW);
    }
}
