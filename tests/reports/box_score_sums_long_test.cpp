// The player lines of a whole season's box scores against their team lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "season/week_advance.h"
#include "support/box_score_sums.h"
#include "support/file_lines.h"
#include "support/played_season.h"
#include "support/scratch_folder.h"

namespace fs = std::filesystem;

// Every box score of a played season, as its page shows it: each side's
// passing, rushing, receiving and defence tables add up to the side's team
// lines, the runs that ended in a safety or a lost fumble and the passes of
// players who are no quarterbacks among them.
TEST(BoxScoreSums, EveryBoxScoreOfASeasonAddsUpToItsTeamLines) {
    const SCRATCH_FOLDER folder("box-score-sums-season");
    Start_Played_Season(17);
    Advance_Weeks(22);
    Advance_Weeks(22);

    const std::regex page_name("Box-21-[0-9]{3}\\.htm");
    int32_t pages = 0;
    int32_t wrong_pages = 0;
    int32_t thrown_by_others = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator("Output")) {
        const std::string name = entry.path().filename().string();
        if (!std::regex_match(name, page_name)) continue;
        ++pages;
        const std::string page = Read_File_Text(entry.path().string());
        const std::vector<std::string> errors = Find_Box_Score_Sum_Errors(page);
        if (!errors.empty() && ++wrong_pages <= 5)
            ADD_FAILURE() << name << ": " << errors.size() << " sums differ, the first: " << errors.front();
        for (int side = 0; side < 2; ++side)
            thrown_by_others += static_cast<int32_t>(Find_Non_Quarterback_Passers(page, side).size());
    }
    EXPECT_EQ(pages, 285) << "272 regular-season and 13 playoff games";
    EXPECT_EQ(wrong_pages, 0);
    RecordProperty("non_quarterback_passers", thrown_by_others);
}
