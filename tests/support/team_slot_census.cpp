#include "support/team_slot_census.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/playoff_bracket.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/player_card.h"
#include "frontoffice/finance_stats.h"
#include "personnel/draft_order.h"
#include "personnel/draft_picks.h"
#include "personnel/fantasy_draft.h"
#include "season/all_time_leaders.h"

namespace {
constexpr int32_t MARK_STRING = 7;
constexpr int32_t LOGGED_TEAM_FACTOR = 100;
constexpr size_t FANTASY_ORDER_OFFSET = 14416;
constexpr int32_t VITAL_FANTASY_TEAM = 26;

size_t Offset_Of(const void* field) {
    return static_cast<size_t>(static_cast<const uint8_t*>(field) - Universe_Bytes());
}

// The franchise a team code names, or the code when it names none.
std::string Franchise(int32_t code) {
    if (code >= 0 && code < MAX_FRANCHISES) {
        if (!Is_Used_Franchise_Slot(code)) return "empty slot " + std::to_string(code);
        const TEAM_RECORD& team = Universe.Teams[code];
        if (team.Strings[MARK_STRING][0] != '\0')
            return std::string("franchise ") + team.Strings[MARK_STRING];
        return std::string("franchise ") + team.Strings[1] + " " + team.Strings[2];
    }
    if (code >= FREE_AGENT_TEAM && code < TOTAL_NUMBER_OF_TEAMS) return "pool " + std::to_string(code);
    return "code " + std::to_string(code);
}

struct CENSUS_WRITER {
    TEAM_SLOT_CENSUS& Census;
    void Add(const std::string& key, const std::string& name, const void* field) {
        Census.Names[key] = name;
        Census.Offsets.insert(Offset_Of(field));
    }
};

void Add_Settings(CENSUS_WRITER& out) {
    const std::pair<int32_t, const char*> settings[] = {{VIEWED_TEAM, "viewed team"},
                                                        {USER_TEAM, "user's team"},
                                                        {SELECTED_PLAYER_TEAM, "selected player's team"},
                                                        {TRADE_PARTNER_TEAM, "trade partner"},
                                                        {FANTASY_TEAM_FILTER, "fantasy order's team filter"}};
    const bool drafting = Get_Fantasy_Draft_Flag() != FANTASY_DRAFT_NONE;
    for (const auto& [setting, name] : settings) {
        // The filter names a team only while a draft runs (all teams by their count).
        if (setting == FANTASY_TEAM_FILTER && !drafting) continue;
        const int32_t& value = Universe.User_Preferences.Ints[setting];
        out.Add(std::string("setting ") + name, Franchise(value), &value);
    }
}

std::string Drafting_Team(int32_t record) {
    if (record < DRAFT_RECORD_TEAM_FACTOR) return "no drafting team, " + std::to_string(record);
    return Franchise(record / DRAFT_RECORD_TEAM_FACTOR - 1) + " in " +
           std::to_string(record % DRAFT_RECORD_TEAM_FACTOR);
}

void Add_Players(CENSUS_WRITER& out) {
    const bool drafting = Get_Fantasy_Draft_Flag() != FANTASY_DRAFT_NONE;
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
            const std::string key = "player " + std::to_string(player.Vital_Stats[VITAL_PLAYER_ID]);
            const int32_t& record = player.Vital_Stats[VITAL_DRAFT_RECORD];
            out.Add(key + " drafted by", Drafting_Team(record), &record);
            if (drafting) {
                const int32_t& fantasy = player.Vital_Stats[VITAL_FANTASY_TEAM];
                out.Add(key + " fantasy team", Franchise(fantasy), &fantasy);
            }
            for (const int32_t line : player.Season_Line_Links) {
                if (line < 0 || line >= MAX_SEASON_LINES) continue;
                const int8_t& line_team = Universe.Season_Lines[line].Team;
                out.Add("season line " + std::to_string(line), Franchise(line_team), &line_team);
            }
        }
}

void Add_Schedules(CENSUS_WRITER& out) {
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        for (int32_t week = 0; week < NUMBER_OF_SCHEDULE_WEEKS; ++week) {
            const int32_t& code = Universe.Teams[team].Schedule[week].Values[0];
            std::string name = "no game";
            if (code > 0) name = "home of " + Franchise(code - 1);
            if (code < 0) name = "away at " + Franchise(-code - 1);
            out.Add("schedule of " + Franchise(team) + " week " + std::to_string(week), name, &code);
        }
    }
}

