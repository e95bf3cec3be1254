#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"

namespace {
constexpr WINDOW_HANDLE TEST_WINDOW = 5;
constexpr uint32_t MSG_TEST = MSG_FIRST_APP + 1;
constexpr uint32_t MSG_REPOST = MSG_FIRST_APP + 2;
constexpr uint32_t MSG_ASK_QUIT = MSG_FIRST_APP + 3;
constexpr uint32_t MSG_NESTED_WAIT = MSG_FIRST_APP + 4;

std::vector<WINDOW_MESSAGE> received;
std::vector<uint32_t> timer_ticks;
int nested_wait_result = 99;

bool Never_Done(void*) {
    return false;
}

intptr_t Record_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    received.push_back({window, code, wparam, lparam});
    if (code == MSG_REPOST) Post_Window_Message(window, MSG_REPOST, wparam + 1, 0);
    if (code == MSG_ASK_QUIT) Request_Quit(static_cast<int>(wparam));
    // A wait nested in a message handler, like a modal dialog or the play loop's wait for a call.
    if (code == MSG_NESTED_WAIT) nested_wait_result = Run_Message_Loop_Until(Never_Done, nullptr);
    return static_cast<intptr_t>(wparam) * 10;
}

void Record_Timer(WINDOW_HANDLE, uint32_t timer_id, uint32_t tick) {
    timer_ticks.push_back(tick);
    if (timer_id == 77 && timer_ticks.size() == 3) Request_Quit(4);
}

bool Swallow_Test_Messages(const WINDOW_MESSAGE& message) {
    return message.Code == MSG_TEST && message.Wparam == 2;
}

class MessageQueue : public testing::Test {
  protected:
    void SetUp() override {
        Reset_Message_Queue();
        Use_Virtual_Clock(1000);
        Set_Window_Procedure(TEST_WINDOW, Record_Procedure);
        received.clear();
        timer_ticks.clear();
        nested_wait_result = 99;
        Clear_Shown_Messages();
    }
    void TearDown() override {
        Reset_Message_Queue();
        Use_System_Clock();
        Clear_Shown_Messages();
    }
};
} // namespace

TEST_F(MessageQueue, PostedMessagesPeekAndDispatchInOrder) {
    WINDOW_MESSAGE message{};
    EXPECT_FALSE(Peek_Window_Message(&message, false)) << "an empty queue";
    for (uintptr_t i = 1; i <= 3; ++i)
        ASSERT_EQ(Post_Window_Message(TEST_WINDOW, MSG_TEST, i, -static_cast<intptr_t>(i)), 1);

    ASSERT_TRUE(Peek_Window_Message(&message, false));
    EXPECT_EQ(message.Wparam, 1u);
    ASSERT_TRUE(Peek_Window_Message(&message, false));
    EXPECT_EQ(message.Wparam, 1u) << "a peek without removal leaves the message";
    EXPECT_TRUE(received.empty()) << "peeking dispatches nothing";

    Pump_Messages();
    ASSERT_EQ(received.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(received[i].Window, TEST_WINDOW);
        EXPECT_EQ(received[i].Wparam, i + 1) << "posting order is kept";
        EXPECT_EQ(received[i].Lparam, -static_cast<intptr_t>(i + 1));
    }
    EXPECT_FALSE(Peek_Window_Message(&message, false)) << "the pump leaves the queue empty";

    EXPECT_EQ(Send_Window_Message(TEST_WINDOW, MSG_TEST, 4, 0), 40) << "send calls the procedure at once";
    EXPECT_EQ(Send_Window_Message(99, MSG_TEST, 4, 0), 0) << "a window without a procedure answers 0";
}

TEST_F(MessageQueue, PumpReturnsEvenWhenHandlersKeepPosting) {
    Post_Window_Message(TEST_WINDOW, MSG_REPOST, 0, 0);
    Pump_Messages();
    ASSERT_EQ(received.size(), 1u) << "a message posted during the pump waits for the next pump";
    Pump_Messages();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[1].Wparam, 1u);
}

TEST_F(MessageQueue, TranslatorTakesMessagesBeforeDispatch) {
    Set_Message_Translator(Swallow_Test_Messages);
    for (uintptr_t i = 1; i <= 3; ++i)
        Post_Window_Message(TEST_WINDOW, MSG_TEST, i, 0);
    Pump_Messages();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].Wparam, 1u);
    EXPECT_EQ(received[1].Wparam, 3u);
}

TEST_F(MessageQueue, QuitEndsNestedWaitAndEveryEnclosingLoop) {
    Post_Window_Message(TEST_WINDOW, MSG_NESTED_WAIT, 0, 0);
    Post_Window_Message(TEST_WINDOW, MSG_ASK_QUIT, 3, 0);
    EXPECT_EQ(Run_Message_Loop_Until(Never_Done, nullptr), 0) << "the outer loop unwinds too";
    EXPECT_EQ(nested_wait_result, 0) << "the nested wait ends on the quit request";
    EXPECT_TRUE(Is_Quit_Requested());

    WINDOW_MESSAGE message{};
    EXPECT_EQ(Get_Window_Message(&message), 0) << "the quit request stays for the main loop";
    EXPECT_EQ(message.Code, MSG_QUIT);
    EXPECT_EQ(message.Wparam, 3u) << "with its exit code";
    EXPECT_EQ(Get_Quit_Exit_Code(), 3);
}

