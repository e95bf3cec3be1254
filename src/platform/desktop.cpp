#include "platform/desktop.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/backend.h"

namespace {
// The exit code of a child that found no "lp" or "xdg-open" to run.
constexpr int EXIT_NO_COMMAND = 127;
// The exit code of an opener's child that found no working folder to run in.
constexpr int EXIT_NO_FOLDER = 125;
// How long an opener has to report a failure before it counts as started: a
// desktop opener that cannot open a target says so at once, while one that
// did may stay with the program it started for as long as that runs.
constexpr int OPENER_VERDICT_MILLISECONDS = 2000;

// The opener's exit code from the pipe; 0 (started) when it is still running
// once the time is up, 1 when the watcher ended without a word.
int Wait_For_Opener_Verdict(int pipe_end) {
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    for (;;) {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const long long spent =
            (now.tv_sec - start.tv_sec) * 1000LL + (now.tv_nsec - start.tv_nsec) / 1000000;
        if (spent >= OPENER_VERDICT_MILLISECONDS) return 0;
        pollfd ready = {pipe_end, POLLIN, 0};
        const int polled = poll(&ready, 1, static_cast<int>(OPENER_VERDICT_MILLISECONDS - spent));
        if (polled < 0 && errno == EINTR) continue;
        if (polled == 0) return 0;
        unsigned char code = 1;
        ssize_t got;
        do {
            got = read(pipe_end, &code, 1);
        } while (got < 0 && errno == EINTR);
        return got == 1 ? code : 1;
    }
}

// The error an opener's exit code stands for: xdg-open exits 1 for a bad
// request, 2 for a file that is not there, 3 when a program it needs is
// missing and 4 when opening failed. A desktop without xdg-open (Debian's
// xdg-utils), or without a program it needs, lacks a package: the target is
// not to blame.
int Error_Of_Opener_Exit(int code) {
    switch (code) {
    case 1:
        return EINVAL;
    case 2:
    case EXIT_NO_FOLDER:
        return ENOENT;
    case 3:
    case EXIT_NO_COMMAND:
        return ENOPKG;
    default:
        return ENOTSUP;
    }
}
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
    if (path == nullptr) return 0;
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
    int verdict[2] = {-1, -1};
    if (pipe2(verdict, O_CLOEXEC) != 0) return SHELL_OPEN_FAILED;
    // Three generations: the middle child ends at once and is waited for here;
    // the watcher it leaves behind waits for the opener and writes its exit
    // code into the pipe. Neither becomes a zombie of ours, however long the
    // opener runs.
    const pid_t middle = fork();
    if (middle < 0) {
        close(verdict[0]);
        close(verdict[1]);
        return SHELL_OPEN_FAILED;
    }
    if (middle == 0) {
        const pid_t watcher = fork();
        if (watcher != 0) _exit(watcher < 0 ? 1 : 0);
        close(verdict[0]);
        // A game that stopped listening must not end the watcher before it exits.
        signal(SIGPIPE, SIG_IGN);
        const pid_t opener = fork();
        if (opener == 0) {
            if (directory != nullptr && directory[0] != '\0' && chdir(directory) != 0) _exit(EXIT_NO_FOLDER);
            execlp("xdg-open", "xdg-open", target, static_cast<char*>(nullptr));
            _exit(EXIT_NO_COMMAND);
        }
        unsigned char code = 1;
        int status = 0;
        if (opener > 0) {
            pid_t waited;
            do {
                waited = waitpid(opener, &status, 0);
            } while (waited < 0 && errno == EINTR);
            if (waited == opener && WIFEXITED(status)) code = static_cast<unsigned char>(WEXITSTATUS(status));
        }
        const ssize_t written = write(verdict[1], &code, 1);
        _exit(written == 1 ? 0 : 1);
    }
    close(verdict[1]);
    int status = 0;
    const bool started =
        waitpid(middle, &status, 0) == middle && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    const int code = started ? Wait_For_Opener_Verdict(verdict[0]) : 1;
    close(verdict[0]);
    if (code == 0) return SHELL_OPEN_DONE;
    errno = Error_Of_Opener_Exit(code);
    return SHELL_OPEN_FAILED;
}
