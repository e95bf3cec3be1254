// The built-in playbook tables: the default offensive and defensive plays, the
// special-teams plays, the pass routes, the defensive responsibilities and the
// formation fit of the offensive systems. These are data, never saved.
#include "engine/playbook_records.h"

namespace {

template <int N> constexpr void Copy_Text(char (&destination)[N], const char* source) {
    int i = 0;
    for (; i < N - 1 && source[i] != '\0'; ++i)
        destination[i] = source[i];
    for (; i < N; ++i)
        destination[i] = '\0';
}

constexpr OFFENSIVE_PLAY Offense(const char* name, int formation, int type, int primary, int hole, int r0,
                                 int r1, int r2, int r3, int r4, const char* description) {
    OFFENSIVE_PLAY play{};
    Copy_Text(play.Name, name);
    play.Formation = static_cast<int8_t>(formation);
    play.Play_Type = type;
    play.Primary = primary;
    play.Hole_Or_Depth = hole;
    play.Routes[0] = r0;
    play.Routes[1] = r1;
    play.Routes[2] = r2;
    play.Routes[3] = r3;
    play.Routes[4] = r4;
    Copy_Text(play.Description, description);
    return play;
}

constexpr DEFENSIVE_PLAY Defense(const char* name, int formation, int d0, int d1, int d2, int d3, int d4,
                                 int d5, int d6, int d7, int d8, int d9, int d10, const char* description) {
    DEFENSIVE_PLAY play{};
    Copy_Text(play.Name, name);
    play.Formation = formation;
    const int roles[PLAY_DEFENDERS] = {d0, d1, d2, d3, d4, d5, d6, d7, d8, d9, d10};
    for (int i = 0; i < PLAY_DEFENDERS; ++i)
        play.Roles[i] = roles[i];
    Copy_Text(play.Description, description);
    return play;
}

} // namespace

