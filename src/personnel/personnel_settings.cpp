#include "personnel/personnel_settings.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/universe.h"

int32_t Get_Player_Aging_Factor() {
    return Get_Universe_Stat(PLAYER_AGING_FACTOR);
}

int32_t Get_Draft_Talent_Factor() {
    return Clamp_Int(-100, 100, Get_Universe_Stat(DRAFT_TALENT_FACTOR));
}

int32_t Get_Draft_Talent(int32_t column, int32_t position) {
    if (column < TALENT_MEAN || column > POTENTIAL_BONUS || position < 0 || position >= NUMBER_OF_POSITIONS)
        return 0;
    const int32_t limit = column == TALENT_SPREAD ? 200 : 100;
    return Clamp_Int(-limit, limit, Universe.Header.Draft_Talent[column][position]);
}

int32_t Get_Reversion_To_Mean() {
    return Universe.Header.Reversion_To_Mean;
}

int32_t Is_Rating_Variation_Suppressed() {
    return Universe.Header.Suppress_Rating_Variation != 0 ? 1 : 0;
}

int32_t Get_Fictional_Players_Flag() {
    return Universe.Header.Fictional_Players_Flag;
}
