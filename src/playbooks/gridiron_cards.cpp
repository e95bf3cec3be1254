// The faces of the Gridiron cards: player cards with their card ratings,
// salary and last season's statistics; play cards with the play's diagram,
// the categories that decide it and its result; the defensive plays and the
// audible; and the checklist of the roster and the playbook.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "app/drawing_primitives.h"
#include "app/image_drawing.h"
#include "app/vector_paths.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "database/string_table.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "dialogs/player_card.h"
#include "engine/playbook_records.h"
#include "platform/text_render.h"
#include "playbooks/franchise_table.h"
#include "playbooks/gridiron_kit.h"
#include "playbooks/gridiron_values.h"
#include "playbooks/play_cards.h"
#include "playbooks/play_diagrams.h"

namespace {
constexpr COLOUR_VALUE INK = Make_Colour(30, 30, 36);
constexpr COLOUR_VALUE GREY_INK = Make_Colour(150, 150, 150);
constexpr COLOUR_VALUE WHITE_INK = Make_Colour(255, 255, 255);
constexpr COLOUR_VALUE BLUE_INK = Make_Colour(40, 70, 160);
constexpr COLOUR_VALUE UMBER_INK = Make_Colour(130, 80, 40);
constexpr int32_t STAT_ROW = 1; // last season
constexpr int32_t TEXT_SIZE = 128;

// Fonts of the card faces by height and weight, made once and freed with the deck.
std::map<int32_t, DRAWING_FONT*> card_fonts;

DRAWING_FONT* Card_Font(int32_t height, bool bold) {
    const int32_t key = height * 2 + (bold ? 1 : 0);
    auto found = card_fonts.find(key);
    if (found != card_fonts.end()) return found->second;
    FONT_REQUEST request{};
    request.Height = -height;
    request.Weight = bold ? 700 : 400;
    std::snprintf(request.Face, sizeof request.Face, "%s", "Arial");
    DRAWING_FONT* font = Create_Font(request);
    card_fonts[key] = font;
    return font;
}

void Text(DEVICE_CONTEXT* dc, const char* text, RECT_AREA rect, int32_t height, bool bold,
          COLOUR_VALUE colour, uint32_t flags = TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE) {
    DRAWING_FONT* font = Card_Font(height, bold);
    if (font == nullptr) return;
    Select_Font(dc, font);
    Set_Text_Colour(dc, colour);
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    // A long text takes smaller letters until it fits its line.
    RECT_AREA measured = rect;
    Draw_Text_In_Rect(dc, text, -1, &measured, flags | TEXT_CALCULATE_RECT);
    if ((flags & TEXT_SINGLE_LINE) != 0 && measured.Right - measured.Left > rect.Right - rect.Left &&
        height > 12) {
        const int32_t smaller = height * (rect.Right - rect.Left) / (measured.Right - measured.Left + 1);
        Text(dc, text, rect, std::max(12, smaller), bold, colour, flags);
        return;
    }
    Draw_Text_In_Rect(dc, text, -1, &rect, flags);
}

void Fill(DEVICE_CONTEXT* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, COLOUR_VALUE colour) {
    Fill_Rectangle(dc, left, top, right - 1, bottom - 1, colour);
}

// A picture of the card art, blended by its transparency and never cut to
// the screen's size (flags A and N).
void Picture(DEVICE_CONTEXT* dc, const char* name, int32_t x, int32_t y, int32_t w, int32_t h) {
    char flagged[160];
    safe_sprintf(flagged, sizeof flagged, "%s:AN", name);
    Draw_Cached_Image(dc, flagged, x, y, w, h);
}

// A filled disc in a colour, anti-aliased.
void Disc(DEVICE_CONTEXT* dc, int32_t cx, int32_t cy, int32_t radius, COLOUR_VALUE colour) {
    PATH_COLLECTION paths;
    start_new_path(&paths, 0);
    Set_Path_Colour(&paths, Make_Path_Colour(Colour_Red(colour), Colour_Green(colour), Colour_Blue(colour)));
    Set_Path_Flags(&paths, PATH_FILL);
    Add_Circle_To_Path(&paths.Vertices, radius, radius, radius);
    paths.Vertices.close_polygon();
    paths.Window_Right = paths.Window_Bottom = 2 * radius;
    paths.Window_Left = paths.Window_Top = 0;
    Render_Paths(dc, &paths, cx - radius, cy - radius, 2 * radius, 2 * radius, 0.0);
    Free_Path_Collection(&paths);
}

COLOUR_VALUE Team_Colour(int32_t team) {
    char abbreviation[64] = "";
    Get_Team_String(abbreviation, team, 0);
    return Get_Franchise_Color(Get_Franchise_Index(abbreviation));
}

int32_t Team_Franchise(int32_t team) {
    char abbreviation[64] = "";
    Get_Team_String(abbreviation, team, 0);
    return Get_Franchise_Index(abbreviation);
}

// The name as the record holds it: never filled in, so drawing changes nothing.
void Card_Name(int32_t team, int32_t slot, char* out) {
    const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
    char last[24] = "";
    safe_strncpy(last, player.Last_Name, sizeof last);
    if (player.First_Name[0] != '\0')
        safe_sprintf(out, TEXT_SIZE, "%c. %s", player.First_Name[0], last);
    else
        safe_strncpy(out, last, TEXT_SIZE);
}

int32_t Position_Of(int32_t team, int32_t slot) {
    return Universe.Teams[team].Players[slot].Vital_Stats[VITAL_POSITION];
}

void Position_Name(int32_t position, char* out) {
    out[0] = '\0';
    if (position >= 0 && position < NUMBER_OF_POSITIONS)
        Load_Resource_String(STRING_POSITION_SHORT + position, out);
}

struct STAT_LINE {
    const char* Label;
    int32_t Field;
};

// The statistics a player's card shows, by his position.
int32_t Stat_Lines(int32_t position, STAT_LINE lines[8]) {
    static const STAT_LINE PASSER[] = {{"Games", 0},   {"Starts", 1},    {"Pass Yds", 5}, {"Comp%", 4},
                                       {"TD/Int", 55}, {"QB Rating", 9}, {"Rush Yds", 11}};
    static const STAT_LINE BACK[] = {{"Games", 0},    {"Starts", 1},   {"Rush Yds", 11}, {"Yds/Rush", 14},
                                     {"Rush TD", 18}, {"Recepts", 21}, {"Rec Yds", 22},  {"Rec TD", 24}};
    static const STAT_LINE RECEIVER[] = {{"Games", 0},    {"Starts", 1},  {"Recepts", 21},
                                         {"Rec Yds", 22}, {"Rec TD", 24}, {"Rush Yds", 11}};
    static const STAT_LINE BLOCKER[] = {{"Games", 0}, {"Starts", 1}};
    static const STAT_LINE DEFENDER[] = {{"Games", 0}, {"Starts", 1}, {"Tackles", 28}, {"Sacks", 32}};
    static const STAT_LINE KICKER[] = {{"Games", 0}};
    const STAT_LINE* chosen = KICKER;
    int32_t count = 1;
    switch (position) {
    case POSITION_QB:
        chosen = PASSER, count = 7;
        break;
    case POSITION_RB:
    case POSITION_FB:
        chosen = BACK, count = 8;
        break;
    case POSITION_TE:
    case POSITION_WR:
        chosen = RECEIVER, count = 6;
        break;
    case POSITION_T:
    case POSITION_G:
    case POSITION_C:
        chosen = BLOCKER, count = 2;
        break;
    case POSITION_DE:
    case POSITION_DT:
    case POSITION_LB:
    case POSITION_CB:
    case POSITION_S:
        chosen = DEFENDER, count = 4;
        break;
    default:
        break;
    }
    std::copy(chosen, chosen + count, lines);
    return count;
}

// A card's picture over the whole card, on its side for `landscape`.
void Card_Background(DEVICE_CONTEXT* dc, const char* path, bool landscape = false) {
    const int32_t width = Get_Gridiron_Card_Width(), height = Get_Gridiron_Card_Height();
    Picture(dc, path, 0, 0, landscape ? height : width, landscape ? width : height);
}

void Draw_Footer(DEVICE_CONTEXT* dc, int32_t team, const char* label) {
    char name[TEXT_SIZE];
    Get_Gridiron_Team_Name(team, name, sizeof name);
    Text(dc, name, {70, 1030, 500, 1075}, 30, false, INK, TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE);
    Text(dc, label, {500, 1030, 755, 1075}, 30, true, INK,
         TEXT_RIGHT | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE);
}

void Draw_Blank_Card(DEVICE_CONTEXT* dc, bool defense) {
    Card_Background(dc, defense ? "Gridiron/defense-player.png" : "Gridiron/offense-player.png");
}

void Draw_Player_Card(DEVICE_CONTEXT* dc, int32_t team, int32_t card) {
    const bool defense = card >= FIRST_DEFENSE_PLAYER_CARD;
    Draw_Blank_Card(dc, defense);
    char label[TEXT_SIZE];
    safe_sprintf(label, sizeof label, "Player #%d", card + 1);
    const int32_t slot = Get_Gridiron_Card_Player(team, card);
    if (slot < 0) {
        Draw_Footer(dc, team, label);
        return;
    }
    Set_User_Preference(SELECTED_PLAYER_SLOT, slot);
    const COLOUR_VALUE colour = Team_Colour(team);
    const COLOUR_VALUE ink = defense ? UMBER_INK : BLUE_INK;
    const int32_t franchise = Team_Franchise(team);
    const int32_t position = Position_Of(team, slot);
    // Name band with the helmet.
    Fill(dc, 64, 64, 761, 200, colour);
    char path[96];
    safe_sprintf(path, sizeof path, "Gridiron/Helmets/Helmet-%d.png", franchise);
    Picture(dc, path, 80, 72, 120, 120);
    char name[TEXT_SIZE], position_name[32], line[TEXT_SIZE];
    Card_Name(team, slot, name);
    Text(dc, name, {220, 72, 745, 142}, 60, true, WHITE_INK, TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE);
    Position_Name(position, position_name);
    safe_sprintf(line, sizeof line, "%s   #%d", position_name,
                 Universe.Teams[team].Players[slot].Uniform_Number);
    Text(dc, line, {220, 140, 745, 192}, 40, false, WHITE_INK, TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE);
    Picture(dc, defense ? "Gridiron/Thin_umber_line.png" : "Gridiron/Thin_blue_line.png", 64, 208, 697, 6);
    // The jersey with his number, and his salary under it.
    safe_sprintf(path, sizeof path, "Gridiron/Jerseys/Jersey-%d.png", franchise);
    Picture(dc, path, 90, 226, 200, 200);
    safe_sprintf(line, sizeof line, "%d", Universe.Teams[team].Players[slot].Uniform_Number);
    Text(dc, line, {115, 280, 265, 380}, 72, true, WHITE_INK);
    Disc(dc, 190, 500, 66, ink);
    safe_sprintf(line, sizeof line, "$%dM", Get_Gridiron_Player_Salary(team, slot));
    Text(dc, line, {124, 468, 256, 532}, 46, true, WHITE_INK);
    // The card ratings: the ones that do not apply to him greyed and bracketed.
    const bool thrower = position == POSITION_QB;
    const bool skill = position <= POSITION_WR;
    struct ROW {
        const char* Label;
        int32_t Category;
        bool Applies;
    };
    const ROW offense_rows[6] = {
        {"Run Block", CARD_RUN_BLOCKING, !skill},
        {"Pass Block", CARD_PASS_BLOCKING, !skill},
        {"Rushing", CARD_RUSHING, true},
        {"Goal Line", CARD_GOAL_LINE, true},
        {thrower ? "Passing" : "Receiving", thrower ? CARD_PASSING : CARD_RECEIVING, skill},
        {"Red Zone", CARD_RED_ZONE, skill}};
    const ROW defense_rows[4] = {{"Run Defense", CARD_RUN_DEFENSE, true},
                                 {"Pass Rush", CARD_PASS_RUSH, true},
                                 {"Coverage", CARD_COVERAGE, true},
                                 {"Tackling", CARD_TACKLING, true}};
    const ROW* rows = defense ? defense_rows : offense_rows;
    const int32_t count = defense ? 4 : 6;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t top = 226 + i * 56;
        const COLOUR_VALUE text_colour = rows[i].Applies ? INK : GREY_INK;
        char rating[32];
        safe_sprintf(rating, sizeof rating, rows[i].Applies ? "%d" : "[%d]",
                     Get_Gridiron_Player_Rating(team, slot, rows[i].Category));
        Text(dc, rows[i].Label, {335, top, 620, top + 54}, 38, rows[i].Applies, text_colour,
             TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE);
        Text(dc, rating, {620, top, 745, top + 54}, 42, true, text_colour,
             TEXT_RIGHT | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE);
    }
    // Last season's statistics in their box.
    STAT_LINE lines[8];
    const int32_t stat_count = Stat_Lines(position, lines);
    const int32_t box_top = 590;
    safe_sprintf(path, sizeof path, "Gridiron/Stats/%d Stats w box %s.png", stat_count,
                 defense ? "umber" : "blue");
    Picture(dc, path, 52, box_top, 720, 60 + 44 * stat_count);
    for (int32_t i = 0; i < stat_count; ++i) {
        const int32_t top = box_top + 58 + 44 * i;
        char value[CARD_TEXT_SIZE];
        Format_Player_Bio_Value(team, slot, STAT_ROW, lines[i].Field, value);
        Text(dc, lines[i].Label, {90, top, 500, top + 44}, 32, false, INK,
             TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE);
        Text(dc, value, {500, top, 735, top + 44}, 34, true, INK,
             TEXT_RIGHT | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE);
    }
    Draw_Footer(dc, team, label);
}

