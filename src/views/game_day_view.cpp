#include "views/game_day_view.h"

#include "platform/message_queue.h"

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

int32_t Draw_Play_Result_Panel(void*, int32_t frame, int32_t) {
    // Without a display each frame is one step of the animation.
    return frame >= 0 ? 1 : 0;
}

void Wait_Pumping_Messages(int32_t milliseconds) {
    if (milliseconds <= 0 || Is_Quit_Requested()) return;
    Wait_Elapsed = false;
    Set_Window_Timer(NO_WINDOW, WAIT_TIMER_ID, static_cast<uint32_t>(milliseconds), Mark_Wait_Elapsed);
    Run_Message_Loop_Until(Has_Wait_Elapsed, nullptr);
    Kill_Window_Timer(NO_WINDOW, WAIT_TIMER_ID);
}
