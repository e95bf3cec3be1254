#include "tools/art/art_photos.h"

#include "platform/agg_warnings.h"

#include <cstdint>

#include "database/player_record.h"
#include "tools/art/art_canvas.h"

namespace {
constexpr int32_t PHOTO_WIDTH = 106;
constexpr int32_t PHOTO_HEIGHT = 160;
constexpr int32_t POSITIONS = 15;
constexpr int32_t WALLPAPER_SIDE = 128;

// A player in helmet and pads seen from the front, the position on his
// jersey; the jersey's shade follows the position's unit.
void Draw_Position_Photo(ART_CANVAS* c, const char* position, bool defence) {
    Fill_Art_Gradient(c, 0, 0, PHOTO_WIDTH, PHOTO_HEIGHT, Art_Colour(150, 160, 178), Art_Colour(62, 70, 88));
    const ART_COLOUR jersey = defence ? Art_Colour(150, 36, 40) : Art_Colour(28, 60, 120);
    const ART_COLOUR trim = Art_Colour(236, 236, 240);
    Fill_Art_Ellipse(c, 53, 168, 60, 58, jersey);
    // Shoulder pads: two rounded humps over the jersey.
    Fill_Art_Ellipse(c, 26, 112, 24, 14, jersey);
    Fill_Art_Ellipse(c, 80, 112, 24, 14, jersey);
    agg::path_storage collar = Art_Polygon({40, 100, 66, 100, 60, 116, 46, 116});
    Fill_Art_Path(c, collar, trim);
    // Helmet, ear hole and face mask.
    const ART_COLOUR shell = Mix_Colours(jersey, Art_Colour(255, 255, 255), 0.15);
    Fill_Art_Ellipse(c, 53, 70, 28, 32, shell);
    agg::path_storage stripe;
    stripe.move_to(53, 38);
    stripe.line_to(53, 62);
    Stroke_Art_Path(c, stripe, 5, trim);
    Fill_Art_Ellipse(c, 53, 84, 17, 15, Art_Colour(200, 160, 124));
    const ART_COLOUR mask = Art_Colour(196, 196, 204);
    for (int bar = 0; bar < 3; ++bar) {
        agg::path_storage line;
        line.move_to(35, 78 + bar * 8);
        line.line_to(71, 78 + bar * 8);
        Stroke_Art_Path(c, line, 2.5, mask);
    }
    agg::path_storage upright;
    upright.move_to(53, 76);
    upright.line_to(53, 100);
    Stroke_Art_Path(c, upright, 2.5, mask);
    Draw_Art_Text(c, position, 10, 124, 96, 156, 26, true, trim);
}
} // namespace

int Write_Position_Photos(const std::string& root) {
    int ok = 1;
    for (int32_t position = 0; position < POSITIONS; ++position) {
        const char* name = Get_Position_Short_Name(position);
        if (name == nullptr || name[0] == '\0') continue;
        ART_CANVAS c;
        Start_Canvas(&c, PHOTO_WIDTH, PHOTO_HEIGHT, Art_Colour(0, 0, 0));
        // Positions from the defensive end on are the defence and the kickers.
        Draw_Position_Photo(&c, name, position >= 8);
        ok &= Save_Canvas_JPEG(c, root + "photos/" + name + ".jpg", 90);
    }
    return ok;
}

int Write_Page_Wallpaper(const std::string& root) {
    // The pages' own colour (#606080) with a faint weave, so the tile repeats
    // without seams.
    ART_CANVAS c;
    Start_Canvas(&c, WALLPAPER_SIDE, WALLPAPER_SIDE, Art_Colour(0x60, 0x60, 0x80));
    const ART_COLOUR thread = Art_Colour(0x68, 0x68, 0x8A);
    for (int32_t i = 0; i < WALLPAPER_SIDE; i += 8) {
        Fill_Art_Rect(&c, i, 0, i + 2, WALLPAPER_SIDE, thread);
        Fill_Art_Rect(&c, 0, i + 4, WALLPAPER_SIDE, i + 6, thread);
    }
    return Save_Canvas_JPEG(c, root + "Output/wallpaper.JPG", 85);
}
