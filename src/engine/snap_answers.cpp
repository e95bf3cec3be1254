#include "engine/snap_answers.h"

namespace {
int32_t Depth = 0;
uint32_t Epoch = 0;
uint32_t Next_Epoch = 0;
// The epoch each answer was kept in.
uint32_t Kept_In[SNAP_ANSWERS];
int32_t Kept_Value[SNAP_ANSWERS];
} // namespace

SNAP_ANSWERS_SCOPE::SNAP_ANSWERS_SCOPE() {
    if (Depth++ == 0) {
        if (++Next_Epoch == 0) ++Next_Epoch;
        Epoch = Next_Epoch;
    }
}

SNAP_ANSWERS_SCOPE::~SNAP_ANSWERS_SCOPE() {
    if (--Depth == 0) Epoch = 0;
}

uint32_t Get_Snap_Answers_Epoch() {
    return Epoch;
}

bool Recall_Snap_Answer(int32_t which, int32_t* value) {
    if (Epoch == 0 || which < 0 || which >= SNAP_ANSWERS || Kept_In[which] != Epoch) return false;
    *value = Kept_Value[which];
    return true;
}

void Keep_Snap_Answer(int32_t which, int32_t value) {
    if (Epoch == 0 || which < 0 || which >= SNAP_ANSWERS) return;
    Kept_In[which] = Epoch;
    Kept_Value[which] = value;
}
