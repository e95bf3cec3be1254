#pragma once
// The built-in table of the 32 franchises of the real league's 32-team
// alignment: abbreviation, colour (0x00BBGGRR) and default playbook. Team
// abbreviations are mapped to a row, through the franchise moves of history,
// for the helmet pictures and the default playbooks.
#include <cstdint>

constexpr int32_t FRANCHISE_COUNT = 32;

struct KIT_FRANCHISE_ROW {
    const char* Abbreviation;
    const char* Franchise;
    uint32_t Colour;
    const char* Default_Playbook;
};
extern const KIT_FRANCHISE_ROW Franchise_Table[FRANCHISE_COUNT];

// Empty for an index of 32 or more.
void Get_Franchise_Abbreviation(int32_t index, char* out);
// The index is clamped to 0..31.
uint32_t Get_Franchise_Color(int32_t index);
// The row of an abbreviation (ignoring case) in the current calendar year;
// 26 when none matches.
int32_t Get_Franchise_Index(const char* abbreviation);
void Get_Default_Playbook_Name(int32_t index, char* out);
// "Gridiron//Helmets//Helmet-%d%s.png" for the team's abbreviation; variant 1
// takes the suffix "a".
void Get_Helmet_Image_Path(char* out, int32_t team, int32_t variant);
