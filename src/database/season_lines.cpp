#include "database/season_lines.h"

#include <cstring>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "database/universe.h"

namespace {
// Every row below this index is in use, so the search for a free row can start
// here. Lowered whenever a row is freed; reset when the table is replaced.
int32_t First_Free_Line_Hint = 0;

bool Is_Row(int32_t line) {
    return static_cast<uint32_t>(line) < MAX_SEASON_LINES;
}

SEASON_LINE& Row(int32_t line) {
    return Universe.Season_Lines[line];
}

void Note_Row_Freed(int32_t line) {
    if (line < First_Free_Line_Hint) First_Free_Line_Hint = line;
}

PLAYER_RECORD* Linked_Player(int32_t team, int32_t slot, const char* caller) {
    if (Is_Player_Address(team, slot)) return &Universe.Teams[team].Players[slot];
    Report_System_Error("Invalid player in %s(%d,%d)", caller, team, slot);
    return nullptr;
}

int32_t Latest_Of(const PLAYER_RECORD& player) {
    int32_t best = NO_SEASON_LINE;
    int32_t best_year = 0;
    for (int32_t link : player.Season_Line_Links) {
        if (!Is_Row(link)) continue;
        if (Row(link).Year > best_year) {
            best = link;
            best_year = Row(link).Year;
        }
    }
    return best;
}

void Remove_Link(PLAYER_RECORD& player, int32_t n) {
    for (int32_t k = n; k < NUMBER_OF_SEASON_LINE_LINKS - 1; ++k)
        player.Season_Line_Links[k] = player.Season_Line_Links[k + 1];
    player.Season_Line_Links[NUMBER_OF_SEASON_LINE_LINKS - 1] = NO_SEASON_LINE;
    player.Latest_Season_Line = Latest_Of(player);
}

} // namespace

int32_t Get_Season_Line_Stat(int32_t line, int32_t stat) {
    if (line == NO_SEASON_LINE) return 0;
    if (static_cast<uint32_t>(stat) < NUMBER_OF_SEASON_LINE_STATS) {
        if (Is_Row(line)) return Row(line).Stats[stat];
        Report_System_Error("'nLine' out of bounds in Get_Season_Line_Stat([nLine = %d], iStat = %d)", line,
                            stat);
        return 0;
    }
    if (stat == SEASON_LINE_FIELD_GOALS_MADE)
        return Get_Season_Line_Stat(line, 11) + Get_Season_Line_Stat(line, 13) +
               Get_Season_Line_Stat(line, 15) + Get_Season_Line_Stat(line, 17);
    if (stat == SEASON_LINE_FIELD_GOALS_TRIED)
        return Get_Season_Line_Stat(line, 10) + Get_Season_Line_Stat(line, 12) +
               Get_Season_Line_Stat(line, 14) + Get_Season_Line_Stat(line, 16);
    Report_System_Error("Unhandled 'iStat' in Get_Season_Line_Stat(nLine = %d, [iStat = %d])", line, stat);
    return 0;
}

void Set_Season_Line_Stat(int32_t line, int32_t stat, int32_t value) {
    if (Is_Row(line) && static_cast<uint32_t>(stat) < NUMBER_OF_SEASON_LINE_STATS)
        Row(line).Stats[stat] = value;
}

void Add_Season_Line_Stat(int32_t line, int32_t stat, int32_t value) {
    if (Is_Row(line) && static_cast<uint32_t>(stat) < NUMBER_OF_SEASON_LINE_STATS)
        Row(line).Stats[stat] += value;
}

int32_t Get_Season_Line_Year(int32_t line) {
    return Is_Row(line) ? Row(line).Year : 0;
}
int32_t Get_Season_Line_Team(int32_t line) {
    return Is_Row(line) ? Row(line).Team : 0;
}
int32_t Get_Season_Line_Kind(int32_t line) {
    return Is_Row(line) ? Row(line).Kind : 0;
}

void Set_Season_Line_Year(int32_t line, int32_t year) {
    if (!Is_Row(line)) return;
    Row(line).Year = year;
    if (year == 0) Note_Row_Freed(line);
}

void Set_Season_Line_Team(int32_t line, int32_t team) {
    if (Is_Row(line)) Row(line).Team = static_cast<int8_t>(team);
}

void Set_Season_Line_Kind(int32_t line, int32_t kind) {
    if (Is_Row(line)) Row(line).Kind = kind;
}

