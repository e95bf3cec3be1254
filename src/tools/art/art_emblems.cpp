#include "tools/art/art_emblems.h"

#include "platform/agg_warnings.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "playbooks/franchise_table.h"
#include "tools/art/art_canvas.h"

namespace {
const ART_COLOUR WHITE = Art_Colour(255, 255, 255);
const ART_COLOUR CLEAR = Art_Colour(0, 0, 0, 0);

// A second colour that stands out on the first: gold on dark colours,
// navy on light ones.
ART_COLOUR Trim_Colour(ART_COLOUR base) {
    const int light = (base.R * 299 + base.G * 587 + base.B * 114) / 1000;
    return light < 90 ? Art_Colour(226, 186, 60) : light > 170 ? Art_Colour(24, 40, 84) : WHITE;
}

// A helmet facing right (or left when `mirror`), 128 x 128.
void Draw_Helmet(ART_CANVAS* c, ART_COLOUR shell, bool mirror) {
    auto X = [mirror](double x) { return mirror ? 128 - x : x; };
    agg::path_storage body;
    body.move_to(X(20), 82);
    body.curve4(X(10), 30, X(60), 8, X(92), 22);
    body.curve4(X(112), 30, X(120), 52, X(116), 70);
    body.line_to(X(96), 74);
    body.line_to(X(92), 96);
    body.curve4(X(70), 106, X(40), 104, X(20), 82);
    body.close_polygon();
    Fill_Art_Path(c, body, shell);
    const ART_COLOUR trim = Trim_Colour(shell);
    agg::path_storage stripe;
    stripe.move_to(X(32), 40);
    stripe.curve4(X(52), 22, X(80), 20, X(102), 34);
    Stroke_Art_Path(c, stripe, 7, trim);
    Stroke_Art_Path(c, body, 2.5, Mix_Colours(shell, Art_Colour(0, 0, 0), 0.5));
    Fill_Art_Ellipse(c, X(56), 66, 7, 8, Mix_Colours(shell, Art_Colour(0, 0, 0), 0.6));
    const ART_COLOUR mask = Art_Colour(190, 190, 196);
    for (int bar = 0; bar < 3; ++bar) {
        agg::path_storage line;
        line.move_to(X(94), 74 + bar * 9);
        line.line_to(X(124), 70 + bar * 10);
        Stroke_Art_Path(c, line, 3, mask);
    }
    agg::path_storage upright;
    upright.move_to(X(112), 62);
    upright.line_to(X(116), 98);
    Stroke_Art_Path(c, upright, 3, mask);
}

// The small team logos are as large as the matchup dialog's logo control
// shows them (100 x 22 dialog units): a banner with a roundel and the letters.
constexpr int SMALL_LOGO_WIDTH = 150;
constexpr int SMALL_LOGO_HEIGHT = 36;

// A banner in the team's colour: a roundel at the left and the letters
// beside it in the trim colour.
void Draw_Logo(ART_CANVAS* c, ART_COLOUR base, const char* letters) {
    const ART_COLOUR trim = Trim_Colour(base);
    const double w = SMALL_LOGO_WIDTH, h = SMALL_LOGO_HEIGHT;
    Fill_Art_Rounded_Rect(c, 1, 1, w - 1, h - 1, 8, trim);
    Fill_Art_Rounded_Rect(c, 3.5, 3.5, w - 3.5, h - 3.5, 6, base);
    Fill_Art_Ellipse(c, 19, h / 2, 13, 13, trim);
    Fill_Art_Ellipse(c, 19, h / 2, 10, 10, base);
    agg::path_storage star;
    Add_Art_Star(star, 19, h / 2 + 0.5, 8, 3.4);
    Fill_Art_Path(c, star, trim);
    Fill_Art_Rect(c, 38, 8, 40, h - 8, Mix_Colours(trim, base, 0.4));
    Draw_Art_Text(c, letters, 42, 2, static_cast<int32_t>(w) - 6, static_cast<int32_t>(h) - 2, 26, true,
                  trim);
}

struct LOGO_KEY {
    const char* Key;     // the logo file's name
    const char* Letters; // drawn on it
    int Franchise;       // colour row
};

// The locations of the real league's franchises past and present, and the
// keys that tell apart the cities that had more than one. The letters are the
// abbreviation the league's files give the franchise playing there (a city
// two franchises shared under one key shows the one that stayed).
const LOGO_KEY LOGO_KEYS[] = {
    {"Arizona", "ARZ", 0},       {"Atlanta", "ATL", 1},
    {"Baltimore", "BAL", 2},     {"Buffalo", "BUF", 3},
    {"Carolina", "CAR", 4},      {"Chicago", "CHI", 5},
    {"Cincinnati", "CIN", 6},    {"Cleveland", "CLE", 7},
    {"Dallas", "DAL", 8},        {"Denver", "DEN", 9},
    {"Detroit", "DET", 10},      {"Green Bay", "GB", 11},
    {"Houston", "HOU", 12},      {"Indianapolis", "IND", 13},
    {"Jacksonville", "JAC", 14}, {"Kansas City", "KC", 15},
    {"Las Vegas", "LVR", 23},    {"LA1", "RAI", 23},
    {"LA2", "LA", 16},           {"LA3", "LAC", 26},
    {"Miami", "MIA", 17},        {"Minnesota", "MIN", 18},
    {"New England", "NE", 19},   {"New Orleans", "NO", 20},
    {"NY1", "NYJ", 22},          {"NY2", "NYG", 21},
    {"Oakland", "OAK", 23},      {"Philadelphia", "PHI", 24},
    {"Pittsburgh", "PIT", 25},   {"San Diego", "SD", 26},
    {"San Francisco", "SF", 27}, {"Seattle", "SEA", 28},
    {"Tampa Bay", "TB", 29},     {"Tennessee", "TEN", 30},
    {"Washington", "WAS", 31},   {"St. Louis", "STL", 16},
    {"STL2", "STL", 0},          {"BAL2", "BAL", 13},
    {"HOU2", "HOU", 30},         {"Phoenix", "PHX", 0},
    {"Boston", "BOS", 19},       {"Portsmouth", "POR", 10},
    {"Brooklyn", "BKN", 21},     {"Chicago Cardinals", "CRD", 0},
};
} // namespace

