// The Gridiron card kit of a test-league team: 54 cards of the right size
// marked 300 dpi and the three sheets, with the main window showing the team
// and the league and its random sequence otherwise as they were.
#include <gtest/gtest.h>

#include <strings.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/bitmap_cache.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/progress_window.h"
#include "database/path_resolver.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/universe.h"
#include "platform/scripted_answers.h"
#include "playbooks/gridiron_kit.h"
#include "playbooks/playbook_editor.h"
#include "support/dialog_steps.h"
#include "support/file_lines.h"
#include "support/frame_fixture.h"
#include "support/test_league.h"

namespace {
constexpr int32_t TEAM = 5;

std::vector<std::string> Read_Lines(const std::string& path) {
    return Read_File_Lines(Resolve_File_Path(path.c_str()));
}

// Width, height and the horizontal pixels a metre of a PNG file.
struct PNG_FACTS {
    uint32_t Width = 0, Height = 0, Per_Metre = 0;
};

uint32_t Big_Endian(const unsigned char* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

PNG_FACTS Read_PNG_Facts(const std::string& path) {
    std::ifstream file(Resolve_File_Path(path.c_str()), std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)),
                                     std::istreambuf_iterator<char>());
    PNG_FACTS facts;
    if (bytes.size() < 33) return facts;
    facts.Width = Big_Endian(&bytes[16]);
    facts.Height = Big_Endian(&bytes[20]);
    for (size_t at = 8; at + 12 <= bytes.size();) {
        const uint32_t length = Big_Endian(&bytes[at]);
        if (std::memcmp(&bytes[at + 4], "pHYs", 4) == 0 && at + 16 <= bytes.size())
            facts.Per_Metre = Big_Endian(&bytes[at + 8]);
        at += 12 + length;
    }
    return facts;
}

class GridironKit : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        // The league is built where the installed playbooks are.
        Build_Test_League();
        ASSERT_NE(getcwd(previous_, sizeof previous_), nullptr);
        std::filesystem::remove_all("kit");
        std::filesystem::create_directories("kit");
        ASSERT_EQ(chdir("kit"), 0);
        // A copy of the installation's card art: the kit writes beside it,
        // into an output folder of its own (not one a game made there).
        const std::filesystem::path art = std::filesystem::path(KORVA_DATA_DIR) / "gridiron";
        std::filesystem::create_directories("gridiron");
        for (const auto& entry : std::filesystem::directory_iterator(art))
            if (strcasecmp(entry.path().filename().c_str(), "output") != 0)
                std::filesystem::copy(entry.path(), "gridiron" / entry.path().filename(),
                                      std::filesystem::copy_options::recursive);
        Clear_Dialog_Steps();
        Start_Frame_Without_Loop();
        Init_Image_Caches();
    }
    void TearDown() override {
        Clear_Dialog_Steps();
        // Cards drawn one by one keep their fonts until the kit frees them.
        Free_Gridiron_Card_Fonts();
        FrameTest::TearDown();
        ASSERT_EQ(chdir(previous_), 0);
        std::filesystem::remove_all("kit");
    }
    char previous_[4096] = {};
};
} // namespace