int32_t Is_Season_Line_Blank(int32_t line) {
    if (line == NO_SEASON_LINE) return 1;
    // A line outside the rows reads (and reports) each statistic as 0.
    if (!Is_Row(line)) {
        for (int32_t stat = 0; stat < NUMBER_OF_SEASON_LINE_STATS; ++stat)
            Get_Season_Line_Stat(line, stat);
        return 1;
    }
    for (int32_t value : Row(line).Stats)
        if (value != 0) return 0;
    return 1;
}

int32_t Find_Free_Season_Line() {
    int32_t line = First_Free_Line_Hint;
    // After a load the hint starts at 0 and the first search passes every
    // row in use: four rows are tested a step, the free one among them is
    // found below.
    for (; line + 4 <= MAX_SEASON_LINES; line += 4) {
        const int32_t free_rows = (Row(line).Year == 0) + (Row(line + 1).Year == 0) +
                                  (Row(line + 2).Year == 0) + (Row(line + 3).Year == 0);
        if (free_rows > 0) break;
    }
    for (; line < MAX_SEASON_LINES; ++line) {
        if (Row(line).Year == 0) {
            First_Free_Line_Hint = line;
            return line;
        }
    }
    First_Free_Line_Hint = MAX_SEASON_LINES;
    return NO_SEASON_LINE;
}

int32_t Clear_Season_Line(int32_t line) {
    if (!Is_Row(line)) return 0;
    memset(&Row(line), 0, sizeof(SEASON_LINE));
    Note_Row_Freed(line);
    return 1;
}

void Clear_All_Season_Lines() {
    memset(Universe.Season_Lines, 0, sizeof Universe.Season_Lines);
    First_Free_Line_Hint = 0;
}

void Reset_Season_Line_Hint() {
    First_Free_Line_Hint = 0;
}

int32_t Is_Season_Line_Linked(int32_t line) {
    for (const TEAM_RECORD& team : Universe.Teams)
        for (const PLAYER_RECORD& player : team.Players)
            for (int32_t link : player.Season_Line_Links)
                if (link == line) return 1;
    return 0;
}

int32_t Get_Player_Season_Line(int32_t team, int32_t slot, int32_t n) {
    PLAYER_RECORD* player = Linked_Player(team, slot, "Get_Player_Season_Line");
    if (player == nullptr || static_cast<uint32_t>(n) >= NUMBER_OF_SEASON_LINE_LINKS) return NO_SEASON_LINE;
    int32_t link = player->Season_Line_Links[n];
    return Is_Row(link) ? link : NO_SEASON_LINE;
}

void Set_Player_Season_Line_Link(int32_t team, int32_t slot, int32_t n, int32_t line) {
    PLAYER_RECORD* player = Linked_Player(team, slot, "Set_Player_Season_Line_Link");
    if (player != nullptr && static_cast<uint32_t>(n) < NUMBER_OF_SEASON_LINE_LINKS)
        player->Season_Line_Links[n] = line;
}

int32_t Count_Player_Season_Lines(int32_t team, int32_t slot) {
    PLAYER_RECORD* player = Linked_Player(team, slot, "Count_Player_Season_Lines");
    if (player == nullptr) return 0;
    int32_t count = 0;
    while (count < NUMBER_OF_SEASON_LINE_LINKS && Is_Row(player->Season_Line_Links[count]))
        ++count;
    return count;
}

int32_t Find_Free_Season_Line_Link(int32_t team, int32_t slot) {
    PLAYER_RECORD* player = Linked_Player(team, slot, "Find_Free_Season_Line_Link");
    if (player == nullptr) return -1;
    for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n)
        if (player->Season_Line_Links[n] == NO_SEASON_LINE) return n;
    return -1;
}

int32_t Player_Has_Season_Line_Year(int32_t team, int32_t slot, int32_t year) {
    int32_t count = Count_Player_Season_Lines(team, slot);
    for (int32_t n = 0; n < count; ++n)
        if (Row(Universe.Teams[team].Players[slot].Season_Line_Links[n]).Year == year) return 1;
    return 0;
}

void Remove_Player_Season_Line_Link(int32_t team, int32_t slot, int32_t n) {
    if (static_cast<uint32_t>(n) >= NUMBER_OF_SEASON_LINE_LINKS) return;
    if (PLAYER_RECORD* player = Linked_Player(team, slot, "Remove_Player_Season_Line_Link"))
        Remove_Link(*player, n);
}

