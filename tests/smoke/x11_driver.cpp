// What the window-system smoke test does to the game's window from outside,
// as a user and a window manager would: waits for it, reads its title, takes a
// screenshot of the screen, reads a pixel or the runs of a band, and sends
// the close request the window's close button sends.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "platform/drawing_surface.h"
#include "platform/png_file.h"

namespace {
// Windows come and go while the tree is walked; a window that went is skipped.
int Ignore_X_Error(Display*, XErrorEvent*) {
    return 0;
}

std::string Window_Name(Display* display, Window window) {
    const Atom net_name = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string name;
    if (XGetWindowProperty(display, window, net_name, 0, 1024, False, utf8, &type, &format, &count, &after,
                           &data) == Success &&
        data != nullptr) {
        name.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
        return name;
    }
    char* plain = nullptr;
    if (XFetchName(display, window, &plain) != 0 && plain != nullptr) {
        name = plain;
        XFree(plain);
    }
    return name;
}

// The first window below `root` whose name contains `text`.
Window Find_Window(Display* display, Window root, const std::string& text, std::string* name) {
    Window parent = 0, unused = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, root, &unused, &parent, &children, &count) == 0) return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        const std::string own = Window_Name(display, children[i]);
        if (!own.empty() && own.find(text) != std::string::npos) {
            found = children[i];
            *name = own;
        } else {
            found = Find_Window(display, children[i], text, name);
        }
    }
    if (children != nullptr) XFree(children);
    return found;
}

Window Wait_For_Window(Display* display, const std::string& text, double seconds, std::string* name) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    do {
        if (Window window = Find_Window(display, DefaultRootWindow(display), text, name)) return window;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    } while (std::chrono::steady_clock::now() < end);
    return 0;
}

int Screenshot(Display* display, const char* path) {
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, root, &attributes);
    XImage* image = XGetImage(display, root, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (image == nullptr) return 1;
    DRAWING_SURFACE picture{};
    Resize_Drawing_Surface(&picture, attributes.width, attributes.height);
    for (int y = 0; y < attributes.height; ++y)
        for (int x = 0; x < attributes.width; ++x)
            picture.Pixels[static_cast<size_t>(y) * attributes.width + x] =
                0xFF000000u | static_cast<uint32_t>(XGetPixel(image, x, y) & 0xFFFFFF);
    XDestroyImage(image);
    return Write_Surface_PNG(&picture, path) == 1 ? 0 : 1;
}

int Send_Close(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    return 0;
}

int Usage() {
    std::fprintf(stderr, "usage: x11_driver ready SECONDS | wait TEXT SECONDS | focus TEXT | close TEXT |\n"
                         "       screenshot FILE | pixel FILE X Y | area FILE LEFT TOP RIGHT BOTTOM |\n"
                         "       runs FILE TOP BOTTOM GAP\n");
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    if (command == "pixel" && argc == 5) {
        DRAWING_SURFACE picture{};
        if (Read_Surface_PNG(argv[2], &picture) != 1) return 1;
        const uint32_t pixel = Get_Surface_Pixel(&picture, std::atoi(argv[3]), std::atoi(argv[4]));
        std::printf("%d %d %d\n", (pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
        return 0;
    }
    // A checksum of a rectangle of the picture, to tell two screens apart.
    if (command == "area" && argc == 7) {
        DRAWING_SURFACE picture{};
        if (Read_Surface_PNG(argv[2], &picture) != 1) return 1;
        uint64_t sum = 1469598103934665603ull;
        for (int32_t y = std::atoi(argv[4]); y < std::atoi(argv[6]); ++y)
            for (int32_t x = std::atoi(argv[3]); x < std::atoi(argv[5]); ++x)
                sum = (sum ^ Get_Surface_Pixel(&picture, x, y)) * 1099511628211ull;
        std::printf("%016llx\n", static_cast<unsigned long long>(sum));
        return 0;
    }
    // The columns of a band that hold anything but the colour of its left
    // edge, as "first last" runs; runs closer than GAP columns are one (the
    // titles of the menu bar, each a run of letters).
    if (command == "runs" && argc == 6) {
        DRAWING_SURFACE picture{};
        if (Read_Surface_PNG(argv[2], &picture) != 1) return 1;
        const int32_t top = std::atoi(argv[3]), bottom = std::atoi(argv[4]), gap = std::atoi(argv[5]);
        const uint32_t background = Get_Surface_Pixel(&picture, 0, top);
        int32_t first = -1, last = -1;
        for (int32_t x = 0; x < picture.Width; ++x) {
            bool ink = false;
            for (int32_t y = top; y < bottom && !ink; ++y)
                ink = Get_Surface_Pixel(&picture, x, y) != background;
            if (!ink) continue;
            if (first >= 0 && x - last > gap) {
                std::printf("%d %d\n", first, last);
                first = -1;
            }
            if (first < 0) first = x;
            last = x;
        }
        if (first >= 0) std::printf("%d %d\n", first, last);
        return 0;
    }
    Display* display = nullptr;
    if (command == "ready" && argc == 3) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(std::atof(argv[2]));
        while ((display = XOpenDisplay(nullptr)) == nullptr && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (display == nullptr) return 1;
        XCloseDisplay(display);
        return 0;
    }
    display = XOpenDisplay(nullptr);
    if (display == nullptr) return 1;
    XSetErrorHandler(Ignore_X_Error);
    int result = 0;
    std::string name;
    if (command == "wait" && argc == 4) {
        Window window = Wait_For_Window(display, argv[2], std::atof(argv[3]), &name);
        if (window != 0)
            std::printf("%s\n", name.c_str());
        else
            result = 1;
    } else if (command == "focus" && argc == 3) {
        Window window = Wait_For_Window(display, argv[2], 10.0, &name);
        if (window != 0) {
            XRaiseWindow(display, window);
            XSetInputFocus(display, window, RevertToParent, CurrentTime);
            XFlush(display);
        } else {
            result = 1;
        }
    } else if (command == "close" && argc == 3) {
        Window window = Wait_For_Window(display, argv[2], 10.0, &name);
        result = window != 0 ? Send_Close(display, window) : 1;
    } else if (command == "screenshot" && argc == 3) {
        result = Screenshot(display, argv[2]);
    } else {
        result = Usage();
    }
    XCloseDisplay(display);
    return result;
}
