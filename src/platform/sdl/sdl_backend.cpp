#include "platform/sdl/sdl_backend.h"

#include <SDL.h>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/display_choice.h"
#include "platform/error_reporter.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/rect_math.h"
#include "platform/text_encoding.h"
#include "platform/windows.h"

namespace {
// The screen is the desktop; the SDL window shows the primary window's part
// of it, with whatever dialogs lie over it.
SDL_Window* sdl_window = nullptr;
DRAWING_SURFACE screen{};
SDL_Cursor* cursors[CURSOR_SHAPE_COUNT] = {};
SDL_AudioDeviceID audio_device = 0;
SDL_AudioSpec audio_spec{};
bool audio_tried = false;
std::string shown_title;
int32_t applied_state = -1;
uint32_t last_present = 0;
// The window surface the whole screen was last composed into: a surface SDL
// hands out anew (after a resize) starts empty and is filled whole.
const SDL_Surface* filled_surface = nullptr;
int filled_width = 0, filled_height = 0;
// Presents while polling at most this often; waiting always presents.
constexpr uint32_t POLL_PRESENT_INTERVAL = 15;

void Tell_Missing_Display(const char* reason) {
    std::fprintf(stderr, "%s\n", Describe_Missing_Display(std::getenv("DISPLAY"), reason).c_str());
}

RECT_AREA Primary_Rect() {
    RECT_AREA rect = {0, 0, 0, 0};
    Get_Window_Rect(Get_Primary_Window(), &rect);
    return rect;
}

void Create_SDL_Window() {
    const RECT_AREA rect = Primary_Rect();
    const int width = rect.Right - rect.Left, height = rect.Bottom - rect.Top;
    if (width <= 0 || height <= 0) return;
    sdl_window = SDL_CreateWindow(Get_Window_Text(Get_Primary_Window()).c_str(), rect.Left, rect.Top, width,
                                  height, SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
    if (sdl_window == nullptr) {
        // The display was lost after the start (a start tries a window
        // first): the game cannot go on unseen.
        Report_Platform_Error("SDL_CreateWindow failed: %s", SDL_GetError());
        Tell_Missing_Display(SDL_GetError());
        SDL_Quit();
        std::exit(NO_DISPLAY_EXIT_CODE);
    }
}

// Brings the SDL window in line with the primary window: size, place, title
// and whether it fills the screen.
void Follow_Primary_Window() {
    const WINDOW_HANDLE primary = Get_Primary_Window();
    if (primary == NO_WINDOW || !Is_Window_Shown(primary)) {
        if (sdl_window != nullptr) SDL_HideWindow(sdl_window);
        return;
    }
    if (sdl_window == nullptr) Create_SDL_Window();
    if (sdl_window == nullptr) return;
    const std::string title = Get_Window_Text(primary);
    if (title != shown_title) {
        SDL_SetWindowTitle(sdl_window, title.c_str());
        shown_title = title;
    }
    const int32_t state = Get_Window_Show_State(primary);
    if ((SDL_GetWindowFlags(sdl_window) & SDL_WINDOW_SHOWN) == 0) SDL_ShowWindow(sdl_window);
    if (state != applied_state) {
        applied_state = state;
        if (state == SHOW_STATE_MAXIMIZED) SDL_MaximizeWindow(sdl_window);
        if (state == SHOW_STATE_MINIMIZED) SDL_MinimizeWindow(sdl_window);
        if (state == SHOW_STATE_NORMAL) SDL_RestoreWindow(sdl_window);
    }
    const RECT_AREA rect = Primary_Rect();
    int width = 0, height = 0, x = 0, y = 0;
    SDL_GetWindowSize(sdl_window, &width, &height);
    SDL_GetWindowPosition(sdl_window, &x, &y);
    if (state != SHOW_STATE_MAXIMIZED &&
        (width != rect.Right - rect.Left || height != rect.Bottom - rect.Top))
        SDL_SetWindowSize(sdl_window, rect.Right - rect.Left, rect.Bottom - rect.Top);
    if (state == SHOW_STATE_NORMAL && (x != rect.Left || y != rect.Top))
        SDL_SetWindowPosition(sdl_window, rect.Left, rect.Top);
}

// Composes the screen rectangle `area` (inside the window's part `shown`)
// into the window surface at its place.
bool Copy_Screen_Area(SDL_Surface* surface, const RECT_AREA& shown, const RECT_AREA& area) {
    Render_Screen_Area(&screen, area);
    if (screen.Width != area.Right - area.Left || screen.Height != area.Bottom - area.Top) return false;
    uint8_t* target = static_cast<uint8_t*>(surface->pixels) +
                      static_cast<ptrdiff_t>(area.Top - shown.Top) * surface->pitch +
                      static_cast<ptrdiff_t>(area.Left - shown.Left) * surface->format->BytesPerPixel;
    return SDL_ConvertPixels(screen.Width, screen.Height, SDL_PIXELFORMAT_ARGB8888, screen.Pixels.data(),
                             screen.Width * 4, surface->format->format, target, surface->pitch) == 0;
}

// Shows what changed on the screen: only the rectangles that changed while
// the window surface is the one last filled, everything after a new one.
void Present(bool always) {
    const uint32_t now = Get_Tick_Count();
    if (!always && now - last_present < POLL_PRESENT_INTERVAL) return;
    SCREEN_CHANGES changes;
    if (!Take_Screen_Changes(&changes)) return;
    last_present = now;
    Follow_Primary_Window();
    if (sdl_window == nullptr || (SDL_GetWindowFlags(sdl_window) & SDL_WINDOW_SHOWN) == 0) {
        Mark_Screen_Changed();
        return;
    }
    SDL_Surface* surface = SDL_GetWindowSurface(sdl_window);
    if (surface == nullptr) return;
    if (surface != filled_surface || surface->w != filled_width || surface->h != filled_height)
        changes.All = true;
    const RECT_AREA primary = Primary_Rect();
    const RECT_AREA shown = {primary.Left, primary.Top, primary.Left + surface->w, primary.Top + surface->h};
    if (changes.All) {
        if (!Copy_Screen_Area(surface, shown, shown)) return;
        filled_surface = surface;
        filled_width = surface->w;
        filled_height = surface->h;
        SDL_UpdateWindowSurface(sdl_window);
        return;
    }
    std::vector<SDL_Rect> updated;
    for (const RECT_AREA& changed : changes.Areas) {
        const RECT_AREA area = Intersect_Rects(changed, shown);
        if (Is_Rect_Empty(area) || !Copy_Screen_Area(surface, shown, area)) continue;
        updated.push_back(
            {area.Left - shown.Left, area.Top - shown.Top, area.Right - area.Left, area.Bottom - area.Top});
    }
    if (!updated.empty())
        SDL_UpdateWindowSurfaceRects(sdl_window, updated.data(), static_cast<int>(updated.size()));
}

uint32_t Key_Modifiers(uint16_t mod) {
    uint32_t modifiers = 0;
    if ((mod & KMOD_SHIFT) != 0) modifiers |= KEY_MODIFIER_SHIFT;
    if ((mod & KMOD_CTRL) != 0) modifiers |= KEY_MODIFIER_CONTROL;
    if ((mod & KMOD_ALT) != 0) modifiers |= KEY_MODIFIER_ALT;
    return modifiers;
}

// Our key code of an SDL key; 0 for keys we do not name.
uint32_t Key_Code(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return static_cast<uint32_t>('A' + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9) return static_cast<uint32_t>('0' + (key - SDLK_0));
    if (key >= SDLK_F1 && key <= SDLK_F12) return Function_Key(static_cast<int>(key - SDLK_F1) + 1);
    switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return KEY_ENTER;
    case SDLK_ESCAPE:
        return KEY_ESCAPE;
    case SDLK_SPACE:
        return KEY_SPACE;
    case SDLK_TAB:
        return KEY_TAB;
    case SDLK_BACKSPACE:
        return KEY_BACKSPACE;
    case SDLK_SLASH:
        return KEY_SLASH;
    case SDLK_MINUS:
        return KEY_MINUS;
    case SDLK_EQUALS:
        return KEY_EQUALS;
    case SDLK_COMMA:
        return KEY_COMMA;
    case SDLK_PERIOD:
        return KEY_PERIOD;
    case SDLK_LEFT:
        return KEY_LEFT;
    case SDLK_RIGHT:
        return KEY_RIGHT;
    case SDLK_UP:
        return KEY_UP;
    case SDLK_DOWN:
        return KEY_DOWN;
    case SDLK_HOME:
        return KEY_HOME;
    case SDLK_END:
        return KEY_END;
    case SDLK_PAGEUP:
        return KEY_PAGE_UP;
    case SDLK_PAGEDOWN:
        return KEY_PAGE_DOWN;
    case SDLK_INSERT:
        return KEY_INSERT;
    case SDLK_DELETE:
        return KEY_DELETE;
    default:
        return 0;
    }
}

// A size the user gave the window: one drag as the primary window sees it,
// held to its rules (minimum and shape) unless it fills the screen.
void Follow_User_Resize(int width, int height) {
    const WINDOW_HANDLE primary = Get_Primary_Window();
    if (primary == NO_WINDOW) return;
    const bool maximized = (SDL_GetWindowFlags(sdl_window) & SDL_WINDOW_MAXIMIZED) != 0;
    const RECT_AREA current = Primary_Rect();
    if (current.Right - current.Left == width && current.Bottom - current.Top == height) return;
    RECT_AREA held = {current.Left, current.Top, current.Left + width, current.Top + height};
    Send_Window_Message(primary, MSG_ENTER_SIZE_MOVE, 0, 0);
    if (!maximized)
        Send_Window_Message(primary, MSG_SIZING, SIZING_EDGE_BOTTOM_RIGHT, reinterpret_cast<intptr_t>(&held));
    Move_Window(primary, held);
    Send_Window_Message(primary, MSG_EXIT_SIZE_MOVE, 0, 0);
    if (held.Right - held.Left != width || held.Bottom - held.Top != height)
        SDL_SetWindowSize(sdl_window, held.Right - held.Left, held.Bottom - held.Top);
    Mark_Screen_Changed();
}

void Handle_Window_Event(const SDL_WindowEvent& event) {
    const WINDOW_HANDLE primary = Get_Primary_Window();
    switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
        Route_Close_Request();
        break;
    case SDL_WINDOWEVENT_EXPOSED:
        Mark_Screen_Changed();
        break;
    case SDL_WINDOWEVENT_MOVED:
        if (primary != NO_WINDOW) {
            const RECT_AREA rect = Primary_Rect();
            Move_Window(primary, {event.data1, event.data2, event.data1 + rect.Right - rect.Left,
                                  event.data2 + rect.Bottom - rect.Top});
        }
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        Follow_User_Resize(event.data1, event.data2);
        break;
    case SDL_WINDOWEVENT_MAXIMIZED:
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_RESTORED:
        if (primary != NO_WINDOW) {
            applied_state = event.event == SDL_WINDOWEVENT_MAXIMIZED   ? SHOW_STATE_MAXIMIZED
                            : event.event == SDL_WINDOWEVENT_MINIMIZED ? SHOW_STATE_MINIMIZED
                                                                       : SHOW_STATE_NORMAL;
            Set_Window_Show_State(primary, applied_state);
        }
        break;
    default:
        break;
    }
}

