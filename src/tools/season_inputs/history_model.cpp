#include "tools/season_inputs/history_model.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <strings.h>
#include <vector>

#include "database/cities.h"
#include "database/game_names.h"
#include "database/game_record_layout.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/playoff_bracket.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/schedule_entries.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "dialogs/new_team.h"
#include "dialogs/roster_moves.h"
#include "engine/team_unit_ratings.h"
#include "frontoffice/initial_contracts.h"
#include "frontoffice/roster_minimums.h"
#include "personnel/draft_input_files.h"
#include "personnel/draft_order.h"
#include "personnel/draft_pool.h"
#include "personnel/player_generation.h"
#include "personnel/player_identity.h"
#include "personnel/typical_season.h"
#include "platform/message_box.h"
#include "season/game_start.h"
#include "season/historic_reference.h"
#include "season/league_rules.h"
#include "season/off_season.h"
#include "season/playoff_seeding.h"
#include "tools/city_lookup.h"
#include "tools/league/league_generation.h"
#include "tools/season_franchises.h"
#include "tools/season_inputs/era_norms.h"
#include "tools/season_inputs/input_rows.h"
#include "tools/season_inputs/league_schedules.h"
#include "tools/season_inputs/season_leaders.h"
#include "tools/season_inputs/season_statistics.h"
#include "tools/season_inputs/stadiums.h"

namespace {
struct FOUNDING_FRANCHISE {
    const char* Location;
    const char* Nickname;
    const char* Abbreviation;
    int32_t Division;
    const char* City;
};

// The league of 1951: twelve franchises in two conferences.
constexpr FOUNDING_FRANCHISE FOUNDING_FRANCHISES[] = {
    {"Cleveland", "Browns", "CLE", 0, "Cleveland"},       {"New York", "Giants", "NYG", 0, "New York"},
    {"Philadelphia", "Eagles", "PHI", 0, "Philadelphia"}, {"Pittsburgh", "Steelers", "PIT", 0, "Pittsburgh"},
    {"Washington", "Redskins", "WAS", 0, "Washington"},   {"Chicago", "Cardinals", "CRD", 0, "Chicago"},
    {"Los Angeles", "Rams", "LA", 1, "Los Angeles"},      {"Detroit", "Lions", "DET", 1, "Detroit"},
    {"San Francisco", "49ers", "SF", 1, "San Francisco"}, {"Chicago", "Bears", "CHI", 1, "Chicago"},
    {"Green Bay", "Packers", "GB", 1, "Green Bay"},       {"New York", "Yanks", "NYY", 1, "New York"}};
constexpr const char* FOUNDING_LEAGUE = "NFL";
constexpr const char* FOUNDING_DIVISIONS[] = {"Eastern", "Western"};
constexpr int32_t STANDARD_INFLATION = 1000;
constexpr int32_t LAST_SEASON_INDEX = 99;
constexpr int32_t CHAMPION_KEEPS = 100;
constexpr int32_t CONFERENCE_CHAMPION_SLOT = 28;
// Seasons whose salaries and cap room are written.
constexpr int32_t FIRST_CONTRACT_FILES_YEAR = 2017;
// The fewest players a franchise may carry.
constexpr int32_t SMALLEST_SEASON_ROSTER = 51;
// How far a season's leaders may stray from the real leaders of its decade.
constexpr double SEASON_LEADER_MARGIN = 0.2;

// Nicknames of the title tables as the franchise was called in a year.
std::string Nickname_In_Year(const std::string& nickname, int32_t year) {
    if (nickname == "Ravens" && year < 1996) return "Browns";
    if (nickname == "Titans" && year < 1999) return "Oilers";
    if (nickname == "Chiefs" && year < 1963) return "Texans";
    return nickname;
}

int32_t Find_Team_By_Nickname(const std::string& nickname) {
    if (nickname.empty()) return NO_TEAM;
    const int32_t teams = Refresh_Active_Team_Count();
    char own[TEAM_STRING_LENGTH];
    for (int32_t team = 0; team < teams; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        Get_Team_String(own, team, 2);
        if (strcasecmp(own, nickname.c_str()) == 0) return team;
    }
    return NO_TEAM;
}

bool Found_History_League(int32_t year, std::string* error) {
    Clear_Universe();
    if (!Read_Installed_Cities(error)) return false;
    Universe.Header.Universe_Stats[BASE_YEAR] = year;
    Universe.Header.Universe_Stats[INFLATION_FACTOR] = STANDARD_INFLATION;
    // A league of fictional players draws every college class.
    Universe.Header.Fictional_Players_Flag = 1;
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Set_User_Preference(CURRENT_WEEK, 0);
    Set_League_Abbreviation(0, FOUNDING_LEAGUE);
    for (int32_t division = 0; division < 2; ++division)
        Set_Division_Name(division, FOUNDING_DIVISIONS[division]);
    Apply_League_Rules_For_Year();
    Load_Draft_Talent();
    Load_Draft_Strategy();
    for (const FOUNDING_FRANCHISE& franchise : FOUNDING_FRANCHISES) {
        const int32_t city = Find_City_By_Name(franchise.City);
        if (city < 0) {
            *error = std::string("no city ") + franchise.City;
            return false;
        }
        const int32_t team = Add_New_Team(0);
        if (team < 0) {
            *error = "no room for the founding franchises";
            return false;
        }
        Set_Team_Abbreviation(franchise.Abbreviation, team);
        Set_Team_Location(franchise.Location, team);
        Set_Team_Nickname(franchise.Nickname, team);
        Set_Team_Stat(team, TEAM_STAT_DIVISION, franchise.Division);
        Set_Team_Stat(team, TEAM_STAT_HOME_CITY, city);
        Fill_New_Team_Roster(team);
    }
    Sort_Teams_By_Name();
    Set_All_Teams_Computer_Controlled();
    Build_All_Player_Hashes();
    Calculate_Player_Contracts();
    Set_All_Typical_Seasons();
    Set_Projected_Draft_Order();
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    Start_Game(0);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    return true;
}

double Uniform() {
    return Random_Number() / 4294967296.0;
}

// The people behind the ids the history has used: a player met with an id
// another person carried before gets a new id.
struct IDENTITIES {
    std::map<int32_t, std::string> People;

