#include "support/site_checks.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "database/settings.h"
#include "database/universe.h"
#include "engine/game_driver.h"
#include "reports/template_engine.h"
#include "support/file_lines.h"

namespace fs = std::filesystem;

namespace {
std::string Decode_Address(const std::string& address) {
    std::string out;
    for (size_t n = 0; n < address.size(); ++n) {
        if (address[n] == '%' && n + 2 < address.size()) {
            out += static_cast<char>(std::stoi(address.substr(n + 1, 2), nullptr, 16));
            n += 2;
        } else {
            out += address[n];
        }
    }
    return out;
}

std::string Shell_Quote(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
} // namespace

bool Is_Tidy_Installed() {
    return std::system("command -v tidy >/dev/null 2>&1") == 0;
}

std::vector<std::string> List_Site_Pages(const std::string& folder) {
    std::vector<std::string> pages;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".htm")
            pages.push_back(entry.path().string());
    std::sort(pages.begin(), pages.end());
    return pages;
}

std::vector<std::string> Find_Tidy_Errors(const std::string& folder) {
    // Batches of pages to one tidy each, two at a time.
    const std::string command =
        "find " + Shell_Quote(folder) + " -name '*.htm' -print0 | xargs -0 -n 200 -P 2 tidy -q -e 2>&1";
    std::vector<std::string> errors;
    FILE* output = popen(command.c_str(), "r");
    if (output == nullptr) return {"tidy could not be run"};
    char line[4096];
    while (std::fgets(line, sizeof line, output) != nullptr) {
        const std::string text = line;
        if (text.find(" - Error:") != std::string::npos || text.find("Error:") == 0) errors.push_back(text);
    }
    pclose(output);
    return errors;
}

std::vector<std::string> Find_Broken_Links(const std::string& folder) {
    const fs::path root = fs::weakly_canonical(folder);
    const std::regex address("(?:href|src|HREF|SRC)=\"([^\"]*)\"");
    std::vector<std::string> broken;
    for (const std::string& page : List_Site_Pages(folder)) {
        const std::string text = Read_File_Text(page);
        for (std::sregex_iterator match(text.begin(), text.end(), address), end; match != end; ++match) {
            std::string target = (*match)[1];
            if (target.find("://") != std::string::npos || target.rfind("#", 0) == 0) continue;
            target = Decode_Address(target.substr(0, target.find('#')));
            const fs::path file = fs::weakly_canonical(fs::path(page).parent_path() / target);
            const bool inside = file.string().rfind(root.string() + "/", 0) == 0;
            if (!inside || !fs::is_regular_file(file))
                broken.push_back(fs::relative(page, root).string() + ": " + (*match)[1].str());
        }
    }
    return broken;
}

std::vector<std::string> Find_Wrong_Running_Scores() {
    std::vector<std::string> wrong;
    const int32_t games = std::min(Get_User_Preference(CURRENT_GAME_NUMBER) + 1, MAX_GAME_RECORDS);
    const std::regex running("<<< .*  (-?[0-9]+) - (-?[0-9]+)  .* >>>");
    for (int32_t index = 0; index < games; ++index) {
        const GAME_RECORD& game = Universe.Games[index];
        if (game.Season_Year == 0 || !Is_Game_Over(&game)) continue;
        TAG_PARAMETERS page{};
        page.Keys[0] = KEY_GAME;
        page.Values[0] = index;
        std::string out;
        Expand_Template_Text("<gdk:table tGamePlays><gdk:var PlayTD>\n</gdk:table>", page, 1, &out);
        int32_t first = 0, second = 0;
        for (std::sregex_iterator match(out.begin(), out.end(), running), end; match != end; ++match) {
            first = std::stoi((*match)[1]);
            second = std::stoi((*match)[2]);
        }
        if (first != game.Score[0] || second != game.Score[1])
            wrong.push_back("game " + std::to_string(index) + ": " + std::to_string(first) + "-" +
                            std::to_string(second) + ", final " + std::to_string(game.Score[0]) + "-" +
                            std::to_string(game.Score[1]));
    }
    return wrong;
}