uintptr_t Mouse_Buttons(uint32_t state) {
    uintptr_t buttons = 0;
    if ((state & SDL_BUTTON_LMASK) != 0) buttons |= MOUSE_LEFT_HELD;
    if ((state & SDL_BUTTON_RMASK) != 0) buttons |= MOUSE_RIGHT_HELD;
    const SDL_Keymod keys = SDL_GetModState();
    if ((keys & KMOD_SHIFT) != 0) buttons |= MOUSE_SHIFT_HELD;
    if ((keys & KMOD_CTRL) != 0) buttons |= MOUSE_CONTROL_HELD;
    return buttons;
}

void Handle_Event(const SDL_Event& event) {
    const RECT_AREA origin = Primary_Rect();
    switch (event.type) {
    case SDL_QUIT:
        // Asked from outside (a signal): every loop unwinds, nothing is saved.
        Request_Quit(0);
        break;
    case SDL_WINDOWEVENT:
        Handle_Window_Event(event.window);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (const uint32_t key = Key_Code(event.key.keysym.sym))
            Route_Key_Event(event.type == SDL_KEYDOWN ? MSG_KEY_DOWN : MSG_KEY_UP, key,
                            Key_Modifiers(event.key.keysym.mod));
        break;
    case SDL_TEXTINPUT:
        Route_Typed_Text(event.text.text);
        break;
    case SDL_MOUSEMOTION:
        Route_Mouse_Event(MSG_MOUSE_MOVE, origin.Left + event.motion.x, origin.Top + event.motion.y,
                          Mouse_Buttons(event.motion.state));
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const bool down = event.type == SDL_MOUSEBUTTONDOWN;
        uint32_t code = 0;
        if (event.button.button == SDL_BUTTON_LEFT)
            code = down ? (event.button.clicks == 2 ? MSG_LBUTTON_DOUBLE : MSG_LBUTTON_DOWN) : MSG_LBUTTON_UP;
        else if (event.button.button == SDL_BUTTON_RIGHT)
            code = down ? MSG_RBUTTON_DOWN : MSG_RBUTTON_UP;
        if (code != 0)
            Route_Mouse_Event(code, origin.Left + event.button.x, origin.Top + event.button.y,
                              Mouse_Buttons(SDL_GetMouseState(nullptr, nullptr)));
        break;
    }
    case SDL_MOUSEWHEEL: {
        int x = 0, y = 0;
        SDL_GetMouseState(&x, &y);
        Route_Mouse_Event(MSG_MOUSE_WHEEL, origin.Left + x, origin.Top + y,
                          static_cast<uintptr_t>(static_cast<intptr_t>(event.wheel.y)));
        break;
    }
    default:
        break;
    }
}