    static std::string Person(int32_t team, int32_t slot) {
        const PLAYER_RECORD* player = Get_Player_Record_Pointer(team, slot);
        return std::string(player->First_Name, strnlen(player->First_Name, sizeof player->First_Name)) + "|" +
               std::string(player->Last_Name, strnlen(player->Last_Name, sizeof player->Last_Name)) + "|" +
               std::to_string(player->Vital_Stats[VITAL_BIRTH_DATE]);
    }

    void Settle(int32_t team, int32_t slot) {
        const std::string person = Person(team, slot);
        for (;;) {
            const int32_t id = Get_Player_ID(team, slot);
            const auto found = People.find(id);
            if (found == People.end()) {
                People[id] = person;
                return;
            }
            if (found->second == person) return;
            Assign_New_Player_ID(team, slot);
        }
    }
};

struct TEAM_RESULT {
    int32_t Wins = 0, Losses = 0, Ties = 0, Points_For = 0, Points_Against = 0;
};

// How much a crowned team is favoured in every game: the champion most.
double Crowned_Edge(int32_t team, const SEASON_CHAMPIONS& crowned) {
    char nickname[TEAM_STRING_LENGTH] = "";
    Get_Team_String(nickname, team, 2);
    if (crowned.Champion == nickname || crowned.Second_Champion == nickname) return 2.2;
    if (crowned.Finalist == nickname) return 1.2;
    return 0.0;
}

bool Is_Crowned(int32_t team, const SEASON_CHAMPIONS& crowned) {
    return Crowned_Edge(team, crowned) > 0.0;
}

// One game's result and points.
void Play_Model_Game(int32_t home, int32_t visitor, const std::vector<double>& strength,
                     const SEASON_CHAMPIONS& crowned, double points, int32_t year,
                     std::vector<TEAM_RESULT>* results) {
    const double edge = (strength[home] + Crowned_Edge(home, crowned)) -
                        (strength[visitor] + Crowned_Edge(visitor, crowned)) + 0.25;
    const double home_chance = 1.0 / (1.0 + std::exp(-edge));
    const double tie_chance = year < 1974 ? 0.035 : 0.004;
    const double draw = Uniform();
    const int32_t total =
        std::max(6, static_cast<int32_t>(std::lround(2.0 * points + (Uniform() - 0.5) * 24.0)));
    const int32_t margin = 1 + static_cast<int32_t>(std::fabs(edge) * 6.0 + Uniform() * 14.0);
    int32_t winner_points = (total + margin) / 2, loser_points = total - winner_points;
    if (loser_points < 0) loser_points = 0;
    TEAM_RESULT& h = (*results)[home];
    TEAM_RESULT& v = (*results)[visitor];
    if (draw < tie_chance) {
        const int32_t each = total / 2;
        ++h.Ties;
        ++v.Ties;
        h.Points_For += each, h.Points_Against += each, v.Points_For += each, v.Points_Against += each;
        Add_Team_Tie(home, 1);
        Add_Team_Tie(visitor, 0);
        return;
    }
    const bool home_won = draw < tie_chance + (1.0 - tie_chance) * home_chance;
    TEAM_RESULT& winner = home_won ? h : v;
    TEAM_RESULT& loser = home_won ? v : h;
    ++winner.Wins;
    ++loser.Losses;
    winner.Points_For += winner_points, winner.Points_Against += loser_points;
    loser.Points_For += loser_points, loser.Points_Against += winner_points;
    Add_Team_Win(home_won ? home : visitor, home_won ? 1 : 0);
    Add_Team_Loss(home_won ? visitor : home, home_won ? 0 : 1);
}

// Swaps the season records of two teams, so the crowned one leads its division.
void Swap_Records(int32_t a, int32_t b, std::vector<TEAM_RESULT>* results) {
    const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    for (int32_t n = 0; n < NUMBER_OF_YEARLY_CHARS; ++n) {
        const int32_t held = Get_Team_Yearly_Char(a, season, n);
        Set_Team_Yearly_Char(a, season, n, Get_Team_Yearly_Char(b, season, n));
        Set_Team_Yearly_Char(b, season, n, held);
    }
    std::swap((*results)[a], (*results)[b]);
}

double Winning_Share(const TEAM_RESULT& result) {
    const int32_t games = result.Wins + result.Losses + result.Ties;
    return games > 0 ? (result.Wins + 0.5 * result.Ties) / games : 0.0;
}

// One game between two teams counted the other way: a win of `loser` becomes a loss.
void Flip_One_Game(int32_t winner, int32_t loser, std::vector<TEAM_RESULT>* results) {
    TEAM_RESULT& up = (*results)[winner];
    TEAM_RESULT& down = (*results)[loser];
    if (up.Losses == 0 || down.Wins == 0) return;
    ++up.Wins, --up.Losses, --down.Wins, ++down.Losses;
    const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    Set_Team_Yearly_Char(winner, season, RECORD_CHAR_WINS, up.Wins);
    Set_Team_Yearly_Char(winner, season, RECORD_CHAR_LOSSES, up.Losses);
    Set_Team_Yearly_Char(loser, season, RECORD_CHAR_WINS, down.Wins);
    Set_Team_Yearly_Char(loser, season, RECORD_CHAR_LOSSES, down.Losses);
}

// Every crowned team ends with a record no other team of its league
// reaches: it takes the best record, and a team level with it gives up one
// of its wins to it.
void Lift_Crowned_Records(const SEASON_CHAMPIONS& crowned, std::vector<TEAM_RESULT>* results) {
    const int32_t teams = Refresh_Active_Team_Count();
    for (const std::string& nickname : {crowned.Champion, crowned.Second_Champion, crowned.Finalist}) {
        const int32_t team = Find_Team_By_Nickname(nickname);
        if (team == NO_TEAM) continue;
        const int32_t league = Get_Team_Stat(team, TEAM_STAT_DIVISION) / 4;
        auto rivals = [&](auto action) {
            for (int32_t other = 0; other < teams; ++other)
                if (other != team && Is_Used_Franchise_Slot(other) && !Is_Crowned(other, crowned) &&
                    Get_Team_Stat(other, TEAM_STAT_DIVISION) / 4 == league)
                    action(other);
        };
        int32_t best = team;
        rivals([&](int32_t other) {
            if (Winning_Share((*results)[other]) > Winning_Share((*results)[best])) best = other;
        });
        if (best != team) Swap_Records(team, best, results);
        rivals([&](int32_t other) {
            if (Winning_Share((*results)[other]) >= Winning_Share((*results)[team]))
                Flip_One_Game(team, other, results);
        });
    }
}

// Plays the bracket Seed_Playoffs made: the champion wins every game, a
// finalist every game but against the champion, else the stronger side
// most often. Each team's furthest slot is kept in `reached`.
void Play_Model_Playoffs(const std::vector<double>& strength, const SEASON_CHAMPIONS& crowned) {
    static GAME_RECORD game;
    // Before the leagues met in a final each crowned its own champion.
    const int32_t last_pair =
        Universe.Header.Championship_Round_Flag != 0 ? PLAYOFF_BRACKET_SLOTS - 1 : CONFERENCE_CHAMPION_SLOT;
    for (bool played = true; played;) {
        played = false;
        for (int32_t slot = 0; slot + 1 < last_pair; slot += 2) {
            const int32_t a = Get_Playoff_Team(slot), b = Get_Playoff_Team(slot + 1);
            const int32_t next = slot / 2 + 16;
            if (Is_No_Team(a) || Is_No_Team(b) || !Is_No_Team(Get_Playoff_Team(next))) continue;
            const double edge = (strength[a] + CHAMPION_KEEPS * Crowned_Edge(a, crowned)) -
                                (strength[b] + CHAMPION_KEEPS * Crowned_Edge(b, crowned));
            const bool first_won = Uniform() < 1.0 / (1.0 + std::exp(-edge));
            memset(&game, 0, sizeof game);
            game.Team[0] = static_cast<uint8_t>(a);
            game.Team[1] = static_cast<uint8_t>(b);
            const int32_t winner_points = 17 + Random_Below(21), loser_points = Random_Below(17);
            game.Score[0] = first_won ? winner_points : loser_points;
            game.Score[1] = first_won ? loser_points : winner_points;
            if (game.Score[0] == game.Score[1]) ++game.Score[first_won ? 0 : 1];
            Record_Playoff_Result(&game);
            Add_Team_Win(first_won ? a : b, 1);
            Add_Team_Loss(first_won ? b : a, 0);
            played = true;
        }
    }
}

std::string Abbreviation_Of(int32_t team) {
    char text[TEAM_STRING_LENGTH] = "";
    Get_Team_String(text, team, 0);
    return text;
}

std::string Full_Name_Of(int32_t team, int32_t slot) {
    const PLAYER_RECORD* player = Get_Player_Record_Pointer(team, slot);
    return std::string(player->First_Name, strnlen(player->First_Name, sizeof player->First_Name)) + " " +
           std::string(player->Last_Name, strnlen(player->Last_Name, sizeof player->Last_Name));
}

std::string Year_File(const char* form, int32_t year) {
    char name[96];
    snprintf(name, sizeof name, form, year);
    return name;
}

struct HISTORY_RUN {
    INPUT_COLLECTION* Files;
    IDENTITIES Identities;
    // The abbreviation of every team in each year, for the draft columns.
    std::map<std::pair<int32_t, int32_t>, std::string> Team_Abbreviations;
    // The figures the seasons' yardage leaders have led with.
    std::array<std::set<int32_t>, YARDAGE_LEADER_CATEGORIES> Leader_Figures;
};

void Settle_All_Identities(HISTORY_RUN& run) {
    For_Each_League_Player([&run](int32_t team, int32_t slot) { run.Identities.Settle(team, slot); });
    Build_All_Player_Hashes();
}

// Every franchise starts its season with at least the league's smallest
// roster: each missing player is one of the position the roster holds
// fewest of against its minimum, the last free agent of it or, when there
// is none, a new player at a free agent's level.
int32_t Count_Roster(int32_t team) {
    int32_t players = 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        players += Is_Player_Slot_Used(team, slot) != 0;
    return players;
}

void Fill_Short_Rosters() {
    const int32_t teams = Refresh_Active_Team_Count();
    for (int32_t team = 0; team < teams; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        while (Count_Roster(team) < SMALLEST_SEASON_ROSTER) {
            int32_t needed = 0;
            double fewest = 1e9;
            for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
                const int32_t minimum = Get_Position_Roster_Minimum(position);
                if (minimum <= 0) continue;
                const double share =
                    static_cast<double>(Count_Team_Position_Players(team, position)) / minimum;
                if (share < fewest) {
                    fewest = share;
                    needed = position;
                }
            }
            const int32_t free_agent = Find_Available_Free_Agent(needed);
            if (free_agent >= 0 && Move_Player_To_Team(team, FREE_AGENT_TEAM, free_agent) >= 0) continue;
            const int32_t slot = Find_Empty_Player_Slot(team);
            if (slot < 0) break;
            Create_Player_For_Team(team, slot, needed, REPLACEMENT_PLAYER_WEAKNESS);
            if (!Is_Player_Slot_Used(team, slot)) break;
        }
    }
}

