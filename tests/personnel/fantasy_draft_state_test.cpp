#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "database/path_resolver.h"
#include "database/saved_game.h"
#include "database/universe.h"
#include "personnel/fantasy_draft.h"

namespace {
constexpr size_t STATE_SIZE = sizeof Universe.Tail.Fantasy_Draft_State;

void Write_State_File(const std::string& name, uint8_t fill) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    const std::vector<char> bytes(STATE_SIZE, static_cast<char>(fill));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
} // namespace

TEST(FantasyDraftState, SavedGameNameMustNameAFileBesideTheGame) {
    // The game's folder is a subfolder, with a state file waiting one level up.
    std::filesystem::create_directory("games");
    Write_State_File("outside.draft", 0x11);
    ASSERT_EQ(chdir("games"), 0);
    Write_State_File("league.draft", 0x22);
    Write_State_File("..draft", 0x33);

    std::memset(Universe.Tail.Fantasy_Draft_State, 0, STATE_SIZE);
    for (const char* name : {"../outside", "..\\outside", "sub/league", "..", ""}) {
        SCOPED_TRACE(name);
        Set_Saved_Game_Name(name);
        EXPECT_EQ(Load_Fantasy_Draft_State(), 0);
        EXPECT_EQ(Universe.Tail.Fantasy_Draft_State[0], 0) << "the state is left as it was";
    }
    Set_Saved_Game_Name("league");
    EXPECT_EQ(Load_Fantasy_Draft_State(), 1);
    EXPECT_EQ(Universe.Tail.Fantasy_Draft_State[STATE_SIZE - 1], 0x22);
    ASSERT_EQ(chdir(".."), 0);

    EXPECT_EQ(Is_Plain_File_Name("My League 2031"), 1);
    EXPECT_EQ(Is_Plain_File_Name("a..b"), 0);
}