int32_t Delete_Player_Season_Line(int32_t team, int32_t slot, int32_t n) {
    int32_t line = Get_Player_Season_Line(team, slot, n);
    if (line == NO_SEASON_LINE) return 0;
    Clear_Season_Line(line);
    Remove_Link(Universe.Teams[team].Players[slot], n);
    return 1;
}

void Delete_All_Player_Season_Lines(int32_t team, int32_t slot) {
    PLAYER_RECORD* player = Linked_Player(team, slot, "Delete_All_Player_Season_Lines");
    if (player == nullptr) return;
    // An empty slot owns no lines: links a cleared block left at 0 would
    // name another player's line.
    if (!Is_Player_Slot_Used(team, slot)) {
        for (int32_t& link : player->Season_Line_Links)
            link = NO_SEASON_LINE;
        player->Latest_Season_Line = NO_SEASON_LINE;
        return;
    }
    // The links up to the first that names no row are cleared and unlinked,
    // the rest move to the front: one shift and one reading of the latest
    // line for them all.
    int32_t removed = 0;
    while (removed < NUMBER_OF_SEASON_LINE_LINKS && Is_Row(player->Season_Line_Links[removed]))
        Clear_Season_Line(player->Season_Line_Links[removed++]);
    if (removed == 0) return;
    for (int32_t k = 0; k < NUMBER_OF_SEASON_LINE_LINKS; ++k)
        player->Season_Line_Links[k] = k + removed < NUMBER_OF_SEASON_LINE_LINKS
                                           ? player->Season_Line_Links[k + removed]
                                           : NO_SEASON_LINE;
    player->Latest_Season_Line = Latest_Of(*player);
}

void Clear_Player_Season_Line_Links(int32_t team, int32_t slot) {
    if (!Is_Player_Slot_Used(team, slot)) return;
    PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
    for (int32_t& link : player.Season_Line_Links)
        link = NO_SEASON_LINE;
    // The latest line must stay one of the player's links.
    player.Latest_Season_Line = NO_SEASON_LINE;
}

void Clear_Team_Season_Line_Links(int32_t team) {
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        Clear_Player_Season_Line_Links(team, slot);
}

void Remove_Dead_Season_Line_Links(int32_t team, int32_t slot) {
    PLAYER_RECORD* player = Linked_Player(team, slot, "Remove_Dead_Season_Line_Links");
    if (player == nullptr) return;
    int32_t n = 0;
    while (n < NUMBER_OF_SEASON_LINE_LINKS) {
        int32_t link = player->Season_Line_Links[n];
        // A dead row is deleted like any other: zeroed, then unlinked.
        if (Is_Row(link) && Row(link).Year == 0) {
            Clear_Season_Line(link);
            Remove_Link(*player, n);
        } else {
            ++n;
        }
    }
}

void Sort_Player_Season_Line_Links(int32_t team, int32_t slot) {
    PLAYER_RECORD* player = Linked_Player(team, slot, "Sort_Player_Season_Line_Links");
    if (player == nullptr) return;
    int32_t* links = player->Season_Line_Links;
    for (int pass = 0; pass < NUMBER_OF_SEASON_LINE_LINKS - 1; ++pass)
        for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS - 1; ++n)
            if (Is_Row(links[n]) && Is_Row(links[n + 1]) && Row(links[n + 1]).Year < Row(links[n]).Year) {
                int32_t held = links[n];
                links[n] = links[n + 1];
                links[n + 1] = held;
            }
}

void Sort_All_Season_Lines() {
    For_Each_League_Player([](int32_t team, int32_t slot) { Sort_Player_Season_Line_Links(team, slot); });
}

int32_t Get_Player_Team_In_Year(int32_t team, int32_t slot, int32_t year) {
    PLAYER_RECORD* player = Linked_Player(team, slot, "Get_Player_Team_In_Year");
    int32_t best_team = -NO_TEAM;
    if (player == nullptr) return best_team;
    int32_t best_games = 0;
    for (int32_t link : player->Season_Line_Links) {
        if (!Is_Row(link) || Row(link).Year != year) continue;
        if (Row(link).Stats[0] > best_games) {
            best_games = Row(link).Stats[0];
            best_team = Row(link).Team;
        }
    }
    return best_team;
}