// The year's team file: the franchises as they played that season. The
// seasons before the first exported one have it too, since their players'
// lines name those franchises.
void Export_Team_File(HISTORY_RUN& run, int32_t year) {
    std::string team_lines = std::string(TEAMS_FILE_HEADER) + "\n";
    for (int32_t team = 0; team < Refresh_Active_Team_Count(); ++team)
        if (Is_Used_Franchise_Slot(team))
            team_lines += Make_Team_Line(team, Get_Model_Stadium(team, year)) + "\n";
    run.Files->Files[Year_File("Input/Stats/%d_teams.csv", year)] = team_lines;
}

// The year's own files and the players met for the first time; false with
// the reason in `error` when a season of two leagues cannot be scheduled.
bool Export_Season_Files(HISTORY_RUN& run, int32_t year, std::string* error) {
    INPUT_COLLECTION& files = *run.Files;
    // Two leagues play apart: each league's schedule from its own teams.
    if (!Make_Two_League_Schedule_Files(year, Get_Universe_Stat(GAMES_PER_SEASON), &files.Files, error))
        return false;
    const int32_t teams = Refresh_Active_Team_Count();
    files.Files[Year_File("Input/Stats/leagues/%d_league.csv", year)] =
        std::string(LEAGUE_FILE_HEADER) + "\n" + Make_League_Lines();
    std::string roster_lines = std::string(ROSTERS_FILE_HEADER) + "\n";
    std::string salary_lines = std::string(SALARIES_FILE_HEADER) + "\n";
    std::string cap_room_lines;
    Export_Team_File(run, year);
    for (int32_t team = 0; team < teams; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        files.Shared.Personnel.push_back(Make_Personnel_Line(team, year));
        cap_room_lines += Make_Cap_Room_Line(team) + "\n";
    }
    for (int32_t team = 0; team <= FREE_AGENT_TEAM; ++team) {
        if (team < MAX_FRANCHISES && !Is_Used_Franchise_Slot(team)) continue;
        // A player past the year's roster limit is not on its rosters.
        const std::vector<bool> kept = team < MAX_FRANCHISES ? Choose_Season_Roster(team, year)
                                                             : std::vector<bool>(PLAYERS_PER_TEAM, true);
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot) || !kept[slot]) continue;
            const int32_t id = Get_Player_ID(team, slot);
            roster_lines += Make_Roster_Line(team, slot, id) + "\n";
            salary_lines += Make_Salary_Line(team, slot, id) + "\n";
            if (files.Shared.Players.count(id) != 0) continue;
            const int32_t drafted_by = Get_Player_Drafted_By_Team(team, slot);
            const int32_t draft_year = Get_Player_Draft_Detail(team, slot);
            const auto draft_team = run.Team_Abbreviations.find({draft_year, drafted_by});
            files.Shared.Players[id] = Make_Player_Line(
                team, slot, id,
                draft_team == run.Team_Abbreviations.end() ? std::string() : draft_team->second);
            files.Shared.Combine[id] = Make_Combine_Line(team, slot, id, draft_year > 0 ? draft_year : year);
        }
    }
    files.Files[Year_File("Input/Stats/%d_rosters.csv", year)] = roster_lines;
    if (year >= FIRST_CONTRACT_FILES_YEAR) {
        files.Files[Year_File("Input/Stats/%d_salaries.csv", year)] = salary_lines;
        files.Files[Year_File("Input/Stats/%d_caproom.csv", year)] = cap_room_lines;
    }
    return true;
}

