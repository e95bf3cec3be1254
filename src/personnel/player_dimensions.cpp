#include "personnel/player_dimensions.h"

#include "database/player_record.h"
#include "database/random_numbers.h"

namespace {
constexpr int32_t AVERAGE_WEIGHT[15] = {220, 215, 245, 255, 200, 315, 315, 300,
                                        270, 310, 240, 195, 205, 200, 215};
constexpr int32_t AVERAGE_HEIGHT[15] = {75, 71, 72, 77, 73, 78, 76, 75, 76, 75, 74, 71, 72, 72, 74};
} // namespace

int32_t Get_Position_Average_Weight(int32_t position) {
    return static_cast<uint32_t>(position) < NUMBER_OF_POSITIONS ? AVERAGE_WEIGHT[position] : 0;
}

int32_t Get_Position_Average_Height(int32_t position) {
    return static_cast<uint32_t>(position) < NUMBER_OF_POSITIONS ? AVERAGE_HEIGHT[position] : 0;
}

int32_t Get_Random_Player_Height(int32_t position) {
    int32_t average = Get_Position_Average_Height(position);
    if (average == 0) average = 74;
    return average - 2 + Random_Int(5);
}

int32_t Get_Random_Player_Weight(int32_t team, int32_t slot) {
    int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    int32_t average = Get_Position_Average_Weight(position);
    if (average == 0) average = 230;
    int32_t height = Get_Player_Vital_Stat(team, slot, VITAL_HEIGHT);
    int32_t base = Get_Position_Average_Height(position);
    int32_t by_height = base == 0 || height == 0 ? 0 : (height - base) * 5;
    return average + by_height - 10 + Random_Int(21);
}
