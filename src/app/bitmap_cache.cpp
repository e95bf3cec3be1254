#include "app/bitmap_cache.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <strings.h>

#include "platform/drawing_objects.h"

BITMAP_CACHE_ENTRY Image_Cache[IMAGE_CACHE_SLOTS];
BITMAP_CACHE_ENTRY Background_Cache[BACKGROUND_CACHE_SLOTS];
BITMAP_CACHE_ENTRY Window_Background_Entry;
bool Cache_Owns_Bitmaps = false;
// Starts at 1 so that a drawn slot is always newer than a never-drawn one.
uint32_t Cache_Use_Stamp = 1;

namespace {
int32_t Live_Pixel_Buffers = 0;

// Empties a slot and gives back what it holds: its bitmap (while the caches
// own their bitmaps) and the pixel buffer it kept.
void Empty_Slot(BITMAP_CACHE_ENTRY* entry) {
    const int32_t id = entry->Id;
    if (Cache_Owns_Bitmaps) Delete_Bitmap(entry->Bitmap);
    Free_Pixel_Buffer(entry->Pixels);
    memset(static_cast<void*>(entry), 0, sizeof *entry);
    entry->Id = id;
}
} // namespace

void Init_Image_Caches() {
    // Starting the caches again gives back what an earlier start filled them
    // with, rather than forgetting it.
    if (Cache_Owns_Bitmaps) Free_Image_Caches();
    memset(static_cast<void*>(&Window_Background_Entry), 0, sizeof Window_Background_Entry);
    memset(static_cast<void*>(Background_Cache), 0, sizeof Background_Cache);
    memset(static_cast<void*>(Image_Cache), 0, sizeof Image_Cache);
    Cache_Owns_Bitmaps = true;
    Free_Image_Caches();
}

void Free_Image_Caches() {
    for (int i = 0; i < IMAGE_CACHE_SLOTS; ++i) {
        Empty_Slot(&Image_Cache[i]);
        Image_Cache[i].Id = IMAGE_CACHE_FIRST_ID + i;
    }
    for (int i = 0; i < BACKGROUND_CACHE_SLOTS; ++i) {
        Empty_Slot(&Background_Cache[i]);
        Background_Cache[i].Id = BACKGROUND_CACHE_FIRST_ID + i;
    }
    Empty_Slot(&Window_Background_Entry);
    Window_Background_Entry.Id = WINDOW_BACKGROUND_ID;
}

void Clear_Bitmap_Cache_Entry(BITMAP_CACHE_ENTRY* entry) {
    if (entry != nullptr) Empty_Slot(entry);
}

void Clear_Window_Background_Entry() {
    Empty_Slot(&Window_Background_Entry);
}

BITMAP_CACHE_ENTRY* Find_Bitmap_Cache_Entry(BITMAP_CACHE_ENTRY* cache, int32_t count, const char* name) {
    if (cache == nullptr || count < 1) return nullptr;
    BITMAP_CACHE_ENTRY* oldest = &cache[0];
    BITMAP_CACHE_ENTRY* reserved = nullptr;
    for (int32_t i = 0; i < count; ++i) {
        BITMAP_CACHE_ENTRY* slot = &cache[i];
        if (name != nullptr && strcasecmp(slot->Name, name) == 0) return slot;
        if (slot->Stamp < oldest->Stamp) oldest = slot;
        if (slot->Name[0] == '!') reserved = slot;
    }
    if (reserved != nullptr) return reserved;
    Empty_Slot(oldest);
    return oldest;
}

BITMAP_CACHE_ENTRY* Find_Cached_Image(const char* name) {
    if (name == nullptr) return nullptr;
    if (strcasecmp(Window_Background_Entry.Name, name) == 0) return &Window_Background_Entry;
    for (BITMAP_CACHE_ENTRY& slot : Background_Cache)
        if (strcasecmp(slot.Name, name) == 0) return &slot;
    for (BITMAP_CACHE_ENTRY& slot : Image_Cache)
        if (strcasecmp(slot.Name, name) == 0) return &slot;
    return nullptr;
}

bool Has_Extension(const char* name, const char* extension) {
    if (name == nullptr || extension == nullptr) return false;
    const size_t n = strlen(name), e = strlen(extension);
    return n > e && name[n - e - 1] == '.' && strcasecmp(name + n - e, extension) == 0;
}

bool Entry_Has_Pixels(const BITMAP_CACHE_ENTRY* entry) {
    return entry != nullptr && entry->Name[0] != '\0' && entry->Pixels != nullptr;
}

bool Is_Bitmap_Cache_Entry_Empty(const BITMAP_CACHE_ENTRY* entry) {
    return entry == nullptr || entry->Name[0] == '\0' ||
           (entry->Bitmap == nullptr && entry->Pixels == nullptr);
}

bool Entry_Has_Flag(const BITMAP_CACHE_ENTRY* entry, char letter) {
    return entry != nullptr && strchr(entry->Flags, letter) != nullptr && letter != '\0';
}

uint8_t* Allocate_Pixel_Buffer(size_t size) {
    if (size == 0) return nullptr;
    auto* buffer = static_cast<uint8_t*>(calloc(size, 1));
    if (buffer != nullptr) ++Live_Pixel_Buffers;
    return buffer;
}

void Free_Pixel_Buffer(uint8_t* buffer) {
    if (buffer == nullptr) return;
    --Live_Pixel_Buffers;
    free(buffer);
}

int32_t Count_Live_Pixel_Buffers() {
    return Live_Pixel_Buffers;
}
