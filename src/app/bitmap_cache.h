#pragma once
// The image caches: fixed slots holding pictures loaded by name, with the
// flag letters that follow a ":" in the name, and least-recently-drawn
// eviction. Loading is image_loading.h; drawing a slot is image_drawing.h.
#include <cstddef>
#include <cstdint>

#include "platform/drawing_surface.h"

// The image description a slot keeps: a 40-byte header plus one colour entry.
struct IMAGE_INFO_HEADER {
    int32_t Size;
    int32_t Width;
    int32_t Height; // positive: rows stored bottom-up
    int16_t Planes;
    int16_t Bits_Per_Pixel;
    int32_t Compression;
    int32_t Image_Size;
    int32_t X_Pixels_Per_Metre;
    int32_t Y_Pixels_Per_Metre;
    int32_t Colours_Used;
    int32_t Colours_Important;
};
struct IMAGE_INFO {
    IMAGE_INFO_HEADER Header;
    uint32_t Colours[1];
};
static_assert(sizeof(IMAGE_INFO_HEADER) == 40);
static_assert(sizeof(IMAGE_INFO) == 44);

constexpr int BITMAP_CACHE_NAME_SIZE = 128;
constexpr int BITMAP_CACHE_FLAGS_SIZE = 64;

struct BITMAP_CACHE_ENTRY {
    int32_t Id;
    char Name[BITMAP_CACHE_NAME_SIZE]; // as requested, flags included; "" = free
    DRAWING_SURFACE* Bitmap;
    IMAGE_INFO Info;
    uint8_t* Pixels; // kept decoded rows (flags L or D), bottom-up, rows padded to 4 bytes
    int32_t Width;
    int32_t Height;
    uint32_t Stamp;
    char Flags[BITMAP_CACHE_FLAGS_SIZE];
};

constexpr int IMAGE_CACHE_SLOTS = 40;
constexpr int BACKGROUND_CACHE_SLOTS = 2;
constexpr int32_t IMAGE_CACHE_FIRST_ID = 2000;
constexpr int32_t BACKGROUND_CACHE_FIRST_ID = 3000;
constexpr int32_t WINDOW_BACKGROUND_ID = 4000;
constexpr int32_t PATTERN_SLOT_ID = 8001;

extern BITMAP_CACHE_ENTRY Image_Cache[IMAGE_CACHE_SLOTS];
extern BITMAP_CACHE_ENTRY Background_Cache[BACKGROUND_CACHE_SLOTS];
extern BITMAP_CACHE_ENTRY Window_Background_Entry;
// Set by Init_Image_Caches; until then every load is refused.
extern bool Cache_Owns_Bitmaps;
// Counts draws of cached entries; each draw stamps its entry.
extern uint32_t Cache_Use_Stamp;

void Init_Image_Caches();
// Empties every slot (bitmaps and kept pixels released), keeping the ids.
void Free_Image_Caches();
void Clear_Bitmap_Cache_Entry(BITMAP_CACHE_ENTRY* entry);
void Clear_Window_Background_Entry();
// The slot named `name` (ignoring case), else the last slot whose name
// starts with "!", else the least recently drawn slot, emptied.
BITMAP_CACHE_ENTRY* Find_Bitmap_Cache_Entry(BITMAP_CACHE_ENTRY* cache, int32_t count, const char* name);
// Looks in the window background, the backgrounds and the images; loads nothing.
BITMAP_CACHE_ENTRY* Find_Cached_Image(const char* name);

bool Has_Extension(const char* name, const char* extension);
bool Entry_Has_Pixels(const BITMAP_CACHE_ENTRY* entry);
bool Is_Bitmap_Cache_Entry_Empty(const BITMAP_CACHE_ENTRY* entry);
bool Entry_Has_Flag(const BITMAP_CACHE_ENTRY* entry, char letter);

// Decoded pixel buffers, counted so that tests can see every one released.
// nullptr when the size cannot be had.
uint8_t* Allocate_Pixel_Buffer(size_t size);
void Free_Pixel_Buffer(uint8_t* buffer);
int32_t Count_Live_Pixel_Buffers();
