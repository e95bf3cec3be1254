#include "platform/font_faces.h"

#include <cstdlib>
#include <cstring>
#include <strings.h>
#include <sys/stat.h>

namespace {
struct FACE_CHOICE {
    const char* Family;
    const char* Regular_File;
    const char* Bold_File;
};

const FACE_CHOICE SANS{"Liberation Sans", "LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"};
const FACE_CHOICE SERIF{"Liberation Serif", "LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf"};
const FACE_CHOICE MONO{"Liberation Mono", "LiberationMono-Regular.ttf", "LiberationMono-Bold.ttf"};
const FACE_CHOICE CARLITO{"Carlito", "Carlito-Regular.ttf", "Carlito-Bold.ttf"};
const FACE_CHOICE DEJAVU{"DejaVu Sans", "DejaVuSans.ttf", "DejaVuSans-Bold.ttf"};

// Folders the Debian font packages install into; KORVA_FONT_DIR goes first.
const char* const FONT_FOLDERS[] = {
    "/usr/share/fonts/truetype/liberation2", "/usr/share/fonts/truetype/liberation",
    "/usr/share/fonts/truetype/crosextra", "/usr/share/fonts/truetype/dejavu", "/usr/local/share/fonts"};

std::string Find_Font_File(const char* file) {
    struct stat info {};
    if (const char* own = getenv("KORVA_FONT_DIR"); own != nullptr && *own != '\0') {
        std::string path = std::string(own) + "/" + file;
        if (stat(path.c_str(), &info) == 0) return path;
    }
    for (const char* folder : FONT_FOLDERS) {
        std::string path = std::string(folder) + "/" + file;
        if (stat(path.c_str(), &info) == 0) return path;
    }
    return std::string();
}

const FACE_CHOICE& Choose_Face(const char* requested) {
    if (requested == nullptr) return DEJAVU;
    if (strcasecmp(requested, "Arial") == 0 || strcasecmp(requested, "MS Sans Serif") == 0) return SANS;
    if (strncasecmp(requested, "Times", 5) == 0 || strcasecmp(requested, "Tms Rmn") == 0) return SERIF;
    if (strncasecmp(requested, "Courier", 7) == 0) return MONO;
    if (strcasecmp(requested, "Calibri") == 0) return CARLITO;
    return DEJAVU;
}

FONT_FACE_FILES Resolve(const FACE_CHOICE& choice) {
    return FONT_FACE_FILES{choice.Family, Find_Font_File(choice.Regular_File),
                           Find_Font_File(choice.Bold_File)};
}
} // namespace

const FONT_FACE_FILES& Find_Font_Face(const char* requested) {
    static const FONT_FACE_FILES sans = Resolve(SANS), serif = Resolve(SERIF), mono = Resolve(MONO),
                                 carlito = Resolve(CARLITO), dejavu = Resolve(DEJAVU);
    const FACE_CHOICE& choice = Choose_Face(requested);
    if (&choice == &SANS) return sans;
    if (&choice == &SERIF) return serif;
    if (&choice == &MONO) return mono;
    if (&choice == &CARLITO) return carlito;
    return dejavu;
}
