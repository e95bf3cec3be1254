#pragma once
// Team pictures: helmets (two facings) and logos in each franchise's colours,
// the filler logo, each season's logos that a game copies for its teams, and
// the pieces of the printable card kit.
#include <string>

int Write_Helmets(const std::string& root);
int Write_Team_Logos(const std::string& root);
int Write_Historical_Logos(const std::string& root);
// The letters drawn on the team logo of a key ("Arizona", "NY1"), and on the
// season logo of a logo index in a year; nullptr when there is no such logo.
const char* Get_Team_Logo_Letters(const char* key);
const char* Get_Season_Logo_Letters(int index, int year);
int Write_Card_Kit_Pieces(const std::string& root);
// The card faces under "<root>gridiron/" (called by Write_Card_Kit_Pieces).
int Write_Card_Faces(const std::string& kit);
