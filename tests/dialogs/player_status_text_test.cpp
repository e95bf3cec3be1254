#include <gtest/gtest.h>

#include <string>

#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/universe.h"
#include "dialogs/player_status_text.h"
#include "personnel/injuries.h"
#include "support/test_league.h"

namespace {
std::string Status(const char* name, int32_t team, int32_t slot) {
    char text[FORMATTED_TEXT_SIZE];
    safe_strncpy(text, name, sizeof text);
    Append_Player_Status_Suffix(text, team, slot);
    return text;
}
} // namespace

TEST(PlayerStatusText, HoldoutWeeksOutOrOutForTheSeason) {
    Build_Test_League();
    Set_User_Preference(CURRENT_WEEK, 10);
    Universe.Post_Season_Days[3] = 21;
    EXPECT_EQ(Status("Smith", 4, 2), "Smith") << "a player who plays carries nothing";
    Set_Player_Vital_Stat(4, 2, VITAL_WEEKS_OUT, 3);
    EXPECT_EQ(Status("Smith", 4, 2), "Smith [3]");
    // Twelve weeks to the final: eleven weeks out is still a number, twelve is the season.
    Set_Player_Vital_Stat(4, 2, VITAL_WEEKS_OUT, 11);
    EXPECT_EQ(Status("Smith", 4, 2), "Smith [11]");
    Set_Player_Vital_Stat(4, 2, VITAL_WEEKS_OUT, 12);
    EXPECT_EQ(Status("Smith", 4, 2), "Smith [out]");
    Set_Player_Vital_Stat(4, 2, VITAL_INJURY_TYPE, INJURY_HOLDOUT);
    EXPECT_EQ(Status("Smith", 4, 2), "Smith [holdout]");
    EXPECT_EQ(Status("Abercrombie-Smith, Bo", 4, 2), "Abercrombie-Smith, Bo [--]") << "no room for the word";
}