// The season's statistics of every player, into his season line and the
// seasons file, and his this-season and career figures.
void Make_Season_Statistics(HISTORY_RUN& run, int32_t year, const std::vector<TEAM_STRENGTH>& strengths) {
    const int32_t teams = Refresh_Active_Team_Count();
    const int32_t games = Get_Universe_Stat(GAMES_PER_SEASON);
    static std::vector<TEAM_SEASON_FIGURES> made(MAX_FRANCHISES);
    std::vector<TEAM_SEASON_FIGURES*> season;
    for (int32_t team = 0; team < teams; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        Make_Team_Season_Figures(team, year, games, strengths[team], &made[team]);
        season.push_back(&made[team]);
    }
    Hold_Season_Leaders(year, season, SEASON_LEADER_MARGIN);
    Set_Season_Leaders_Apart(season, &run.Leader_Figures);
    for (int32_t team = 0; team < teams; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        const TEAM_SEASON_FIGURES& figures = made[team];
        const std::string abbreviation = Abbreviation_Of(team);
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const PLAYER_SEASON_FIGURES& season = figures.Players[slot];
            if (season.Stats[0] <= 0) continue;
            // A blocker's or defender's season keeps its value where a built
            // season database puts the seasons file's value.
            int32_t kept[NUMBER_OF_SEASON_STATS];
            std::copy(std::begin(season.Stats), std::end(season.Stats), kept);
            if (Is_Value_Kept_In_Line(Get_Player_Vital_Stat(team, slot, VITAL_POSITION)))
                kept[SEASON_LINE_VALUE_STAT] = season.Value;
            const int32_t line = Add_Player_Season_Line(team, slot, year, team);
            for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat) {
                if (line != NO_SEASON_LINE) Set_Season_Line_Stat(line, stat, kept[stat]);
                Set_Player_Stat(team, slot, SEASON_THIS, stat, kept[stat]);
                Set_Player_Stat(team, slot, SEASON_CAREER, stat,
                                Join_Season_Figure(team, slot, stat,
                                                   Get_Player_Stat(team, slot, SEASON_CAREER, stat),
                                                   kept[stat]));
            }
            if (line != NO_SEASON_LINE)
                Set_Season_Line_Kind(line,
                                     std::max(0, Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS)));
            const int32_t id = Get_Player_ID(team, slot);
            run.Files->Shared.Seasons.emplace_back(
                id, Make_Season_Line(
                        id, year, abbreviation, Get_Player_Byte_Field(team, slot, PLAYER_BYTE_UNIFORM),
                        Full_Name_Of(team, slot), Get_Player_Vital_Stat(team, slot, VITAL_POSITION),
                        season.Stats, season.Value));
        }
    }
}

