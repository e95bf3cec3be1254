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

// How a position's silhouette stands: linemen crouch with wide shoulders,
// the passer holds the ball up, ball carriers tuck it, kickers have one at
// their feet.
enum SILHOUETTE_POSE { POSE_STANDING, POSE_PASSER, POSE_CARRIER, POSE_LINEMAN, POSE_KICKER };

SILHOUETTE_POSE Pose_Of(int32_t position) {
    switch (position) {
    case POSITION_QB:
        return POSE_PASSER;
    case POSITION_RB:
    case POSITION_FB:
    case POSITION_TE:
    case POSITION_WR:
        return POSE_CARRIER;
    case POSITION_T:
    case POSITION_G:
    case POSITION_C:
    case POSITION_DE:
    case POSITION_DT:
        return POSE_LINEMAN;
    case POSITION_K:
    case POSITION_P:
        return POSE_KICKER;
    default:
        return POSE_STANDING;
    }
}

// A player's silhouette in helmet and pads, seen from the front, over a
// plain backdrop, with the position's short name on his jersey: the
// stand-in for a player who has no picture of his own. No photograph of
// anyone is drawn.
void Draw_Position_Photo(ART_CANVAS* c, int32_t position, const char* name) {
    const bool defence = position >= POSITION_DE && position <= POSITION_S;
    Fill_Art_Gradient(c, 0, 0, PHOTO_WIDTH, PHOTO_HEIGHT,
                      defence ? Art_Colour(176, 168, 168) : Art_Colour(164, 172, 186),
                      defence ? Art_Colour(96, 84, 84) : Art_Colour(74, 82, 100));
    const ART_COLOUR shape = Art_Colour(30, 32, 40);
    const ART_COLOUR line = Art_Colour(70, 74, 86);
    const SILHOUETTE_POSE pose = Pose_Of(position);
    const double crouch = pose == POSE_LINEMAN ? 10 : 0;
    const double shoulders = pose == POSE_LINEMAN ? 50 : 42;
    // Torso and shoulder pads.
    agg::path_storage torso =
        Art_Polygon({53 - shoulders + 6, 112 + crouch, 53 + shoulders - 6, 112 + crouch, 53 + shoulders - 14,
                     PHOTO_HEIGHT, 53 - shoulders + 14, PHOTO_HEIGHT});
    Fill_Art_Path(c, torso, shape);
    Fill_Art_Ellipse(c, 53 - shoulders + 18, 104 + crouch, 20, 13, shape);
    Fill_Art_Ellipse(c, 53 + shoulders - 18, 104 + crouch, 20, 13, shape);
    Fill_Art_Rect(c, 44, 84 + crouch, 62, 104 + crouch, shape);
    // The helmet, its stripe and face mask show as lighter lines in the shape.
    Fill_Art_Ellipse(c, 53, 62 + crouch, 24, 27, shape);
    agg::path_storage stripe;
    stripe.move_to(53, 36 + crouch);
    stripe.line_to(53, 56 + crouch);
    Stroke_Art_Path(c, stripe, 3, line);
    for (int bar = 0; bar < 3; ++bar) {
        agg::path_storage mask;
        mask.move_to(36, 70 + crouch + bar * 6);
        mask.line_to(70, 70 + crouch + bar * 6);
        Stroke_Art_Path(c, mask, 2, line);
    }
    const ART_COLOUR ball = Art_Colour(150, 88, 44);
    switch (pose) {
    case POSE_PASSER: {
        // The throwing arm up beside the helmet, the ball in its hand.
        agg::path_storage arm = Art_Polygon({80, 108, 92, 104, 98, 46, 88, 44});
        Fill_Art_Path(c, arm, shape);
        Fill_Art_Ellipse(c, 94, 38, 9, 6, ball);
        break;
    }
    case POSE_CARRIER:
        Fill_Art_Ellipse(c, 28, 126, 10, 7, ball);
        break;
    case POSE_KICKER:
        Fill_Art_Ellipse(c, 84, 150, 9, 6, ball);
        break;
    default:
        break;
    }
    Draw_Art_Text(c, name, 10, 124, 96, 156, 26, true, Art_Colour(236, 236, 240));
}
} // namespace

int Write_Position_Photos(const std::string& root) {
    int ok = 1;
    for (int32_t position = 0; position < POSITIONS; ++position) {
        const char* name = Get_Position_Short_Name(position);
        if (name == nullptr || name[0] == '\0') continue;
        ART_CANVAS c;
        Start_Canvas(&c, PHOTO_WIDTH, PHOTO_HEIGHT, Art_Colour(0, 0, 0));
        Draw_Position_Photo(&c, position, name);
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