void Add_Games(CENSUS_WRITER& out) {
    for (int32_t n = 0; n < MAX_GAME_RECORDS; ++n) {
        const GAME_RECORD& game = Universe.Games[n];
        if (game.Team[0] == game.Team[1]) continue;
        const std::string key = "game " + std::to_string(n);
        out.Add(key + " team 0", Franchise(game.Team[0]), &game.Team[0]);
        out.Add(key + " team 1", Franchise(game.Team[1]), &game.Team[1]);
        out.Add(key + " possession", Franchise(game.Possession_Team), &game.Possession_Team);
        const int32_t logged = game.Play_Log_Count < 0 ? 0 : std::min<int32_t>(game.Play_Log_Count, 256);
        for (int32_t snap = -1; snap < logged; ++snap) {
            const PLAY_LOG_ENTRY& play = snap < 0 ? game.Current_Play : game.Play_Log[snap];
            for (int32_t e = 0; e < PLAY_EVENT_SLOTS; ++e) {
                const PLAY_EVENT_SLOT& event = play.Events[e];
                if (event.Event_Id != PLAY_EVENT_FLAG) continue;
                out.Add(key + " snap " + std::to_string(snap) + " event " + std::to_string(e) + " flagged",
                        Franchise(event.Argument_B), &event.Argument_B);
            }
        }
    }
}

std::string Pick_Owner(int8_t owner) {
    const int32_t code = static_cast<uint8_t>(owner);
    if (code >= FORFEITED_PICK_OWNER) return "forfeited by " + Franchise(code - FORFEITED_PICK_OWNER);
    return Franchise(owner);
}

void Add_League_Tables(CENSUS_WRITER& out) {
    for (int32_t year = 0; year < DRAFT_YEARS; ++year)
        for (int32_t round = 0; round < DRAFT_ROUNDS; ++round)
            for (int32_t issuer = 0; issuer < MAX_FRANCHISES; ++issuer) {
                const int8_t& owner = Universe.Draft_Pick_Owner[year][round][issuer];
                out.Add("pick " + std::to_string(year) + "/" + std::to_string(round) + " issued by " +
                            Franchise(issuer),
                        Pick_Owner(owner), &owner);
            }
    for (int32_t n = 0; n < MAX_FRANCHISES; ++n)
        out.Add("draft order " + std::to_string(n), Franchise(Universe.Draft_Order[n]),
                &Universe.Draft_Order[n]);
    for (int32_t division = 0; division < NUMBER_OF_DIVISIONS; ++division)
        for (int32_t place = 0; place < 13; ++place) {
            const int8_t& team = Universe.Division_Standings[division][place];
            out.Add("division " + std::to_string(division) + " place " + std::to_string(place),
                    Franchise(team), &team);
        }
    for (int32_t n = 0; n < PLAYOFF_BRACKET_SLOTS; ++n)
        out.Add("bracket slot " + std::to_string(n), Franchise(Universe.Playoff_Bracket[n]),
                &Universe.Playoff_Bracket[n]);
}

void Add_Tail(CENSUS_WRITER& out) {
    for (const int32_t& entry : Universe.Tail.Draft_Pick_Log) {
        if (entry <= 0) continue;
        out.Add("forfeited pick " + std::to_string(entry / LOGGED_TEAM_FACTOR),
                Franchise(entry % LOGGED_TEAM_FACTOR), &entry);
    }
    if (Get_Fantasy_Draft_Flag() != FANTASY_DRAFT_NONE)
        for (int32_t round = 0; round < FANTASY_DRAFT_ROUNDS; ++round)
            for (int32_t pick = 0; pick < FANTASY_DRAFT_TEAMS; ++pick) {
                const uint8_t& team =
                    Universe.Tail
                        .Fantasy_Draft_State[FANTASY_ORDER_OFFSET + round * FANTASY_DRAFT_TEAMS + pick];
                out.Add("fantasy pick " + std::to_string(round) + "/" + std::to_string(pick), Franchise(team),
                        &team);
            }
    constexpr int32_t ENTRIES = sizeof Universe.Tail.All_Time_Leaders / sizeof(ALL_TIME_LEADER_ENTRY);
    for (int32_t n = 0; n < ENTRIES; ++n) {
        const uint8_t* stored = Universe.Tail.All_Time_Leaders + n * sizeof(ALL_TIME_LEADER_ENTRY);
        ALL_TIME_LEADER_ENTRY entry;
        std::memcpy(&entry, stored, sizeof entry);
        if (entry.Player_ID == 0 && entry.Last_Name[0] == '\0') continue;
        // An entry by what it records: list, player, date and figure.
        char key[160];
        std::snprintf(key, sizeof key, "leader list %d: %.20s %.12s #%d %d/%d %d",
                      n / ALL_TIME_LEADER_ENTRIES, entry.Last_Name, entry.First_Name, entry.Player_ID,
                      entry.Year, entry.Week, entry.Value);
        out.Add(key, Franchise(entry.Team), stored + offsetof(ALL_TIME_LEADER_ENTRY, Team));
    }
}
} // namespace

