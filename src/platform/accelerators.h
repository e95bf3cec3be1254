#pragma once
// Accelerator tables as data: a key with its modifiers names a command. The
// frame's message loop offers every message to its table first.
#include <cstdint>

#include "platform/handles.h"
#include "platform/message_queue.h"

struct ACCELERATOR {
    uint32_t Key;       // KEY_* code
    uint32_t Modifiers; // KEY_MODIFIER_* bits, matched exactly
    int32_t Command;
};

// Whether a command its menu shows greyed is sent all the same.
using ACCELERATOR_OVERRIDE = bool (*)(int32_t command);

// A key press matching an entry sends MSG_COMMAND (the command with
// NOTIFY_ACCELERATOR) to `window` and returns true. Nothing is sent while the
// window's top-level window is disabled; a command that the window's menu
// offers only greyed is swallowed without being sent, unless `greyed_sent`
// (when given) says it goes through.
bool Translate_Accelerator(WINDOW_HANDLE window, const ACCELERATOR* table, int32_t count,
                           const WINDOW_MESSAGE& message, ACCELERATOR_OVERRIDE greyed_sent = nullptr);
