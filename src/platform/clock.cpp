#include "platform/clock.h"

#include <chrono>
#include <thread>

namespace {
bool virtual_clock = false;
uint32_t virtual_tick = 0;
} // namespace

uint32_t Get_Tick_Count() {
    if (virtual_clock) return virtual_tick;
    auto since_start = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since_start).count());
}

void Use_Virtual_Clock(uint32_t start_tick) {
    virtual_clock = true;
    virtual_tick = start_tick;
}

void Advance_Virtual_Clock(uint32_t milliseconds) {
    virtual_tick += milliseconds;
}

void Use_System_Clock() {
    virtual_clock = false;
}

bool Is_Virtual_Clock() {
    return virtual_clock;
}

void Let_Time_Pass(uint32_t milliseconds) {
    if (virtual_clock)
        virtual_tick += milliseconds;
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
