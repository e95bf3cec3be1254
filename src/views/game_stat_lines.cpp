#include "views/game_stat_lines.h"

#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/text_format.h"
#include "engine/statistics_credit.h"

namespace {
constexpr int LINE = FORMATTED_TEXT_SIZE;

void Format_Passer_Line(char* buffer, const int32_t* c) {
    if (c[0] > 0) safe_strcatf(buffer, LINE, "%d/%d  ", c[1], c[0]);
    if (!(c[3] != 0 && c[4] != 0)) safe_strcatf(buffer, LINE, "%d yds  ", c[2]);
    if (c[3] != 0) safe_strcatf(buffer, LINE, "%d td  ", c[3]);
    if (c[4] != 0) safe_strcatf(buffer, LINE, "%d int  ", c[4]);
}

void Format_Carrier_Line(char* buffer, const int32_t* c) {
    const bool rushes = c[0] > 0, receptions = c[2] > 0, touchdowns = c[4] != 0;
    if (rushes && receptions) {
        if (touchdowns)
            safe_strcatf(buffer, LINE, "%d tot yds, %d td", c[1] + c[3], c[4]);
        else
            safe_strcatf(buffer, LINE, "%d tot yds", c[1] + c[3]);
    } else if (rushes) {
        if (touchdowns)
            safe_strcatf(buffer, LINE, "%d rsh  %d yds  %d td", c[0], c[1], c[4]);
        else
            safe_strcatf(buffer, LINE, "%d rsh  %d yds", c[0], c[1]);
    } else if (receptions) {
        if (touchdowns)
            safe_strcatf(buffer, LINE, "%d rec  %d yds  %d td", c[2], c[3], c[4]);
        else
            safe_strcatf(buffer, LINE, "%d rec  %d yds", c[2], c[3]);
    } else if (c[4] >= 1) {
        safe_strcatf(buffer, LINE, "%d td", c[4]);
    }
}

void Format_Defender_Line(char* buffer, const int32_t* c) {
    int32_t pieces = 0;
    if (c[0] > 0) {
        if (c[0] == 2)
            safe_strcatf(buffer, LINE, "1 sack  ");
        else if (c[0] % 2 == 0)
            safe_strcatf(buffer, LINE, "%d sacks  ", c[0] / 2);
        else
            safe_strcatf(buffer, LINE, "%d.%d sacks  ", c[0] / 2, 5);
        ++pieces;
    }
    if (c[1] != 0) {
        safe_strcatf(buffer, LINE, "%d int  ", c[1]);
        ++pieces;
    }
    if (c[4] != 0) {
        safe_strcatf(buffer, LINE, "%d td  ", c[4]);
        ++pieces;
    }
    if (c[2] >= 3 && pieces < 2) safe_strcatf(buffer, LINE, "%d tkl  ", c[2] + c[3]);
}
} // namespace

void Format_Position_Game_Line(char* buffer, int32_t position, const int32_t counters[5]) {
    buffer[0] = '\0';
    switch (position) {
    case POSITION_QB:
        Format_Passer_Line(buffer, counters);
        break;
    case 1:
    case 2:
    case 3:
    case 4:
        Format_Carrier_Line(buffer, counters);
        break;
    case 8:
    case 9:
    case 10:
    case 11:
    case 12:
        Format_Defender_Line(buffer, counters);
        break;
    case 13:
        if (counters[2] >= 1 || counters[0] >= 1)
            safe_strcatf(buffer, LINE, "%d/%d FG, %d/%d PAT", counters[3], counters[2], counters[1],
                         counters[0]);
        break;
    default:
        break;
    }
}

bool Find_Game_Entry_Player(const GAME_RECORD* pGame, int32_t side, int32_t entry, int32_t* team,
                            int32_t* slot) {
    if (pGame == nullptr || side < 0 || side > 1 || entry < 0 || entry >= GAME_LISTED_PLAYERS) return false;
    const int32_t id = pGame->Player_Ids[side][entry];
    return id > 0 && Find_Player_By_ID(team, slot, id) != 0;
}

void Format_Game_Player_Line(char* buffer, const GAME_RECORD* pGame, int32_t side, int32_t entry) {
    buffer[0] = '\0';
    int32_t team = 0, slot = 0;
    if (!Find_Game_Entry_Player(pGame, side, entry, &team, &slot)) return;
    int32_t counters[GAME_PLAYER_COUNTERS];
    for (int k = 0; k < GAME_PLAYER_COUNTERS; ++k)
        counters[k] = pGame->Player_Counters[side][entry][k];
    Format_Position_Game_Line(buffer, Get_Player_Vital_Stat(team, slot, VITAL_POSITION), counters);
}

int32_t Find_Player_Of_The_Game(const GAME_RECORD* pGame, int32_t side) {
    if (pGame == nullptr || side < 0 || side > 1) return -1;
    int32_t best = -1, best_score = 0;
    for (int32_t entry = 0; entry < GAME_LISTED_PLAYERS; ++entry) {
        const int32_t score = Get_Game_Player_Score(pGame, side, entry);
        if (score > best_score) {
            best_score = score;
            best = entry;
        }
    }
    return best;
}

void Get_Game_Entry_Full_Name(const GAME_RECORD* pGame, int32_t side, int32_t entry, char* out) {
    out[0] = '\0';
    int32_t team = 0, slot = 0;
    if (Find_Game_Entry_Player(pGame, side, entry, &team, &slot)) Get_Player_Full_Name(team, slot, out);
}

void Get_Game_Entry_Last_Name(const GAME_RECORD* pGame, int32_t side, int32_t entry, char* out) {
    out[0] = '\0';
    int32_t team = 0, slot = 0;
    if (Find_Game_Entry_Player(pGame, side, entry, &team, &slot)) Get_Player_Last_Name(team, slot, out);
}

void Format_Player_Of_The_Game(const GAME_RECORD* pGame, int32_t side, char* buffer, bool last_names) {
    // Without an entry that scored, both the name and the line stay empty.
    char name[PLAYER_NAME_TEXT_SIZE] = "", line[FORMATTED_TEXT_SIZE] = "";
    const int32_t entry = Find_Player_Of_The_Game(pGame, side);
    if (entry >= 0) {
        if (last_names)
            Get_Game_Entry_Last_Name(pGame, side, entry, name);
        else
            Get_Game_Entry_Full_Name(pGame, side, entry, name);
        Format_Game_Player_Line(line, pGame, side, entry);
    }
    safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%s: %s", name, line);
}
