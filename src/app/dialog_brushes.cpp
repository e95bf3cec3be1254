#include "app/dialog_brushes.h"

void Create_Dialog_Brushes() {}
void Delete_Dialog_Brushes() {}
void Register_Report_Window_Class() {}
