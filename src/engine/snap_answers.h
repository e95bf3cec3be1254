#pragma once
// The computer's calls of one snap ask some questions many times over: the
// defence guesses the offence's call five times, and each guess weighs the
// same situation again. Between the first question and the snap nothing in
// the league changes but what the answers themselves repair (a rating read
// back to its bounds reads the same the next time), so while a
// SNAP_ANSWERS_SCOPE lives each answer is worked out once. An answer whose
// working drew a random number is never kept: asked again, it is worked out
// again, drawing as it would have.
#include <cstdint>

#include "database/random_numbers.h"

enum SNAP_ANSWER : int32_t {
    ANSWER_RUN_TENDENCY,
    ANSWER_RECEIVER_THREAT,
    ANSWER_FIELD_GOAL_RANGE,
    ANSWER_SHOULD_PUNT,
    ANSWER_SHOULD_KICK_FIELD_GOAL,
    ANSWER_SITUATIONAL_CALL,
    SNAP_ANSWERS
};

struct SNAP_ANSWERS_SCOPE {
    SNAP_ANSWERS_SCOPE();
    ~SNAP_ANSWERS_SCOPE();
    SNAP_ANSWERS_SCOPE(const SNAP_ANSWERS_SCOPE&) = delete;
    SNAP_ANSWERS_SCOPE& operator=(const SNAP_ANSWERS_SCOPE&) = delete;
};

// The open scope's number (0 when none is open) and the answers kept, each
// with the scope it was kept in: written by the scope and Keep_Snap_Answer
// alone, read inline, as a snap asks for them some thousand times a game.
struct SNAP_ANSWERS_KEPT {
    uint32_t Epoch;
    uint32_t Kept_In[SNAP_ANSWERS];
    int32_t Value[SNAP_ANSWERS];
};
extern SNAP_ANSWERS_KEPT Snap_Answers_Kept;

// The open scope's number, 0 when none is open: whatever is kept beside these
// answers belongs to the scope it was made in.
inline uint32_t Get_Snap_Answers_Epoch() {
    return Snap_Answers_Kept.Epoch;
}

inline bool Recall_Snap_Answer(int32_t which, int32_t* value) {
    const uint32_t epoch = Snap_Answers_Kept.Epoch;
    if (epoch == 0 || static_cast<uint32_t>(which) >= SNAP_ANSWERS ||
        Snap_Answers_Kept.Kept_In[which] != epoch)
        return false;
    *value = Snap_Answers_Kept.Value[which];
    return true;
}
void Keep_Snap_Answer(int32_t which, int32_t value);

// The answer kept in the open scope, else `work()`, kept when it drew nothing.
template <typename WORK> int32_t Snap_Answer(int32_t which, WORK work) {
    int32_t value = 0;
    if (Recall_Snap_Answer(which, &value)) return value;
    const uint64_t draws = Get_Random_Draw_Count();
    value = work();
    if (Get_Random_Draw_Count() == draws) Keep_Snap_Answer(which, value);
    return value;
}
