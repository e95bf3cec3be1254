#pragma once
// The variables of the HTML templates: "<gdk:var Name[KEY=value]...>" names
// one value of the league (a year, a team's record, a link to another page of
// the encyclopedia, a player's statistic, a leader, a play of a game's log)
// and is replaced by it. Values are HTML fragments; league text in them is
// escaped, links are percent-encoded and lead only to pages the
// encyclopedia holds: where a link has no page (an unused slot, a week
// without a game, a season line of no league team) it is empty.
#include <cstdint>
#include <string>

#include "database/game_record_layout.h"

// Replaces the variable tag in `tag` by its value; an unknown name leaves the
// name (with any parameter groups that were not taken off) as the text.
void Evaluate_Template_Variable(std::string* tag);
// A variable tag without "<gdk:var", the character after it and the final
// ">": its name and parameter groups ("" for a tag of 10 characters or fewer).
std::string Strip_Template_Tag(const std::string& tag);

// Game record `game` of the league; null outside the records.
const GAME_RECORD* Get_Template_Game(int32_t game);

// The statistic categories of the player tables: 26 captions, which
// categories a position shows (category 0 always), and the category of a
// statistic in group 0 offence, 1 defence, 2 kicking (0 for any other pair).
constexpr int32_t NUMBER_OF_STAT_CATEGORIES = 26;
const char* Get_Stat_Category_Caption(int32_t category);
bool Does_Position_Show_Category(int32_t position, int32_t category);
int32_t Get_Stat_Category(int32_t group, int32_t stat);
