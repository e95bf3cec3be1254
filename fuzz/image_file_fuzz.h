#pragma once
// What the picture loaders share as fuzz targets: the first input byte picks
// the flag letters, the rest is the file "fuzz.<extension>". A failed load
// leaves the slot empty; a loaded picture has a bitmap of the size the slot
// records (or only the size, for a size-only load), is drawn once with and
// without alpha, and every pixel buffer is given back when the slot is emptied.
#include <cstdint>
#include <cstring>
#include <string>

#include "app/bitmap_cache.h"
#include "app/image_drawing.h"
#include "app/image_loading.h"
#include "app/png_files.h"
#include "fuzz_support.h"
#include "platform/drawing_objects.h"
#include "platform/drawing_surface.h"

inline void Fuzz_Image_File(const char* extension, const uint8_t* data, size_t size) {
    if (size < 1) return;
    static bool started = false;
    if (!started) {
        Enter_Fuzz_Folder();
        Init_Image_Caches();
        started = true;
    }
    Reset_Fuzz_Messages();
    std::string flags;
    const char letters[] = {'L', 'X', 'I', 'D', 'O', 'A'};
    for (size_t bit = 0; bit < sizeof letters; ++bit)
        if (data[0] & (1u << bit)) flags += letters[bit];
    const std::string file = std::string("fuzz.") + extension;
    Write_Fuzz_File(file, data + 1, size - 1);

    const int32_t buffers = Count_Live_Pixel_Buffers();
    BITMAP_CACHE_ENTRY entry{};
    const std::string name = flags.empty() ? file : file + ":" + flags;
    if (Load_File_Into_Bitmap_Cache(nullptr, name.c_str(), &entry) == 0) {
        Fuzz_Check(entry.Bitmap == nullptr && entry.Pixels == nullptr, "a failed load kept a picture");
    } else {
        Fuzz_Check(entry.Width > 0 && entry.Height > 0 && entry.Width <= MAX_PICTURE_SIDE &&
                       entry.Height <= MAX_PICTURE_SIDE,
                   "a picture of no size or beyond the largest side shown");
        if (entry.Bitmap != nullptr) {
            Fuzz_Check(entry.Bitmap->Width == entry.Width && entry.Bitmap->Height == entry.Height,
                       "the bitmap and the slot differ in size");
            DRAWING_SURFACE* target = Create_Bitmap(48, 32);
            DEVICE_CONTEXT dc{};
            Attach_Device_Context(&dc, target);
            Draw_Cached_Bitmap(&dc, &entry, 255, 0, 0, -1, -1, 0, 0, -1, -1);
            Draw_Cached_Bitmap(&dc, &entry, 100, -5, 3, 60, 20, 1, 1, entry.Width, entry.Height);
            Delete_Bitmap(target);
        }
    }
    Clear_Bitmap_Cache_Entry(&entry);
    Fuzz_Check(Count_Live_Pixel_Buffers() == buffers, "a pixel buffer was not given back");
}