void Spread_Team_Slot_Fields() {
    const int32_t teams = Count_Active_Teams();
    for (int32_t year = 0; year < DRAFT_YEARS; ++year)
        for (int32_t round = 0; round < DRAFT_ROUNDS; ++round)
            for (int32_t issuer = 0; issuer < teams; ++issuer)
                if ((issuer + round + year) % 3 == 0)
                    Set_Draft_Pick_Owner(year, round, issuer, (issuer + 2 * round + year + 1) % teams);
    Set_Draft_Pick_Owner(1, 0, 0, FORFEITED_PICK_OWNER);
    Set_Draft_Pick_Owner(2, 6, 1, FORFEITED_PICK_OWNER + teams - 2);
    const int32_t year = Get_Current_Year();
    Log_Forfeited_Draft_Pick(year - 1, 5, 2);
    Log_Forfeited_Draft_Pick(year - 1, teams + 3, teams - 1);
    Log_Forfeited_Draft_Pick(year, 17, 0);
    Set_User_Preference(SELECTED_PLAYER_TEAM, teams / 2);
    Set_User_Preference(SELECTED_PLAYER_SLOT, 0);
    Set_User_Preference(TRADE_PARTNER_TEAM, teams - 2);
    for (int32_t category = 0; category < 3; ++category)
        for (const int32_t kind : {ATL_KIND_SEASON, ATL_KIND_GAME}) {
            const int32_t team = (5 * category + 3 * kind) % teams;
            const PLAYER_RECORD& player = Universe.Teams[team].Players[0];
            ALL_TIME_LEADER_ENTRY entry{};
            std::memcpy(entry.Last_Name, player.Last_Name, sizeof entry.Last_Name);
            std::memcpy(entry.First_Name, player.First_Name, sizeof entry.First_Name);
            entry.Player_ID = player.Vital_Stats[VITAL_PLAYER_ID];
            entry.Value = 2000 - category;
            entry.Year = static_cast<int16_t>(year - 1);
            entry.Team = static_cast<uint8_t>(team);
            Set_All_Time_Leader(kind, category, 0, entry);
        }
}

void Crown_Champion_Unplayed() {
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team) {
        const int32_t wins = (team * 7) % 17;
        Set_Team_Record_Char(team, RECORD_CHAR_WINS, wins);
        Set_Team_Record_Char(team, RECORD_CHAR_LOSSES, 16 - wins);
        Set_Team_Financial_Stat(team, FINANCE_GAMES, 16);
        Set_Team_Financial_Stat(team, FINANCE_HOME_ATTENDANCE, 500000 + team);
    }
    Update_Standings();
    for (int32_t slot = 0; slot < 16; ++slot)
        Set_Playoff_Team(slot, (slot * 5 + 2) % teams);
    for (int32_t slot = 16; slot < PLAYOFF_BRACKET_SLOTS; ++slot)
        Set_Playoff_Team(slot, Get_Playoff_Team(2 * (slot - 16)));
    if (Universe.Season_Length < 2) Universe.Season_Length = 17;
    Universe.Header.Championship_Round_Flag = 1;
    Set_User_Preference(CURRENT_WEEK, Universe.Season_Length + 4);
    Set_College_Draft_Order();
}

std::map<int32_t, std::string> Read_Card_Draft_Lines() {
    constexpr int32_t CARD_DRAFT_ROW = 4;
    std::map<int32_t, std::string> lines;
    for (int32_t team = 0; team < Count_Active_Teams(); ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            char text[CARD_TEXT_SIZE];
            Format_Player_Card_Field(0, CARD_DRAFT_ROW, team, slot, text);
            lines[Get_Player_ID(team, slot)] = text;
        }
    return lines;
}

void Mark_Franchises() {
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        char mark[TEAM_STRING_LENGTH];
        std::snprintf(mark, sizeof mark, "F%02d", team);
        Set_Team_String(mark, team, MARK_STRING);
    }
}

TEAM_SLOT_CENSUS Take_Team_Slot_Census() {
    TEAM_SLOT_CENSUS census;
    CENSUS_WRITER out{census};
    Add_Settings(out);
    Add_Players(out);
    Add_Schedules(out);
    Add_Games(out);
    Add_League_Tables(out);
    Add_Tail(out);
    return census;
}

std::string Compare_Team_Slot_Censuses(const TEAM_SLOT_CENSUS& before, const TEAM_SLOT_CENSUS& after,
                                       int32_t* compared) {
    std::string differences;
    int32_t count = 0;
    for (const auto& [key, name] : before.Names) {
        const auto found = after.Names.find(key);
        if (found == after.Names.end()) continue;
        ++count;
        if (found->second != name)
            differences += key + ": " + name + " before, " + found->second + " after\n";
    }
    if (compared != nullptr) *compared = count;
    return differences;
}
