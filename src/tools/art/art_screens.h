#pragma once
// Pictures of the screens and dialogs: view backgrounds by skin, the status
// bar pieces, playoff boxes, matchup bars and stars, dialog pictures, and the
// faces of general managers and agents.
#include <string>

#include "tools/art/art_canvas.h"

struct SKIN_PALETTE {
    const char* Name;
    ART_COLOUR Top; // background gradient
    ART_COLOUR Bottom;
    ART_COLOUR Band; // title and button bands
    ART_COLOUR Line; // field lines and frames
    ART_COLOUR Ink;  // text drawn into the art
};
extern const SKIN_PALETTE Skin_Palettes[3];

// Writes every picture of one skin under `root` + "skins/<skin>/".
int Write_Skin_Pictures(const std::string& root, const SKIN_PALETTE& skin);
// The built-in pattern picture (124 x 87).
void Draw_Pattern_Picture(ART_CANVAS* canvas);