int Write_Helmets(const std::string& root) {
    int ok = 1;
    char name[96];
    for (int row = 0; row < FRANCHISE_COUNT; ++row) {
        ART_COLOUR shell = Art_Colour_From_Value(Franchise_Table[row].Colour);
        if (shell.R + shell.G + shell.B < 30) shell = Art_Colour(36, 36, 40);
        for (int variant = 0; variant < 2; ++variant) {
            ART_CANVAS c;
            Start_Canvas(&c, 128, 128, CLEAR);
            Draw_Helmet(&c, shell, variant == 1);
            snprintf(name, sizeof name, "gridiron/helmets/helmet-%d%s.png", row, variant == 1 ? "a" : "");
            ok &= Save_Canvas_PNG(c, root + name);
        }
    }
    return ok;
}

const char* Get_Team_Logo_Letters(const char* key) {
    for (const LOGO_KEY& logo : LOGO_KEYS)
        if (strcmp(logo.Key, key) == 0) return logo.Letters;
    return nullptr;
}

int Write_Team_Logos(const std::string& root) {
    int ok = 1;
    for (const LOGO_KEY& key : LOGO_KEYS) {
        ART_CANVAS c;
        Start_Canvas(&c, SMALL_LOGO_WIDTH, SMALL_LOGO_HEIGHT, CLEAR);
        ART_COLOUR base = Art_Colour_From_Value(Franchise_Table[key.Franchise].Colour);
        if (base.R + base.G + base.B < 30) base = Art_Colour(36, 36, 40);
        Draw_Logo(&c, base, key.Letters);
        ok &= Save_Canvas_PNG(c, root + "logos/" + key.Key + ".png");
    }
    ART_CANVAS filler;
    Start_Canvas(&filler, SMALL_LOGO_WIDTH, SMALL_LOGO_HEIGHT, CLEAR);
    Draw_Logo(&filler, Art_Colour(120, 120, 126), "FK");
    ok &= Save_Canvas_PNG(filler, root + "logos/LOGO_filler.png");
    return ok;
}

