#pragma once
// A clean platform layer for each test: no windows, queued messages,
// scripted input or answers, the virtual clock at 0, and the layer's errors
// reported to the test.
#include "platform/clock.h"
#include "platform/error_reporter.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"

inline void Reset_Platform_Layer(PLATFORM_ERROR_REPORTER reporter) {
    Destroy_All_Windows();
    Reset_Message_Queue();
    Clear_Scripted_Input();
    Clear_Scripted_Answers();
    Use_Virtual_Clock(0);
    Set_Platform_Error_Reporter(reporter);
}
