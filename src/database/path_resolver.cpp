#include "database/path_resolver.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstring>
#include <ctime>
#include <unordered_map>
#include <vector>

#include "platform/text_encoding.h"

namespace {
bool Path_Exists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

std::string Lower_Case(const std::string& text) {
    std::string lower = text;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// The names of one folder by their lower-case spelling, the first in byte
// order for each, kept from one lookup to the next while the folder is
// unchanged: a season writes hundreds of new pages into one folder, and
// listing it again for each would cost time in proportion to the pages
// already there. A file this program makes right after looking its name up in
// vain is added to the listing as it is made (Note_Created_File); any other
// change to the folder moves its modification time, and the folder is listed
// again. A change in the same tick of the file system's clock as the last one
// before the listing would not move it: a folder changed in the moments
// before it was listed is listed again once those moments have passed.
struct FOLDER_LISTING {
    bool Known = false;
    std::string Folder;
    dev_t Device = 0;
    ino_t Inode = 0;
    timespec Modified{};
    // Until when the listing holds whatever the modification time says: the
    // far future for a folder that had settled when it was listed.
    int64_t Trusted_Until = 0;
    std::unordered_map<std::string, std::string> First;
    // The lower-case name last looked up here and not found.
    std::string Missed;
};
FOLDER_LISTING Listing;

constexpr int64_t SETTLED_NANOSECONDS = 100000000; // a tenth of a second

int64_t Nanoseconds(const timespec& time) {
    return static_cast<int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

int64_t Now() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return Nanoseconds(now);
}

bool Same_Folder_State(const FOLDER_LISTING& listing, const struct stat& info) {
    return listing.Device == info.st_dev && listing.Inode == info.st_ino &&
           Nanoseconds(listing.Modified) == Nanoseconds(info.st_mtim);
}

void Take_Folder_State(FOLDER_LISTING& listing, const struct stat& info) {
    listing.Device = info.st_dev;
    listing.Inode = info.st_ino;
    listing.Modified = info.st_mtim;
}

void Add_Listed_Name(FOLDER_LISTING& listing, const std::string& name) {
    auto [at, added] = listing.First.emplace(Lower_Case(name), name);
    if (!added && name < at->second) at->second = name;
}

// The entry of `folder` whose name equals `component` ignoring case; when
// several do, the first in byte order, so the choice never depends on the
// order the file system lists them. Empty when there is none.
std::string Find_Entry_Ignoring_Case(const std::string& folder, const std::string& component) {
    const std::string path = folder.empty() ? "." : folder;
    struct stat before;
    if (stat(path.c_str(), &before) != 0) return "";
    if (!(Listing.Known && Listing.Folder == path && Same_Folder_State(Listing, before) &&
          Now() < Listing.Trusted_Until)) {
        DIR* directory = opendir(path.c_str());
        if (directory == nullptr) return "";
        FOLDER_LISTING listing;
        while (const dirent* entry = readdir(directory))
            Add_Listed_Name(listing, entry->d_name);
        closedir(directory);
        listing.Folder = path;
        Take_Folder_State(listing, before);
        struct stat after;
        const int64_t now = Now();
        listing.Known = stat(path.c_str(), &after) == 0 && Same_Folder_State(listing, after);
        listing.Trusted_Until =
            now - Nanoseconds(after.st_mtim) > SETTLED_NANOSECONDS ? INT64_MAX : now + SETTLED_NANOSECONDS;
        Listing = std::move(listing);
    }
    const auto at = Listing.First.find(Lower_Case(component));
    return at == Listing.First.end() ? "" : at->second;
}

// Records the outcome of looking a name up in `folder`: the name the
// program may create next there when it was not found, nothing when it was.
void Note_Lookup(const std::string& folder, const std::string& missed) {
    if (Listing.Folder == (folder.empty() ? "." : folder)) Listing.Missed = Lower_Case(missed);
}

// The entry of `folder` that a component of the game's text names: its UTF-8
// spelling, or failing that the same bytes as given (a name written before
// names were converted), each as spelled or ignoring case. Empty when there
// is none.
std::string Find_Component(const std::string& folder, const std::string& component,
                           const std::string& spelled) {
    const std::string prefix = folder.empty() ? "" : (folder == "/" ? "/" : folder + "/");
    if (Path_Exists(prefix + spelled)) return spelled;
    const bool legacy = spelled != component;
    if (legacy && Path_Exists(prefix + component)) return component;
    std::string match = Find_Entry_Ignoring_Case(folder, spelled);
    if (match.empty() && legacy) match = Find_Entry_Ignoring_Case(folder, component);
    Note_Lookup(folder, match.empty() ? spelled : "");
    return match;
}

std::vector<std::string> Split_Components(const std::string& path) {
    std::vector<std::string> components;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        if (end > start) components.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return components;
}
} // namespace

std::string Resolve_File_Path(const char* name) {
    if (name == nullptr || name[0] == '\0') return "";
    std::string given = name;
    for (char& c : given)
        if (c == '\\') c = '/';
    bool absolute = given[0] == '/';
    bool trailing_separator = given.back() == '/';

    // The game's text names files in Windows-1252; on disk they are spelled
    // in UTF-8. Each existing component is taken as spelled when it exists
    // exactly (one stat, the usual case) and is looked up in its folder
    // otherwise. From the first missing component on, the rest keeps the
    // given spelling.
    std::string resolved = absolute ? "/" : "";
    bool missing = false;
    bool first = true;
    for (const std::string& component : Split_Components(given)) {
        std::string folder = resolved;
        if (!first && folder != "/") resolved += '/';
        first = false;
        const std::string spelled = File_Name_From_Text(component);
        if (missing || component == "." || component == "..") {
            resolved += spelled;
            continue;
        }
        std::string match = Find_Component(folder, component, spelled);
        if (match.empty()) {
            missing = true;
            resolved += spelled;
        } else {
            resolved += match;
        }
    }
    if (trailing_separator && !resolved.empty() && resolved.back() != '/') resolved += '/';
    return resolved;
}

FILE* Open_Resolved_File(const char* name, const char* mode) {
    if (name == nullptr || mode == nullptr) return nullptr;
    const std::string path = Resolve_File_Path(name);
    FILE* file = fopen(path.c_str(), mode);
    if (file != nullptr && std::strpbrk(mode, "wa") != nullptr) Note_Created_File(path);
    return file;
}

void Note_Created_File(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    if (!Listing.Known || Listing.Folder != folder) return;
    const std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    struct stat info;
    const bool listed = stat(folder.c_str(), &info) == 0;
    if (listed && Same_Folder_State(Listing, info)) return;
    // Only the file just looked up in vain is known to be the change; after
    // anything else the folder is listed again.
    if (!listed || info.st_dev != Listing.Device || info.st_ino != Listing.Inode || name.empty() ||
        Lower_Case(name) != Listing.Missed) {
        Listing.Known = false;
        return;
    }
    Add_Listed_Name(Listing, name);
    Take_Folder_State(Listing, info);
    Listing.Missed.clear();
}

int Is_Plain_File_Name(const char* name) {
    if (name == nullptr || name[0] == '\0') return 0;
    return !Has_Path_Separator(name) && strstr(name, "..") == nullptr ? 1 : 0;
}

bool Has_Path_Separator(const char* name) {
    return strpbrk(name, "/\\") != nullptr;
}

bool Has_Control_Character(const char* name) {
    for (const char* c = name; *c != '\0'; ++c)
        if (static_cast<unsigned char>(*c) < 0x20 || *c == 0x7F) return true;
    return false;
}

bool Is_Folder_File_Name(const char* name) {
    return name != nullptr && name[0] != '\0' && !Has_Path_Separator(name) && !Has_Control_Character(name);
}

bool Is_Safe_Picture_Name(const char* name) {
    return Is_Plain_File_Name(name) != 0 && strchr(name, ':') == nullptr;
}
