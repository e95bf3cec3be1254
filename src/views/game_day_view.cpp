#include "views/game_day_view.h"

#include <cstring>

#include "platform/message_queue.h"

char Game_Screen_Texts[2][GAME_SCREEN_TEXT_SIZE];

namespace {

constexpr uint32_t WAIT_TIMER_ID = 0x7A17;
bool Wait_Elapsed = false;

void Mark_Wait_Elapsed(WINDOW_HANDLE, uint32_t, uint32_t) {
    Wait_Elapsed = true;
}

bool Has_Wait_Elapsed(void*) {
    return Wait_Elapsed;
}

} // namespace

void Clear_Game_Screen_Texts() {
    std::memset(Game_Screen_Texts, 0, sizeof Game_Screen_Texts);
}

void Wait_Pumping_Messages(int32_t milliseconds) {
    if (milliseconds <= 0 || Is_Quit_Requested()) return;
    Wait_Elapsed = false;
    Set_Window_Timer(NO_WINDOW, WAIT_TIMER_ID, static_cast<uint32_t>(milliseconds), Mark_Wait_Elapsed);
    Run_Message_Loop_Until(Has_Wait_Elapsed, nullptr);
    Kill_Window_Timer(NO_WINDOW, WAIT_TIMER_ID);
}
