// The art generator: draws every picture and sound effect the game names
// into an installation folder, and writes the built-in pattern picture as a
// source file of the program. Run by the build.
//
//   korva_art <installation folder>
//   korva_art --pattern <source file to write>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/builtin_pattern.h"
#include "tools/art/art_canvas.h"
#include "tools/art/art_emblems.h"
#include "tools/art/art_photos.h"
#include "tools/art/art_screens.h"
#include "tools/art/art_sounds.h"

// The generator itself makes the pattern, so it carries none.
const uint8_t Builtin_Pattern_Image[1] = {0};
const size_t Builtin_Pattern_Image_Size = 0;

namespace {
int Write_Pattern_Source(const char* path) {
    ART_CANVAS canvas;
    Draw_Pattern_Picture(&canvas);
    const std::vector<uint8_t> bytes = Encode_Canvas_JPEG(canvas, 80);
    Make_Folders_For(path);
    FILE* file = fopen(path, "w");
    if (file == nullptr) return 0;
    fputs("// Written by the art generator (src/tools/art); do not edit.\n", file);
    fputs("#include \"app/builtin_pattern.h\"\n\n", file);
    fprintf(file, "const uint8_t Builtin_Pattern_Image[%zu] = {", bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i)
        fprintf(file, "%s%u,", i % 20 == 0 ? "\n    " : "", bytes[i]);
    fprintf(file, "\n};\nconst size_t Builtin_Pattern_Image_Size = %zu;\n", bytes.size());
    return fclose(file) == 0 ? 1 : 0;
}
} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && strcmp(argv[1], "--pattern") == 0) return Write_Pattern_Source(argv[2]) ? 0 : 1;
    if (argc != 2) {
        fprintf(stderr, "usage: korva_art <installation folder> | --pattern <source file>\n");
        return 2;
    }
    std::string root = argv[1];
    if (root.empty() || root.back() != '/') root += '/';
    int ok = 1;
    for (const SKIN_PALETTE& skin : Skin_Palettes)
        ok &= Write_Skin_Pictures(root, skin);
    ok &= Write_Helmets(root);
    ok &= Write_Team_Logos(root);
    ok &= Write_Historical_Logos(root);
    ok &= Write_Card_Kit_Pieces(root);
    ok &= Write_Position_Photos(root);
    ok &= Write_Page_Wallpaper(root);
    ok &= Write_Sound_Effects(root);
    if (!ok) fprintf(stderr, "korva_art: some files could not be written under %s\n", root.c_str());
    return ok ? 0 : 1;
}