namespace {
// One run of seasons in which a logo index stands for one team in one city.
struct LOGO_ERA {
    int Index;
    int First_Year;
    int Last_Year;
    const char* Letters; // the team's abbreviation in the league's files
    int Franchise;       // colour row
};

// The historical list of nicknames (seasons up to 2020) by the real league's
// public record: which franchise played under each nickname, where. Before
// 1963 the Texans count as the Chiefs and the Titans (and Oilers) as the Jets:
// the Oilers of those years wear the Titans' logo.
const LOGO_ERA HISTORICAL_LOGO_ERAS[] = {
    {0, 1951, 1959, "CRD", 0},   {0, 1960, 1987, "STL", 0},   {0, 1988, 1993, "PHX", 0},
    {0, 1994, 2020, "ARZ", 0},   {1, 1966, 2020, "ATL", 1},   {2, 1996, 2020, "BAL", 2},
    {3, 1960, 2020, "BUF", 3},   {4, 1995, 2020, "CAR", 4},   {5, 1951, 2020, "CHI", 5},
    {6, 1968, 2020, "CIN", 6},   {7, 1951, 1995, "CLE", 7},   {7, 1999, 2020, "CLE", 7},
    {8, 1960, 2020, "DAL", 8},   {9, 1960, 2020, "DEN", 9},   {10, 1951, 2020, "DET", 10},
    {11, 1951, 2020, "GB", 11},  {12, 2002, 2020, "HOU", 12}, {13, 1953, 1983, "BAL", 13},
    {13, 1984, 2020, "IND", 13}, {14, 1995, 2020, "JAC", 14}, {15, 1952, 1952, "DTX", 15},
    {15, 1960, 1962, "DTX", 15}, {15, 1963, 2020, "KC", 15},  {16, 1960, 1960, "LAC", 26},
    {16, 1961, 2016, "SD", 26},  {16, 2017, 2020, "LAC", 26}, {17, 1951, 1994, "LA", 16},
    {17, 1995, 2015, "STL", 16}, {17, 2016, 2020, "LA", 16},  {18, 1966, 2020, "MIA", 17},
    {19, 1961, 2020, "MIN", 18}, {20, 1960, 1970, "BOS", 19}, {20, 1971, 2020, "NE", 19},
    {21, 1967, 2020, "NO", 20},  {22, 1951, 2020, "NYG", 21}, {23, 1960, 1962, "NYT", 22},
    {23, 1963, 2020, "NYJ", 22}, {24, 1960, 1981, "OAK", 23}, {24, 1982, 1994, "RAI", 23},
    {24, 1995, 2019, "OAK", 23}, {24, 2020, 2020, "LVR", 23}, {25, 1951, 2020, "PHI", 24},
    {26, 1951, 2020, "PIT", 25}, {27, 1951, 2020, "SF", 27},  {28, 1976, 2020, "SEA", 28},
    {29, 1976, 2020, "TB", 29},  {30, 1963, 1996, "HOU", 30}, {30, 1997, 2020, "TEN", 30},
    {31, 1951, 2020, "WAS", 31},
};

// The modern list (2021 and 2022), index by index.
const LOGO_ERA MODERN_LOGO_ERAS[] = {
    {0, 2021, 2022, "ARZ", 0},   {1, 2021, 2022, "ATL", 1},   {2, 2021, 2022, "BAL", 2},
    {3, 2021, 2022, "BUF", 3},   {4, 2021, 2022, "CAR", 4},   {5, 2021, 2022, "CHI", 5},
    {6, 2021, 2022, "CIN", 6},   {7, 2021, 2022, "CLE", 7},   {8, 2021, 2022, "DAL", 8},
    {9, 2021, 2022, "DEN", 9},   {10, 2021, 2022, "DET", 10}, {11, 2021, 2022, "GB", 11},
    {12, 2021, 2022, "HOU", 12}, {13, 2021, 2022, "IND", 13}, {14, 2021, 2022, "JAC", 14},
    {15, 2021, 2022, "KC", 15},  {16, 2021, 2022, "LVR", 23}, {17, 2021, 2022, "LAC", 26},
    {18, 2021, 2022, "LA", 16},  {19, 2021, 2022, "MIA", 17}, {20, 2021, 2022, "MIN", 18},
    {21, 2021, 2022, "NE", 19},  {22, 2021, 2022, "NO", 20},  {23, 2021, 2022, "NYG", 21},
    {24, 2021, 2022, "NYJ", 22}, {25, 2021, 2022, "PHI", 24}, {26, 2021, 2022, "PIT", 25},
    {27, 2021, 2022, "SF", 27},  {28, 2021, 2022, "SEA", 28}, {29, 2021, 2022, "TB", 29},
    {30, 2021, 2022, "TEN", 30}, {31, 2021, 2022, "WAS", 31},
};

ART_COLOUR Franchise_Colour(int row) {
    const ART_COLOUR base = Art_Colour_From_Value(Franchise_Table[row].Colour);
    return base.R + base.G + base.B < 30 ? Art_Colour(36, 36, 40) : base;
}

// A shield in the team's colours with its letters, 84 x 80.
void Draw_Shield(ART_CANVAS* c, ART_COLOUR base, const char* letters) {
    const ART_COLOUR trim = Trim_Colour(base);
    agg::path_storage outer;
    outer.move_to(6, 4);
    outer.line_to(78, 4);
    outer.line_to(78, 44);
    outer.curve4(78, 62, 58, 72, 42, 78);
    outer.curve4(26, 72, 6, 62, 6, 44);
    outer.close_polygon();
    Fill_Art_Path(c, outer, trim);
    agg::path_storage inner;
    inner.move_to(11, 9);
    inner.line_to(73, 9);
    inner.line_to(73, 43);
    inner.curve4(73, 58, 56, 66, 42, 72);
    inner.curve4(28, 66, 11, 58, 11, 43);
    inner.close_polygon();
    Fill_Art_Path(c, inner, base);
    Fill_Art_Rect(c, 11, 16, 73, 20, trim);
    Draw_Art_Text(c, letters, 8, 20, 76, 62, strlen(letters) > 2 ? 24 : 30, true, trim);
}

// The older seasons' logos: a round badge with a pennant stripe, 84 x 80.
void Draw_Badge(ART_CANVAS* c, ART_COLOUR base, const char* letters) {
    const ART_COLOUR trim = Trim_Colour(base);
    Fill_Art_Ellipse(c, 42, 40, 38, 36, trim);
    Fill_Art_Ellipse(c, 42, 40, 33, 31, base);
    agg::path_storage pennant = Art_Polygon({14, 52, 70, 44, 70, 50, 14, 58});
    Fill_Art_Path(c, pennant, trim);
    Draw_Art_Text(c, letters, 8, 14, 76, 46, strlen(letters) > 2 ? 20 : 26, true, trim);
}

// Until 1969 the logos are badges, from 1970 shields.
constexpr int FIRST_SHIELD_YEAR = 1970;

int Write_Era_Logos(const std::string& root, const LOGO_ERA& era) {
    int ok = 1;
    char name[96];
    for (int year = era.First_Year; year <= era.Last_Year; ++year) {
        ART_CANVAS c;
        Start_Canvas(&c, 84, 80, CLEAR);
        if (year < FIRST_SHIELD_YEAR)
            Draw_Badge(&c, Franchise_Colour(era.Franchise), era.Letters);
        else
            Draw_Shield(&c, Franchise_Colour(era.Franchise), era.Letters);
        snprintf(name, sizeof name, "Input/Stats/Historical/%d%d.gz", era.Index, year);
        ok &= Save_Canvas_PNG(c, root + name);
    }
    return ok;
}
} // namespace

