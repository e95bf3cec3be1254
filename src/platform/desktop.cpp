#include "platform/desktop.h"

#include <sys/wait.h>
#include <unistd.h>

#include "platform/backend.h"

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