TEST_F(GridironKit, TheEditorsCardKitButtonMakesADeckOfFiftyFourCardsAndShowsTheTeam) {
    Set_User_Preference(VIEWED_TEAM, TEAM);
    Set_User_Preference(SELECTED_PLAYER_TEAM, 7);
    Set_User_Preference(SELECTED_PLAYER_SLOT, 12);
    // A defence without players: its cards stay blank and no player is made.
    int32_t first_offense = -1;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        const int32_t position = Universe.Teams[TEAM].Players[slot].Vital_Stats[VITAL_POSITION];
        if (position >= POSITION_DE && position <= POSITION_S)
            Universe.Teams[TEAM].Players[slot].Vital_Stats[VITAL_POSITION] = POSITION_K;
        if (first_offense < 0 && position <= POSITION_C) first_offense = slot;
    }
    ASSERT_GE(first_offense, 0);
    // The offensive cards are the unit's first slot and the ten after it,
    // whoever stands in them.
    Universe.Teams[TEAM].Players[first_offense + 3].Vital_Stats[VITAL_POSITION] = POSITION_K;
    for (int32_t card = 0; card < 11; ++card)
        EXPECT_EQ(Get_Gridiron_Card_Player(TEAM, card), first_offense + card) << "card " << card;
    // Two chosen plays make the two play cards; the others stay blank.
    std::memset(Universe.Teams[TEAM].Playbooks.Offense.Card_Selection, 0, 60);
    Universe.Teams[TEAM].Playbooks.Offense.Card_Selection[3] = 1;
    Universe.Teams[TEAM].Playbooks.Offense.Card_Selection[9] = 1;
    std::strcpy(Universe.Teams[TEAM].Playbooks.Offense.Plays[3].Name, "Dive, \"Quick\"");
    Seed_Random_Numbers(99);
    // The league as the editor leaves it, and again after the kit.
    std::vector<uint8_t> block_before(sizeof Universe);
    RANDOM_STATE random_before, random_after;
    bool untouched = false;
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        Save_Random_State(&random_before);
        std::memcpy(block_before.data(), &Universe, sizeof Universe);
        const int32_t shown[3] = {CURRENT_VIEW, SELECTED_PLAYER_TEAM, SELECTED_PLAYER_SLOT};
        int32_t before[3];
        for (int32_t i = 0; i < 3; ++i)
            before[i] = Get_User_Preference(shown[i]);
        Click_Dialog_Button(dialog, EDITOR_CARD_KIT);
        // The main window shows the team, its view and player as the deck left them.
        EXPECT_EQ(Get_User_Preference(CURRENT_VIEW), 40037);
        EXPECT_EQ(Get_User_Preference(SELECTED_PLAYER_TEAM), TEAM);
        EXPECT_EQ(Get_User_Preference(SELECTED_PLAYER_SLOT), first_offense + 10) << "the last player card's";
        for (int32_t i = 0; i < 3; ++i)
            Set_User_Preference(shown[i], before[i]);
        untouched = std::memcmp(block_before.data(), &Universe, sizeof Universe) == 0;
        Save_Random_State(&random_after);
        EXPECT_FALSE(Is_Progress_Window_Open()) << "the progress window came and went";
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, PLAYBOOK_EDITOR_DIALOG, 0), 1);
    EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), TEAM);
    EXPECT_TRUE(untouched) << "the league is otherwise untouched";
    EXPECT_EQ(std::memcmp(&random_before, &random_after, sizeof random_before), 0);
    EXPECT_EQ(Get_Gridiron_Card_Player(TEAM, 11), -1) << "a blank defensive card";

    for (int32_t card = 0; card < GRIDIRON_DECK_CARDS; ++card) {
        const PNG_FACTS facts = Read_PNG_Facts("Gridiron/Output/" + Get_Gridiron_Card_File(TEAM, card));
        const bool back = card == CHECKLIST_BACK_CARD;
        EXPECT_EQ(facts.Width, back ? 1122u : 822u) << "card " << card;
        EXPECT_EQ(facts.Height, back ? 822u : 1122u) << "card " << card;
        EXPECT_EQ(facts.Per_Metre, 11811u) << "300 dpi";
    }
    const auto players = Read_Lines("Gridiron/Output/Players.csv");
    ASSERT_GE(players.size(), 4u);
    EXPECT_EQ(players[0],
              "Pos,Name,Run Block,Pass Block,Rushing,Goal Line,Passing/Receiving,Red Zone,Salary");
    EXPECT_EQ(players.size(), 1u + 11u + 1u + 1u + 1u) << "eleven offensive players, no defender";
    EXPECT_EQ(players[12].rfind(",AVERAGE,", 0), 0u);
    const auto plays = Read_Lines("Gridiron/Output/Gridiron-Playbooks.csv");
    ASSERT_EQ(plays.size(), 2u) << "a line a chosen play, and no heading";
    EXPECT_EQ(plays[0].rfind("\"Dive, \"\"Quick\"\"\",23,", 0), 0u) << "the first chosen play, quoted";
    EXPECT_EQ(plays[1].find(",24,"), plays[1].find(',')) << "the second on card 24";
    const auto audibles = Read_Lines("Gridiron/Output/Gridiron-Audibles.csv");
    ASSERT_EQ(audibles.size(), 5u) << "a line an audible, and no heading";
    EXPECT_EQ(audibles.back(), "Beast Mode,52,Offense,\"+10 to any offensive rating   \",Any")
        << "the four effects joined by blanks, empty ones too";
    EXPECT_TRUE(Get_Shell_Requests().empty()) << "nothing is opened";
    EXPECT_FALSE(std::filesystem::exists(Resolve_File_Path("Gridiron/Output/Team-05-Print.htm")));
    // The larger pictures are the setting's choice.
    Set_User_Preference(GRIDIRON_LARGE_CARDS_SETTING, 1);
    EXPECT_EQ(Get_Gridiron_Card_Width(), 825);
    EXPECT_EQ(Get_Gridiron_Card_Height(), 1125);
    char shortened[64];
    for (auto [name, expected] : {std::pair{"Full House Play Action Go Power O", "Full House Play Action Go"},
                                  {"SHOTGUN SPLIT HB INSIDE DRAW", "SHOTGUN SPLIT HB DRAW"},
                                  {"Pistol 251 Under Play Action", "Pistol 251 Under PA"},
                                  {"Dive Left", "Dive Left"}}) {
        Get_Short_Play_Name(name, shortened, sizeof shortened);
        EXPECT_STREQ(shortened, expected);
    }
    EXPECT_EQ(Quote_Csv_Field("plain"), "plain");
    EXPECT_EQ(Quote_Csv_Field("a\nb"), "\"a\nb\"");

    if (const char* folder = std::getenv("KORVA_PICTURE_DIR"))
        for (int32_t card : {0, 3, 11, 22, 23, 40, 47, 51, 52, 53})
            std::filesystem::copy_file(
                Resolve_File_Path(("Gridiron/Output/" + Get_Gridiron_Card_File(TEAM, card)).c_str()),
                std::string(folder) + "/kit-" + Get_Gridiron_Card_File(TEAM, card),
                std::filesystem::copy_options::overwrite_existing);
}

