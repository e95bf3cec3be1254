#include "tools/old_universe_conversion.h"

#include "app/diagnostics.h"

// The older layouts are not converted yet: such files are refused, and the
// loader keeps the league it had.
int Convert_Older_Universe_Block(uint8_t*) {
    Log_Debug_Line("Convert_Older_Universe_Block: this layout cannot be converted");
    return 0;
}

int Convert_Old_Universe_Block(uint8_t*) {
    Log_Debug_Line("Convert_Old_Universe_Block: this layout cannot be converted");
    return 0;
}