void Poll_SDL_Events() {
    Present(false);
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0)
        Handle_Event(event);
}

bool Wait_For_SDL_Events(uint32_t timeout) {
    Present(true);
    SDL_Event event;
    const int waited = timeout == WAIT_FOREVER ? SDL_WaitEvent(&event)
                                               : SDL_WaitEventTimeout(&event, static_cast<int>(timeout));
    if (waited != 0) {
        Handle_Event(event);
        while (SDL_PollEvent(&event) != 0)
            Handle_Event(event);
    }
    return true;
}

bool No_Scripted_Input() {
    return false;
}

void Describe_SDL_Display(DISPLAY_INFO* info) {
    *info = DISPLAY_INFO{};
    SDL_DisplayMode mode{};
    if (SDL_GetCurrentDisplayMode(0, &mode) == 0) {
        info->Width = mode.w;
        info->Height = mode.h;
        info->Refresh_Rate = mode.refresh_rate;
    }
    info->Bits_Per_Pixel = 32;
    info->Planes = 1;
    float dpi = 0.0f;
    if (SDL_GetDisplayDPI(0, nullptr, &dpi, nullptr) == 0)
        info->Pixels_Per_Inch = static_cast<int>(dpi + 0.5f);
}

// Windows lie on the whole usable desktop until the game's window is up;
// then on that window, which is all of the desktop the game shows.
void Get_SDL_Work_Area(RECT_AREA* area) {
    if (area == nullptr) return;
    if (Get_Primary_Window() != NO_WINDOW && Is_Window_Shown(Get_Primary_Window())) {
        *area = Primary_Rect();
        return;
    }
    SDL_Rect bounds{0, 0, 1024, 768};
    SDL_GetDisplayUsableBounds(0, &bounds);
    *area = {bounds.x, bounds.y, bounds.x + bounds.w, bounds.y + bounds.h};
}

