#include "tools/art/art_screens.h"

#include "platform/agg_warnings.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

const SKIN_PALETTE Skin_Palettes[3] = {
    {"earth", Art_Colour(52, 70, 40), Art_Colour(24, 34, 20), Art_Colour(92, 64, 36),
     Art_Colour(120, 150, 96), Art_Colour(255, 249, 69)},
    {"fire", Art_Colour(250, 222, 196), Art_Colour(226, 168, 130), Art_Colour(205, 120, 70),
     Art_Colour(238, 196, 160), Art_Colour(120, 30, 10)},
    {"ice", Art_Colour(232, 242, 252), Art_Colour(176, 200, 228), Art_Colour(112, 150, 198),
     Art_Colour(206, 222, 240), Art_Colour(20, 50, 100)},
};

namespace {
constexpr int32_t VIEW_WIDTH = 1024;
constexpr int32_t VIEW_HEIGHT = 676;

// Design units (768 x 507) to the pictures' pixels.
double DX(double x) {
    return x * VIEW_WIDTH / 768.0;
}
double DY(double y) {
    return y * VIEW_HEIGHT / 507.0;
}

// A small deterministic generator for the art's variety.
uint32_t Next_Art_Number(uint32_t* state) {
    uint32_t x = *state;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    *state = x;
    return x;
}

const char* const NAV_LABELS[7] = {"Calendar", "Standings", "Finances", "Leaders",
                                   "Games",    "Playoffs",  "Draft"};
const int NAV_EDGES[8] = {27, 105, 194, 276, 350, 418, 496, 553};

// The row of seven navigation buttons under a view, on its strip.
void Draw_Navigation_Buttons(ART_CANVAS* c, const SKIN_PALETTE& skin) {
    Fill_Art_Rect(c, DX(20), DY(464), DX(560), DY(497), Mix_Colours(skin.Band, skin.Bottom, 0.4));
    for (int b = 0; b < 7; ++b) {
        const double left = DX(NAV_EDGES[b]) + 3, right = DX(NAV_EDGES[b + 1]) - 3;
        Fill_Art_Rounded_Rect(c, left, DY(466), right, DY(493), 8, skin.Band);
        Stroke_Art_Rounded_Rect(c, left, DY(466), right, DY(493), 8, 2, skin.Line);
        Draw_Art_Text(c, NAV_LABELS[b], static_cast<int32_t>(left), static_cast<int32_t>(DY(466)),
                      static_cast<int32_t>(right), static_cast<int32_t>(DY(493)), 17, true,
                      Art_Colour(255, 255, 255));
    }
}

// The common ground of every view: the gradient, faint yard lines, the title
// band and (unless the view's lower half is taken, as on the game-day screen)
// the row of navigation buttons.
void Draw_View_Ground(ART_CANVAS* c, const SKIN_PALETTE& skin, const char* title, bool navigation = true) {
    Fill_Art_Gradient(c, 0, 0, VIEW_WIDTH, VIEW_HEIGHT, skin.Top, skin.Bottom);
    for (int i = 1; i < 12; ++i) {
        const double x = i * VIEW_WIDTH / 12.0;
        Fill_Art_Rect(c, x - 1, DY(70), x + 1, DY(460), Mix_Colours(skin.Line, skin.Top, 0.55));
    }
    Fill_Art_Rect(c, 0, DY(12), VIEW_WIDTH, DY(66), Mix_Colours(skin.Band, skin.Top, 0.25));
    Fill_Art_Rect(c, 0, DY(66) - 2, VIEW_WIDTH, DY(66), skin.Line);
    if (title != nullptr)
        Draw_Art_Text(c, title, static_cast<int32_t>(DX(600)), static_cast<int32_t>(DY(14)),
                      static_cast<int32_t>(DX(760)), static_cast<int32_t>(DY(64)), 22, true,
                      Mix_Colours(skin.Ink, skin.Band, 0.35));
    if (navigation) Draw_Navigation_Buttons(c, skin);
}

bool Is_Light_Skin(const SKIN_PALETTE& skin) {
    return std::string(skin.Name) != "earth";
}

// A translucent panel for lists and tables.
void Draw_Panel(ART_CANVAS* c, const SKIN_PALETTE& skin, double x1, double y1, double x2, double y2) {
    ART_COLOUR fill = skin.Bottom;
    fill.A = 150;
    Fill_Art_Rounded_Rect(c, DX(x1), DY(y1), DX(x2), DY(y2), 10, fill);
    Stroke_Art_Rounded_Rect(c, DX(x1), DY(y1), DX(x2), DY(y2), 10, 2, skin.Line);
}

// The panel under a news view's rows: on the light skins a darker one, under
// which the views' white text stays readable.
void Draw_Text_Panel(ART_CANVAS* c, const SKIN_PALETTE& skin, double x1, double y1, double x2, double y2) {
    if (!Is_Light_Skin(skin)) {
        Draw_Panel(c, skin, x1, y1, x2, y2);
        return;
    }
    ART_COLOUR fill = skin.Band;
    fill.A = 215;
    Fill_Art_Rounded_Rect(c, DX(x1), DY(y1), DX(x2), DY(y2), 10, fill);
    Stroke_Art_Rounded_Rect(c, DX(x1), DY(y1), DX(x2), DY(y2), 10, 2, skin.Line);
}

// A football seen from the side: two curves meeting in a point at each end.
void Draw_Football(ART_CANVAS* c, double cx, double cy, double length, ART_COLOUR leather, ART_COLOUR laces) {
    const double half = length / 2;
    // A cubic reaches three quarters of its control points' height at its middle.
    const double reach = length / 3.4 / 0.75;
    agg::path_storage ball;
    ball.move_to(cx - half, cy);
    ball.curve4(cx - half * 0.55, cy - reach, cx + half * 0.55, cy - reach, cx + half, cy);
    ball.curve4(cx + half * 0.55, cy + reach, cx - half * 0.55, cy + reach, cx - half, cy);
    ball.close_polygon();
    Fill_Art_Path(c, ball, leather);
    Fill_Art_Rect(c, cx - length / 5, cy - 2, cx + length / 5, cy + 2, laces);
    for (int i = -2; i <= 2; ++i)
        Fill_Art_Rect(c, cx + i * length / 12 - 1.5, cy - 7, cx + i * length / 12 + 1.5, cy + 7, laces);
}

void Draw_Trophy(ART_CANVAS* c, double cx, double top, double size, ART_COLOUR metal) {
    agg::path_storage cup;
    cup.move_to(cx - size * 0.35, top);
    cup.line_to(cx + size * 0.35, top);
    cup.line_to(cx + size * 0.2, top + size * 0.45);
    cup.line_to(cx + size * 0.06, top + size * 0.55);
    cup.line_to(cx + size * 0.06, top + size * 0.8);
    cup.line_to(cx + size * 0.25, top + size * 0.9);
    cup.line_to(cx - size * 0.25, top + size * 0.9);
    cup.line_to(cx - size * 0.06, top + size * 0.8);
    cup.line_to(cx - size * 0.06, top + size * 0.55);
    cup.line_to(cx - size * 0.2, top + size * 0.45);
    cup.close_polygon();
    Fill_Art_Path(c, cup, metal);
    Fill_Art_Rect(c, cx - size * 0.3, top + size * 0.9, cx + size * 0.3, top + size,
                  Mix_Colours(metal, Art_Colour(0, 0, 0), 0.4));
}

// The Games view and the game-day screen: the two player panels, the score
// table, the field strip the ball moves on (its 100 yards span x 271..496;
// a plain panel for the "Player of the Game" of a finished game),
// the weather, clock and team comparison panel, and the lower panel, which
// on the game-day screen runs to the bottom in place of the navigation
// buttons. The tab row's plates are drawn with the tabs.
void Draw_Games_Ground(ART_CANVAS* c, const SKIN_PALETTE& skin, bool playing) {
    Draw_View_Ground(c, skin, nullptr, !playing);
    // On the light skins the names, the score table, the weather and the
    // clock are written in light colours: their bands are dark. The player
    // lines sit 30 units lower there, so the panels are taller.
    const bool light = strcmp(skin.Name, "earth") != 0;
    if (light) {
        ART_COLOUR dark = Mix_Colours(skin.Band, Art_Colour(0, 0, 0), 0.55);
        Fill_Art_Rect(c, 0, 0, DX(768), DY(47), dark);
    }
    const double panel_bottom = light ? 264 : 232;
    Draw_Panel(c, skin, 4, 28, 257, panel_bottom);
    Draw_Panel(c, skin, 515, 28, 768, panel_bottom);
    Draw_Panel(c, skin, 258, 2, 512, 45);
    if (playing) {
        const ART_COLOUR turf = Art_Colour(46, 118, 52);
        const ART_COLOUR end_zone = Art_Colour(34, 92, 40);
        Fill_Art_Rect(c, DX(261), DY(50), DX(506), DY(98), Mix_Colours(skin.Line, Art_Colour(0, 0, 0), 0.5));
        Fill_Art_Rect(c, DX(262), DY(51), DX(271), DY(97), end_zone);
        Fill_Art_Rect(c, DX(496), DY(51), DX(505), DY(97), end_zone);
        Fill_Art_Rect(c, DX(271), DY(51), DX(496), DY(97), turf);
        for (int yard = 0; yard <= 100; yard += 10) {
            const double x = DX(271 + 2.25 * yard);
            Fill_Art_Rect(c, x - 1, DY(51), x + 1, DY(81), Art_Colour(232, 242, 232));
        }
        for (int yard = 5; yard < 100; yard += 10) {
            const double x = DX(271 + 2.25 * yard);
            Fill_Art_Rect(c, x - 0.6, DY(60), x + 0.6, DY(72), Art_Colour(200, 224, 200));
        }
        // Under the strip the situation text is written on a darker band.
        Fill_Art_Rect(c, DX(271), DY(81), DX(496), DY(97), Mix_Colours(turf, Art_Colour(0, 0, 0), 0.45));
    } else {
        // The finished game's "Player of the Game".
        Draw_Panel(c, skin, 262, 52, 506, 97);
    }
    // Weather, period and clock, the nicknames and the team comparison.
    Draw_Panel(c, skin, 259, 100, 509, 259);
    if (light) {
        ART_COLOUR dark = Mix_Colours(skin.Band, Art_Colour(0, 0, 0), 0.55);
        dark.A = 220;
        Fill_Art_Rounded_Rect(c, DX(261), DY(102), DX(507), DY(141), 8, dark);
    }
    Draw_Panel(c, skin, 8, 287, 760, playing ? 505 : 458);
}

int Save_View(ART_CANVAS* c, const std::string& folder, const char* name) {
    return Save_Canvas_JPEG(*c, folder + name, 88);
}

int Write_View_Backgrounds(const std::string& folder, const SKIN_PALETTE& skin) {
    int ok = 1;
    ART_CANVAS c;
    const ART_COLOUR gold = Art_Colour(226, 186, 60);

    Start_Canvas(&c, VIEW_WIDTH, VIEW_HEIGHT, skin.Bottom);
    Draw_View_Ground(&c, skin, nullptr);
    Draw_Text_Panel(&c, skin, 6, 96, 762, 440);
    Fill_Art_Rect(&c, DX(300), DY(72), DX(720), DY(95), Mix_Colours(skin.Band, skin.Top, 0.2));
    ok &= Save_View(&c, folder, "news/standing.jpg");

    Start_Canvas(&c, VIEW_WIDTH, VIEW_HEIGHT, skin.Bottom);
    Draw_View_Ground(&c, skin, nullptr);
    Fill_Art_Rect(&c, DX(160), DY(72), DX(720), DY(94), Mix_Colours(skin.Band, skin.Top, 0.2));
    Draw_Text_Panel(&c, skin, 10, 96, 758, 455);
    ok &= Save_View(&c, folder, "news/finance.jpg");

    for (int wide = 0; wide < 2; ++wide) {
        Start_Canvas(&c, VIEW_WIDTH, VIEW_HEIGHT, skin.Bottom);
        Draw_View_Ground(&c, skin, nullptr);
        if (wide == 0) {
            Draw_Text_Panel(&c, skin, 110, 70, 380, 455);
            Draw_Text_Panel(&c, skin, 388, 70, 658, 455);
        } else {
            Draw_Text_Panel(&c, skin, 20, 70, 748, 455);
        }
        ok &= Save_View(&c, folder, wide == 0 ? "news/leaders.jpg" : "news/leaders1.jpg");
    }

    Start_Canvas(&c, VIEW_WIDTH, VIEW_HEIGHT, skin.Bottom);
    Draw_View_Ground(&c, skin, nullptr);
    // The column headings, then the weeks' rows: the last, a playoff week's,
    // ends at 461.
    Draw_Text_Panel(&c, skin, 368, 68, 762, 101);
    Draw_Text_Panel(&c, skin, 2, 103, 762, 463);
    ok &= Save_View(&c, folder, "news/calendar.jpg");

    Start_Canvas(&c, VIEW_WIDTH, VIEW_HEIGHT, skin.Bottom);
    Draw_View_Ground(&c, skin, nullptr);
    // Two columns of eighteen picks.
    for (int col = 0; col < 2; ++col)
        Draw_Text_Panel(&c, skin, 12 + col * 300, 66, 312 + col * 300, 434);
    ok &= Save_View(&c, folder, "news/draft.jpg");

    Start_Canvas(&c, VIEW_WIDTH, VIEW_HEIGHT, skin.Bottom);
    Draw_View_Ground(&c, skin, "Playoffs");
    // Faint guides, near the ground's own shade: the earth skin's title of
    // the final is written across one of them.
    const ART_COLOUR guide = Mix_Colours(skin.Line, skin.Bottom, 0.6);
    for (int i = 0; i < 8; ++i) {
        Fill_Art_Rect(&c, DX(150), DY(90 + i * 45), DX(240), DY(92 + i * 45), guide);
        Fill_Art_Rect(&c, DX(528), DY(90 + i * 45), DX(618), DY(92 + i * 45), guide);
    }
    Draw_Trophy(&c, DX(384), DY(150), DY(170), gold);
    ok &= Save_View(&c, folder, "news/playoffs.jpg");

    for (int playing = 0; playing < 2; ++playing) {
        Start_Canvas(&c, VIEW_WIDTH, VIEW_HEIGHT, skin.Bottom);
        Draw_Games_Ground(&c, skin, playing != 0);
        ok &= Save_View(&c, folder, playing ? "news/pbp.jpg" : "news/games.jpg");
    }

    Start_Canvas(&c, VIEW_WIDTH, VIEW_HEIGHT, skin.Bottom);
    Draw_View_Ground(&c, skin, "Korva Hall Of Fame");
    // The four difficulty tabs and the columns' headings are part of the
    // picture; the view writes the entries under them.
    const char* const levels[4] = {"Fan", "Coach", "Head Coach", "Korva"};
    for (int tab = 0; tab < 4; ++tab) {
        Draw_Text_Panel(&c, skin, 15 + 172 * tab, 76, 187 + 172 * tab, 106);
        Draw_Art_Text(&c, levels[tab], static_cast<int32_t>(DX(15 + 172 * tab)), static_cast<int32_t>(DY(76)),
                      static_cast<int32_t>(DX(187 + 172 * tab)), static_cast<int32_t>(DY(106)), 18, true,
                      Art_Colour(255, 255, 255));
    }
    Draw_Text_Panel(&c, skin, 8, 112, 766, 408);
    const char* const headings[7] = {"Owner", "Team", "Seasons", "Record", "Pct.", "Playoffs", "Rating"};
    const int column_left[7] = {15, 132, 295, 391, 482, 573, 676};
    const int column_width[7] = {115, 161, 90, 90, 90, 90, 90};
    for (int column = 0; column < 7; ++column)
        Draw_Art_Text(&c, headings[column], static_cast<int32_t>(DX(column_left[column])),
                      static_cast<int32_t>(DY(122)),
                      static_cast<int32_t>(DX(column_left[column] + column_width[column])),
                      static_cast<int32_t>(DY(144)), 16, true, Mix_Colours(skin.Ink, skin.Line, 0.2));
    Fill_Art_Rect(&c, DX(15), DY(372), DX(760), DY(374), skin.Line);
    ok &= Save_View(&c, folder, "news/korhof.jpg");

    const char* const champion_names[3] = {"news/divchamp.jpg", "news/conferen.jpg", "news/champs.jpg"};
    const char* const champion_titles[3] = {"Division Champions", "Conference Champions", "League Champions"};
    for (int level = 0; level < 3; ++level) {
        Start_Canvas(&c, VIEW_WIDTH, VIEW_HEIGHT, Art_Colour(250, 246, 232));
        Fill_Art_Gradient(&c, 0, 0, VIEW_WIDTH, VIEW_HEIGHT, Art_Colour(252, 248, 236),
                          Art_Colour(222, 212, 182));
        Draw_Trophy(&c, VIEW_WIDTH / 2.0, 150, 260 + 40 * level, gold);
        Draw_Art_Text(&c, champion_titles[level], 0, 30, VIEW_WIDTH, 120, 56, true, Art_Colour(90, 70, 30),
                      "Times New Roman");
        // The champions view is a view like the others: its buttons work.
        Draw_Navigation_Buttons(&c, skin);
        ok &= Save_View(&c, folder, champion_names[level]);
    }

    for (int wide = 0; wide < 2; ++wide) {
        const int32_t width = wide ? 1200 : VIEW_WIDTH;
        Start_Canvas(&c, width, VIEW_HEIGHT, skin.Bottom);
        Fill_Art_Gradient(&c, 0, 0, width, VIEW_HEIGHT, Mix_Colours(skin.Top, skin.Band, 0.3), skin.Bottom);
        Fill_Art_Rect(&c, 0, 420, width, VIEW_HEIGHT, Art_Colour(46, 110, 50));
        for (int yard = 0; yard <= 12; ++yard)
            Fill_Art_Rect(&c, yard * width / 12.0 - 2, 420, yard * width / 12.0 + 2, VIEW_HEIGHT,
                          Art_Colour(236, 244, 236));
        Draw_Football(&c, width / 2.0, 300, 240, Art_Colour(122, 66, 32), Art_Colour(248, 248, 248));
        Draw_Art_Text(&c, "Football Korva", 0, 80, width, 200, 90, true,
                      Mix_Colours(skin.Ink, skin.Band, 0.2));
        ok &= Save_View(&c, folder, wide ? "news/startup_widescreen.jpg" : "news/startup.jpg");
    }
    return ok;
}

int Write_Bars_And_Boxes(const std::string& folder, const SKIN_PALETTE& skin) {
    int ok = 1;
    ART_CANVAS c;
    // Drawn over the news ticker after its text, so clear but for a rim; at
    // its own size from the bar's left end, so as wide as a wide screen.
    constexpr int32_t NEWS_BAR_WIDTH = 2560;
    Start_Canvas(&c, NEWS_BAR_WIDTH, 24, Art_Colour(0, 0, 0, 0));
    Fill_Art_Rect(&c, 0, 0, NEWS_BAR_WIDTH, 2, skin.Line);
    Fill_Art_Rect(&c, 0, 22, NEWS_BAR_WIDTH, 24, Mix_Colours(skin.Line, Art_Colour(0, 0, 0), 0.5));
    ok &= Save_Canvas_PNG(c, folder + "news/newsbar.png");

    // The bars are darker than the skin's band: the timeline strip writes on
    // them in yellow and white on every skin.
    const ART_COLOUR bar_top = Mix_Colours(skin.Band, Art_Colour(0, 0, 0), 0.25);
    const ART_COLOUR bar_bottom = Mix_Colours(skin.Band, Art_Colour(0, 0, 0), 0.55);
    Start_Canvas(&c, 380, 36, skin.Band);
    Fill_Art_Gradient(&c, 0, 0, 380, 36, bar_top, bar_bottom);
    Fill_Art_Rounded_Rect(&c, 4, 6, 78, 32, 6, Mix_Colours(skin.Band, Art_Colour(0, 0, 0), 0.7));
    Fill_Art_Rounded_Rect(&c, 122, 6, 373, 32, 6, Mix_Colours(skin.Band, Art_Colour(0, 0, 0), 0.5));
    ok &= Save_Canvas_PNG(c, folder + "news/bottombarleft.png");

    Start_Canvas(&c, 64, 36, skin.Band);
    Fill_Art_Gradient(&c, 0, 0, 64, 36, bar_top, bar_bottom);
    ok &= Save_Canvas_PNG(c, folder + "news/bottombarright.png");

    Start_Canvas(&c, 160, 40, Art_Colour(0, 0, 0, 0));
    Fill_Art_Rounded_Rect(&c, 1, 1, 159, 39, 8, Mix_Colours(skin.Band, Art_Colour(0, 0, 0), 0.45));
    Stroke_Art_Rounded_Rect(&c, 2, 2, 158, 38, 8, 2, skin.Line);
    ok &= Save_Canvas_PNG(c, folder + "news/box.png");

    Start_Canvas(&c, 40, 40, Art_Colour(0, 0, 0, 0));
    Fill_Art_Ellipse(&c, 20, 20, 19, 19, Mix_Colours(skin.Band, Art_Colour(120, 20, 20), 0.6));
    ok &= Save_Canvas_PNG(c, folder + "news/seed.png");

    for (int stars = 0; stars <= 5; ++stars) {
        Start_Canvas(&c, 110, 22, Art_Colour(0, 0, 0, 0));
        for (int k = 0; k < 5; ++k) {
            agg::path_storage star;
            Add_Art_Star(star, 11 + 22 * k, 11.5, 10, 4.2);
            if (k < stars)
                Fill_Art_Path(&c, star, Art_Colour(240, 196, 40));
            else
                Stroke_Art_Path(&c, star, 1.2, Art_Colour(150, 150, 150));
        }
        char name[64];
        snprintf(name, sizeof name, "dialogs/matchup/stars_%d.png", stars);
        ok &= Save_Canvas_PNG(c, folder + name);
    }
    Start_Canvas(&c, 400, 40, skin.Band);
    Fill_Art_Gradient(&c, 0, 0, 400, 40, skin.Band, Mix_Colours(skin.Band, Art_Colour(0, 0, 0), 0.4));
    Draw_Art_Text(&c, "Watch Games", 0, 0, 400, 40, 22, true, Art_Colour(255, 255, 255));
    ok &= Save_Canvas_PNG(c, folder + "dialogs/matchup/matchupbar.png");
    return ok;
}

// A portrait: head, hair, suit and tie in shades drawn from `seed`.
void Draw_Face(ART_CANVAS* c, uint32_t seed, const SKIN_PALETTE& skin) {
    uint32_t state = seed * 2654435761u + 12345u;
    const ART_COLOUR tones[5] = {Art_Colour(241, 204, 170), Art_Colour(224, 172, 126),
                                 Art_Colour(190, 134, 90), Art_Colour(141, 92, 58), Art_Colour(98, 64, 42)};
    const ART_COLOUR hairs[5] = {Art_Colour(30, 24, 20), Art_Colour(96, 64, 36), Art_Colour(180, 150, 90),
                                 Art_Colour(150, 150, 150), Art_Colour(70, 40, 24)};
    const ART_COLOUR suits[4] = {Art_Colour(40, 44, 60), Art_Colour(70, 70, 74), Art_Colour(36, 56, 96),
                                 Art_Colour(90, 60, 40)};
    const ART_COLOUR tone = tones[Next_Art_Number(&state) % 5];
    const ART_COLOUR hair = hairs[Next_Art_Number(&state) % 5];
    const ART_COLOUR suit = suits[Next_Art_Number(&state) % 4];
    // One draw a statement, so every compiler takes them in the same order.
    const int tie_green = static_cast<int>(Next_Art_Number(&state) % 120 + 20);
    const int tie_red = static_cast<int>(Next_Art_Number(&state) % 200 + 40);
    const ART_COLOUR tie = Art_Colour(tie_red, tie_green, 40);
    Fill_Art_Gradient(c, 0, 0, 120, 150, Mix_Colours(skin.Top, Art_Colour(255, 255, 255), 0.3), skin.Band);
    Fill_Art_Ellipse(c, 60, 160, 58, 48, suit);
    Fill_Art_Rect(c, 52, 100, 68, 125, tone);
    agg::path_storage shirt = Art_Polygon({44, 116, 76, 116, 60, 150});
    Fill_Art_Path(c, shirt, Art_Colour(245, 245, 245));
    Fill_Art_Rect(c, 57, 118, 63, 150, tie);
    const double head_w = 26 + Next_Art_Number(&state) % 6;
    Fill_Art_Ellipse(c, 60, 70, head_w, 34, tone);
    Fill_Art_Ellipse(c, 60, 46 - Next_Art_Number(&state) % 4, head_w + 1, 16, hair);
    Fill_Art_Ellipse(c, 50, 68, 3, 3.5, Art_Colour(40, 30, 30));
    Fill_Art_Ellipse(c, 70, 68, 3, 3.5, Art_Colour(40, 30, 30));
    Fill_Art_Rect(c, 52, 88, 68, 91, Mix_Colours(tone, Art_Colour(120, 40, 40), 0.5));
}

int Write_Dialog_Pictures(const std::string& folder, const SKIN_PALETTE& skin) {
    int ok = 1;
    ART_CANVAS c;
    char name[96];
    for (int i = 0; i < 45; ++i) {
        Start_Canvas(&c, 120, 150, skin.Top);
        Draw_Face(&c, static_cast<uint32_t>(i + 1), skin);
        snprintf(name, sizeof name, "dialogs/faces/gm%d.jpg", i);
        ok &= Save_Canvas_JPEG(c, folder + name, 90);
    }
    for (int i = 0; i < 21; ++i) {
        Start_Canvas(&c, 120, 150, skin.Top);
        Draw_Face(&c, static_cast<uint32_t>(1000 + i), skin);
        snprintf(name, sizeof name, "dialogs/faces/agent%d.jpg", i);
        ok &= Save_Canvas_JPEG(c, folder + name, 90);
    }

    Start_Canvas(&c, 320, 200, skin.Top);
    Fill_Art_Gradient(&c, 0, 0, 320, 200, skin.Top, skin.Bottom);
    Fill_Art_Rounded_Rect(&c, 40, 90, 170, 130, 18, Art_Colour(224, 172, 126));
    Fill_Art_Rounded_Rect(&c, 150, 90, 280, 130, 18, Art_Colour(190, 134, 90));
    Fill_Art_Rect(&c, 0, 92, 60, 128, Art_Colour(40, 44, 60));
    Fill_Art_Rect(&c, 260, 92, 320, 128, Art_Colour(70, 70, 74));
    ok &= Save_Canvas_JPEG(c, folder + "dialogs/misc/negotiate.jpg", 90);

    const char* const stands[3] = {"dialogs/misc/beverage.jpg", "dialogs/misc/food.jpg",
                                   "dialogs/misc/souvenir.jpg"};
    for (int kind = 0; kind < 3; ++kind) {
        Start_Canvas(&c, 160, 120, skin.Top);
        Fill_Art_Gradient(&c, 0, 0, 160, 120, skin.Top, skin.Bottom);
        if (kind == 0) {
            agg::path_storage cup = Art_Polygon({55, 25, 105, 25, 96, 105, 64, 105});
            Fill_Art_Path(&c, cup, Art_Colour(200, 40, 40));
            Fill_Art_Rect(&c, 52, 20, 108, 28, Art_Colour(240, 240, 240));
            Fill_Art_Rect(&c, 86, 4, 90, 24, Art_Colour(250, 250, 250));
        } else if (kind == 1) {
            Fill_Art_Rounded_Rect(&c, 25, 55, 135, 85, 15, Art_Colour(214, 168, 92));
            Fill_Art_Rounded_Rect(&c, 30, 62, 130, 78, 8, Art_Colour(150, 60, 40));
            Stroke_Art_Rounded_Rect(&c, 40, 66, 120, 74, 4, 2, Art_Colour(240, 200, 40));
        } else {
            agg::path_storage pennant = Art_Polygon({30, 30, 140, 60, 30, 90});
            Fill_Art_Path(&c, pennant, skin.Band);
            Fill_Art_Rect(&c, 24, 24, 30, 110, Art_Colour(120, 90, 50));
        }
        ok &= Save_Canvas_JPEG(c, folder + stands[kind], 90);
    }

    for (int version = 0; version < 2; ++version) {
        Start_Canvas(&c, 400, 240, skin.Top);
        Fill_Art_Gradient(&c, 0, 0, 400, 240, Mix_Colours(skin.Top, skin.Band, 0.4), skin.Bottom);
        Draw_Football(&c, 200, 150, 130, Art_Colour(122, 66, 32), Art_Colour(248, 248, 248));
        Draw_Art_Text(&c, version == 0 ? "Football Korva" : "A new version is ready", 0, 10, 400, 90, 36,
                      true, skin.Ink);
        ok &= Save_Canvas_JPEG(
            c, folder + (version == 0 ? "dialogs/splash/korva.jpg" : "dialogs/splash/newversion.jpg"), 90);
    }

    // Scouting report backgrounds, 588 x 419 like the report's design frame.
    const char* const reports[4] = {"dialogs/scouting/scouting-qb.jpg", "dialogs/scouting/scouting-skill.jpg",
                                    "dialogs/scouting/scouting-defense.jpg",
                                    "dialogs/scouting/scouting-ol.jpg"};
    for (int kind = 0; kind < 4; ++kind) {
        Start_Canvas(&c, 588, 419, skin.Bottom);
        Fill_Art_Gradient(&c, 0, 0, 588, 419, Mix_Colours(skin.Top, skin.Band, 0.15 * kind), skin.Bottom);
        Fill_Art_Rect(&c, 0, 0, 588, 33, skin.Band);
        ART_COLOUR panel = skin.Bottom;
        panel.A = 160;
        // Panels behind the report's parts: the photograph, the card, the
        // ratings and the statistics page.
        Fill_Art_Rounded_Rect(&c, 10, 29, 130, 196, 8, panel);
        Fill_Art_Rounded_Rect(&c, 133, 29, 479, 196, 8, panel);
        Fill_Art_Rounded_Rect(&c, 482, 29, 584, 202, 8, panel);
        Fill_Art_Rounded_Rect(&c, 4, 199, 584, 399, 8, panel);
        // The statistics headings sit on the band's colour, as the name line does.
        Fill_Art_Rect(&c, 8, 198, 580, 213, skin.Band);
        ok &= Save_Canvas_JPEG(c, folder + reports[kind], 88);
    }
    return ok;
}

// Weather icons, 24 x 24 (drawn at 48 x 48 and halved) with a clear
// background: they sit in the game-day screen's weather row.
void Draw_Cloud(ART_CANVAS* c, ART_COLOUR colour) {
    Fill_Art_Ellipse(c, 18, 22, 10, 8, colour);
    Fill_Art_Ellipse(c, 28, 18, 11, 10, colour);
    Fill_Art_Ellipse(c, 35, 24, 9, 7, colour);
    Fill_Art_Rect(c, 12, 22, 40, 30, colour);
}

// Half the size, each pixel the alpha-weighted mean of its 2 x 2 block.
void Halve_Canvas(const ART_CANVAS& big, ART_CANVAS* small) {
    const int32_t width = big.Surface.Width / 2, height = big.Surface.Height / 2;
    Start_Canvas(small, width, height, Art_Colour(0, 0, 0, 0));
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            uint32_t alpha = 0, red = 0, green = 0, blue = 0;
            for (int32_t dy = 0; dy < 2; ++dy)
                for (int32_t dx = 0; dx < 2; ++dx) {
                    const uint32_t p =
                        big.Surface.Pixels[static_cast<size_t>(2 * y + dy) * big.Surface.Width + 2 * x + dx];
                    const uint32_t a = p >> 24;
                    alpha += a;
                    red += ((p >> 16) & 0xFF) * a;
                    green += ((p >> 8) & 0xFF) * a;
                    blue += (p & 0xFF) * a;
                }
            uint32_t& out = small->Surface.Pixels[static_cast<size_t>(y) * width + x];
            out = alpha == 0
                      ? 0u
                      : ((alpha / 4) << 24) | ((red / alpha) << 16) | ((green / alpha) << 8) | (blue / alpha);
        }
}

