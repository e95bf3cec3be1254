#include "app/status_bars.h"

// No status bar window exists yet, so none is shown.
int32_t Get_Status_Bars_Height() {
    return 0;
}
