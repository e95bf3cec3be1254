#include "playbooks/franchise_table.h"

#include <cstdio>
#include <cstring>
#include <strings.h>

#include "database/league_structure.h"
#include "database/team_record.h"

const KIT_FRANCHISE_ROW Franchise_Table[FRANCHISE_COUNT] = {
    {"ARZ", "Arizona Cardinals", 0x43279B, "Patriots"},  {"ATL", "Atlanta Falcons", 0x180DBD, "Patriots"},
    {"BAL", "Baltimore Ravens", 0x530328, "Patriots"},   {"BUF", "Buffalo Bills", 0x8D3300, "Vikings"},
    {"CAR", "Carolina Panthers", 0xCE8800, "Colts"},     {"CHI", "Chicago Bears", 0x1448DD, "Colts"},
    {"CIN", "Cincinnati Bengals", 0x144FFB, "Vikings"},  {"CLE", "Cleveland Browns", 0x1249E3, "Vikings"},
    {"DAL", "Dallas Cowboys", 0x4C250D, "Colts"},        {"DEN", "Denver Broncos", 0x144FFB, "Patriots"},
    {"DET", "Detroit Lions", 0xB06D00, "Saints"},        {"GB", "Green Bay Packers", 0x303D21, "Colts"},
    {"HOU", "Houston Texans", 0x341BB3, "Patriots"},     {"IND", "Indianapolis Colts", 0x7B3B00, "Colts"},
    {"JAC", "Jacksonville Jaguars", 0x987100, "Colts"},  {"KC", "Kansas City Chiefs", 0x3200B2, "Patriots"},
    {"LA", "Los Angeles Rams", 0x000000, "49ers"},       {"MIA", "Miami Dolphins", 0xCE7200, "Vikings"},
    {"MIN", "Minnesota Vikings", 0x4B2613, "Patriots"},  {"NE", "New England Patriots", 0x978D00, "Saints"},
    {"NO", "New Orleans Saints", 0x60013B, "Patriots"},  {"NYG", "New York Giants", 0x4C250D, "Vikings"},
    {"NYJ", "New York Jets", 0x000000, "Redskins"},      {"OAK", "Oakland Raiders", 0x6B2F19, "Redskins"},
    {"PHI", "Philadelphia Eagles", 0x1D370C, "Vikings"}, {"PIT", "Pittsburgh Steelers", 0x483B00, "Saints"},
    {"SD", "San Diego Chargers", 0x000000, "Colts"},     {"SF", "San Francisco 49ers", 0x2C1EAF, "49ers"},
    {"SEA", "Seattle Seahawks", 0x28BE69, "Patriots"},   {"TB", "Tampa Bay Buccaneers", 0x3200B2, "Colts"},
    {"TEN", "Tennessee Titans", 0xCC8F64, "Vikings"},    {"WAS", "Washington Redskins", 0x413177, "Redskins"},
};

void Get_Franchise_Abbreviation(int32_t index, char* out) {
    if (out == nullptr) return;
    out[0] = '\0';
    if (index >= 0 && index < FRANCHISE_COUNT) strcpy(out, Franchise_Table[index].Abbreviation);
}

uint32_t Get_Franchise_Color(int32_t index) {
    if (index < 0) index = 0;
    if (index >= FRANCHISE_COUNT) index = FRANCHISE_COUNT - 1;
    return Franchise_Table[index].Colour;
}

int32_t Get_Franchise_Index(const char* abbreviation) {
    if (abbreviation == nullptr) return 26;
    const int32_t year = Get_Current_Year();
    if (year <= 1983 && strcasecmp(abbreviation, "BAL") == 0) return 13;
    if (strcasecmp(abbreviation, "LAR") == 0 || strcasecmp(abbreviation, "OAK") == 0) return 16;
    if (year <= 1987 && strcasecmp(abbreviation, "STL") == 0) return 0;
    if (strcasecmp(abbreviation, "PHX") == 0) return 0;
    for (int32_t i = 0; i < FRANCHISE_COUNT; ++i)
        if (strcasecmp(abbreviation, Franchise_Table[i].Abbreviation) == 0) return i;
    return 26;
}

void Get_Default_Playbook_Name(int32_t index, char* out) {
    if (out == nullptr) return;
    out[0] = '\0';
    if (index >= 0 && index < FRANCHISE_COUNT) strcpy(out, Franchise_Table[index].Default_Playbook);
}

void Get_Helmet_Image_Path(char* out, int32_t team, int32_t variant) {
    if (out == nullptr) return;
    char abbreviation[64] = "";
    Get_Team_String(abbreviation, team, 0);
    snprintf(out, 64, "Gridiron//Helmets//Helmet-%d%s.png", Get_Franchise_Index(abbreviation),
             variant == 1 ? "a" : "");
}