// The regular season's results over the league's schedule, the crowned
// teams lifted to the top of their leagues, and the playoffs.
std::vector<TEAM_RESULT> Play_Season_Results(int32_t year, const SEASON_CHAMPIONS& crowned) {
    const int32_t teams = Refresh_Active_Team_Count();
    std::vector<double> strength(MAX_FRANCHISES, 0.0);
    double sum = 0.0;
    int32_t counted = 0;
    for (int32_t team = 0; team < teams; ++team)
        if (Is_Used_Franchise_Slot(team)) {
            strength[team] = Get_Team_Overall_Rating(team);
            sum += strength[team];
            ++counted;
        }
    const double mean = counted > 0 ? sum / counted : 1.0;
    for (int32_t team = 0; team < teams; ++team)
        strength[team] = mean > 0.0 ? (strength[team] / mean - 1.0) * 8.0 : 0.0;
    std::vector<TEAM_RESULT> results(MAX_FRANCHISES);
    const double points = Get_Era_Norms(year).Points;
    const int32_t last_week = Get_Playoff_Start_Week();
    for (int32_t week = 0; week < last_week; ++week) {
        Set_User_Preference(CURRENT_WEEK, week);
        for (int32_t home = 0; home < teams; ++home) {
            if (!Is_Used_Franchise_Slot(home)) continue;
            const int32_t code = Get_Team_Schedule_Stat(home, week, SCHEDULE_OPPONENT);
            if (code <= 0) continue;
            const int32_t visitor = code - 1;
            if (!Is_Used_Franchise_Slot(visitor) || visitor == home) continue;
            Play_Model_Game(home, visitor, strength, crowned, points, year, &results);
        }
    }
    Set_User_Preference(CURRENT_WEEK, last_week);
    Lift_Crowned_Records(crowned, &results);
    Update_Standings();
    Seed_Playoffs();
    Play_Model_Playoffs(strength, crowned);
    return results;
}

