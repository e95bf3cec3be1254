// The scoring plays of a whole season's box scores, as their pages show them.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

#include "database/settings.h"
#include "season/week_advance.h"
#include "support/file_lines.h"
#include "support/played_season.h"
#include "support/scratch_folder.h"

namespace fs = std::filesystem;

// Within a quarter, each scoring row shows no more time left than the row
// before it: a score whose snap ran past the two-minute warning reads 2:00,
// as the try and the kickoff after it do. (Every overtime period is labelled
// "OT", so the clock of a later one may read higher; they are left out.)
TEST(ScoringPlays, NoQuarterOfASeasonsBoxScoresRunsItsClockBackwards) {
    const SCRATCH_FOLDER folder("scoring-plays-season");
    Start_Played_Season(17);
    Advance_Weeks(22);
    Advance_Weeks(22);

    const std::regex row("<TD width=\"6%\" class=lmc>([1-4](st|nd|rd|th) Q|OT)</TD>"
                         "<TD width=\"6%\" class=lmc>([0-9]+):([0-9]{2})</TD>");
    const std::regex page_name("Box-21-[0-9]{3}\\.htm");
    int32_t pages = 0;
    int32_t rows = 0;
    int32_t at_the_warning = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator("Output")) {
        const std::string name = entry.path().filename().string();
        if (!std::regex_match(name, page_name)) continue;
        ++pages;
        const std::string page = Read_File_Text(entry.path().string());
        std::string quarter;
        int32_t left = 0;
        for (std::sregex_iterator at(page.begin(), page.end(), row), end; at != end; ++at) {
            ++rows;
            const std::string label = (*at)[1];
            const int32_t seconds = std::stoi((*at)[3]) * 60 + std::stoi((*at)[4]);
            if (label == quarter && label != "OT") {
                EXPECT_LE(seconds, left) << name << ": " << label << " " << (*at)[3] << ":" << (*at)[4]
                                         << " after " << left << " seconds left";
            }
            if (seconds == 120 && (label == "2nd Q" || label == "4th Q")) ++at_the_warning;
            quarter = label;
            left = seconds;
        }
    }
    EXPECT_EQ(pages, 285) << "272 regular-season and 13 playoff games";
    EXPECT_GT(rows, pages) << "the scoring rows were read";
    EXPECT_GT(at_the_warning, 0) << "scores that ran past the two-minute warning were timed there";
}
