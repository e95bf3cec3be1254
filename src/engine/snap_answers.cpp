#include "engine/snap_answers.h"

SNAP_ANSWERS_KEPT Snap_Answers_Kept{};

namespace {
int32_t Depth = 0;
uint32_t Next_Epoch = 0;
} // namespace

SNAP_ANSWERS_SCOPE::SNAP_ANSWERS_SCOPE() {
    if (Depth++ == 0) {
        if (++Next_Epoch == 0) ++Next_Epoch;
        Snap_Answers_Kept.Epoch = Next_Epoch;
    }
}

SNAP_ANSWERS_SCOPE::~SNAP_ANSWERS_SCOPE() {
    if (--Depth == 0) Snap_Answers_Kept.Epoch = 0;
}

void Keep_Snap_Answer(int32_t which, int32_t value) {
    const uint32_t epoch = Snap_Answers_Kept.Epoch;
    if (epoch == 0 || which < 0 || which >= SNAP_ANSWERS) return;
    Snap_Answers_Kept.Kept_In[which] = epoch;
    Snap_Answers_Kept.Value[which] = value;
}