// The yards a play gains on its card: its own average when it has been run,
// else the usual gain of its kind.
int32_t Play_Card_Yards(int32_t team, int32_t play, int32_t kind) {
    const OFFENSIVE_PLAYBOOK* book = Get_Team_Offensive_Playbook(team);
    static const int32_t USUAL[4] = {3, 5, 7, 20};
    int32_t yards = USUAL[std::clamp(kind, 0, 3)];
    if (book != nullptr && book->Results.Called[play][0] > 0)
        yards = book->Results.Yards[play][0] / book->Results.Called[play][0];
    return std::clamp(yards, -10, 40);
}

void Draw_Category_Badge(DEVICE_CONTEXT* dc, bool defense, int32_t category, int32_t x, int32_t y) {
    if (category < 0) return;
    char path[96];
    safe_sprintf(path, sizeof path, "Gridiron/Plays/%s-%s.png", defense ? "Defense" : "Offense",
                 Get_Gridiron_Category_Name(category));
    Picture(dc, path, x, y, 330, 72);
}

void Draw_Play_Card(DEVICE_CONTEXT* dc, int32_t team, int32_t card) {
    Card_Background(dc, "Gridiron/Plays/play-card.png");
    int32_t plays[CARD_SET_PLAYS];
    const int32_t count = Get_Card_Set_Plays(team, plays);
    char label[TEXT_SIZE];
    safe_sprintf(label, sizeof label, "Play #%d", card - FIRST_PLAY_CARD + 1);
    const int32_t index = card - FIRST_PLAY_CARD;
    if (index >= count) {
        Draw_Footer(dc, team, label);
        return;
    }
    const int32_t play = plays[index];
    int8_t values[9];
    Get_Play_Card_Values(team, play, values);
    const int32_t kind = values[CARD_PLAY_KIND];
    char path[96], name[PLAY_NAME_LENGTH], line[TEXT_SIZE];
    safe_sprintf(path, sizeof path, "Gridiron/Plays/play type %s.png", Get_Gridiron_Play_Type_Name(kind));
    Picture(dc, path, 262, 64, 300, 60);
    Get_Offensive_Play_Name(team, play, name, sizeof name);
    Get_Short_Play_Name(name, line, sizeof line);
    Text(dc, line, {70, 132, 755, 206}, 56, true, INK);
    Draw_Play_Diagram(dc, {80, 214, 745, 604}, team, play, NO_DIAGRAM_CAPTION, DIAGRAM_OFFENSE, false, false);
    const int32_t offense_1 = Get_Play_Card_Category_Of(values, 1),
                  offense_2 = Get_Play_Card_Category_Of(values, 2);
    const int32_t defense_1 = Get_Play_Card_Category_Of(values, 3),
                  defense_2 = Get_Play_Card_Category_Of(values, 4);
    Draw_Category_Badge(dc, false, offense_1, 72, 622);
    Draw_Category_Badge(dc, false, offense_2, 423, 622);
    Text(dc, "vs.", {70, 700, 755, 750}, 36, true, INK);
    Draw_Category_Badge(dc, true, defense_1, 72, 752);
    Draw_Category_Badge(dc, true, defense_2, 423, 752);
    const int32_t bonus = values[CARD_BONUS_VALUE];
    const int32_t bonus_category = Get_Play_Card_Category_Of(values, 5);
    if (bonus_category >= 0 && bonus != 0) {
        char position[32];
        Position_Name(values[CARD_BONUS_POSITION], position);
        char category[64];
        safe_sprintf(category, sizeof category, "%s %s", position,
                     Get_Gridiron_Category_Name(bonus_category));
        safe_sprintf(line, sizeof line, bonus > 0 ? "%s +%d" : "%s -%d", category,
                     bonus > 0 ? bonus : -bonus);
        Text(dc, line, {70, 840, 755, 900}, 46, true, BLUE_INK);
    }
    const bool touchdown = values[CARD_SCORE_TYPE] == 1;
    const char* medal = bonus >= 10 ? "Gold" : bonus >= 5 ? "Green" : "Purple";
    safe_sprintf(path, sizeof path, "Gridiron/Plays/%s-%s.png", touchdown ? "td" : "fg", medal);
    Picture(dc, path, 84, 916, 100, 100);
    if (touchdown) Picture(dc, "Gridiron/Plays/+1green.png", 200, 936, 64, 64);
    const int32_t yards = Play_Card_Yards(team, play, kind);
    safe_sprintf(path, sizeof path, "Gridiron/Plays/Football %d.png", yards);
    Picture(dc, path, 585, 916, 160, 96);
    Draw_Footer(dc, team, label);
}