const char* Get_Season_Logo_Letters(int index, int year) {
    auto in = [index, year](const LOGO_ERA& era) {
        return era.Index == index && era.First_Year <= year && year <= era.Last_Year;
    };
    for (const LOGO_ERA& era : HISTORICAL_LOGO_ERAS)
        if (in(era)) return era.Letters;
    for (const LOGO_ERA& era : MODERN_LOGO_ERAS)
        if (in(era)) return era.Letters;
    return nullptr;
}

// The logos a game copies into "Logos/Downloads" for each season: PNG
// pictures under "Input/Stats/Historical/<logo index><year>.gz", for every
// year each logo index has a team.
int Write_Historical_Logos(const std::string& root) {
    int ok = 1;
    for (const LOGO_ERA& era : HISTORICAL_LOGO_ERAS)
        ok &= Write_Era_Logos(root, era);
    for (const LOGO_ERA& era : MODERN_LOGO_ERAS)
        ok &= Write_Era_Logos(root, era);
    return ok;
}

namespace {
const ART_COLOUR CARD_PAPER = Art_Colour(250, 248, 240);
const ART_COLOUR CARD_BLUE = Art_Colour(40, 70, 160);
const ART_COLOUR CARD_UMBER = Art_Colour(130, 80, 40);
const ART_COLOUR LEATHER = Art_Colour(120, 66, 30);

// A card's paper with a double frame and faint yard lines, 825 x 1,125.
void Draw_Card_Paper(ART_CANVAS* c, ART_COLOUR ink) {
    Start_Canvas(c, 825, 1125, CARD_PAPER);
    for (int y = 150; y < 1000; y += 70)
        Fill_Art_Rect(c, 60, y, 765, y + 2, Mix_Colours(CARD_PAPER, ink, 0.12));
    Stroke_Art_Rounded_Rect(c, 24, 24, 801, 1101, 36, 8, ink);
    Stroke_Art_Rounded_Rect(c, 44, 44, 781, 1081, 26, 3, Mix_Colours(ink, CARD_PAPER, 0.4));
}

// The frame of a player's statistics with room for `lines` lines of 44 pixels.
void Draw_Stats_Box(ART_CANVAS* c, int lines, ART_COLOUR ink) {
    const int height = 60 + 44 * lines;
    Start_Canvas(c, 720, height, CLEAR);
    Fill_Art_Rounded_Rect(c, 3, 3, 717, height - 3, 18, Mix_Colours(CARD_PAPER, ink, 0.06));
    Stroke_Art_Rounded_Rect(c, 3, 3, 717, height - 3, 18, 5, ink);
    Fill_Art_Rect(c, 6, 8, 714, 52, ink);
    Draw_Art_Text(c, "LAST SEASON", 6, 8, 714, 52, 32, true, WHITE);
    for (int line = 1; line < lines; ++line)
        Fill_Art_Rect(c, 30, 57 + 44 * line, 690, 59 + 44 * line, Mix_Colours(CARD_PAPER, ink, 0.3));
}

// A football with the yards of a play on it.
void Draw_Yardage_Football(ART_CANVAS* c, const char* text) {
    Start_Canvas(c, 160, 96, CLEAR);
    Fill_Art_Ellipse(c, 80, 48, 76, 44, LEATHER);
    Fill_Art_Rect(c, 50, 20, 110, 23, WHITE);
    for (int x = 56; x <= 104; x += 12)
        Fill_Art_Rect(c, x, 14, x + 3, 29, WHITE);
    Draw_Art_Text(c, text, 0, 34, 160, 90, 40, true, Art_Colour(255, 236, 180));
}
} // namespace

