#pragma once
// Checks of an exported web site: that every page passes Debian's "tidy"
// without errors, that every link and picture of its pages leads to a file
// inside the site, and that the play-by-play's running score of every played
// game ends at the game's final score.
#include <string>
#include <vector>

bool Is_Tidy_Installed();
// Tidy's error lines for the pages under `folder` (warnings left out); empty when clean.
std::vector<std::string> Find_Tidy_Errors(const std::string& folder);
// "page: target" for each address of a page under `folder` (href and src)
// that names no file of the site, or leaves it; web addresses and links
// inside the page are not followed.
std::vector<std::string> Find_Broken_Links(const std::string& folder);
// "game n: ..." for each played game record below the game counter whose
// play-by-play's last running score is not its final score.
std::vector<std::string> Find_Wrong_Running_Scores();
// The pages of the site (paths under `folder`), sorted.
std::vector<std::string> List_Site_Pages(const std::string& folder);
