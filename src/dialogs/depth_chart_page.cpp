#include "dialogs/depth_chart_page.h"

#include "platform/windows.h"

void Refresh_Depth_Chart_Page(WINDOW_HANDLE dialog, WINDOW_HANDLE, const char* caption) {
    if (caption != nullptr) Set_Window_Text(dialog, caption);
}