// The card faces the kit draws on: player and play backgrounds, the
// statistics frames, the category badges and the yardage footballs.
int Write_Card_Faces(const std::string& kit) {
    int ok = 1;
    ART_CANVAS c;
    Draw_Card_Paper(&c, CARD_BLUE);
    ok &= Save_Canvas_PNG(c, kit + "offense-player.png");
    Draw_Card_Paper(&c, CARD_UMBER);
    ok &= Save_Canvas_PNG(c, kit + "defense-player.png");
    Draw_Card_Paper(&c, CARD_BLUE);
    ok &= Save_Canvas_PNG(c, kit + "plays/play-card.png");
    Draw_Card_Paper(&c, CARD_UMBER);
    ok &= Save_Canvas_PNG(c, kit + "plays/audible-card.png");
    char name[96];
    for (int lines = 1; lines <= 8; ++lines)
        for (int umber = 0; umber < 2; ++umber) {
            Draw_Stats_Box(&c, lines, umber ? CARD_UMBER : CARD_BLUE);
            snprintf(name, sizeof name, "stats/%d stats w box %s.png", lines, umber ? "umber" : "blue");
            ok &= Save_Canvas_PNG(c, kit + name);
        }
    const char* const offense[7] = {"Pass Blocking", "Run Blocking", "Rushing", "Goal Line",
                                    "Receiving",     "Passing",      "Red Zone"};
    const char* const defense[4] = {"Run Defense", "Pass Rush", "Coverage", "Tackling"};
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < (side == 0 ? 7 : 4); ++i) {
            const char* category = side == 0 ? offense[i] : defense[i];
            const ART_COLOUR ink = side == 0 ? CARD_BLUE : CARD_UMBER;
            Start_Canvas(&c, 330, 72, CLEAR);
            Fill_Art_Rounded_Rect(&c, 2, 2, 328, 70, 34, ink);
            Draw_Art_Text(&c, category, 2, 2, 328, 70, 34, true, WHITE);
            snprintf(name, sizeof name, "plays/%s-%s.png", side == 0 ? "Offense" : "Defense", category);
            ok &= Save_Canvas_PNG(c, kit + name);
        }
    for (int yards = -10; yards <= 40; ++yards) {
        char text[8];
        snprintf(text, sizeof text, "%d", yards);
        Draw_Yardage_Football(&c, text);
        snprintf(name, sizeof name, "plays/football %d.png", yards);
        ok &= Save_Canvas_PNG(c, kit + name);
    }
    return ok;
}