void Draw_Effect_Lines(DEVICE_CONTEXT* dc, int32_t team, int32_t play, int32_t top) {
    int32_t effects[3][2];
    const int32_t count = Get_Defensive_Card_Effects(team, play, effects);
    for (int32_t i = 0; i < count; ++i) {
        char line[TEXT_SIZE];
        const int32_t amount = effects[i][1];
        safe_sprintf(line, sizeof line, amount >= 0 ? "%s +%d" : "%s -%d",
                     Get_Gridiron_Category_Name(effects[i][0]), amount >= 0 ? amount : -amount);
        Text(dc, line, {70, top + 64 * i, 755, top + 64 * i + 60}, 46, true,
             amount >= 0 ? UMBER_INK : GREY_INK);
    }
}

void Draw_Defensive_Play_Card(DEVICE_CONTEXT* dc, int32_t team, int32_t card) {
    Card_Background(dc, "Gridiron/Plays/Defensive-Play-Blank.png");
    Picture(dc, "Gridiron/Plays/Audible.png", 72, 64, 80, 80);
    char label[TEXT_SIZE];
    safe_sprintf(label, sizeof label, "Audible #%d", card - FIRST_DEFENSIVE_PLAY_CARD + 1);
    if (card == BEAST_MODE_CARD) {
        Card_Background(dc, "Gridiron/Plays/audible-card.png");
        Picture(dc, "Gridiron/Plays/Audible.png", 72, 64, 80, 80);
        Text(dc, "Beast Mode", {70, 300, 755, 420}, 96, true, BLUE_INK);
        Text(dc, "+10 to any offensive rating", {90, 480, 735, 700}, 56, false, INK,
             TEXT_CENTRE | TEXT_WORD_BREAK);
        Picture(dc, "Gridiron/Plays/Questions.png", 372, 760, 80, 80);
        Draw_Footer(dc, team, label);
        return;
    }
    const int32_t play = Get_Gridiron_Defensive_Play(team, card);
    if (play >= 0) {
        char name[PLAY_NAME_LENGTH], line[TEXT_SIZE];
        Get_Defensive_Play_Name(team, play, name, sizeof name);
        Get_Short_Play_Name(name, line, sizeof line);
        Text(dc, line, {170, 70, 755, 140}, 54, true, INK);
        Draw_Play_Diagram(dc, {80, 170, 745, 560}, team, play, NO_DIAGRAM_CAPTION, DIAGRAM_DEFENSE, false,
                          false);
        Draw_Effect_Lines(dc, team, play, 620);
    }
    Draw_Footer(dc, team, label);
}