// clang-format off
constinit const OFFENSIVE_PLAY Default_Offensive_Plays[OFFENSIVE_PLAYS] = {
    Offense("Pro 21 Dive", 3, 0, 2, 1, 54, 13, 7, 42, 8, "Basic halfback run up the middle."),
    Offense("Pro 20 Blast", 3, 0, 2, 0, 54, 40, 3, 41, 2, "The fullback leads the halfback straight over the center."),
    Offense("Pro 22 Trap", 3, 4, 2, 2, 54, 13, 7, 41, 3, "Lets a defensive tackle in and traps him; good against an aggressive line."),
    Offense("Pro 33 Dive", 3, 0, 3, 3, 35, 54, 29, 41, 8, "Quick fullback dive inside the guard for short yardage."),
    Offense("QB Sneak", 3, 0, 1, 0, 35, 35, 35, 41, 35, "The quarterback pushes ahead behind the center when a yard is all you need."),
    Offense("Tight 23 Dive", 7, 0, 2, 3, 54, 26, 41, 2, 41, "Two tight ends seal the inside for a hard dive."),
    Offense("'I' 22 Blast", 1, 0, 2, 2, 54, 40, 29, 41, 8, "Power run from the 'I' with the fullback leading through the hole."),
    Offense("Pistol 21 Draw", 18, 3, 2, 1, 54, 39, 7, 5, 9, "Shows pass, then hands off; best when the defence expects a throw."),
    Offense("Gun 20 Draw", 8, 3, 2, 0, 54, 8, 3, 26, 7, "Draw from the shotgun against a pass rush that comes up field."),
    Offense("'I' 31 Dive", 1, 0, 3, 1, 42, 54, 7, 5, 3, "Fullback dive from the 'I' to keep linebackers honest."),
    Offense("Pro 24 Off Tackle", 3, 0, 2, 4, 54, 13, 35, 41, 35, "Halfback run off the right tackle."),
    Offense("Tight 25 Slant", 7, 0, 2, 5, 54, 35, 41, 35, 41, "Slanting run behind a tight end; strong against a light front."),
    Offense("Pro 35 Off-Tackle", 3, 0, 3, 5, 12, 54, 29, 41, 16, "Fullback off tackle while the halfback swings out as a decoy."),
    Offense("Pro 27 Pitch", 3, 1, 2, 7, 54, 14, 42, 21, 26, "Quick pitch to get a fast back to the outside."),
    Offense("Ace 28 Sweep", 4, 2, 2, 8, 54, 15, 41, 42, 9, "Sweep wide with the receivers blocking downfield."),
    Offense("Gun 26 Wide", 19, 0, 2, 6, 54, 3, 42, 42, 7, "Outside run from the shotgun against a spread-out defence."),
    Offense("Gun 24 Draw", 9, 3, 2, 6, 54, 3, 7, 8, 15, "Delayed handoff to the outside against a heavy pass rush."),
    Offense("Trips 29 Sweep", 13, 2, 2, 9, 54, 41, 3, 18, 6, "Sweep to the wide side behind three receivers."),
    Offense("'I' 26 Power", 1, 0, 2, 6, 54, 40, 18, 41, 42, "Power run outside with a lead blocker; good near the goal line."),
    Offense("Ace 25 Trap", 4, 4, 2, 5, 54, 7, 15, 1, 42, "Trap block off tackle from a single-back set."),
    Offense("Pro 262 Hover", 3, 6, 6, -1, 14, 39, 2, 6, 2, "Short timing pass to the curl; safe against zone coverage."),
    Offense("Pro 9-9-Screen", 3, 6, 2, 9, 11, 40, 42, 16, 18, "Screen to the halfback; use it against a hard pass rush."),
    Offense("Pro 251 Under", 3, 6, 4, 2, 40, 33, 2, 5, 1, "Quick slant underneath the linebackers."),
    Offense("Tight 7-5-Release", 7, 6, 4, 2, 37, 7, 36, 5, 10, "Play fake, then the tight end releases into the flat."),
    Offense("Gun 101 Play Action", 9, 6, 3, 1, 37, 1, 0, 1, 4, "Play action with quick outs for a few safe yards."),
    Offense("Ace 508 H-Bench", 4, 6, 2, -1, 13, 5, 0, 8, 8, "The back slips out to the bench while the receivers clear out."),
    Offense("'I' 3-2-Screen", 1, 6, 3, 3, 37, 11, 3, 2, 42, "Fullback screen behind a play fake."),
    Offense("Gun 410 Cross", 8, 6, 5, -1, 9, 4, 1, 24, 0, "Crossing route to beat man coverage."),
    Offense("Spread 2-3-Flare", 5, 6, 5, -1, 39, 2, 42, 27, 3, "Flare to the outside with the back staying in to block."),
    Offense("Spread 204 Slingshot", 5, 6, 3, 1, 13, 24, 0, 4, 5, "Short crossing pass from the spread."),
    Offense("'I' 583 Play Action", 1, 6, 4, 1, 37, 39, 5, 8, 3, "Play fake to freeze the safeties, then a throw to the flag."),
    Offense("Pro 852", 3, 6, 5, -1, 39, 39, 8, 5, 2, "Max protection with a post and a flag."),
    Offense("Trips Shoot-and-Go", 12, 6, 6, -1, 39, 21, 6, 9, 2, "Three receivers stretch the defence toward the go route."),
    Offense("Spread 927 Maverick", 5, 6, 6, -1, 39, 15, 2, 7, 26, "Deep cross against a defence that plays its corners tight."),
    Offense("Jailbreak 426", 10, 6, 4, -1, 4, 2, 6, 7, 23, "Five receivers flood the short middle."),
    Offense("Tight Double-Slant", 7, 6, 4, -1, 13, 3, 2, 3, 2, "Two slants against the blitz for a quick completion."),
    Offense("Ace 782 Curl", 4, 6, 5, -1, 6, 7, 8, 2, 3, "Curl in front of deep zone coverage."),
    Offense("Tight 648 Fly", 7, 6, 4, -1, 39, 6, 4, 8, 16, "A dig under a post and a fly; strong against man coverage."),
    Offense("Trips 328 Curl", 13, 6, 5, -1, 39, 8, 2, 3, 6, "Curl from trips while the post clears the safety."),
    Offense("Gun 357 Slant-Out", 8, 6, 6, -1, 39, 3, 5, 7, 29, "Slant and out for a medium gain toward the sideline."),
    Offense("Pro 879 Play Action", 3, 6, 4, 1, 37, 39, 8, 7, 9, "Play action with three deep routes."),
    Offense("Pro 739 Swing", 3, 6, 6, -1, 12, 39, 7, 3, 9, "Corner route deep while the back swings out as an outlet."),
    Offense("Spread 836 Play Action", 5, 6, 3, 2, 37, 8, 3, 6, 24, "Play fake from the spread to a post down the middle."),
    Offense("Gun 6-6-Bomb", 8, 6, 3, -1, 39, 9, 6, 15, 6, "Long throw to the go route when you need a big play."),
    Offense("Spread 828 Diamond", 5, 6, 5, 1, 39, 8, 2, 8, 2, "Two posts over two slants to split the safeties."),
    Offense("Pro 4-7-Fly", 3, 6, 5, -1, 39, 34, 4, 7, 16, "Corner route over a dig; good against zone coverage."),
    Offense("Trips 3-2-Fade", 13, 6, 5, -1, 39, 2, 26, 25, 3, "Deep fade from trips against single coverage."),
    Offense("Ace 469 Play Action", 4, 6, 6, 3, 37, 4, 6, 9, 15, "Play fake and a deep chair route to the sideline."),
    Offense("Gun 689", 8, 6, 4, -1, 2, 6, 8, 9, 24, "Post and go routes to attack the deep middle."),
    Offense("Hail Mary", 10, 6, 4, -1, 9, 35, 9, 8, 25, "Everyone go deep."),
    Offense("Ace 987 Rollout", 4, 7, 5, 8, 9, 9, 8, 7, 24, "The quarterback rolls out to buy time for deep routes."),
    Offense("Bootleg Option", 7, 8, 4, -1, 13, 3, 24, 2, 7, "The quarterback bootlegs away from the flow and looks for the slant."),
    Offense("Pro 48 End Around", 3, 5, 4, 1, 37, 12, 45, 42, 42, "A receiver takes the ball around the end; surprises a pursuing defence."),
    Offense("Gun 59 End Around", 8, 5, 5, 9, 39, 42, 42, 45, 35, "End around from the shotgun to the short side."),
    Offense("Kneel Down", 3, 20, 1, -1, 39, 39, 39, 39, 39, "The quarterback takes a knee to run out the clock."),
    Offense("Fake Punt (Run)", 41, 0, 1, 8, -1, 35, 35, 35, 35, "The punter keeps the ball and runs; only when a few yards are needed."),
    Offense("Fake Punt (Rollout)", 41, 8, 5, 6, -1, 35, 35, 3, 35, "The punter rolls out and throws to a receiver on an out."),
    Offense("Fake Field Goal", 42, 6, 6, -1, -1, 39, 39, 39, 17, "The holder throws to an uncovered receiver instead of the kick."),
    Offense("Punt", 41, 16, -1, -1, -1, 35, 35, 35, 35, ""),
    Offense("Field Goal", 42, 17, -1, -1, -1, 39, 39, 39, 39, ""),
};

