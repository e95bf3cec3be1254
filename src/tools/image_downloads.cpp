#include "tools/image_downloads.h"

// No installation image folders are read yet, so there is nothing to copy.
void Copy_All_Player_Photos() {}

void Copy_All_Team_Logos() {}