int Write_Card_Kit_Pieces(const std::string& root) {
    const std::string kit = root + "gridiron/";
    int ok = 1;
    ART_CANVAS c;
    char name[96];
    for (int row = 0; row < FRANCHISE_COUNT; ++row) {
        Start_Canvas(&c, 200, 200, CLEAR);
        const ART_COLOUR base = Art_Colour_From_Value(Franchise_Table[row].Colour);
        agg::path_storage jersey = Art_Polygon(
            {60, 20, 140, 20, 190, 60, 165, 90, 150, 80, 150, 190, 50, 190, 50, 80, 35, 90, 10, 60});
        Fill_Art_Path(&c, jersey, base.R + base.G + base.B < 30 ? Art_Colour(36, 36, 40) : base);
        Stroke_Art_Path(&c, jersey, 3, Trim_Colour(base));
        snprintf(name, sizeof name, "jerseys/jersey-%d.png", row);
        ok &= Save_Canvas_PNG(c, kit + name);
    }
    const struct {
        const char* Name;
        ART_COLOUR Colour;
    } lines[2] = {{"thin_blue_line.png", Art_Colour(40, 70, 160)},
                  {"thin_umber_line.png", Art_Colour(130, 80, 40)}};
    for (const auto& line : lines) {
        Start_Canvas(&c, 825, 6, line.Colour);
        ok &= Save_Canvas_PNG(c, kit + line.Name);
    }
    const char* const blanks[3] = {"plays/playbook-blank.png", "plays/roster-blank.png",
                                   "plays/defensive-play-blank.png"};
    for (int i = 0; i < 3; ++i) {
        Start_Canvas(&c, i == 0 ? 1125 : 825, i == 0 ? 825 : 1125, Art_Colour(250, 248, 240));
        Stroke_Art_Rounded_Rect(&c, 20, 20, c.Surface.Width - 20, c.Surface.Height - 20, 30, 6,
                                Art_Colour(40, 70, 160));
        ok &= Save_Canvas_PNG(c, kit + blanks[i]);
    }
    const char* const types[4] = {"Inside Run", "Outside Run", "Short Pass", "Long Pass"};
    for (const char* type : types) {
        Start_Canvas(&c, 300, 60, Art_Colour(40, 70, 160));
        Draw_Art_Text(&c, type, 0, 0, 300, 60, 32, true, WHITE);
        ok &= Save_Canvas_PNG(c, kit + "plays/play type " + type + ".png");
    }
    const struct {
        const char* Name;
        ART_COLOUR Colour;
    } scores[3] = {{"Gold", Art_Colour(214, 172, 40)},
                   {"Green", Art_Colour(40, 150, 60)},
                   {"Purple", Art_Colour(110, 50, 150)}};
    for (const auto& score : scores)
        for (const char* kind : {"fg", "td"}) {
            Start_Canvas(&c, 80, 80, CLEAR);
            Fill_Art_Ellipse(&c, 40, 40, 38, 38, score.Colour);
            Draw_Art_Text(&c, strcmp(kind, "fg") == 0 ? "FG" : "TD", 0, 0, 80, 80, 34, true, WHITE);
            ok &= Save_Canvas_PNG(c, kit + "plays/" + kind + "-" + score.Name + ".png");
        }
    const struct {
        const char* Name;
        const char* Text;
        ART_COLOUR Colour;
        bool Outline;
    } marks[8] = {{"+1green", "+1", Art_Colour(40, 150, 60), false},
                  {"+1greenstroke", "+1", Art_Colour(40, 150, 60), true},
                  {"-1red", "-1", Art_Colour(190, 40, 40), false},
                  {"-1redstroke", "-1", Art_Colour(190, 40, 40), true},
                  {"audible", "A", Art_Colour(40, 70, 160), false},
                  {"question", "?", Art_Colour(90, 90, 96), false},
                  {"+question", "+?", Art_Colour(90, 90, 96), false},
                  {"questions", "??", Art_Colour(90, 90, 96), false}};
    for (const auto& mark : marks) {
        Start_Canvas(&c, 80, 80, CLEAR);
        if (mark.Outline) {
            agg::path_storage ring;
            ring.move_to(6, 40);
            ring.arc_to(34, 34, 0, false, true, 74, 40);
            ring.arc_to(34, 34, 0, false, true, 6, 40);
            Stroke_Art_Path(&c, ring, 5, mark.Colour);
            Draw_Art_Text(&c, mark.Text, 0, 0, 80, 80, 36, true, mark.Colour);
        } else {
            Fill_Art_Ellipse(&c, 40, 40, 36, 36, mark.Colour);
            Draw_Art_Text(&c, mark.Text, 0, 0, 80, 80, 36, true, WHITE);
        }
        ok &= Save_Canvas_PNG(c, kit + "plays/" + mark.Name + ".png");
    }
    ok &= Write_Card_Faces(kit);
    return ok;
}