constinit const DEFENSIVE_PLAY Default_Defensive_Plays[DEFENSIVE_PLAYS] = {
    Defense("Tampa 2 React", 22, 7, 0, 0, 7, 9, 8, 9, 13, 13, 8, 8, "Defensive ends key on the run. Weaker against deep passes."),
    Defense("Tampa 2 Squeeze", 22, 0, 0, 6, 0, 9, 8, 9, 14, 14, 8, 8, "The middle linebacker drops deep; strong against passes over the middle."),
    Defense("3-4 Corner Blitz", 25, 0, 0, 0, 1, 9, 7, 9, 3, 13, 8, 8, "A corner blitzes from the edge; risky against quick passes."),
    Defense("4-3 Contain", 22, 0, 0, 0, 0, 9, 7, 9, 13, 13, 8, 8, "Four-man rush with a linebacker containing the quarterback."),
    Defense("4-4 Stunt", 37, 3, 2, 1, 5, 9, 6, 9, 7, 13, 9, 8, "Stunting front that confuses blockers; weak against long passes."),
    Defense("Cover-2 Corner Blitz", 25, 0, 0, 0, 9, 9, 0, 9, 13, 3, 8, 8, "Corner blitz with two deep safeties behind it."),
    Defense("New England Cover-2", 25, 0, 6, 0, 1, 9, 9, 9, 12, 12, 8, 8, "Press corners and two deep safeties; good against short passes."),
    Defense("3-4 Cover-2", 25, 0, 0, 0, 9, 6, 6, 9, 13, 13, 8, 8, "Linebackers plug the gaps while the corners play man."),
    Defense("Cover-2 Bracket", 25, 0, 0, 0, 9, 6, 9, 18, 9, 13, 8, 8, "Double-teams the best receiver; leaves the run open."),
    Defense("Cover-2 Weakside Dog", 25, 0, 0, 0, 1, 1, 9, 7, 9, 9, 8, 8, "Weakside linebacker blitz with zone behind it."),
    Defense("'Two-gap' Cover-2", 22, 0, 6, 6, 0, 7, 9, 7, 13, 13, 8, 8, "Tackles hold two gaps; solid against inside runs."),
    Defense("Eight-man front", 29, 0, 0, 0, 0, 9, 7, 9, 13, 13, 8, 6, "A safety comes up to stop the run; vulnerable deep."),
    Defense("Balanced Cover-3", 22, 0, 6, 0, 0, 9, 7, 9, 8, 13, 8, 8, "Three deep defenders; a sound call on any down."),
    Defense("Goal Line Stack", 37, 6, 6, 6, 6, 7, 6, 6, 7, 14, 9, 9, "Everyone plugs a gap near the goal line; easy to beat with a pass."),
    Defense("Short Yardage Spread", 22, 0, 0, 0, 0, 7, 6, 7, 9, 12, 9, 9, "Stops short runs while covering quick passes."),
    Defense("Short Yardage Cover-2", 37, 1, 6, 0, 7, 9, 7, 6, 9, 9, 8, 8, "Heavy front with two safeties deep for third and short."),
    Defense("Short Zone Two-Gap", 22, 0, 6, 6, 0, 9, 7, 17, 16, 16, 8, 8, "Two-gap front with tight coverage underneath."),
    Defense("Tampa 2 Short Yardage", 22, 0, 5, 6, 0, 7, 8, 7, 9, 9, 8, 8, "A stunt inside and the Tampa 2 drop behind it."),
    Defense("Forty-Six Drop", 29, 0, 0, 0, 0, 7, 9, 7, 9, 9, 8, 8, "The 46 front that drops into zones; confuses the passer."),
    Defense("5-2 Cover-1", 28, 0, 0, 6, 0, 7, 7, 9, 9, 9, 8, 9, "Five linemen against the run with one deep safety."),
    Defense("Basic Cover-2", 22, 0, 0, 0, 0, 9, 9, 9, 13, 13, 8, 8, "Standard four-man rush and two deep safeties."),
    Defense("Cover-2 Zone Blitz", 25, 9, 0, 0, 3, 9, 0, 9, 13, 13, 8, 8, "A lineman drops into coverage while a linebacker blitzes."),
    Defense("Cover-2 All-Out Blitz", 22, 0, 0, 0, 0, 2, 9, 2, 13, 13, 8, 8, "Six rushers; big pressure, big risk."),
    Defense("Cover-3 Safety Blitz", 22, 0, 0, 0, 0, 9, 9, 9, 8, 8, 1, 8, "A safety blitzes from the edge behind three deep defenders."),
    Defense("4-Deep Zone", 25, 0, 0, 0, 9, 9, 9, 9, 8, 8, 8, 8, "Four deep defenders take away the long pass."),
    Defense("Nickel Blitz", 30, 0, 0, 0, 0, 9, 9, 14, 14, 0, 8, 8, "The nickel back blitzes; good on passing downs."),
    Defense("Nickel Bracket-4", 30, 0, 0, 0, 0, 9, 18, 8, 8, 16, 8, 8, "Nickel coverage that doubles the best receiver."),
    Defense("Dime Package", 34, 0, 0, 0, 0, 9, 12, 12, 9, 8, 8, 9, "Six defensive backs for obvious passing downs."),
    Defense("Sideline Prevent", 36, 0, 0, 0, 9, 14, 14, 11, 11, 8, 8, 8, "Protects the sidelines late in a half; gives up the middle."),
    Defense("Deep Prevent", 36, 0, 0, 0, 9, 16, 16, 8, 8, 8, 8, 8, "Everyone deep to stop the long pass; gives up short gains."),
};

