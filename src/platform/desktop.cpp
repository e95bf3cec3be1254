#include "platform/desktop.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include "platform/backend.h"

namespace {
// The exit code of a print child that found no "lp" to run.
constexpr int EXIT_NO_COMMAND = 127;
} // namespace

int32_t Load_Cursor_Resource(int32_t resource) {
    switch (resource) {
    case 130:
        return CURSOR_HAND;
    case 131:
        return CURSOR_CROSS;
    case 132:
        return CURSOR_MOVE;
    default:
        return -1;
    }
}

void Show_Cursor_Shape(int32_t shape) {
    if (shape < 0 || shape >= CURSOR_SHAPE_COUNT) shape = CURSOR_ARROW;
    Get_Platform_Backend().Set_Cursor(shape);
}

int Play_Sound_File(const char* path) {
    if (path == nullptr || path[0] == '\0') return 0;
    return Get_Platform_Backend().Play_Sound(path);
}

int Shell_Open_Target(const char* target, const char* directory) {
    if (target == nullptr || target[0] == '\0') return SHELL_OPEN_FAILED;
    return Get_Platform_Backend().Shell_Open(target, directory);
}

int Print_File_Target(const char* path, const char* text) {
    if (path == nullptr || path[0] == '\0') return PRINT_REFUSED;
    return Get_Platform_Backend().Print_File(path, text);
}

int Run_Print_Command(const char* path, const char* text) {
    if (path == nullptr || path[0] == '\0') return PRINT_REFUSED;
    int input[2] = {-1, -1};
    if (text != nullptr && pipe(input) != 0) return PRINT_REFUSED;
    const pid_t printer = fork();
    if (printer < 0) {
        if (text != nullptr) {
            close(input[0]);
            close(input[1]);
        }
        return PRINT_REFUSED;
    }
    if (printer == 0) {
        const char* title = std::strrchr(path, '/') != nullptr ? std::strrchr(path, '/') + 1 : path;
        if (text != nullptr) {
            dup2(input[0], STDIN_FILENO);
            close(input[0]);
            close(input[1]);
            execlp("lp", "lp", "-s", "-t", title, static_cast<char*>(nullptr));
        } else {
            execlp("lp", "lp", "-s", "-t", title, "--", path, static_cast<char*>(nullptr));
        }
        _exit(errno == ENOENT ? EXIT_NO_COMMAND : EXIT_FAILURE);
    }
    if (text != nullptr) {
        close(input[0]);
        // A printer that stops reading early must not end this process.
        const sighandler_t kept = signal(SIGPIPE, SIG_IGN);
        size_t left = std::strlen(text);
        while (left > 0) {
            const ssize_t written = write(input[1], text, left);
            if (written <= 0) break;
            text += written;
            left -= static_cast<size_t>(written);
        }
        close(input[1]);
        signal(SIGPIPE, kept);
    }
    int status = 0;
    if (waitpid(printer, &status, 0) != printer || !WIFEXITED(status)) return PRINT_REFUSED;
    if (WEXITSTATUS(status) == EXIT_NO_COMMAND) return PRINT_NO_COMMAND;
    return WEXITSTATUS(status) == 0 ? PRINT_DONE : PRINT_REFUSED;
}

int Start_Desktop_Opener(const char* target, const char* directory) {
    if (target == nullptr || target[0] == '\0') return SHELL_OPEN_FAILED;
    // Two forks: the middle child ends at once and is waited for here, so the
    // opener never becomes a zombie of ours however long it runs.
    const pid_t middle = fork();
    if (middle < 0) return SHELL_OPEN_FAILED;
    if (middle == 0) {
        const pid_t opener = fork();
        if (opener == 0) {
            if (directory != nullptr && directory[0] != '\0' && chdir(directory) != 0) _exit(127);
            execlp("xdg-open", "xdg-open", target, static_cast<char*>(nullptr));
            _exit(127);
        }
        _exit(opener < 0 ? 1 : 0);
    }
    int status = 0;
    if (waitpid(middle, &status, 0) != middle || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return SHELL_OPEN_FAILED;
    return SHELL_OPEN_DONE;
}
