#include "support/league_figures.h"

#include <cstdio>

#include "engine/game_record.h"

void Add_Game_To_Figures(LEAGUE_FIGURES& figures, const GAME_RECORD& game) {
    ++figures.Games;
    for (int side = 0; side < 2; ++side) {
        const uint16_t* totals = game.Team_Totals[side];
        figures.Points += game.Score[side];
        figures.Plays += game.Team_Stats[side][GAME_STAT_PLAYS];
        figures.Pass_Attempts += totals[GAME_TOTAL_PASS_ATTEMPTS];
        figures.Completions += totals[GAME_TOTAL_COMPLETIONS];
        // The record's passing yards are net of the sacks; the opponent's
        // sack yards give them back.
        figures.Passing_Yards += static_cast<int16_t>(totals[GAME_TOTAL_PASSING_YARDS]) +
                                 static_cast<int16_t>(game.Team_Totals[1 - side][GAME_TOTAL_SACK_YARDS]);
        figures.Rushes += totals[GAME_TOTAL_RUSHES];
        figures.Rushing_Yards += static_cast<int16_t>(totals[GAME_TOTAL_RUSHING_YARDS]);
        figures.Sacks += totals[GAME_TOTAL_SACKS];
        figures.Penalties += totals[GAME_TOTAL_PENALTIES];
        figures.Fumbles += game.Team_Stats[side][GAME_STAT_FUMBLES];
        figures.Fumbles_Lost += game.Team_Stats[side][GAME_STAT_FUMBLES_LOST];
    }
    for (int i = 0; i < game.Play_Log_Count && i < MAX_PLAY_LOG_ENTRIES; ++i) {
        switch (Get_Play_Result(game.Play_Log[i].Play_Word)) {
        case RESULT_INTERCEPTION:
        case RESULT_INTERCEPTION_TOUCHDOWN:
            ++figures.Interceptions;
            break;
        case RESULT_FIELD_GOAL_GOOD:
            ++figures.Field_Goals_Made;
            ++figures.Field_Goals_Tried;
            break;
        case RESULT_FIELD_GOAL_MISSED:
            ++figures.Field_Goals_Tried;
            break;
        case RESULT_PUNT_TOUCHBACK:
            ++figures.Touchbacks;
            ++figures.Punts;
            break;
        case RESULT_PUNT_RETURNED:
        case RESULT_PUNT_RETURN_TOUCHDOWN:
        case RESULT_PUNT_FUMBLED:
            ++figures.Punts;
            break;
        case RESULT_KICKOFF_TOUCHBACK:
            ++figures.Touchbacks;
            break;
        case RESULT_EXTRA_POINT_GOOD:
            ++figures.Extra_Points_Made;
            ++figures.Extra_Points_Tried;
            break;
        case RESULT_EXTRA_POINT_MISSED:
            ++figures.Extra_Points_Tried;
            break;
        default:
            break;
        }
    }
    if (game.Clock > 3600) ++figures.Overtime_Games;
}

double Figures_Per_Game(const LEAGUE_FIGURES& figures, int64_t total) {
    return figures.Games == 0 ? 0.0 : static_cast<double>(total) / static_cast<double>(figures.Games);
}

double Figures_Completion_Rate(const LEAGUE_FIGURES& figures) {
    return figures.Pass_Attempts == 0 ? 0.0
                                      : static_cast<double>(figures.Completions) / figures.Pass_Attempts;
}

double Figures_Yards_Per_Rush(const LEAGUE_FIGURES& figures) {
    return figures.Rushes == 0 ? 0.0 : static_cast<double>(figures.Rushing_Yards) / figures.Rushes;
}

double Figures_Yards_Per_Completion(const LEAGUE_FIGURES& figures) {
    return figures.Completions == 0 ? 0.0 : static_cast<double>(figures.Passing_Yards) / figures.Completions;
}

double Figures_Yards_Per_Attempt(const LEAGUE_FIGURES& figures) {
    return figures.Pass_Attempts == 0 ? 0.0
                                      : static_cast<double>(figures.Passing_Yards) / figures.Pass_Attempts;
}

double Figures_Field_Goal_Rate(const LEAGUE_FIGURES& figures) {
    return figures.Field_Goals_Tried == 0
               ? 0.0
               : static_cast<double>(figures.Field_Goals_Made) / figures.Field_Goals_Tried;
}

double Figures_Extra_Point_Rate(const LEAGUE_FIGURES& figures) {
    return figures.Extra_Points_Tried == 0
               ? 0.0
               : static_cast<double>(figures.Extra_Points_Made) / figures.Extra_Points_Tried;
}

std::string Format_League_Figures(const LEAGUE_FIGURES& f) {
    char text[1024];
    snprintf(text, sizeof text,
             "%lld games, per game (both teams):\n"
             "  points %.1f  plays %.1f  pass attempts %.1f  rushes %.1f\n"
             "  completion rate %.1f%%  yards per rush %.2f  yards per completion %.2f\n"
             "  sacks %.2f  interceptions %.2f  fumbles lost %.2f of %.2f  penalties %.2f\n"
             "  punts %.2f  field goals %.2f of %.2f  touchbacks %.2f  overtime %.1f%% of games\n",
             static_cast<long long>(f.Games), Figures_Per_Game(f, f.Points), Figures_Per_Game(f, f.Plays),
             Figures_Per_Game(f, f.Pass_Attempts), Figures_Per_Game(f, f.Rushes),
             100.0 * Figures_Completion_Rate(f), Figures_Yards_Per_Rush(f), Figures_Yards_Per_Completion(f),
             Figures_Per_Game(f, f.Sacks), Figures_Per_Game(f, f.Interceptions),
             Figures_Per_Game(f, f.Fumbles_Lost), Figures_Per_Game(f, f.Fumbles),
             Figures_Per_Game(f, f.Penalties), Figures_Per_Game(f, f.Punts),
             Figures_Per_Game(f, f.Field_Goals_Made), Figures_Per_Game(f, f.Field_Goals_Tried),
             Figures_Per_Game(f, f.Touchbacks), 100.0 * Figures_Per_Game(f, f.Overtime_Games));
    return text;
}
