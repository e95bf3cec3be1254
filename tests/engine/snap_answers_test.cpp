#include <gtest/gtest.h>

#include "database/random_numbers.h"
#include "engine/snap_answers.h"

namespace {
int32_t Workings = 0;

int32_t Worked_Answer(int32_t value) {
    ++Workings;
    return value;
}
} // namespace

// An answer is kept only inside a scope and for that scope: the next snap,
// and a question asked outside any snap, work it out again; a nested scope
// belongs to the snap around it.
TEST(SnapAnswers, AnswerIsKeptForItsOwnSnapOnly) {
    Workings = 0;
    EXPECT_EQ(Snap_Answer(ANSWER_RUN_TENDENCY, [] { return Worked_Answer(5); }), 5);
    EXPECT_EQ(Snap_Answer(ANSWER_RUN_TENDENCY, [] { return Worked_Answer(6); }), 6) << "outside a snap";
    EXPECT_EQ(Workings, 2);
    {
        SNAP_ANSWERS_SCOPE snap;
        EXPECT_EQ(Snap_Answer(ANSWER_RUN_TENDENCY, [] { return Worked_Answer(7); }), 7);
        {
            SNAP_ANSWERS_SCOPE inner;
            EXPECT_EQ(Snap_Answer(ANSWER_RUN_TENDENCY, [] { return Worked_Answer(8); }), 7);
        }
        EXPECT_EQ(Snap_Answer(ANSWER_RUN_TENDENCY, [] { return Worked_Answer(9); }), 7);
        EXPECT_EQ(Snap_Answer(ANSWER_FIELD_GOAL_RANGE, [] { return Worked_Answer(30); }), 30)
            << "each question has its own answer";
        EXPECT_EQ(Workings, 4);
    }
    EXPECT_EQ(Get_Snap_Answers_Epoch(), 0u);
    int32_t value = 0;
    EXPECT_FALSE(Recall_Snap_Answer(ANSWER_RUN_TENDENCY, &value)) << "the snap has ended";
    SNAP_ANSWERS_SCOPE next;
    EXPECT_FALSE(Recall_Snap_Answer(ANSWER_RUN_TENDENCY, &value)) << "a new snap keeps nothing of the last";
    EXPECT_FALSE(Recall_Snap_Answer(-1, &value));
    EXPECT_FALSE(Recall_Snap_Answer(SNAP_ANSWERS, &value));
}

// An answer whose working drew a random number is worked out, and draws,
// every time it is asked.
TEST(SnapAnswers, AnswerThatDrewIsNotKept) {
    SNAP_ANSWERS_SCOPE snap;
    const uint64_t before = Get_Random_Draw_Count();
    auto drawn = [] {
        static_cast<void>(Random_Number());
        return 3;
    };
    EXPECT_EQ(Snap_Answer(ANSWER_SHOULD_PUNT, drawn), 3);
    EXPECT_EQ(Snap_Answer(ANSWER_SHOULD_PUNT, drawn), 3);
    EXPECT_EQ(Get_Random_Draw_Count(), before + 2);
}
