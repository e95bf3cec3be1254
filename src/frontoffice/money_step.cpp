#include "frontoffice/money_step.h"

int32_t Get_Money_Step(int32_t amount) {
    if (amount > 1500) return 200;
    if (amount > 750) return 100;
    if (amount > 375) return 50;
    if (amount > 150) return 25;
    if (amount > 75) return 10;
    if (amount > 35) return 5;
    if (amount >= 16) return 2;
    return 1;
}
