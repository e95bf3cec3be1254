// The playbook generator: writes every offensive and defensive playbook the
// game loads by name into the "playbooks" folder of an installation. Run by
// the build.
//
//   korva_playbooks <installation folder> [--list]
//
// --list also prints each book's plays.
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "database/universe.h"
#include "engine/formations.h"
#include "engine/playbook_records.h"
#include "playbooks/playbook_files.h"
#include "tools/playbooks/defensive_books.h"
#include "tools/playbooks/offensive_books.h"

namespace {

// The books are written through the game's own playbook writer, from the
// playbook block of this team record.
constexpr int WRITING_TEAM = 0;

int Write_Book(const std::string& folder, const char* name, int defense) {
    const std::string path = folder + name + (defense ? ".dpb" : ".opb");
    if (Write_Team_Playbook_File(path.c_str(), WRITING_TEAM, defense) != 0) {
        std::fprintf(stderr, "korva_playbooks: cannot write %s\n", path.c_str());
        return 0;
    }
    return 1;
}

void List_Offensive_Book(const OFFENSIVE_PLAYBOOK& book) {
    std::printf("%s: %s\n", book.Name, book.Notes);
    for (int p = 0; p < STORED_OFFENSIVE_PLAYS; ++p) {
        const OFFENSIVE_PLAY& play = book.Plays[p];
        if (p % 10 == 0) std::printf("  [%s]\n", book.Folder_Names[p / 10]);
        if (play.Name[0] == '\0') continue;
        const int receiver = play.Primary - 2;
        const int route = receiver >= 0 && receiver < PLAY_RECEIVERS ? play.Routes[receiver] : -1;
        std::printf("    %2d %-32s %-22s %-16s %s\n", p, play.Name, Formation_Names[play.Formation],
                    Get_Play_Type_Name(play.Play_Type), route >= 0 ? Get_Pass_Route_Name(route) : "");
    }
}

void List_Defensive_Book(const DEFENSIVE_PLAYBOOK& book) {
    std::printf("%s: %s\n", book.Name, book.Notes);
    for (int p = 0; p < DEFENSIVE_PLAYS; ++p) {
        const DEFENSIVE_PLAY& play = book.Plays[p];
        if (p % 10 == 0) std::printf("  [%s]\n", book.Folder_Names[p / 10]);
        std::printf("    %2d %-34s %-10s", p, play.Name, Formation_Names[play.Formation]);
        for (int32_t role : play.Roles)
            std::printf(" %2d", role);
        std::printf("\n");
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3 || (argc == 3 && std::strcmp(argv[2], "--list") != 0)) {
        std::fprintf(stderr, "usage: korva_playbooks <installation folder> [--list]\n");
        return 2;
    }
    const bool list = argc == 3;
    std::string folder = argv[1];
    if (folder.empty() || folder.back() != '/') folder += '/';
    folder += "playbooks/";
    mkdir(folder.c_str(), 0755);

    TEAM_PLAYBOOK_BLOCK& block = Universe.Teams[WRITING_TEAM].Playbooks;
    int ok = 1;
    std::string error;
    for (int i = 0; i < Offensive_Book_Design_Count; ++i) {
        const OFFENSIVE_BOOK_DESIGN& design = Offensive_Book_Designs[i];
        if (!Build_Offensive_Book(design, &block.Offense, &error)) {
            std::fprintf(stderr, "korva_playbooks: %s\n", error.c_str());
            ok = 0;
            continue;
        }
        if (list) List_Offensive_Book(block.Offense);
        ok &= Write_Book(folder, design.Name, 0);
        for (int a = 0; a < Offensive_Book_Alias_Count; ++a) {
            if (std::strcmp(Offensive_Book_Aliases[a].Name, design.Name) != 0) continue;
            // A book keeps the name it was saved under.
            std::memset(block.Offense.Name, 0, sizeof block.Offense.Name);
            std::strncpy(block.Offense.Name, Offensive_Book_Aliases[a].Alias, sizeof block.Offense.Name - 1);
            ok &= Write_Book(folder, Offensive_Book_Aliases[a].Alias, 0);
        }
    }
    for (int i = 0; i < Defensive_Book_Design_Count; ++i) {
        const DEFENSIVE_BOOK_DESIGN& design = Defensive_Book_Designs[i];
        if (!Build_Defensive_Book(design, &block.Defense, &error)) {
            std::fprintf(stderr, "korva_playbooks: %s\n", error.c_str());
            ok = 0;
            continue;
        }
        if (list) List_Defensive_Book(block.Defense);
        ok &= Write_Book(folder, design.Name, 1);
    }
    return ok ? 0 : 1;
}