void Draw_Checklist_Front(DEVICE_CONTEXT* dc, int32_t team) {
    Card_Background(dc, "Gridiron/Plays/Roster-Blank.png");
    char name[TEXT_SIZE], line[TEXT_SIZE];
    Get_Gridiron_Team_Name(team, name, sizeof name);
    Text(dc, name, {60, 50, 765, 120}, 52, true, INK);
    Text(dc, "Roster", {60, 118, 765, 168}, 40, false, INK);
    int32_t payroll = 0;
    for (int32_t card = 0; card < FIRST_PLAY_CARD; ++card) {
        const int32_t top = 184 + 38 * card;
        const int32_t slot = Get_Gridiron_Card_Player(team, card);
        if (slot < 0) continue;
        char player[TEXT_SIZE];
        Card_Name(team, slot, player);
        safe_sprintf(line, sizeof line, "%s (%d)", player, card + 1);
        Text(dc, line, {80, top, 600, top + 36}, 28, false, INK, TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE);
        const int32_t salary = Get_Gridiron_Player_Salary(team, slot);
        payroll += salary;
        safe_sprintf(line, sizeof line, "$%dM", salary);
        Text(dc, line, {600, top, 745, top + 36}, 28, true, INK,
             TEXT_RIGHT | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE);
    }
    safe_sprintf(line, sizeof line, "Payroll: $%dM", payroll);
    Text(dc, line, {80, 1030, 745, 1072}, 34, true, INK, TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE);
    safe_sprintf(line, sizeof line, "NFL Average: $%dM", Get_Gridiron_League_Average_Payroll());
    Text(dc, line, {80, 1030, 745, 1072}, 34, false, INK,
         TEXT_RIGHT | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE);
}

