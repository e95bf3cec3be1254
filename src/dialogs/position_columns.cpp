#include "dialogs/position_columns.h"

#include "database/player_record.h"

namespace {
constexpr int8_t PASSER_COLUMNS[POSITION_COLUMNS] = {2, 3, 4, 5, 6, 12, 7, 8, 9, 10};
constexpr int8_t BALL_CARRIER_COLUMNS[POSITION_COLUMNS] = {7, 8, 9, 10, 11, 12, 16, 15, 13, 14};
constexpr int8_t LINEMAN_COLUMNS[POSITION_COLUMNS] = {16, 15, 17, -1, -1, -1, -1, -1, -1, -1};
constexpr int8_t DEFENDER_COLUMNS[POSITION_COLUMNS] = {18, 19, 20, 21, 22, 13, 14, -1, -1, -1};
constexpr int8_t KICKER_COLUMNS[POSITION_COLUMNS] = {23, 24, 25, 26, -1, -1, -1, -1, -1, -1};

const int8_t* Get_Position_Columns(int32_t position) {
    if (position == POSITION_QB) return PASSER_COLUMNS;
    if (position <= POSITION_WR) return BALL_CARRIER_COLUMNS;
    if (position <= POSITION_C) return LINEMAN_COLUMNS;
    if (position <= POSITION_S) return DEFENDER_COLUMNS;
    return KICKER_COLUMNS;
}
} // namespace

int32_t Get_Position_Column_Stat(int32_t position, int32_t column) {
    if (position < 0 || position >= NUMBER_OF_POSITIONS || column < 0 || column >= POSITION_COLUMNS)
        return -1;
    return Get_Position_Columns(position)[column];
}