TEST_F(MessageQueue, WaitWithNothingToComeDoesNotHang) {
    WINDOW_MESSAGE message{};
    EXPECT_EQ(Get_Window_Message(&message), -1);
    EXPECT_EQ(Run_Message_Loop_Until(Never_Done, nullptr), -1);
}

TEST_F(MessageQueue, TimersFireOnTheVirtualClock) {
    WINDOW_MESSAGE message{};
    Set_Window_Timer(TEST_WINDOW, 1000, 14, nullptr);
    Advance_Virtual_Clock(13);
    EXPECT_FALSE(Peek_Window_Message(&message, true)) << "not due before its period";
    Advance_Virtual_Clock(1);
    ASSERT_TRUE(Peek_Window_Message(&message, true));
    EXPECT_EQ(message.Code, MSG_TIMER);
    EXPECT_EQ(message.Window, TEST_WINDOW);
    EXPECT_EQ(message.Wparam, 1000u);

    Advance_Virtual_Clock(100);
    Post_Window_Message(TEST_WINDOW, MSG_TEST, 9, 0);
    Pump_Messages();
    ASSERT_EQ(received.size(), 2u) << "a late timer yields one message, after the posted ones";
    EXPECT_EQ(received[0].Code, MSG_TEST);
    EXPECT_EQ(received[1].Code, MSG_TIMER);

    // A blocking get waits exactly until the timer is due.
    uint32_t before = Get_Tick_Count();
    ASSERT_EQ(Get_Window_Message(&message), 1);
    EXPECT_EQ(message.Code, MSG_TIMER);
    EXPECT_EQ(Get_Tick_Count() - before, 14u);

    // Restarting with a new period replaces the timer rather than adding one.
    Set_Window_Timer(TEST_WINDOW, 1000, 1900, nullptr);
    before = Get_Tick_Count();
    ASSERT_EQ(Get_Window_Message(&message), 1);
    EXPECT_EQ(Get_Tick_Count() - before, 1900u);

    EXPECT_TRUE(Kill_Window_Timer(TEST_WINDOW, 1000));
    EXPECT_FALSE(Kill_Window_Timer(TEST_WINDOW, 1000)) << "a timer is killed once";
    Advance_Virtual_Clock(5000);
    EXPECT_FALSE(Peek_Window_Message(&message, true)) << "a killed timer stays silent";
}

TEST_F(MessageQueue, TimerCallbacksRunAndCanEndANestedWait) {
    Set_Window_Timer(TEST_WINDOW, 77, 500, Record_Timer);
    EXPECT_EQ(Run_Message_Loop_Until(Never_Done, nullptr), 0);
    EXPECT_EQ(timer_ticks, (std::vector<uint32_t>{1500, 2000, 2500})) << "every 500 ms of virtual time";
    EXPECT_TRUE(received.empty()) << "a timer with a callback skips the window procedure";
}

TEST_F(MessageQueue, ScriptedBoxAnswersByCaptionWithCancelOrNoByDefault) {
    EXPECT_EQ(Show_Message_Box("Replace?", "Cities", BOX_YES_NO), ID_BOX_NO);
    EXPECT_EQ(Show_Message_Box("Go on?", "Cities", BOX_OK_CANCEL), ID_BOX_CANCEL);
    EXPECT_EQ(Show_Message_Box("Three?", "Cities", BOX_YES_NO_CANCEL), ID_BOX_CANCEL);
    EXPECT_EQ(Show_Formatted_Message("Load Game", "Cannot open %s", "a.kor"), ID_BOX_OK);

    Script_Message_Answer("Two-Point Conversion", ID_BOX_YES);
    EXPECT_EQ(Show_Message_Box("Import?", "Cities", BOX_YES_NO), ID_BOX_NO)
        << "another caption keeps the default";
    EXPECT_EQ(Show_Message_Box("Go for two?", "Two-Point Conversion", BOX_YES_NO), ID_BOX_YES);
    EXPECT_EQ(Show_Message_Box("Go for two?", "Two-Point Conversion", BOX_YES_NO), ID_BOX_NO)
        << "a scripted answer is used once";

    Script_Message_Answer("", ID_BOX_OK);
    EXPECT_EQ(Show_Message_Box("Any?", "Whatever", BOX_OK_CANCEL), ID_BOX_OK)
        << "an empty caption answers any box";
    Script_Message_Answer("", ID_BOX_YES);
    EXPECT_EQ(Show_Message_Box("Go on?", "Cities", BOX_OK_CANCEL), ID_BOX_CANCEL)
        << "an answer the box has no button for closes it";

    Script_Message_Answer("Erase Team", ID_BOX_YES);
    EXPECT_EQ(User_Message_Dialog("Erase Team", "Erase?", "OK", "Cancel", ""), ID_BOX_YES);
    EXPECT_EQ(User_Message_Dialog("Erase Team", "Erase?", "OK", "Cancel", ""), ID_BOX_CANCEL);
    Script_Message_Answer("Timeout", ID_BOX_NO);
    EXPECT_EQ(User_Message_Dialog("Timeout", "Which team calls the timeout?", "Home", "", ""), ID_BOX_CANCEL)
        << "no second button, so no second-button answer";

    const std::vector<SHOWN_MESSAGE>& shown = Get_Shown_Messages();
    ASSERT_EQ(shown.size(), 12u);
    EXPECT_EQ(shown[3].Caption, "Load Game");
    EXPECT_EQ(shown[3].Text, "Cannot open a.kor");
    EXPECT_EQ(shown[3].Flags, BOX_OK | BOX_INFORMATION | BOX_TASK_MODAL) << "the kind of box asked";
    EXPECT_EQ(shown[0].Flags, BOX_YES_NO);
    EXPECT_EQ(shown[11].Text, "Which team calls the timeout?");
}