// A playbook that chooses no play for the card set (as no installed one
// does, and the editor offers no choice): every play card is the bare face
// that only its "Play #n" footer tells apart, and no play is written to the
// plays sheet. Choosing a play puts it on the first card.
TEST_F(GridironKit, WithoutChosenPlaysThePlayCardsAreBareAndThePlaysSheetIsNotWritten) {
    uint8_t* chosen = Universe.Teams[TEAM].Playbooks.Offense.Card_Selection;
    std::memset(chosen, 0, 60);
    std::filesystem::create_directories(Resolve_File_Path("Gridiron/Output"));
    // The card above its footer (the team's name and the card's label).
    constexpr int32_t FOOTER_TOP = 1030;
    auto face = [](int32_t card) {
        DRAWING_SURFACE surface{};
        Resize_Drawing_Surface(&surface, Get_Gridiron_Card_Width(), Get_Gridiron_Card_Height());
        DEVICE_CONTEXT dc{};
        Attach_Device_Context(&dc, &surface);
        Draw_Gridiron_Card(&dc, TEAM, card);
        return std::vector<uint32_t>(
            surface.Pixels.begin(), surface.Pixels.begin() + static_cast<size_t>(FOOTER_TOP) * surface.Width);
    };
    const std::vector<uint32_t> first = face(FIRST_PLAY_CARD);
    for (int32_t card = FIRST_PLAY_CARD; card < FIRST_PLAY_CARD + 25; ++card) {
        if (card > FIRST_PLAY_CARD) {
            EXPECT_TRUE(face(card) == first) << "card " << card << " is bare";
        }
        Write_Gridiron_Play_Line(TEAM, card);
    }
    EXPECT_FALSE(std::filesystem::exists(Resolve_File_Path("Gridiron/Output/Gridiron-Playbooks.csv")));
    chosen[3] = 1;
    EXPECT_FALSE(face(FIRST_PLAY_CARD) == first) << "the chosen play's card shows it";
    Write_Gridiron_Play_Line(TEAM, FIRST_PLAY_CARD);
    EXPECT_EQ(Read_Lines("Gridiron/Output/Gridiron-Playbooks.csv").size(), 1u);
}