// The team records of the year: record, division place and playoff result.
void Export_Team_Records(HISTORY_RUN& run, int32_t year, const std::vector<TEAM_RESULT>& results) {
    const int32_t teams = Refresh_Active_Team_Count();
    for (int32_t team = 0; team < teams; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        const TEAM_RESULT& result = results[team];
        TEAM_RECORD_FIGURES record{result.Wins,
                                   result.Losses,
                                   result.Ties,
                                   Get_Team_Division_Standing(team),
                                   Count_Division_Teams(Get_Team_Stat(team, TEAM_STAT_DIVISION)),
                                   result.Points_For,
                                   result.Points_Against,
                                   Get_Playoff_Result(team)};
        run.Files->Shared.Team_Records.push_back(Make_Team_Record_Line(team, year, record));
    }
}

bool Check_Crowned_Teams(const SEASON_CHAMPIONS& crowned, int32_t year, std::string* error) {
    for (const std::string& nickname : {crowned.Champion, crowned.Second_Champion, crowned.Finalist})
        if (!nickname.empty() && Find_Team_By_Nickname(nickname) == NO_TEAM) {
            *error = "no franchise of " + std::to_string(year) + " is called the " + nickname;
            return false;
        }
    return true;
}

void Remember_Team_Abbreviations(HISTORY_RUN& run, int32_t year) {
    const int32_t teams = Refresh_Active_Team_Count();
    for (int32_t team = 0; team < teams; ++team)
        if (Is_Used_Franchise_Slot(team)) run.Team_Abbreviations[{year, team}] = Abbreviation_Of(team);
}
} // namespace