int32_t Count_NFL_Seasons(int32_t team, int32_t slot) {
    bool counted[YEAR_ARRAY_SIZE] = {};
    int32_t seasons = 0;
    int32_t links = Count_Player_Season_Lines(team, slot);
    for (int32_t n = 0; n < links; ++n) {
        int32_t line = Universe.Teams[team].Players[slot].Season_Line_Links[n];
        const SEASON_LINE& row = Row(line);
        if (row.Year == 0 || row.Kind < 0 || Is_Season_Line_Blank(line)) continue;
        int32_t index = row.Year - FIRST_COUNTED_YEAR;
        if (static_cast<uint32_t>(index) >= YEAR_ARRAY_SIZE) {
            Report_System_Error("nIndex out of YEAR_ARRAY_SIZE range in Count_NFL_Seasons()");
            continue;
        }
        if (!counted[index]) {
            counted[index] = true;
            ++seasons;
        }
    }
    return seasons;
}

int32_t Get_Player_Latest_Season_Line(int32_t team, int32_t slot) {
    PLAYER_RECORD* player = Linked_Player(team, slot, "Get_Player_Latest_Season_Line");
    return player != nullptr ? player->Latest_Season_Line : NO_SEASON_LINE;
}

void Set_Player_Latest_Season_Line(int32_t team, int32_t slot, int32_t line) {
    if (PLAYER_RECORD* player = Linked_Player(team, slot, "Set_Player_Latest_Season_Line"))
        player->Latest_Season_Line = line;
}

int32_t Find_Player_Latest_Season_Line(int32_t team, int32_t slot) {
    PLAYER_RECORD* player = Linked_Player(team, slot, "Find_Player_Latest_Season_Line");
    return player != nullptr ? Latest_Of(*player) : NO_SEASON_LINE;
}

void Update_Player_Latest_Season_Line(int32_t team, int32_t slot) {
    if (PLAYER_RECORD* player = Linked_Player(team, slot, "Update_Player_Latest_Season_Line"))
        player->Latest_Season_Line = Latest_Of(*player);
}

int32_t Add_Player_Season_Line(int32_t team, int32_t slot, int32_t year, int32_t line_team) {
    if (!Is_Valid_Team_Code(line_team)) return NO_SEASON_LINE;
    PLAYER_RECORD* player = Linked_Player(team, slot, "Add_Player_Season_Line");
    if (player == nullptr) return NO_SEASON_LINE;
    int32_t latest = player->Latest_Season_Line;
    if (latest < 0) player->Latest_Season_Line = Latest_Of(*player);
    if (Is_Row(latest) && Row(latest).Year == year && Row(latest).Team == static_cast<int8_t>(line_team))
        return latest;
    // A row no link could point to would be lost at the next load: allocate
    // only when the player has a free link. A veteran whose links are all
    // taken gives up his oldest college season before a league season is
    // lost.
    int32_t link = Find_Free_Season_Line_Link(team, slot);
    if (link < 0) {
        int32_t college = -1;
        for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
            const int32_t row = player->Season_Line_Links[n];
            if (Is_Row(row) && Row(row).Kind < 0 &&
                (college < 0 || Row(row).Year < Row(player->Season_Line_Links[college]).Year))
                college = n;
        }
        if (college >= 0 && Find_Free_Season_Line() != NO_SEASON_LINE) {
            Clear_Season_Line(player->Season_Line_Links[college]);
            Remove_Link(*player, college);
            link = Find_Free_Season_Line_Link(team, slot);
        }
    }
    if (link < 0) {
        Log_Debug_Line("No free season-line link in Add_Player_Season_Line(%d,%d,%d,%d)", team, slot, year,
                       line_team);
        return NO_SEASON_LINE;
    }
    int32_t line = Find_Free_Season_Line();
    if (line == NO_SEASON_LINE) return NO_SEASON_LINE;
    memset(&Row(line), 0, sizeof(SEASON_LINE));
    Row(line).Year = year;
    Row(line).Team = static_cast<int8_t>(line_team);
    player->Season_Line_Links[link] = line;
    return line;
}

