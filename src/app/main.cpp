// Program entry: the start-up steps that exist so far, in their order.
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/command_line_flags.h"
#include "app/diagnostics.h"
#include "database/random_numbers.h"
#include "platform/clock.h"

namespace {
void Seed_Random_Generators()
{
    if (Command_Line_Flags & IS_NOT_RANDOM) {
        std::srand(12345);
        Seed_Random_Numbers(12345);
        return;
    }
    std::srand(static_cast<unsigned>(std::time(nullptr)) + Get_Tick_Count());
    Seed_Random_Numbers(static_cast<uint32_t>(std::time(nullptr)) ^ Get_Tick_Count());
}
} // namespace

int main(int argc, char** argv) {
    Read_Command_Line_Flags(argc, argv);
    Write_Debug_Log_Header();
    Seed_Random_Generators();
    std::puts("Football Korva: the game's window is not built yet.");
    return 0;
}
