#include "views/diagram_highlight.h"

int32_t Highlighted_Formation_Slot = NO_HIGHLIGHTED_SLOT;