int32_t Get_Player_Current_Season_Line(int32_t team, int32_t slot) {
    PLAYER_RECORD* player = Linked_Player(team, slot, "Get_Player_Current_Season_Line");
    if (player == nullptr) return NO_SEASON_LINE;
    int32_t year = Get_Current_Year();
    int32_t latest = player->Latest_Season_Line;
    if (Is_Row(latest) && Row(latest).Year == year && Row(latest).Team == static_cast<int8_t>(team))
        return latest;
    if (team == FREE_AGENT_TEAM) return NO_SEASON_LINE;
    int32_t line = Add_Player_Season_Line(team, slot, year, team);
    if (line != NO_SEASON_LINE) player->Latest_Season_Line = line;
    return line;
}

void Set_Player_Current_Season_Line_Stat(int32_t team, int32_t slot, int32_t stat, int32_t value) {
    if (slot < 0) return;
    Set_Season_Line_Stat(Get_Player_Current_Season_Line(team, slot), stat, value);
}

void Add_Player_Current_Season_Line_Stat(int32_t team, int32_t slot, int32_t stat, int32_t value) {
    if (!Is_Player_Slot_Used(team, slot)) return;
    Add_Season_Line_Stat(Get_Player_Current_Season_Line(team, slot), stat, value);
}

int32_t Get_Player_Current_Season_Line_Stat(int32_t team, int32_t slot, int32_t stat) {
    if (slot < 0) return 0;
    return Get_Season_Line_Stat(Get_Player_Current_Season_Line(team, slot), stat);
}

int32_t Add_Player_Current_Year_Season_Line(int32_t team, int32_t slot, int32_t set_latest) {
    if (team == FREE_AGENT_TEAM && set_latest) return NO_SEASON_LINE;
    int32_t line = Add_Player_Season_Line(team, slot, Get_Current_Year(), team);
    if (set_latest) Set_Player_Latest_Season_Line(team, slot, line);
    return line;
}

void Reset_Current_Season_Line_Links() {
    For_Each_League_Player([](int32_t team, int32_t slot) {
        Universe.Teams[team].Players[slot].Latest_Season_Line = NO_SEASON_LINE;
    });
}

void Erase_Orphan_Season_Lines() {
    static bool marked[MAX_SEASON_LINES];
    memset(marked, 0, sizeof marked);
    For_Each_League_Player([](int32_t team, int32_t slot) {
        PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
        int32_t n = 0;
        while (n < NUMBER_OF_SEASON_LINE_LINKS) {
            int32_t link = player.Season_Line_Links[n];
            if (Is_Row(link) && Row(link).Year == 0) {
                Clear_Season_Line(link);
                Remove_Link(player, n);
                continue;
            }
            if (Is_Row(link)) marked[link] = true;
            ++n;
        }
    });
    static const SEASON_LINE blank{};
    int32_t erased = 0;
    for (int32_t line = 0; line < MAX_SEASON_LINES; ++line) {
        if (marked[line] || memcmp(&Row(line), &blank, sizeof blank) == 0) continue;
        ++erased;
        memset(&Row(line), 0, sizeof(SEASON_LINE));
    }
    First_Free_Line_Hint = 0;
    if (erased > 0) Log_Debug_Line("Erased %d non-empty season lines.", erased);
}

void Set_Commissioner_Mode(int32_t value) {
    Set_User_Preference(COMMISSIONER_MODE, value);
}

int32_t Find_Player_Season_Line(int32_t team, int32_t slot, int32_t year, int32_t line_team) {
    for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
        const int32_t line = Get_Player_Season_Line(team, slot, n);
        if (line != NO_SEASON_LINE && Get_Season_Line_Year(line) == year &&
            Get_Season_Line_Team(line) == line_team)
            return line;
    }
    return NO_SEASON_LINE;
}

bool Is_Longest_Kick_Stat(int32_t team, int32_t slot, int32_t stat) {
    constexpr int32_t KICKER_GROUP = 3;
    constexpr int32_t LONGEST_PUNT = 5;
    constexpr int32_t LONGEST_FIELD_GOAL = 18;
    return (stat == LONGEST_PUNT || stat == LONGEST_FIELD_GOAL) &&
           Get_Player_Position_Group(team, slot) == KICKER_GROUP;
}

int32_t Join_Season_Figure(int32_t team, int32_t slot, int32_t stat, int32_t total, int32_t figure) {
    if (Is_Longest_Kick_Stat(team, slot, stat)) return total > figure ? total : figure;
    return total + figure;
}
