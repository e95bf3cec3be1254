#include "reports/shell_open.h"

#include <strings.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "app/diagnostics.h"
#include "app/message_box_dialog.h"
#include "database/path_resolver.h"
#include "platform/backend.h"
#include "platform/desktop.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"

namespace {
bool Is_Address(const char* target) {
    return std::strstr(target, "://") != nullptr || std::strncmp(target, "mailto:", 7) == 0;
}

bool Is_HTML_File(const char* path) {
    const char* dot = std::strrchr(path, '.');
    return dot != nullptr && (strcasecmp(dot, ".htm") == 0 || strcasecmp(dot, ".html") == 0);
}

// Tags that end a line of the page's text.
bool Ends_Line(const std::string& tag) {
    static const char* const BREAKS[] = {"br",  "/tr", "/p",   "p",      "/h1",    "/h2", "/h3",
                                         "/h4", "/h5", "/div", "/table", "/title", "/pre"};
    std::string name;
    for (const char c : tag) {
        if (c == ' ' || c == '>' || (c == '/' && !name.empty())) break;
        name += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    for (const char* line_break : BREAKS)
        if (name == line_break) return true;
    return false;
}

void Append_Reference(std::string& out, const std::string& reference) {
    static const char* const NAMES[][2] = {{"amp", "&"},   {"lt", "<"},  {"gt", ">"},
                                           {"quot", "\""}, {"#39", "'"}, {"nbsp", " "}};
    for (const auto& entry : NAMES)
        if (reference == entry[0]) {
            out += entry[1];
            return;
        }
    if (reference.size() > 1 && reference[0] == '#') {
        const long letter = std::strtol(reference.c_str() + 1, nullptr, 10);
        // Letters of the league's text come back as the byte they were.
        const int32_t byte =
            letter > 0 && letter < 0x110000 ? Windows_1252_Byte(static_cast<uint32_t>(letter)) : -1;
        out += byte > 0 ? static_cast<char>(byte) : '?';
        return;
    }
    out += "&" + reference + ";";
}

// Open_With_Desktop; `told` says whether the user has heard of a refusal.
// A request the user did not make (`asked` false) has its refusal logged only.
int32_t Open_And_Tell(const char* target, const char* folder, bool asked, bool* told) {
    *told = false;
    if (target == nullptr || target[0] == '\0') return SHELL_OPEN_FAILED;
    const bool address = Is_Address(target);
    const std::string resolved = address ? std::string(target) : Resolve_File_Path(target);
    const std::string resolved_folder = folder != nullptr ? Resolve_File_Path(folder) : std::string();
    errno = 0;
    const int32_t result =
        Shell_Open_Target(resolved.c_str(), folder != nullptr ? resolved_folder.c_str() : nullptr);
    if (result > 32) return result;
    const int error = errno != 0 ? errno : result;
    if (!asked) {
        Log_Debug_Line("The desktop could not open \"%s\" (%d, %s)", resolved.c_str(), result,
                       std::strerror(error));
        return result;
    }
    if (address) {
        Tell_Desktop_Refusal(target, result, error);
        *told = true;
        return result;
    }
    std::error_code missing;
    if (!std::filesystem::exists(resolved, missing)) return result;
    std::error_code unused;
    const std::string full = std::filesystem::absolute(resolved, unused).lexically_normal().string();
    Tell_Desktop_Refusal(Text_From_File_Name(full).c_str(), result, error);
    *told = true;
    return result;
}
} // namespace

void Tell_Desktop_Refusal(const char* target, int32_t result, int error) {
    Log_Debug_Line("The desktop could not open \"%s\" (%d, %s)", target, result, std::strerror(error));
    Show_Formatted_Message("Could Not Open",
                           "Your desktop could not open this for Football Korva:\n\n%s\n\nYou can open it "
                           "yourself, in a web browser or a file manager.",
                           target);
}

int32_t Open_With_Desktop(const char* target, const char* folder) {
    bool told = false;
    return Open_And_Tell(target, folder, true, &told);
}

int32_t Open_With_Desktop_Unasked(const char* target, const char* folder) {
    bool told = false;
    return Open_And_Tell(target, folder, false, &told);
}

bool Shell_Open(WINDOW_HANDLE window, const char* target) {
    return Shell_Open_In_Folder(window, target, nullptr);
}

bool Shell_Open_In_Folder(WINDOW_HANDLE, const char* target, const char* folder) {
    bool told = false;
    return Open_And_Tell(target, folder, true, &told) > 32 || told;
}

std::string Get_HTML_Page_Text(const std::string& html) {
    std::string out;
    size_t n = 0;
    while (n < html.size()) {
        const char c = html[n];
        if (c == '<') {
            const size_t close = html.find('>', n);
            const std::string tag =
                html.substr(n + 1, close == std::string::npos ? std::string::npos : close - n - 1);
            if (Ends_Line(tag) && (out.empty() || out.back() != '\n')) out += '\n';
            n = close == std::string::npos ? html.size() : close + 1;
        } else if (c == '&') {
            const size_t end = html.find(';', n);
            if (end == std::string::npos || end - n > 8) {
                out += c;
                ++n;
            } else {
                Append_Reference(out, html.substr(n + 1, end - n - 1));
                n = end + 1;
            }
        } else if (c != '\r' && (c != '\n' || !out.empty())) {
            out += c;
            ++n;
        } else {
            ++n;
        }
    }
    return out;
}

bool Shell_Print(WINDOW_HANDLE, const char* path, int* result) {
    int outcome = PRINT_REFUSED;
    if (path != nullptr && path[0] != '\0') {
        const std::string resolved = Resolve_File_Path(path);
        if (Is_HTML_File(path)) {
            std::string page;
            if (FILE* file = std::fopen(resolved.c_str(), "rb")) {
                char block[8192];
                size_t read;
                while ((read = std::fread(block, 1, sizeof block, file)) > 0)
                    page.append(block, read);
                std::fclose(file);
                outcome = Print_File_Target(resolved.c_str(), Get_HTML_Page_Text(page).c_str());
            }
        } else {
            outcome = Print_File_Target(resolved.c_str(), nullptr);
        }
    }
    if (result != nullptr) *result = outcome;
    return outcome == PRINT_DONE;
}
