#include "season/replay_stats.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <new>

#include "database/historical_norms.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/rating_normalisation.h"
#include "database/settings.h"
#include "database/team_record_layout.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "season/week_advance.h"
#include "tools/ratings_rebuild.h"
#include "tools/seasons_csv.h"

namespace {
constexpr int32_t OFFENSIVE_LINE_GROUP = 1;
// A prediction is shrunk to about this many games before the real season is added.
constexpr int32_t KEPT_PREDICTED_GAMES = 4;
// The season whose start ended Replay Mode while the user is still to be
// told (0: nothing to tell). Kept for this run of the program only.
int32_t replay_end_untold_year = 0;

// Offensive linemen keep their predictions and ratings; a position that does
// not translate counts as a non-lineman.
bool Is_Non_Lineman(int32_t team, int32_t slot) {
    const int32_t position = Translate_Expanded_Position(Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
    return Get_Position_Group(position) != OFFENSIVE_LINE_GROUP;
}

template <typename F> void For_Each_Non_Lineman(F action) {
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        if (Is_Non_Lineman(team, slot)) action(team, slot);
    });
}

void Set_Predicted_From_This_Season(int32_t team, int32_t slot, bool keep_prediction) {
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat) {
        const int64_t real = Get_Player_Stat(team, slot, SEASON_THIS, stat);
        const int64_t kept = keep_prediction ? Get_Player_Stat(team, slot, SEASON_PREDICTED, stat) : 0;
        // A statistic at its bound stays there rather than grow past it.
        Set_Player_Stat(team, slot, SEASON_PREDICTED, stat, Hold_Season_Figure(real + kept));
    }
}

// Whether any player holds a figure of this season: the file's, when every
// this-season figure was cleared before it was read.
bool Has_This_Season_Figure() {
    bool found = false;
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS && !found; ++stat)
            found = Get_Player_Stat(team, slot, SEASON_THIS, stat) != 0;
    });
    return found;
}
} // namespace

int32_t Load_Replay_Season_Stats() {
    if (!Check_Seasons_CSV()) return 0;
    // The predictions are shrunk before the file is read, and only the read
    // tells whether the file gives any player of the league a figure of the
    // season: the league is kept aside until then and put back whole when it
    // gives none, for loading nothing would only zero the predictions and
    // rate every player from nothing.
    const std::unique_ptr<uint8_t[]> kept(new (std::nothrow) uint8_t[UNIVERSE_SIZE]);
    if (!kept) {
        Show_Formatted_Message("Read Error",
                               "There is not enough memory to read %s.\n\nNo season stats were loaded.",
                               SEASONS_CSV_NAME);
        return 0;
    }
    std::memcpy(kept.get(), Universe_Bytes(), UNIVERSE_SIZE);
    For_Each_Non_Lineman([](int32_t team, int32_t slot) {
        const int32_t games = Get_Player_Stat(team, slot, SEASON_PREDICTED, 0);
        if (games > KEPT_PREDICTED_GAMES)
            Scale_Player_Season_Stats(team, slot, SEASON_PREDICTED,
                                      Mul_Div_Round(KEPT_PREDICTED_GAMES, 100, games));
    });
    For_Each_League_Player(
        [](int32_t team, int32_t slot) { Clear_Player_Season_Stats(team, slot, SEASON_THIS); });
    const bool read = Load_Seasons_CSV(1) != 0;
    if (!read || !Has_This_Season_Figure()) {
        std::memcpy(Universe_Bytes(), kept.get(), UNIVERSE_SIZE);
        if (read)
            Show_Formatted_Message("Read Error",
                                   "%s holds no statistics of the %d season.\n\nNo season stats were loaded.",
                                   SEASONS_CSV_NAME, Get_Current_Year());
        return 0;
    }
    For_Each_Non_Lineman(
        [](int32_t team, int32_t slot) { Set_Predicted_From_This_Season(team, slot, true); });
    Set_All_Ratings_From_Stats();
    Normalize_Player_Ratings();
    For_Each_Non_Lineman(
        [](int32_t team, int32_t slot) { Set_Predicted_From_This_Season(team, slot, false); });
    For_Each_League_Player(
        [](int32_t team, int32_t slot) { Clear_Player_Season_Stats(team, slot, SEASON_THIS); });
    return 1;
}

int32_t End_Replay_Mode_Past_Real_Seasons() {
    if (Get_Replay_Mode() == 0 || Get_Current_Year() < FIRST_SEASON_WITHOUT_REPLAY) return 0;
    Universe.Header.Replay_Mode = 0;
    replay_end_untold_year = Is_Several_Seasons_Run() ? 0 : Get_Current_Year();
    return 1;
}

void Tell_Replay_Mode_Ended() {
    const int32_t year = replay_end_untold_year;
    replay_end_untold_year = 0;
    // A note left by a season start that was not followed by its set-up
    // (a tool's league) is not told in another season.
    if (year == 0 || year != Get_Current_Year()) return;
    Show_Formatted_Message("Replay Mode Ended",
                           "Real season statistics go no further than the %d season, so Replay Mode has been "
                           "turned off.\n\nThe %d season and the seasons after it are played without real "
                           "statistics.",
                           FIRST_SEASON_WITHOUT_REPLAY - 1, year);
}
