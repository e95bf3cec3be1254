#pragma once
// The printable card game "Gridiron": for one team a deck of 54 card
// pictures (22 player cards, 25 play cards, 4 defensive plays and an
// audible, a two-sided checklist) and the three sheets that list the cards'
// contents. Making the kit changes nothing of the league but the screens'
// choices: the view, the viewed team and the player shown.
#include <cstdint>
#include <string>

#include "platform/drawing_surface.h"

constexpr int32_t GRIDIRON_DECK_CARDS = 54;
// The setting that chooses the larger card pictures.
constexpr int32_t GRIDIRON_LARGE_CARDS_SETTING = 19;
constexpr int32_t GRIDIRON_DOTS_PER_INCH = 300;
// Card numbers by kind.
constexpr int32_t FIRST_OFFENSE_PLAYER_CARD = 0;
constexpr int32_t FIRST_DEFENSE_PLAYER_CARD = 11;
constexpr int32_t FIRST_PLAY_CARD = 22;
constexpr int32_t FIRST_DEFENSIVE_PLAY_CARD = 47;
constexpr int32_t BEAST_MODE_CARD = 51;
constexpr int32_t CHECKLIST_FRONT_CARD = 52;
constexpr int32_t CHECKLIST_BACK_CARD = 53;
constexpr int32_t UNIT_PLAYER_CARDS = 11;

// A card picture's width and height: 822 x 1,122 pixels, or 825 x 1,125
// while GRIDIRON_LARGE_CARDS_SETTING is set; the checklist's back lies on
// its side (height x width).
int32_t Get_Gridiron_Card_Width();
int32_t Get_Gridiron_Card_Height();

// The card being drawn while a deck is rendered (-1 between decks).
extern int32_t Gridiron_Card_Number;

// Makes the viewed team's kit in "Gridiron/Output": the deck, then
// "Players.csv". Returns 1 when every card picture was written.
int32_t Make_Gridiron_Kit();
// The deck of a team as "Team-%02d-Card-%02d.png" (cards 1-52) and the
// checklist's two sides, with the main window showing the team (view 40037,
// the team viewed and its player shown) and repainted before each card;
// returns the pictures written.
int32_t Render_Gridiron_Deck(int32_t team);
// Draws card `card` of the team on a surface of the card's size (on its side
// for the checklist's back).
void Draw_Gridiron_Card(DEVICE_CONTEXT* dc, int32_t team, int32_t card);
// The file name of a card's picture in the output folder.
std::string Get_Gridiron_Card_File(int32_t team, int32_t card);
// 0 offensive player, 1 defensive player, 2 play, 3 defensive play or checklist.
int32_t Get_Gridiron_Card_Kind(int32_t card);
// The team's roster slot on a player card: the unit's first player and the
// ten slots after it; -1 for a blank card (an empty slot, or no player of
// the unit).
int32_t Get_Gridiron_Card_Player(int32_t team, int32_t card);
// The team's defensive play on cards 47-50.
int32_t Get_Gridiron_Defensive_Play(int32_t team, int32_t card);
// The effects a defensive play's card names: up to three of (category
// 407-410, amount) by how many of its defenders rush, hold the line and
// cover. Returns how many.
int32_t Get_Defensive_Card_Effects(int32_t team, int32_t play, int32_t effects[3][2]);
// The average card payroll (millions) of the league's franchises in use.
int32_t Get_Gridiron_League_Average_Payroll();
// Frees the fonts the card faces were drawn with.
void Free_Gridiron_Card_Fonts();
// A play's name as cards print it: long names by the table of short ones.
void Get_Short_Play_Name(const char* name, char* out, int32_t size);
// The team's name as cards print it ("New York (AFC)" and "New York (NFC)"
// for the two New York franchises).
void Get_Gridiron_Team_Name(int32_t team, char* out, int32_t size);

// The sheets.
void Write_Gridiron_Players_Sheet(int32_t team);
void Write_Gridiron_Play_Line(int32_t team, int32_t card);
void Write_Gridiron_Audible_Line(int32_t team, int32_t card);
// A field of a comma-separated line: quoted (with doubled quotes) when it
// holds a comma, a quote or a line break.
std::string Quote_Csv_Field(const std::string& text);

// Every franchise row i of the built-in table gets the offensive playbook
// named for it, loaded into team i.
void Load_Default_Franchise_Playbooks();
