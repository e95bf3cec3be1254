#pragma once
// A finished season as its end left it, taken once its champion is decided,
// and the checks that the roll-over into the coming year keeps it so: Team
// History, opened for every team as the user opens it, lists the season for
// the teams that played it with their record, league rank and a finish that
// names the round each reached, and none for a team that joined since; the
// season summary page names the teams of each conference final.
#include <cstdint>
#include <string>
#include <vector>

// One team's season as it ended, under the full name ("location nickname")
// the league's history carries the franchise on to in the coming year.
struct TEAM_SEASON_END {
    std::string Franchise;
    int32_t Wins = 0;
    int32_t Losses = 0;
    int32_t Ties = 0;
    // League rank (0 the best) and division place (0 first) at the season's end.
    int32_t Rank = 0;
    int32_t Place = 0;
    // The deepest bracket slot the team reached, -1 out of the playoffs.
    int32_t Slot = -1;
};

// A conference final (bracket slots 24-25 or 26-27) and its winner, by the
// full names the franchises carry into the coming year.
struct CONFERENCE_FINAL {
    int32_t Slot = 0;
    std::string Winner;
    std::string Loser;
};

struct FINISHED_SEASON {
    int32_t Year = 0;
    std::vector<TEAM_SEASON_END> Teams;
    std::vector<CONFERENCE_FINAL> Finals;
};

// The current season of the league as it stands with its champion decided.
FINISHED_SEASON Take_Finished_Season();
// The finish Team History shows for a team out of the playoffs at `place`, or
// one whose deepest slot was `slot`, in a division and league of these names.
std::string Expected_Finish_Text(int32_t slot, int32_t place, const std::string& division,
                                 const std::string& league);
// After the roll-over, with the frame started: Team History opened for each
// team of the league. The problems found, one a line ("" when none).
std::string Check_Finished_Season_History(const FINISHED_SEASON& season);
// The season summary page of the season, `seasons_back` seasons before the
// current one, written from the installation's template: each conference
// final's line names its winner and its loser. The problems found.
std::string Check_Season_Summary_Finals(const FINISHED_SEASON& season, int32_t seasons_back);
