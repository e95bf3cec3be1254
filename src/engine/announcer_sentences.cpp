#include "engine/announcer.h"
const char* const Commentary_Macros[COMMENTARY_MACROS] = {};
const char* const Commentary_Templates[COMMENTARY_EVENTS][COMMENTARY_SENTENCES] = {};