void Draw_Checklist_Back(DEVICE_CONTEXT* dc, int32_t team) {
    Card_Background(dc, "Gridiron/Plays/Playbook-Blank.png", true);
    char name[TEXT_SIZE], line[TEXT_SIZE];
    Get_Gridiron_Team_Name(team, name, sizeof name);
    safe_sprintf(line, sizeof line, "%s Playbook", name);
    Text(dc, line, {60, 44, 1065, 110}, 50, true, INK);
    int32_t plays[CARD_SET_PLAYS];
    const int32_t count = Get_Card_Set_Plays(team, plays);
    for (int32_t card = FIRST_PLAY_CARD; card < CHECKLIST_FRONT_CARD; ++card) {
        const int32_t n = card - FIRST_PLAY_CARD;
        const int32_t column = n / 15, row = n % 15;
        const RECT_AREA rect = {80 + 500 * column, 130 + 42 * row, 560 + 500 * column, 170 + 42 * row};
        char play_name[PLAY_NAME_LENGTH] = "";
        if (card < FIRST_DEFENSIVE_PLAY_CARD) {
            if (n >= count) continue;
            Get_Offensive_Play_Name(team, plays[n], play_name, sizeof play_name);
        } else if (card == BEAST_MODE_CARD) {
            safe_strncpy(play_name, "Beast Mode", sizeof play_name);
        } else {
            const int32_t play = Get_Gridiron_Defensive_Play(team, card);
            if (play < 0) continue;
            Get_Defensive_Play_Name(team, play, play_name, sizeof play_name);
        }
        char shortened[PLAY_NAME_LENGTH];
        Get_Short_Play_Name(play_name, shortened, sizeof shortened);
        safe_sprintf(line, sizeof line, "%s (%d)", shortened, card + 1);
        Text(dc, line, rect, 30, false, INK, TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE);
    }
}
} // namespace

