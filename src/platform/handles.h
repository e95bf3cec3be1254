#pragma once
// Handles of the platform layer: plain numbers that are never reused, so a
// handle kept after its object went away names nothing rather than a stranger.
#include <cstdint>

using WINDOW_HANDLE = uint32_t;
constexpr WINDOW_HANDLE NO_WINDOW = 0;

// Where keyboard input is posted: the window with the focus when the message
// is taken from the queue, so keys typed ahead follow a focus that moves.
constexpr WINDOW_HANDLE KEYBOARD_TARGET = 0xFFFFFFFFu;

using MENU_HANDLE = uint32_t;
constexpr MENU_HANDLE NO_MENU = 0;
