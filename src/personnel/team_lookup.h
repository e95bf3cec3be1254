#pragma once
// Finding a team from the text an import file names it by: an abbreviation
// (with the league's historic abbreviations), a full name, a nickname, or a
// historic name of a franchise that has since been renamed.
#include <cstdint>

// Team code of a retired player in the imports' team column.
constexpr int32_t RETIRED_TEAM_CODE = 41;
// Abbreviation of another league's club, which imports skip without a word.
constexpr int32_t SKIPPED_TEAM_CODE = 255;
// Longest team text a lookup accepts: a location and a nickname.
constexpr int32_t MAX_TEAM_NAME_LENGTH = 63;

// Team slot, 36 for the free agents, 255 for another league's club, NO_TEAM
// when unknown (reported through the error log when `report` is set).
int32_t Get_Team_From_Abbreviation(const char* text, int32_t report);
// The team a line of a season after the league's own means by an
// abbreviation: the team that carries it, or the one that carries the older
// name of a renamed or moved franchise whose later abbreviation it is; "FA"
// the free agents, another league's club SKIPPED_TEAM_CODE. An abbreviation
// the league's teams carried only before (which a later franchise took up
// again, as Houston and Baltimore did) names none of them: NO_TEAM.
int32_t Get_Team_From_Later_Abbreviation(const char* text);
// The active team whose full name is the text, commas read as blanks
// (case-insensitive); NO_TEAM when none.
int32_t Find_Team_By_Full_Name(const char* text);
// Team slot by full name or nickname; 36 "Free Agents", 41 "Retired", else
// NO_TEAM. An empty or over-long text is refused (NO_TEAM).
int32_t Get_Team_From_Name(const char* text);
// As Get_Team_From_Name; a name the league does not know is tried again under
// the franchise's later name (written back into `text`, a buffer of `size`
// bytes), and a text that stays unknown is logged.
int32_t Get_Team_From_Historic_Name(char* text, int32_t size);
// The same lookup without the log line, for readers that tell of unknown
// names themselves.
int32_t Find_Team_From_Historic_Name(char* text, int32_t size);
// The log line of an unknown name: "Unrecognized Team Name: %s (%d)" with the
// season year.
void Log_Unrecognized_Team_Name(const char* name);
// The abbreviation first (unreported), then the historic name.
int32_t Get_Team_From_Abbreviation_Or_Name(char* text, int32_t size);
// The first active team with this nickname; 0 when none.
int32_t Find_Team_By_String(const char* text);
