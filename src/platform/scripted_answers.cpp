#include "platform/scripted_answers.h"

#include <deque>

namespace {
struct SCRIPTED_ANSWER {
    int Dialog_Id; // ANY_DIALOG when keyed by caption only
    std::string Caption;
    int Answer;
};

std::deque<SCRIPTED_ANSWER> message_answers;
std::deque<SCRIPTED_ANSWER> dialog_answers;

int Take_First(std::deque<SCRIPTED_ANSWER>& answers, int dialog_id, const char* caption, int fallback) {
    const std::string asked = caption != nullptr ? caption : "";
    for (auto it = answers.begin(); it != answers.end(); ++it) {
        bool matches = it->Dialog_Id != ANY_DIALOG ? it->Dialog_Id == dialog_id
                                                   : it->Caption.empty() || it->Caption == asked;
        if (matches) {
            int answer = it->Answer;
            answers.erase(it);
            return answer;
        }
    }
    return fallback;
}
} // namespace

void Script_Message_Answer(const std::string& caption, int answer) {
    message_answers.push_back({ANY_DIALOG, caption, answer});
}

void Script_Dialog_Answer(int dialog_id, int answer) {
    dialog_answers.push_back({dialog_id, "", answer});
}

void Script_Dialog_Answer_By_Caption(const std::string& caption, int answer) {
    dialog_answers.push_back({ANY_DIALOG, caption, answer});
}

void Clear_Scripted_Answers() {
    message_answers.clear();
    dialog_answers.clear();
}

int Take_Scripted_Message_Answer(const char* caption, int fallback) {
    return Take_First(message_answers, ANY_DIALOG, caption, fallback);
}

int Take_Scripted_Dialog_Answer(int dialog_id, const char* caption, int fallback) {
    return Take_First(dialog_answers, dialog_id, caption, fallback);
}