constinit const OFFENSIVE_PLAY SPECIAL_TEAMS_PLAYS[SPECIAL_TEAMS_PLAY_COUNT] = {
    Offense("Normal Kickoff", 39, 18, 0, 0, -1, 9, 9, 9, 9, ""),
    Offense("Squib Kick", 39, 18, 0, 0, -1, 8, 8, 8, 8, "The squib kick sacrifices distance for a lower risk of a long runback."),
    Offense("Onside Kick", 40, 19, 0, 0, -1, 7, 35, 35, 35, ""),
    Offense("Surprise Onside", 39, 19, 0, 0, 7, 8, 2, 8, 2, ""),
    Offense("", 3, 0, 2, 3, -1, 13, 7, 41, 1, ""),
    Offense("", 3, 0, 2, 3, -1, 13, 7, 41, 1, ""),
    Offense("", 3, 0, 2, 3, -1, 13, 7, 41, 1, ""),
    Offense("", 3, 0, 2, 3, -1, 13, 7, 41, 1, ""),
    Offense("", 3, 0, 2, 3, -1, 13, 7, 41, 1, ""),
    Offense("", 3, 0, 2, 3, -1, 13, 7, 41, 1, ""),
};

const PASS_ROUTE_RECORD Pass_Route_Table[PASS_ROUTE_COUNT] = {
    {"(0) Hitch", 0, 1, 3},        {"(1) Quick Out", 0, 2, 4},     {"(2) Slant", 0, 4, 9},
    {"(3) Out", 0, 4, 7},          {"(4) Dig", 0, 4, 7},           {"(5) Flag", 0, 8, 12},
    {"(6) Curl", 0, 10, 13},       {"(7) Corner", 0, 15, 35},      {"(8) Post", 0, 15, 32},
    {"(9) Go", 0, 22, 40},         {"Seam", 4, 1, 8},              {"Screen", 1, -4, -1},
    {"Swing", 1, -5, -3},          {"Bench", 1, -1, 2},            {"Over", 1, 3, 8},
    {"Chair", 0, 15, 30},          {"Fly", 0, 15, 30},             {"Slant Out", 0, 4, 9},
    {"Hitch & Go", 0, 10, 20},     {"Cutback", 0, 8, 10},          {"Tee", 0, 5, 8},
    {"Shoot", 0, 14, 24},          {"Comeback", 0, 6, 10},         {"Fade", 0, 5, 10},
    {"Cross", 0, 3, 6},            {"Deep Fade", 0, 12, 22},       {"Deep Cross", 0, 9, 15},
    {"Flare", 0, -2, -1},          {"Slant & Go", 0, 16, 26},      {"Slant & Out", 0, 5, 10},
    {"Release", 1, 0, 5},          {"Play Action Dump", 1, 0, 5},  {"Play Action Flat", 1, -4, -1},
    {"Under", 1, -3, -1},          {"Wheel", 1, -5, -1},           {"Quick Go", 0, 5, 15},
    {"Block & Release", 4, 2, 6},  {"Play Action", 1, -5, -3},     {"Fill Hole", 1, -2, 2},
    {"Pass Block", 1, -7, -3},     {"Lead Block", 1, -2, 2},       {"Run Block", 3, 0, 3},
    {"Downfield Block", 0, 0, 0},  {"Reverse Handoff", 1, 0, 0},   {"Second Handoff", 2, 0, 0},
    {"Reverse Route", 2, -8, 4},   {"Fake Reverse", 2, -8, -10},   {"Flea Flicker", 2, -4, -6},
    {"Rollout", 0, 0, 0},          {"Rollout", 0, 0, 0},           {"Block In", 0, 0, 3},
    {"Block Out", 0, 0, 3},        {"Kickoff", 0, 0, 0},           {"Field Goal", 0, 0, 0},
    {"Rush Route", 0, 0, 0},       {"Screen", 2, -4, -2},          {"Run Option", 1, -5, -3},
};

