// The save syncs its data before the rename and the folder after it. fsync is
// taken over for this test binary: every call is recorded with what it synced
// and then passed on to the system.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

#include "database/saved_game.h"
#include "database/universe.h"

namespace {
struct SYNCED {
    std::string Path;
    bool Folder;
};
std::vector<SYNCED> synced;
} // namespace

extern "C" int fsync(int descriptor) {
    char link[64];
    char target[PATH_MAX] = {};
    snprintf(link, sizeof link, "/proc/self/fd/%d", descriptor);
    const ssize_t length = readlink(link, target, sizeof target - 1);
    struct stat info {};
    fstat(descriptor, &info);
    synced.push_back(
        {length > 0 ? std::string(target, static_cast<size_t>(length)) : "", S_ISDIR(info.st_mode)});
    return static_cast<int>(syscall(SYS_fsync, descriptor));
}

TEST(SaveDurability, TemporaryFileIsSyncedBeforeTheRenameAndTheFolderAfter) {
    memset(Universe_Bytes(), 3, UNIVERSE_SIZE);
    synced.clear();
    ASSERT_EQ(Save_Game("durable.kor", nullptr), SAVE_OK);
    char folder[PATH_MAX];
    ASSERT_NE(getcwd(folder, sizeof folder), nullptr);
    ASSERT_EQ(synced.size(), 2u);
    EXPECT_EQ(synced[0].Path, std::string(folder) + "/durable.kor.tmp") << "synced under its temporary name";
    EXPECT_FALSE(synced[0].Folder);
    EXPECT_EQ(synced[1].Path, folder);
    EXPECT_TRUE(synced[1].Folder) << "the folder is synced after the rename";
}
