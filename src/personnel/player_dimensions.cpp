#include "personnel/player_dimensions.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"

namespace {
constexpr int32_t EARLY_YEAR = 1971;
constexpr int32_t LATE_YEAR = 2006;
// Heights in tenths of an inch, weights in pounds, QB .. P.
constexpr int32_t HEIGHT_1971[NUMBER_OF_POSITIONS] = {747, 720, 730, 751, 729, 766, 748, 755,
                                                      760, 769, 742, 724, 725, 717, 732};
constexpr int32_t HEIGHT_2006[NUMBER_OF_POSITIONS] = {747, 715, 718, 759, 730, 778, 759, 756,
                                                      756, 750, 738, 709, 715, 720, 739};
constexpr int32_t WEIGHT_1971[NUMBER_OF_POSITIONS] = {208, 204, 220, 231, 189, 255, 250, 249,
                                                      248, 263, 225, 187, 191, 199, 206};
constexpr int32_t WEIGHT_2006[NUMBER_OF_POSITIONS] = {222, 226, 237, 252, 198, 315, 320, 311,
                                                      278, 304, 243, 195, 199, 201, 214};

int32_t Interpolate_By_Year(const int32_t* early, const int32_t* late, int32_t position) {
    const int32_t year = Clamp_Int(EARLY_YEAR, LATE_YEAR, Get_Current_Year());
    const int32_t span = LATE_YEAR - EARLY_YEAR;
    return ((LATE_YEAR - year) * early[position] + 17) / span +
           ((year - EARLY_YEAR) * late[position] + 17) / span;
}

bool Is_Basic_Position(int32_t position) {
    return position >= 0 && position < NUMBER_OF_POSITIONS;
}
} // namespace

int32_t Get_Position_Average_Weight(int32_t position) {
    return Is_Basic_Position(position) ? Interpolate_By_Year(WEIGHT_1971, WEIGHT_2006, position) : 0;
}

int32_t Get_Position_Average_Height(int32_t position) {
    if (!Is_Basic_Position(position)) return 0;
    const int32_t tenths = Interpolate_By_Year(HEIGHT_1971, HEIGHT_2006, position);
    const int32_t inches = tenths / 10;
    return Random_Below(10) < tenths - 10 * inches ? inches + 1 : inches;
}

int32_t Get_Random_Player_Height(int32_t position) {
    int32_t height = Get_Position_Average_Height(position);
    height += Random_Below(4);
    height -= Random_Below(4);
    height += Random_Below(4);
    height -= Random_Below(4);
    return height;
}

int32_t Get_Random_Player_Weight(int32_t team, int32_t slot) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    const int32_t height = Get_Player_Vital_Stat(team, slot, VITAL_HEIGHT);
    const int32_t average = Get_Position_Average_Weight(position);
    const int32_t average_height = Get_Position_Average_Height(position);
    const int32_t by_height =
        Mul_Div_Round(Mul_Div_Round(average, height, average_height), height, average_height);
    int32_t factor = 1000 + Random_Below(70);
    factor -= Random_Below(70);
    return (factor * by_height + 500) / 1000;
}
