#include "database/universe.h"

UNIVERSE_STATE Universe;