SEASON_CHAMPIONS Get_Season_Champions(int32_t year) {
    SEASON_CHAMPIONS crowned;
    auto older = [](int32_t y) {
        const int32_t n = y - FIRST_NFL_CHAMPION_SEASON;
        return n >= 0 && n < NFL_NFC_CHAMPION_COUNT ? std::string(NFL_NFC_Champions[n]) : std::string();
    };
    auto younger = [](int32_t y) {
        const int32_t n = y - FIRST_AFL_CHAMPION_SEASON;
        return n >= 0 && n < AFL_AFC_CHAMPION_COUNT ? std::string(AFL_AFC_Champions[n]) : std::string();
    };
    auto title = [](int32_t y) {
        const int32_t n = y - FIRST_SUPER_BOWL_WINNER_SEASON;
        return n >= 0 && n < SUPER_BOWL_WINNER_COUNT ? std::string(Super_Bowl_Winners[n]) : std::string();
    };
    if (year < FIRST_SUPER_BOWL_WINNER_SEASON) {
        crowned.Champion = older(year);
        crowned.Second_Champion = younger(year);
    } else {
        crowned.Champion = title(year);
        crowned.Finalist = title(year) == older(year) ? younger(year) : older(year);
    }
    crowned.Champion = Nickname_In_Year(crowned.Champion, year);
    crowned.Second_Champion = Nickname_In_Year(crowned.Second_Champion, year);
    crowned.Finalist = Nickname_In_Year(crowned.Finalist, year);
    return crowned;
}