int Ask_SDL_Message_Box(const char* text, const char* caption, unsigned flags, int fallback) {
    SDL_MessageBoxButtonData buttons[3];
    int count = 0;
    auto add = [&](int id, const char* label, uint32_t key_flags) {
        buttons[count++] = {key_flags, id, label};
    };
    switch (flags & BOX_BUTTON_MASK) {
    case BOX_OK_CANCEL:
        add(ID_BOX_OK, "OK", SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT);
        add(ID_BOX_CANCEL, "Cancel", SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT);
        break;
    case BOX_YES_NO:
        add(ID_BOX_YES, "Yes", SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT);
        add(ID_BOX_NO, "No", SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT);
        break;
    case BOX_YES_NO_CANCEL:
        add(ID_BOX_YES, "Yes", SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT);
        add(ID_BOX_NO, "No", 0);
        add(ID_BOX_CANCEL, "Cancel", SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT);
        break;
    default:
        add(ID_BOX_OK, "OK",
            SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT);
        break;
    }
    const SDL_MessageBoxData data = {
        SDL_MESSAGEBOX_INFORMATION, sdl_window, caption, text, count, buttons, nullptr};
    int chosen = fallback;
    if (SDL_ShowMessageBox(&data, &chosen) != 0 || chosen < 0) return fallback;
    return chosen;
}

