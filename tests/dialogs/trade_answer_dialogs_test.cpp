#include <gtest/gtest.h>

#include <string>

#include "app/dialog_services.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "dialogs/trade_answer_dialogs.h"
#include "dialogs/trades_dialog.h"
#include "frontoffice/trade_scoring.h"
#include "frontoffice/trade_screens.h"
#include "frontoffice/trade_talk.h"
#include "platform/drawing_surface.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "support/computer_league_dialogs.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/test_league.h"
#include "support/trade_offers.h"

namespace {
constexpr int32_t USER = 0;
constexpr int32_t PARTNER = 5;

class TradeAnswerDialogs : public ComputerLeagueDialogTest {
  protected:
    void Prepare_League() override {
        Set_User_Preference(CURRENT_WEEK, 3);
        Set_User_Preference(DRAFT_ROUND, 7);
        Set_User_Preference(TRADE_PARTNER_TEAM, PARTNER);
    }
};

struct ANSWER_LOOK {
    std::string First;
    std::string Second;
    std::string Banter;
    int32_t Navy_Pixels = 0;
};

// Opens the response to a score, looks at it and presses the second button.
ANSWER_LOOK Look_At_Answer(int32_t score, const char* picture) {
    ANSWER_LOOK look;
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        look.First = Get_Dialog_Item_Text(dialog, ID_OK);
        look.Second = Get_Dialog_Item_Text(dialog, ID_CANCEL);
        if (picture != nullptr) Keep_Dialog_Picture(dialog, picture);
        char banter[TEXT_BUFFER_SIZE];
        Get_Trade_Banter(Get_Answering_Score(), banter);
        look.Banter = banter;
        // The line is written in navy inside the bubble.
        Pump_Messages();
        const DRAWING_SURFACE* surface = Get_Window_Surface(dialog);
        RECT_AREA text;
        Get_Dialog_Item_Rect(dialog, SPEECH_BUBBLE_TEXT, &text);
        for (int32_t y = text.Top; y < text.Bottom; ++y)
            for (int32_t x = text.Left; x < text.Right; ++x)
                look.Navy_Pixels +=
                    Get_Surface_Pixel(surface, x, y) == Colour_To_Pixel(Make_Colour(0, 0, 128));
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    EXPECT_EQ(Open_Trade_Offer_Response(PARTNER, score), 0);
    return look;
}
} // namespace

TEST_F(TradeAnswerDialogs, TheAnswerSaysYesOrNoByTheScore) {
    ANSWER_LOOK look = Look_At_Answer(1000, "trade_offer_response_accepted");
    EXPECT_EQ(look.First, "&Sign Deal");
    EXPECT_EQ(look.Second, "&Just Kidding");
    EXPECT_EQ(look.Banter, "A good end to a long day.");
    EXPECT_GT(look.Navy_Pixels, 0);
    look = Look_At_Answer(999, "trade_offer_response_refused");
    EXPECT_EQ(look.First, "Hint");
    EXPECT_EQ(look.Second, "OK");
    EXPECT_EQ(look.Banter, "Another million will clinch it.");
    EXPECT_EQ(Look_At_Answer(251, nullptr).Banter, "Do I look like I was born yesterday?");
    EXPECT_EQ(Look_At_Answer(-40, nullptr).Banter, "I'm surprised they let you graduate from pre-school.");
    Script_Dialog_Answer(TRADE_OFFER_RESPONSE_DIALOG, 1);
    EXPECT_EQ(Open_Trade_Offer_Response(PARTNER, TRADE_REFUSED_SCORE), 1) << "the first button";
    EXPECT_EQ(Get_Answering_Team(), PARTNER);
}