TEST_F(MessageQueue, OnlyTheNullBackendKeepsTheBoxesShown) {
    // A display's backend notes nothing: a long session would otherwise keep
    // every text it ever showed.
    PLATFORM_BACKEND display = Get_Null_Backend();
    display.Note_Message_Box = nullptr;
    Set_Platform_Backend(&display);
    Show_Message_Box("Replace?", "Cities", BOX_YES_NO);
    User_Message_Dialog("Erase Team", "Erase?", "OK", "Cancel", "");
    Set_Platform_Backend(nullptr);
    EXPECT_TRUE(Get_Shown_Messages().empty());
    Show_Message_Box("Replace?", "Cities", BOX_YES_NO);
    EXPECT_EQ(Get_Shown_Messages().size(), 1u);
}

TEST_F(MessageQueue, ScriptedDialogAnswersById) {
    const PLATFORM_BACKEND& backend = Get_Platform_Backend();
    EXPECT_STREQ(backend.Name, "null");
    Script_Dialog_Answer(181, 1);
    Script_Dialog_Answer_By_Caption("Welcome to...", 1031);
    int answer = 0;
    EXPECT_FALSE(backend.Take_Dialog_Answer(105, "New Game", &answer)) << "unscripted";
    ASSERT_TRUE(backend.Take_Dialog_Answer(110, "Welcome to...", &answer));
    EXPECT_EQ(answer, 1031);
    ASSERT_TRUE(backend.Take_Dialog_Answer(181, "", &answer));
    EXPECT_EQ(answer, 1);
    EXPECT_FALSE(backend.Take_Dialog_Answer(181, "", &answer)) << "an answer is used once";
}

namespace {
bool Three_Messages_Received(void*) {
    return received.size() >= 3;
}
} // namespace

TEST_F(MessageQueue, NestedLoopEndsWhenItsConditionHolds) {
    for (uintptr_t i = 1; i <= 5; ++i)
        Post_Window_Message(TEST_WINDOW, MSG_TEST, i, 0);
    EXPECT_EQ(Run_Message_Loop_Until(Three_Messages_Received, nullptr), 1);
    EXPECT_EQ(received.size(), 3u) << "the loop tests its condition before every message";
    EXPECT_FALSE(Is_Quit_Requested());
    WINDOW_MESSAGE message{};
    ASSERT_TRUE(Peek_Window_Message(&message, false));
    EXPECT_EQ(message.Wparam, 4u) << "the rest stays queued for the enclosing loop";
}

// Every message that reaches code counts: one dispatched, one sent, one the
// translator takes, a timer callback; posting alone, an empty pump and a send
// to no window do not.
TEST_F(MessageQueue, HandledMessagesAreCounted) {
    const uint64_t start = Get_Handled_Message_Count();
    Post_Window_Message(TEST_WINDOW, MSG_TEST, 1, 0);
    EXPECT_EQ(Get_Handled_Message_Count(), start) << "posted, not yet handled";
    Pump_Messages();
    const uint64_t dispatched = Get_Handled_Message_Count();
    EXPECT_GT(dispatched, start);
    Pump_Messages();
    EXPECT_EQ(Send_Window_Message(TEST_WINDOW + 1, MSG_TEST, 1, 0), 0);
    EXPECT_EQ(Get_Handled_Message_Count(), dispatched) << "nothing handled";

    Send_Window_Message(TEST_WINDOW, MSG_TEST, 2, 0);
    const uint64_t sent = Get_Handled_Message_Count();
    EXPECT_GT(sent, dispatched);
    Set_Message_Translator(Swallow_Test_Messages);
    Post_Window_Message(TEST_WINDOW, MSG_TEST, 2, 0);
    Pump_Messages();
    const uint64_t translated = Get_Handled_Message_Count();
    EXPECT_GT(translated, sent);
    EXPECT_EQ(received.size(), 2u) << "the translator took the last one";

    Set_Window_Timer(TEST_WINDOW, 78, 10, Record_Timer);
    Advance_Virtual_Clock(10);
    Pump_Messages();
    EXPECT_EQ(timer_ticks.size(), 1u);
    EXPECT_GT(Get_Handled_Message_Count(), translated);
}