int Write_Weather_Icons(const std::string& folder) {
    const char* const words[8] = {"clouds", "flurries", "mixed", "rain", "sleet", "snow", "storms", "sunny"};
    int ok = 1;
    for (int kind = 0; kind < 8; ++kind) {
        ART_CANVAS c;
        Start_Canvas(&c, 48, 48, Art_Colour(0, 0, 0, 0));
        const ART_COLOUR cloud = kind == 6 ? Art_Colour(110, 110, 120) : Art_Colour(220, 224, 232);
        if (kind == 7) {
            for (int ray = 0; ray < 8; ++ray) {
                agg::path_storage beam;
                const double a = ray * M_PI / 4;
                beam.move_to(24 + 13 * cos(a), 24 + 13 * sin(a));
                beam.line_to(24 + 21 * cos(a), 24 + 21 * sin(a));
                Stroke_Art_Path(&c, beam, 3, Art_Colour(250, 200, 40));
            }
            Fill_Art_Ellipse(&c, 24, 24, 10, 10, Art_Colour(252, 220, 60));
        } else {
            Draw_Cloud(&c, cloud);
        }
        for (int k = 0; k < 3 && kind != 0 && kind != 7; ++k) {
            const double x = 16 + 8 * k, y = 38;
            const bool flake = kind == 1 || kind == 5 || (kind == 2 && k == 1);
            if (kind == 6 && k == 1) {
                agg::path_storage bolt = Art_Polygon({26, 30, 20, 40, 25, 40, 21, 47, 31, 36, 26, 36});
                Fill_Art_Path(&c, bolt, Art_Colour(250, 210, 40));
            } else if (flake) {
                Fill_Art_Ellipse(&c, x, y, kind == 1 ? 1.8 : 2.6, kind == 1 ? 1.8 : 2.6,
                                 Art_Colour(255, 255, 255));
            } else {
                agg::path_storage drop;
                drop.move_to(x + 2, y - 5);
                drop.line_to(x - 1, y + 4);
                Stroke_Art_Path(&c, drop, kind == 4 ? 3.0 : 2.0,
                                kind == 4 ? Art_Colour(190, 220, 240) : Art_Colour(70, 130, 220));
            }
        }
        ART_CANVAS icon;
        Halve_Canvas(c, &icon);
        ok &= Save_Canvas_PNG(icon, folder + "news/weather/" + words[kind] + ".png");
    }
    return ok;
}
} // namespace

int Write_Skin_Pictures(const std::string& root, const SKIN_PALETTE& skin) {
    const std::string folder = root + "skins/" + skin.Name + "/";
    return Write_View_Backgrounds(folder, skin) & Write_Bars_And_Boxes(folder, skin) &
           Write_Dialog_Pictures(folder, skin) & Write_Weather_Icons(folder);
}

void Draw_Pattern_Picture(ART_CANVAS* canvas) {
    Start_Canvas(canvas, 124, 87, Art_Colour(206, 198, 178));
    for (int stripe = -4; stripe < 10; ++stripe) {
        agg::path_storage band = Art_Polygon(
            {stripe * 24.0, 0, stripe * 24.0 + 12, 0, stripe * 24.0 + 99, 87, stripe * 24.0 + 87, 87});
        Fill_Art_Path(canvas, band, Art_Colour(198, 189, 168));
    }
    Draw_Football(canvas, 31, 22, 34, Art_Colour(168, 140, 110), Art_Colour(226, 220, 204));
    Draw_Football(canvas, 93, 65, 34, Art_Colour(168, 140, 110), Art_Colour(226, 220, 204));
}