bool Make_League_History(const HISTORY_OPTIONS& options, INPUT_COLLECTION* files, std::string* error,
                         void (*log)(const char* line)) {
    Seed_Random_Numbers(options.Seed);
    if (!Found_History_League(options.Founding_Year, error)) return false;
    HISTORY_RUN run{files, {}, {}, {}};
    for (int32_t year = options.Founding_Year; year <= options.Last_Year; ++year) {
        if (Get_Current_Year() != year || Get_User_Preference(CURRENT_WEEK) != 0) {
            *error = "the league is not at the start of " + std::to_string(year);
            return false;
        }
        Fill_Short_Rosters();
        Settle_All_Identities(run);
        Remember_Team_Abbreviations(run, year);
        const SEASON_CHAMPIONS crowned = Get_Season_Champions(year);
        if (year >= options.First_Exported_Year) {
            if (!Check_Crowned_Teams(crowned, year, error)) return false;
            if (!Export_Season_Files(run, year, error)) return false;
        } else {
            Export_Team_File(run, year);
        }
        Make_Season_Statistics(run, year, Measure_Team_Strengths());
        const std::vector<TEAM_RESULT> results = Play_Season_Results(year, crowned);
        if (year >= options.First_Exported_Year) Export_Team_Records(run, year, results);
        if (log != nullptr) {
            char line[64];
            snprintf(line, sizeof line, "season %d made", year);
            log(line);
        }
        if (year == options.Last_Year && options.League_File.empty()) break;
        if (Get_User_Preference(CURRENT_SEASON_INDEX) >= LAST_SEASON_INDEX) {
            *error = "the league ran out of season indices";
            return false;
        }
        Create_College_Draft_Pool();
        Set_College_Draft_Order();
        Start_Off_Season();
        Keep_Refounded_Franchise_Lines();
        Clear_Shown_Messages();
    }
    if (!options.League_File.empty()) {
        // The league as the next season starts: every player known by his own id.
        Settle_All_Identities(run);
        if (Save_Game(options.League_File.c_str(), nullptr) != SAVE_OK) {
            *error = "cannot write " + options.League_File;
            return false;
        }
    }
    files->Shared.People = run.Identities.People;
    return true;
}