TEST_F(TradeAnswerDialogs, TheHintListsThePartnersNeedsAndTheOfferOpensTheTradesDialog) {
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        const int32_t lines = Count_Dialog_Lines(dialog, TRADE_HINT_LIST);
        EXPECT_GE(lines, 1);
        EXPECT_LE(lines, 5);
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, TRADE_HINT_LIST, 0).rfind("(1) A ", 0), 0u);
        Keep_Dialog_Picture(dialog, "trade_hint");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, TRADE_HINT_DIALOG, 0), 1);

    // The partner proposes a player for two; "&Let's Talk" brings it to the
    // Trades dialog with the user's side first.
    const TRADE_OFFER proposed = Make_Trade_Offer(PARTNER, USER, {3}, {7, 8});
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, TRADE_OFFER_TITLE).rfind("The ", 0), 0u);
        EXPECT_EQ(Count_Dialog_Lines(dialog, TRADE_OFFER_GIVE_LIST), 1);
        EXPECT_EQ(Count_Dialog_Lines(dialog, TRADE_OFFER_TAKE_LIST), 2);
        Keep_Dialog_Picture(dialog, "trade_offer");
        Click_Dialog_Button(dialog, ID_OK);
    });
    Script_Dialog_Step([](WINDOW_HANDLE trades) {
        EXPECT_EQ(Count_Dialog_Lines(trades, TRADE_USER_OFFER), 2);
        EXPECT_EQ(Count_Dialog_Lines(trades, TRADE_PARTNER_OFFER), 1);
        Click_Dialog_Button(trades, ID_OK);
    });
    EXPECT_EQ(Open_Trade_Offer(&proposed), 1);
    EXPECT_EQ(Get_Last_Dialog_Id(), TRADES_DIALOG);
    EXPECT_EQ(Get_User_Preference(TRADE_PARTNER_TEAM), PARTNER);
}

// The Trade Offer dialog (Trade_Offer_Dialog_Proc) opened on its own: its
// title names the proposing team (after the user's owner when two teams are
// run by people), one row per player of each side with rating, cap impact and
// years; "&No Thanks" ends it with 0 and "&Let's Talk" with 1. Move_Control_By
// shifts a control; the hint opens through its own opener too.
TEST_F(TradeAnswerDialogs, TheTradeOfferDialogShowsTheProposalAndEndsByItsButtons) {
    const TRADE_OFFER proposed = Make_Trade_Offer(PARTNER, USER, {3, TEST_ROSTER_SIZE + 1}, {7});
    Set_Current_Trade_Offer(&proposed);
    char nickname[64], owner[64], row[TEXT_BUFFER_SIZE];
    Get_Team_Nickname(PARTNER, nickname);
    Get_Team_String(owner, USER, 5);
    Set_Player_Vital_Stat(PARTNER, 3, VITAL_SALARY, 2345);
    Set_Player_Vital_Stat(PARTNER, 3, VITAL_SIGNING_BONUS, 0);
    Format_Trade_Offer_Player_Row(PARTNER, 3, row);
    const std::string give_row = row;
    EXPECT_NE(give_row.find(")\t("), std::string::npos) << give_row;
    EXPECT_NE(give_row.find("\t$2.34M\t"), std::string::npos) << give_row;
    for (const int32_t humans : {1, 2}) {
        Set_Team_Stat(USER, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
        Set_Team_Stat(9, TEAM_STAT_CONTROL, humans == 2 ? TEAM_CONTROL_HUMAN : TEAM_CONTROL_COMPUTER);
        Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
            const std::string title = "The " + std::string(nickname) + "...";
            EXPECT_EQ(Get_Dialog_Item_Text(dialog, TRADE_OFFER_TITLE),
                      humans == 2 ? std::string(owner) + ": " + title : title);
            ASSERT_EQ(Count_Dialog_Lines(dialog, TRADE_OFFER_GIVE_LIST), 1) << "the pick has no row";
            EXPECT_EQ(Get_Dialog_Line_Text(dialog, TRADE_OFFER_GIVE_LIST, 0), give_row);
            EXPECT_EQ(Count_Dialog_Lines(dialog, TRADE_OFFER_TAKE_LIST), 1);
            RECT_AREA before, after;
            Get_Dialog_Item_Rect(dialog, GM_FACE_PICTURE, &before);
            Move_Control_By(dialog, GM_FACE_PICTURE, 5, -3);
            Get_Dialog_Item_Rect(dialog, GM_FACE_PICTURE, &after);
            EXPECT_EQ(after.Left, before.Left + 5);
            EXPECT_EQ(after.Top, before.Top - 3);
            EXPECT_EQ(after.Right - after.Left, before.Right - before.Left) << "the same size";
            Click_Dialog_Button(dialog, ID_CANCEL);
        });
        EXPECT_EQ(Do_Dialog(Main_Window, TRADE_OFFER_DIALOG, 0), 0)
            << "Trade_Offer_Dialog_Proc ends on No Thanks";
    }
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_OK); });
    EXPECT_EQ(Do_Dialog(Main_Window, TRADE_OFFER_DIALOG, 0), 1)
        << "Trade_Offer_Dialog_Proc ends on Let's Talk";
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Template_Id(dialog), TRADE_HINT_DIALOG);
        EXPECT_GE(Count_Dialog_Lines(dialog, TRADE_HINT_LIST), 1);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Open_Trade_Hint(), 1);
}