const DEFENSIVE_RESPONSIBILITY_RECORD Defensive_Responsibility_Table[DEFENSIVE_RESPONSIBILITY_COUNT] = {
    {"Pass Rush"},   {"Outside Rush"},  {"Inside Rush"},  {"Corner Blitz"},  {"Strongside Stunt"},
    {"Weakside Stunt"}, {"Plug The Gap"}, {"Rush Contain"}, {"Deep Zone"},   {"Short Zone"},
    {"Inside Zone"}, {"Outside Zone"},  {"Bump and Run"}, {"Man-To-Man"},    {"Outside Man"},
    {"Inside Man"},  {"Behind Man"},    {"Underneath Man"}, {"Double Team"},
};

const char* const Play_Type_Names[PLAY_TYPE_COUNT] = {
    "Rush (Standard)", "Toss", "Sweep", "Draw", "Trap", "End Around", "Pass (Standard)", "Pass (Rollout)",
    "Pass (Bootleg)", "Pass (Screen)", "Counter", "Flea Flicker", "Halfback Pass", "Receiver Pass",
    "Fake Reverse", "Double Reverse", "Punt", "Field Goal", "Kickoff", "Onside Kick", "Kneel Down", "Spike",
    "Reverse",
};

const char* const Default_Offensive_Folder_Names[OFFENSIVE_FOLDERS] = {
    "Inside Runs", "Outside Runs", "Short Passes", "Medium Passes", "Long Passes", "Trick/Special",
};

