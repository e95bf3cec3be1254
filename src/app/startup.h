#pragma once
// The program's entry as the platform sees it: start-up in its order, the
// message loop, and the tear-down.
#include <cstdint>

// Runs the program on the platform backend installed: returns the exit code
// of the message loop, 0 when start-up fails before it.
int Run_Football_Korva(int argc, const char* const* argv);
// Frees what start-up set up.
void Shutdown_App();
// Seeds both random generators, with 12345 under IS_NOT_RANDOM.
void Seed_Random_Generators();
// The installation's registry values (created or refreshed).
void Write_Install_Registry();
// The once-in-five-starts reminder page.
void Show_Startup_Reminder();
// Installs the crash handler that writes the crash report into the log.
void Install_Crash_Dump_Handler();
// Wires the frame into the platform layer: its error reporter, its text for
// the layer's labels, its message box.
void Install_Frame_Services();
// Loads "Databases/Universe-2019.dat"; 0 when it is missing or fails to load
// (the loader has shown its box).
int32_t Load_Startup_League();
// The main message loop; returns the quit code.
int Run_Main_Message_Loop();
