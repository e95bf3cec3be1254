#include "app/image_loading.h"

#include <cstdio>
#include <jpeglib.h>

#include <algorithm>
#include <cctype>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <strings.h>

#include "app/builtin_pattern.h"
#include "app/diagnostics.h"
#include "app/main_window_dc.h"
#include "app/png_files.h"
#include "database/path_resolver.h"
#include "database/safe_strings.h"
#include "platform/drawing_objects.h"
#include "platform/pixel_blits.h"

namespace {
// Each channel three quarters of the way to RGB(102, 102, 153).
void Wash_Pixel(uint8_t* bgr) {
    bgr[0] = static_cast<uint8_t>(153 - (153 - bgr[0]) / 4);
    bgr[1] = static_cast<uint8_t>(102 - (102 - bgr[1]) / 4);
    bgr[2] = static_cast<uint8_t>(102 - (102 - bgr[2]) / 4);
}

void Fill_Image_Info(BITMAP_CACHE_ENTRY* entry, int32_t width, int32_t height, int32_t bits) {
    IMAGE_INFO_HEADER& header = entry->Info.Header;
    header = IMAGE_INFO_HEADER{};
    header.Size = 40;
    header.Width = width;
    header.Height = height;
    header.Planes = 1;
    header.Bits_Per_Pixel = static_cast<int16_t>(bits);
    header.X_Pixels_Per_Metre = 100;
    header.Y_Pixels_Per_Metre = 100;
}

// The bitmap made from a decoded bottom-up buffer; nullptr when it cannot be made.
DRAWING_SURFACE* Make_Bitmap(const uint8_t* pixels, int32_t width, int32_t height, int32_t bytes_per_pixel) {
    DRAWING_SURFACE* bitmap = Create_Bitmap(width, height);
    if (bitmap == nullptr) return nullptr;
    const PIXEL_SOURCE source{pixels, width, height, bytes_per_pixel, Padded_Row_Size(width, bytes_per_pixel),
                              true};
    if (Copy_Pixels_To_Bitmap(bitmap, source) != height) {
        Delete_Bitmap(bitmap);
        return nullptr;
    }
    return bitmap;
}

// ---- JPEG ----

struct JPEG_ERROR {
    jpeg_error_mgr Manager;
    jmp_buf Return_Point;
};

void Return_From_JPEG_Error(j_common_ptr info) {
    longjmp(reinterpret_cast<JPEG_ERROR*>(info->err)->Return_Point, 1);
}
// libjpeg's warnings and traces are not printed; an error returns to the
// reader above.
void Keep_JPEG_Message(j_common_ptr) {}

// The memory source of the built-in image: everything is offered at once.
void Start_Memory_Source(j_decompress_ptr) {}
boolean Fill_Memory_Source(j_decompress_ptr) {
    return FALSE; // no more data will come
}
void Skip_Memory_Source(j_decompress_ptr info, long count) {
    jpeg_source_mgr* source = info->src;
    if (count <= 0) return;
    if (static_cast<size_t>(count) <= source->bytes_in_buffer) {
        source->next_input_byte += count;
        source->bytes_in_buffer -= static_cast<size_t>(count);
    } else {
        source->next_input_byte += source->bytes_in_buffer;
        source->bytes_in_buffer = 0;
    }
}
void End_Memory_Source(j_decompress_ptr) {}

struct JPEG_LOAD {
    jpeg_decompress_struct Info;
    JPEG_ERROR Error;
    jpeg_source_mgr Memory;
    FILE* File;
    uint8_t* Pixels;
    JSAMPLE* Row;
    int32_t Width;
    int32_t Height;
};

// The libjpeg part, kept free of C++ objects because an error leaves it by a
// long jump; the caller releases what the load holds either way.
int Decode_JPEG(JPEG_LOAD* load, bool wash, const char* name) {
    jpeg_decompress_struct* info = &load->Info;
    info->err = jpeg_std_error(&load->Error.Manager);
    load->Error.Manager.error_exit = Return_From_JPEG_Error;
    load->Error.Manager.output_message = Keep_JPEG_Message;
    if (setjmp(load->Error.Return_Point) != 0) return 0;
    jpeg_create_decompress(info);
    if (load->File != nullptr) {
        jpeg_stdio_src(info, load->File);
    } else {
        load->Memory.next_input_byte = Builtin_Pattern_Image;
        load->Memory.bytes_in_buffer = Builtin_Pattern_Image_Size;
        load->Memory.init_source = Start_Memory_Source;
        load->Memory.fill_input_buffer = Fill_Memory_Source;
        load->Memory.skip_input_data = Skip_Memory_Source;
        load->Memory.resync_to_restart = jpeg_resync_to_restart;
        load->Memory.term_source = End_Memory_Source;
        info->src = &load->Memory;
    }
    jpeg_read_header(info, TRUE);
    info->scale_num = 1;
    info->scale_denom = 1;
    if (info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK)
        info->out_color_space = JCS_CMYK;
    jpeg_calc_output_dimensions(info);
    // Refused from the header, before a row is decoded: a few hundred bytes
    // can claim a picture of a gigabyte.
    if (info->output_width > static_cast<JDIMENSION>(MAX_PICTURE_SIDE) ||
        info->output_height > static_cast<JDIMENSION>(MAX_PICTURE_SIDE))
        return 0;
    jpeg_start_decompress(info);
    // Colour (3) and CMYK (4) rows only: a row of fewer components is shorter
    // than the three bytes a pixel is read from.
    const int components = info->output_components;
    if (components != 3 && components != 4) return 0;
    load->Width = static_cast<int32_t>(info->output_width);
    load->Height = static_cast<int32_t>(info->output_height);
    const int32_t stride = Padded_Row_Size(load->Width, 3);
    load->Pixels = Allocate_Pixel_Buffer(static_cast<size_t>(stride) * static_cast<size_t>(load->Height));
    if (load->Pixels == nullptr) return 0;
    const size_t row_size = static_cast<size_t>(load->Width) * static_cast<size_t>(components);
    load->Row = static_cast<JSAMPLE*>(malloc(row_size));
    if (load->Row == nullptr) {
        Report_System_Error("Unable to allocate %d bytes in Load_File_Into_Bitmap_Cache()",
                            static_cast<int>(row_size));
        return 0;
    }
    (void)name;
    while (info->output_scanline < info->output_height) {
        const int32_t r = static_cast<int32_t>(info->output_scanline);
        JSAMPROW row = load->Row;
        if (jpeg_read_scanlines(info, &row, 1) != 1) break;
        uint8_t* out = load->Pixels + static_cast<ptrdiff_t>(load->Height - 1 - r) * stride;
        for (int32_t x = 0; x < load->Width; ++x, out += 3) {
            const JSAMPLE* in = load->Row + static_cast<ptrdiff_t>(x) * components;
            if (components == 4) {
                out[2] = static_cast<uint8_t>(in[0] * in[3] / 255);
                out[1] = static_cast<uint8_t>(in[1] * in[3] / 255);
                out[0] = static_cast<uint8_t>(in[2] * in[3] / 255);
            } else {
                out[0] = in[2];
                out[1] = in[1];
                out[2] = in[0];
            }
            if (wash) Wash_Pixel(out);
        }
    }
    jpeg_finish_decompress(info);
    return 1;
}

int Load_JPEG(BITMAP_CACHE_ENTRY* entry, FILE* file, const char* flags, const char* name) {
    JPEG_LOAD load{};
    load.File = file;
    const int decoded = Decode_JPEG(&load, strchr(flags, 'X') != nullptr, name);
    jpeg_destroy_decompress(&load.Info);
    free(load.Row);
    if (file != nullptr) fclose(file);
    DRAWING_SURFACE* bitmap = decoded ? Make_Bitmap(load.Pixels, load.Width, load.Height, 3) : nullptr;
    if (bitmap == nullptr) {
        Free_Pixel_Buffer(load.Pixels);
        return 0;
    }
    Fill_Image_Info(entry, load.Width, load.Height, 24);
    entry->Bitmap = bitmap;
    if (strchr(flags, 'L') != nullptr)
        entry->Pixels = load.Pixels;
    else
        Free_Pixel_Buffer(load.Pixels);
    return 1;
}

// ---- PNG ----

int Load_PNG(BITMAP_CACHE_ENTRY* entry, const char* file, char* flags) {
    int32_t width = 0, height = 0, channels = 0;
    if (!Load_PNG_File(file, nullptr, &width, &height, &channels)) return 0;
    Fill_Image_Info(entry, width, height, channels * 8);
    if (strchr(flags, 'I') != nullptr) {
        entry->Width = width;
        entry->Height = height;
        return 2;
    }
    uint8_t* pixels = nullptr;
    if (!Load_PNG_File(file, &pixels, &width, &height, &channels)) return 0;
    if (channels == 4 && strlen(flags) + 1 < BITMAP_CACHE_FLAGS_SIZE) strcat(flags, "A");
    const bool section = strchr(flags, 'D') != nullptr;
    if (section || strchr(flags, 'O') == nullptr) {
        entry->Bitmap = Make_Bitmap(pixels, width, height, channels);
        if (entry->Bitmap == nullptr) {
            Free_Pixel_Buffer(pixels);
            return 0;
        }
    }
    if (section || strchr(flags, 'L') != nullptr)
        entry->Pixels = pixels;
    else
        Free_Pixel_Buffer(pixels);
    return 1;
}

// ---- BMP ----

uint32_t Read_Le32(const uint8_t* p) {
    return p[0] | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

int Load_BMP(BITMAP_CACHE_ENTRY* entry, FILE* file, const char* flags) {
    uint8_t header[14];
    int result = 0;
    uint8_t* data = nullptr;
    uint8_t* converted = nullptr;
    if (fread(header, 1, sizeof header, file) == sizeof header &&
        fread(&entry->Info, 1, sizeof entry->Info, file) == sizeof entry->Info) {
        const IMAGE_INFO_HEADER& info = entry->Info.Header;
        const int32_t bits = info.Bits_Per_Pixel;
        const int32_t width = info.Width, height = info.Height;
        if ((bits == 16 || bits == 24 || bits == 32) && width > 0 && height > 0 && width <= 2048 &&
            height <= 2048) {
            const int32_t stride = Padded_Row_Size(width, bits / 8);
            const size_t size = static_cast<size_t>(stride) * static_cast<size_t>(height);
            data = Allocate_Pixel_Buffer(size);
            if (data != nullptr && fseek(file, static_cast<long>(Read_Le32(header + 10)), SEEK_SET) == 0 &&
                fread(data, 1, size, file) == size) {
                const uint8_t* pixels = data;
                int32_t bytes = bits / 8;
                if (bits == 16) {
                    // 5-5-5 pixels widened to 8 bits a channel.
                    const int32_t wide = Padded_Row_Size(width, 3);
                    converted =
                        Allocate_Pixel_Buffer(static_cast<size_t>(wide) * static_cast<size_t>(height));
                    for (int32_t y = 0; converted != nullptr && y < height; ++y)
                        for (int32_t x = 0; x < width; ++x) {
                            const uint8_t* in = data + static_cast<ptrdiff_t>(y) * stride + 2 * x;
                            const uint32_t v = in[0] | (uint32_t{in[1]} << 8);
                            uint8_t* out = converted + static_cast<ptrdiff_t>(y) * wide + 3 * x;
                            out[0] = static_cast<uint8_t>((v & 31) * 255 / 31);
                            out[1] = static_cast<uint8_t>(((v >> 5) & 31) * 255 / 31);
                            out[2] = static_cast<uint8_t>(((v >> 10) & 31) * 255 / 31);
                        }
                    pixels = converted;
                    bytes = 3;
                }
                if (pixels != nullptr && strchr(flags, 'X') != nullptr) {
                    const int32_t row = Padded_Row_Size(width, bytes);
                    for (int32_t y = 0; y < height; ++y)
                        for (int32_t x = 0; x < width; ++x)
                            Wash_Pixel(const_cast<uint8_t*>(pixels) + static_cast<ptrdiff_t>(y) * row +
                                       bytes * x);
                }
                // A 32-bit BMP carries no alpha worth drawing with: show it opaque.
                if (pixels != nullptr && bytes == 4)
                    for (size_t i = 3; i < size; i += 4)
                        data[i] = 255;
                if (pixels != nullptr) entry->Bitmap = Make_Bitmap(pixels, width, height, bytes);
                result = entry->Bitmap != nullptr ? 1 : 0;
            }
        }
    }
    Free_Pixel_Buffer(converted);
    Free_Pixel_Buffer(data);
    fclose(file);
    return result;
}

// Flag B: the picture is stretched once to the back buffer's size.
void Stretch_To_Back_Buffer(BITMAP_CACHE_ENTRY* entry) {
    DRAWING_SURFACE* stretched = Create_Bitmap(Get_Back_Buffer_Width(), Get_Back_Buffer_Height());
    if (stretched == nullptr || entry->Bitmap == nullptr) {
        Delete_Bitmap(stretched);
        return;
    }
    DEVICE_CONTEXT target{};
    Attach_Device_Context(&target, stretched);
    Set_Stretch_Mode(&target, STRETCH_HALFTONE);
    Stretch_Pixels(&target, 0, 0, stretched->Width, stretched->Height, Surface_Pixel_Source(entry->Bitmap), 0,
                   0, entry->Bitmap->Width, entry->Bitmap->Height, RASTER_SOURCE_COPY);
    Delete_Bitmap(entry->Bitmap);
    entry->Bitmap = stretched;
    entry->Info.Header.Width = stretched->Width;
    entry->Info.Header.Height = stretched->Height;
}
} // namespace

int Load_File_Into_Bitmap_Cache(DEVICE_CONTEXT* dc, const char* name, BITMAP_CACHE_ENTRY* entry) {
    (void)dc;
    if (entry == nullptr || name == nullptr) return 0;
    if (Cache_Owns_Bitmaps) Delete_Bitmap(entry->Bitmap);
    entry->Bitmap = nullptr;
    Free_Pixel_Buffer(entry->Pixels);
    entry->Pixels = nullptr;
    if (!Cache_Owns_Bitmaps) return 0;

    char requested[256];
    safe_strncpy(requested, name, sizeof requested);
    char file[256];
    char flags[BITMAP_CACHE_FLAGS_SIZE] = "";
    safe_strncpy(file, requested, sizeof file);
    if (char* colon = strchr(file, ':'); colon != nullptr) {
        safe_strncpy(flags, colon + 1, sizeof flags);
        *colon = '\0';
    }
    for (char* c = file; *c != '\0'; ++c)
        *c = static_cast<char>(tolower(static_cast<unsigned char>(*c)));

    const bool builtin = strcasecmp(file, BUILTIN_PATTERN_NAME) == 0;
    FILE* source = builtin ? nullptr : Open_Resolved_File(file, "rb");
    int loaded = 0;
    if (builtin || source != nullptr) {
        if (builtin || Has_Extension(file, "jpg") || Has_Extension(file, "dat")) {
            loaded = Load_JPEG(entry, source, flags, file);
        } else if (Has_Extension(file, "png") || Has_Extension(file, "gz")) {
            fclose(source);
            loaded = Load_PNG(entry, file, flags);
        } else {
            loaded = Load_BMP(entry, source, flags);
        }
    }
    if (loaded == 2) return 1; // size only
    if (loaded == 0) {
        Clear_Bitmap_Cache_Entry(entry);
        return 0;
    }
    safe_strncpy(entry->Name, requested, BITMAP_CACHE_NAME_SIZE);
    safe_strncpy(entry->Flags, flags, BITMAP_CACHE_FLAGS_SIZE);
    entry->Width = entry->Info.Header.Width;
    entry->Height = entry->Info.Header.Height;
    if (Main_Window_Back_Buffer_Exists() && strchr(flags, 'B') != nullptr) {
        Stretch_To_Back_Buffer(entry);
        entry->Width = entry->Info.Header.Width;
        entry->Height = entry->Info.Header.Height;
    }
    return 1;
}
