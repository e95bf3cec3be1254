#include "database/file_replacement.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/diagnostics.h"

namespace {
std::string Temporary_Path(const std::string& path) {
    return path + ".tmp";
}

// A rename is durable once the folder that holds both names is synced.
void Sync_Folder_Of(const std::string& path) {
    const size_t separator = path.rfind('/');
    const std::string folder = separator == std::string::npos ? "." : path.substr(0, separator + 1);
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0 || fsync(descriptor) != 0)
        Log_Debug_Line("Could not sync the folder of \"%s\"", path.c_str());
    if (descriptor >= 0) close(descriptor);
}
} // namespace

int Is_Read_Only_File(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return 0;
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return 1;
    // On a read-only file system the folder is what refuses, not the file.
    return access(path.c_str(), W_OK) != 0 && errno != EROFS ? 1 : 0;
}

FILE* Open_Replacement_File(const std::string& path) {
    const std::string temporary = Temporary_Path(path);
    struct stat info;
    if (lstat(temporary.c_str(), &info) == 0 && !S_ISDIR(info.st_mode) && unlink(temporary.c_str()) == 0)
        Log_Debug_Line("Removed \"%s\", left by an unfinished write", temporary.c_str());
    // Exclusive creation: nothing that appeared there since, a link least of
    // all, is written through.
    const int descriptor = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0) return nullptr;
    FILE* file = fdopen(descriptor, "wb");
    if (file == nullptr) {
        close(descriptor);
        unlink(temporary.c_str());
    }
    return file;
}

int Commit_Replacement_File(FILE* file, const std::string& path, bool written) {
    if (file == nullptr) return 0;
    const std::string temporary = Temporary_Path(path);
    bool ok = written && fflush(file) == 0 && !ferror(file) && fsync(fileno(file)) == 0;
    ok = fclose(file) == 0 && ok;
    if (ok && rename(temporary.c_str(), path.c_str()) != 0) {
        Log_Debug_Line("Could not replace \"%s\"", path.c_str());
        ok = false;
    }
    if (!ok) {
        // The caller reports the error of the write, not of the clean-up.
        const int error_number = errno;
        unlink(temporary.c_str());
        errno = error_number;
        return 0;
    }
    Sync_Folder_Of(path);
    return 1;
}
