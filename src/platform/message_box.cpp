#include "platform/message_box.h"

#include <cstdarg>
#include <cstdio>
#include <deque>
#include <utility>

namespace {
std::vector<SHOWN_MESSAGE> shown_messages;
std::deque<std::pair<std::string, int>> scripted_answers;

int Answer_For(const char* caption, int fallback)
{
    for (auto it = scripted_answers.begin(); it != scripted_answers.end(); ++it) {
        if (it->first.empty() || it->first == caption) {
            int answer = it->second;
            scripted_answers.erase(it);
            return answer;
        }
    }
    return fallback;
}
} // namespace

int Show_Formatted_Message(const char* caption, const char* format, ...)
{
    char text[2048];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    shown_messages.push_back({caption ? caption : "", text});
    return Answer_For(caption ? caption : "", ID_BOX_OK);
}

int Show_Message_Box(const char* text, const char* caption, unsigned flags)
{
    shown_messages.push_back({caption ? caption : "", text ? text : ""});
    int fallback = (flags & 0xF) == BOX_YES_NO ? ID_BOX_NO : (flags & 0xF) == 0 ? ID_BOX_OK : ID_BOX_CANCEL;
    return Answer_For(caption ? caption : "", fallback);
}

int User_Message_Dialog(const char* caption, const char* text, const char*, const char*, const char*)
{
    shown_messages.push_back({caption ? caption : "", text ? text : ""});
    return Answer_For(caption ? caption : "", ID_BOX_CANCEL);
}

void Pump_Messages() {}

void Script_Message_Answer(const std::string& caption, int answer) { scripted_answers.emplace_back(caption, answer); }
const std::vector<SHOWN_MESSAGE>& Get_Shown_Messages() { return shown_messages; }
void Clear_Shown_Messages()
{
    shown_messages.clear();
    scripted_answers.clear();
}