bool No_Scripted_Answer(int, const char*, int*) {
    return false;
}

bool Open_Audio() {
    if (audio_tried) return audio_device != 0;
    audio_tried = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec wanted{};
    wanted.freq = 44100;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = 2048;
    audio_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &audio_spec, 0);
    return audio_device != 0;
}

int Play_SDL_Sound(const char* path) {
    if (path[0] == '\0') {
        // The empty sound: what is playing stops.
        if (audio_device != 0) SDL_ClearQueuedAudio(audio_device);
        return 1;
    }
    if (!Open_Audio()) return 0;
    SDL_AudioSpec wav_spec{};
    Uint8* wav = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(path, &wav_spec, &wav, &length) == nullptr) return 0;
    SDL_AudioCVT convert{};
    int played = 0;
    if (SDL_BuildAudioCVT(&convert, wav_spec.format, wav_spec.channels, wav_spec.freq, audio_spec.format,
                          audio_spec.channels, audio_spec.freq) >= 0) {
        std::string buffer(static_cast<size_t>(length) *
                               static_cast<size_t>(convert.len_mult > 0 ? convert.len_mult : 1),
                           '\0');
        std::copy(wav, wav + length, buffer.begin());
        convert.buf = reinterpret_cast<Uint8*>(buffer.data());
        convert.len = static_cast<int>(length);
        if (convert.needed == 0 || SDL_ConvertAudio(&convert) == 0) {
            const Uint32 converted = convert.needed != 0 ? static_cast<Uint32>(convert.len_cvt) : length;
            // A new sound replaces the one still playing.
            SDL_ClearQueuedAudio(audio_device);
            played = SDL_QueueAudio(audio_device, buffer.data(), converted) == 0 ? 1 : 0;
            SDL_PauseAudioDevice(audio_device, 0);
        }
    }
    SDL_FreeWAV(wav);
    return played;
}