const char* const Default_Defensive_Folder_Names[DEFENSIVE_FOLDERS] = {"Balanced", "Run Defense", "Pass Defense"};

const char DEFAULT_OFFENSIVE_NOTES[] =
    "The default offensive playbook includes 20 running plays and 34 passing plays.";
const char DEFAULT_DEFENSIVE_NOTES[] =
    "The default defensive playbook is primarily built around the 4-3 formation.";

// Per-mille fit of offensive formations 0-21 to offensive systems 0-3.
const int16_t Offensive_Formation_System_Match[22][4] = {
    {1500, 500, 600, 700},  {1750, 500, 600, 600}, {700, 200, 200, 1800}, {700, 400, 400, 2000},
    {700, 1000, 800, 600},  {500, 900, 700, 500},  {750, 750, 1000, 600}, {700, 750, 1000, 600},
    {700, 1000, 800, 600},  {500, 900, 700, 400},  {250, 850, 500, 200},  {800, 1000, 800, 600},
    {700, 1000, 800, 600},  {700, 1000, 800, 600}, {700, 1000, 800, 600}, {700, 1000, 800, 600},
    {500, 850, 700, 450},   {700, 750, 1000, 600}, {1000, 500, 600, 2000}, {700, 750, 700, 2000},
    {850, 500, 1200, 1000}, {550, 750, 1200, 400},
};
// clang-format on
