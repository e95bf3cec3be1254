#pragma once
// The millisecond tick of the platform layer. Timers, waits and the debug
// stopwatch all read it, so a test can swap in a virtual clock and make
// timer-driven behaviour exact.
#include <cstdint>

// Milliseconds since an arbitrary start, wrapping at 2^32 like any tick count.
uint32_t Get_Tick_Count();

// From now on the tick only moves when Advance_Virtual_Clock says so.
void Use_Virtual_Clock(uint32_t start_tick);
void Advance_Virtual_Clock(uint32_t milliseconds);
// Back to the monotonic system clock.
void Use_System_Clock();
bool Is_Virtual_Clock();

// Lets `milliseconds` pass: sleeps on the system clock, jumps on the virtual one.
void Let_Time_Pass(uint32_t milliseconds);