void Set_SDL_Cursor(int32_t shape) {
    static const SDL_SystemCursor SYSTEM_CURSORS[CURSOR_SHAPE_COUNT] = {
        SDL_SYSTEM_CURSOR_ARROW, SDL_SYSTEM_CURSOR_HAND, SDL_SYSTEM_CURSOR_CROSSHAIR,
        SDL_SYSTEM_CURSOR_SIZEALL, SDL_SYSTEM_CURSOR_WAIT};
    if (shape < 0 || shape >= CURSOR_SHAPE_COUNT) return;
    if (cursors[shape] == nullptr) cursors[shape] = SDL_CreateSystemCursor(SYSTEM_CURSORS[shape]);
    if (cursors[shape] != nullptr) SDL_SetCursor(cursors[shape]);
}

// The desktop's clipboard holds UTF-8; the program's text is Windows-1252.
void Put_SDL_Clipboard(const char* text) {
    SDL_SetClipboardText(UTF8_From_Windows_1252(text != nullptr ? text : "").c_str());
}

bool Get_SDL_Clipboard(std::string* text) {
    if (text == nullptr || SDL_HasClipboardText() == SDL_FALSE) return false;
    char* utf8 = SDL_GetClipboardText();
    if (utf8 == nullptr) return false;
    *text = Windows_1252_From_Desktop_Text(utf8);
    SDL_free(utf8);
    return true;
}

const PLATFORM_BACKEND sdl_backend = {
    "sdl2",
    false,
    Poll_SDL_Events,
    Wait_For_SDL_Events,
    No_Scripted_Input,
    Describe_SDL_Display,
    Get_SDL_Work_Area,
    Ask_SDL_Message_Box,
    No_Scripted_Answer,
    Play_SDL_Sound,
    Set_SDL_Cursor,
    Start_Desktop_Opener,
    Run_Print_Command,
    Put_SDL_Clipboard,
    Get_SDL_Clipboard,
    nullptr,
};
} // namespace

bool Start_SDL_Backend() {
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // The window surface is filled in software and updated by rectangles; the
    // display's own framebuffer takes those as they are, where a texture
    // framebuffer would draw the whole window again (on a software OpenGL,
    // at a high cost) for every ticker step.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        Tell_Missing_Display(SDL_GetError());
        return false;
    }
    // With no display reached SDL may fall back to a driver that shows
    // nothing; the game would then run on unseen.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!Is_Video_Driver_Accepted(driver, std::getenv("SDL_VIDEODRIVER"))) {
        const std::string shown = driver != nullptr ? driver : "";
        const std::string reason = "SDL found only its \"" + shown +
                                   "\" video driver, which shows nothing (SDL_VIDEODRIVER=" + shown +
                                   " runs the game without a screen).";
        Tell_Missing_Display(reason.c_str());
        SDL_Quit();
        return false;
    }
    // A display that takes no window is no display either: tried once before
    // the game starts, so that it ends before it has done anything.
    SDL_Window* trial = SDL_CreateWindow("Football Korva", 0, 0, 1, 1, SDL_WINDOW_HIDDEN);
    if (trial == nullptr) {
        Tell_Missing_Display(SDL_GetError());
        SDL_Quit();
        return false;
    }
    SDL_DestroyWindow(trial);
    return true;
}

void Use_SDL_Backend() {
    Set_Platform_Backend(&sdl_backend);
}

void Stop_SDL_Backend() {
    Set_Platform_Backend(nullptr);
    for (SDL_Cursor*& cursor : cursors) {
        if (cursor != nullptr) SDL_FreeCursor(cursor);
        cursor = nullptr;
    }
    if (audio_device != 0) SDL_CloseAudioDevice(audio_device);
    audio_device = 0;
    if (sdl_window != nullptr) SDL_DestroyWindow(sdl_window);
    sdl_window = nullptr;
    filled_surface = nullptr;
    Free_Drawing_Surface(&screen);
    SDL_Quit();
}
