#pragma once
// What the two halves of the template variables share: parameters, names
// and links.
#include <cstdint>
#include <string>

#include "database/game_record_layout.h"
#include "reports/template_engine.h"

// P(KEY) of a tag.
inline int32_t Param(const TAG_PARAMETERS& parameters, int32_t key) {
    return Get_Tag_Parameter(parameters, key);
}

// "../" for a page one folder down (TYPE 1), "./" for a page in the root.
std::string Get_Link_Root(int32_t type);
// `<a href="` + the encoded path + `">`; empty when the page is missing.
std::string Open_Link(const std::string& root, const char* folder, const std::string& page);
std::string Team_Page_Link(int32_t team, int32_t type);
std::string Team_Detail_Link(int32_t team, int32_t type);
std::string Player_Page_Link(int32_t team, int32_t slot, int32_t type);
// The league player who holds `id`; false when none does.
bool Find_Player_Of_Id(int32_t id, int32_t* team, int32_t* slot);
// Escaped texts of the league.
std::string Team_Full_Name_Text(int32_t team);
std::string Player_Full_Name_Text(int32_t team, int32_t slot);
std::string Team_Abbreviation_Text(int32_t team);
// `<img src="../Logos/..." border="0">` (pages one folder down).
std::string Team_Logo_Image(int32_t team);
bool Is_Template_Game_Over(const GAME_RECORD* game);
std::string Format_Number(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The game and play variables; false for a name that is none of them.
bool Evaluate_Game_Variable(const std::string& name, const TAG_PARAMETERS& parameters, std::string* out);