void Free_Gridiron_Card_Fonts() {
    for (auto& [key, font] : card_fonts)
        if (font != nullptr) Delete_Font(font);
    card_fonts.clear();
}

void Draw_Gridiron_Card(DEVICE_CONTEXT* dc, int32_t team, int32_t card) {
    if (dc == nullptr || card < 0 || card >= GRIDIRON_DECK_CARDS) return;
    Save_Device_Context(dc);
    const bool landscape = card == CHECKLIST_BACK_CARD;
    const int32_t width = Get_Gridiron_Card_Width(), height = Get_Gridiron_Card_Height();
    Fill(dc, 0, 0, landscape ? height : width, landscape ? width : height, Make_Colour(250, 248, 240));
    switch (Get_Gridiron_Card_Kind(card)) {
    case 0:
    case 1:
        Draw_Player_Card(dc, team, card);
        break;
    case 2:
        Draw_Play_Card(dc, team, card);
        break;
    default:
        if (card == CHECKLIST_FRONT_CARD)
            Draw_Checklist_Front(dc, team);
        else if (card == CHECKLIST_BACK_CARD)
            Draw_Checklist_Back(dc, team);
        else
            Draw_Defensive_Play_Card(dc, team, card);
        break;
    }
    Restore_Device_Context(dc);
}
