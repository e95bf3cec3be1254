#include <gtest/gtest.h>

#include <cstring>

#include "app/diagnostics.h"
#include "app/image_drawing.h"
#include "app/png_files.h"
#include "image_test_files.h"
#include "platform/drawing_objects.h"
#include "support/debug_log.h"

namespace {
using Loading = Image_Folder_Test;

std::vector<uint8_t> Solid(int width, int height, uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
    std::vector<uint8_t> rgba(static_cast<size_t>(width * height) * 4);
    for (size_t i = 0; i < rgba.size(); i += 4) {
        rgba[i] = r;
        rgba[i + 1] = g;
        rgba[i + 2] = b;
        rgba[i + 3] = a;
    }
    return rgba;
}

// A picture with some detail, so damage hits real compressed data.
std::vector<uint8_t> Checked(int width, int height) {
    std::vector<uint8_t> rgba;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            rgba.insert(rgba.end(), {static_cast<uint8_t>(x * 8), static_cast<uint8_t>(y * 8),
                                     static_cast<uint8_t>((x ^ y) * 16), static_cast<uint8_t>(128 + x)});
    return rgba;
}
// The JPEG with the size its frame header declares changed, its data kept:
// a few hundred bytes that claim a picture of any size.
std::vector<uint8_t> Claim_JPEG_Size(std::vector<uint8_t> bytes, int width, int height) {
    for (size_t at = 2; at + 9 < bytes.size(); ++at)
        if (bytes[at] == 0xFF && (bytes[at + 1] == 0xC0 || bytes[at + 1] == 0xC2)) {
            bytes[at + 5] = static_cast<uint8_t>(height >> 8);
            bytes[at + 6] = static_cast<uint8_t>(height);
            bytes[at + 7] = static_cast<uint8_t>(width >> 8);
            bytes[at + 8] = static_cast<uint8_t>(width);
            return bytes;
        }
    ADD_FAILURE() << "no frame header";
    return bytes;
}
} // namespace

TEST_F(Loading, FourChannelPngsArePremultipliedUnlessCachedAndAlwaysGainA) {
    std::vector<uint8_t> rgba = {200, 100, 50, 128, 10, 20, 30, 255};
    Write_Test_PNG("two.png", 2, 1, rgba);
    BITMAP_CACHE_ENTRY entry{};
    ASSERT_EQ(Load_File_Into_Bitmap_Cache(nullptr, "two.png:L", &entry), 1);
    EXPECT_STREQ(entry.Flags, "LA");
    EXPECT_STREQ(entry.Name, "two.png:L");
    EXPECT_EQ(entry.Info.Header.Bits_Per_Pixel, 32);
    ASSERT_NE(entry.Pixels, nullptr);
    EXPECT_EQ(entry.Pixels[0], 50 * 128 / 255) << "blue first, premultiplied";
    EXPECT_EQ(entry.Pixels[1], 100 * 128 / 255);
    EXPECT_EQ(entry.Pixels[2], 200 * 128 / 255);
    EXPECT_EQ(entry.Pixels[3], 128);
    EXPECT_EQ(entry.Pixels[6], 10) << "an opaque pixel keeps its colour";
    ASSERT_NE(entry.Bitmap, nullptr);
    Clear_Bitmap_Cache_Entry(&entry);

    Write_Test_PNG("two.png-cached.png", 2, 1, rgba);
    ASSERT_EQ(Load_File_Into_Bitmap_Cache(nullptr, "two.png-cached.png:L", &entry), 1);
    EXPECT_EQ(entry.Pixels[0], 50) << "taken as already premultiplied";
    EXPECT_NE(strchr(entry.Flags, 'A'), nullptr);
    Clear_Bitmap_Cache_Entry(&entry);

    // 16-bit grey with a transparent grey value becomes 32-bit BGRA.
    Write_Test_PNG("grey16.png", 2, 2, Solid(2, 2, 0, 0, 0), PNG_COLOR_TYPE_GRAY, 16, true);
    ASSERT_EQ(Load_File_Into_Bitmap_Cache(nullptr, "grey16.png:L", &entry), 1);
    EXPECT_EQ(entry.Info.Header.Bits_Per_Pixel, 32);
    EXPECT_EQ(entry.Pixels[3], 0) << "the tRNS grey is transparent";
    EXPECT_NE(strchr(entry.Flags, 'A'), nullptr);
    Clear_Bitmap_Cache_Entry(&entry);
}

TEST_F(Loading, RowsArePaddedToFourBytesAndStoredBottomUpWithOrWithoutASection) {
    std::vector<uint8_t> rgba = Solid(3, 2, 1, 2, 3);
    rgba[0] = 9; // top-left red
    Write_Test_PNG("three.png", 3, 2, rgba, PNG_COLOR_TYPE_RGB);
    for (const char* name : {"three.png:L", "three.png:D"}) {
        BITMAP_CACHE_ENTRY entry{};
        ASSERT_EQ(Load_File_Into_Bitmap_Cache(nullptr, name, &entry), 1) << name;
        EXPECT_EQ(entry.Info.Header.Bits_Per_Pixel, 24);
        ASSERT_NE(entry.Pixels, nullptr) << name;
        EXPECT_EQ(entry.Pixels[12 + 2], 9) << name << ": the top row is stored second, 12 bytes in";
        EXPECT_EQ(entry.Pixels[2], 1);
        ASSERT_NE(entry.Bitmap, nullptr);
        EXPECT_EQ(Colour_Red(Pixel_To_Colour(entry.Bitmap->Pixels[0])), 9u) << "the bitmap is top row first";
        Clear_Bitmap_Cache_Entry(&entry);
    }
    int32_t width = 0, height = 0, channels = 0;
    EXPECT_EQ(Padded_Row_Size(3, 3), 12);
    ASSERT_EQ(Load_PNG_File("three.png", nullptr, &width, &height, &channels), 1);
    EXPECT_EQ(width * 10 + height, 32);
    EXPECT_EQ(channels, 3);

    BITMAP_CACHE_ENTRY entry{};
    ASSERT_EQ(Load_File_Into_Bitmap_Cache(nullptr, "three.png:I", &entry), 1);
    EXPECT_EQ(entry.Width, 3);
    EXPECT_EQ(entry.Bitmap, nullptr) << "size only";
    EXPECT_STREQ(entry.Name, "") << "the name is not stored";
    ASSERT_EQ(Load_File_Into_Bitmap_Cache(nullptr, "three.png:OL", &entry), 1);
    EXPECT_EQ(entry.Bitmap, nullptr);
    EXPECT_NE(entry.Pixels, nullptr);
    Clear_Bitmap_Cache_Entry(&entry);
}

TEST_F(Loading, JpegsLoadInColourOrCmykFromFilesAndMemoryButGreyscaleFailsQuietly) {
    Clear_Debug_Log();
    const uint8_t orange[3] = {250, 120, 10};
    Write_Bytes("orange.jpg", Make_Test_JPEG(8, 8, JCS_RGB, orange));
    BITMAP_CACHE_ENTRY entry{};
    ASSERT_EQ(Load_File_Into_Bitmap_Cache(nullptr, "ORANGE.JPG:L", &entry), 1)
        << "file names are taken lower-cased";
    EXPECT_EQ(entry.Info.Header.Bits_Per_Pixel, 24);
    EXPECT_NEAR(entry.Pixels[2], 250, 4);
    EXPECT_NEAR(entry.Pixels[0], 10, 4);
    ASSERT_EQ(Load_File_Into_Bitmap_Cache(nullptr, "orange.jpg:LX", &entry), 1);
    EXPECT_NEAR(entry.Pixels[2], 102 - (102 - 250) / 4, 2) << "washed toward RGB(102, 102, 153)";
    EXPECT_NEAR(entry.Pixels[0], 153 - (153 - 10) / 4, 2);

    const uint8_t ink[4] = {255, 128, 0, 255};
    Write_Bytes("cmyk.jpg", Make_Test_JPEG(8, 8, JCS_CMYK, ink));
    EXPECT_EQ(Load_File_Into_Bitmap_Cache(nullptr, "cmyk.jpg:L", &entry), 1);
    EXPECT_NEAR(entry.Pixels[2], 255, 4) << "R = C x K / 255";

    const uint8_t grey[1] = {90};
    Write_Bytes("grey.jpg", Make_Test_JPEG(8, 8, JCS_GRAYSCALE, grey));
    EXPECT_EQ(Load_File_Into_Bitmap_Cache(nullptr, "grey.jpg", &entry), 0);
    EXPECT_STREQ(entry.Name, "") << "a failed load leaves the slot empty";
    EXPECT_EQ(Count_Error_Lines(), 0) << "a greyscale JPEG fails without an error";
    const uint8_t two[2] = {90, 200};
    Write_Bytes("two.jpg", Make_Test_JPEG(8, 8, JCS_UNKNOWN, two, 2));
    EXPECT_EQ(Load_File_Into_Bitmap_Cache(nullptr, "two.jpg", &entry), 0)
        << "nor does one of two components, whose rows are shorter than colour rows";

    ASSERT_EQ(Load_File_Into_Bitmap_Cache(nullptr, "SportsKorvaLogoPattern.jpg", &entry), 1);
    EXPECT_EQ(entry.Width, 124);
    EXPECT_EQ(entry.Height, 87);
    Clear_Bitmap_Cache_Entry(&entry);
}

// No picture is shown larger than a screen: a file that claims a side beyond
// the largest is refused from its header, a PNG with the reader's error line
// and a JPEG silently (its slot empty, no line logged), as their other
// failures are; pictures of the largest side on either axis still load.
TEST_F(Loading, PicturesBeyondTheLargestSideShownAreRefusedFromTheirHeaders) {
    Clear_Debug_Log();
    const uint8_t colour[3] = {30, 160, 90};
    const std::vector<uint8_t> small = Make_Test_JPEG(8, 8, JCS_RGB, colour);
    struct CASE {
        const char* Name;
        int Width, Height;
    };
    for (const CASE& c : {CASE{"huge.jpg", 10752, 11095}, CASE{"wide.jpg", MAX_PICTURE_SIDE + 1, 8},
                          CASE{"tall.jpg", 8, MAX_PICTURE_SIDE + 1}}) {
        Write_Bytes(c.Name, Claim_JPEG_Size(small, c.Width, c.Height));
        BITMAP_CACHE_ENTRY entry{};
        EXPECT_EQ(Load_File_Into_Bitmap_Cache(nullptr, (std::string(c.Name) + ":L").c_str(), &entry), 0)
            << c.Name;
        EXPECT_EQ(entry.Pixels, nullptr);
        EXPECT_EQ(entry.Bitmap, nullptr);
    }
    EXPECT_EQ(Count_All_Debug_Lines(), 0) << "a JPEG fails without a line: " << Read_Debug_Log_Text();
    Write_Bytes("damaged_within.jpg", Claim_JPEG_Size(small, 64, 48));
    BITMAP_CACHE_ENTRY entry{};
    EXPECT_EQ(Load_File_Into_Bitmap_Cache(nullptr, "damaged_within.jpg", &entry), 1)
        << "a damaged JPEG within the bound still decodes as before";
    for (const CASE& c :
         {CASE{"widest.jpg", MAX_PICTURE_SIDE, 8}, CASE{"tallest.jpg", 8, MAX_PICTURE_SIDE}}) {
        Write_Bytes(c.Name, Make_Test_JPEG(c.Width, c.Height, JCS_RGB, colour));
        ASSERT_EQ(Load_File_Into_Bitmap_Cache(nullptr, c.Name, &entry), 1) << c.Name;
        EXPECT_EQ(entry.Width, c.Width);
        EXPECT_EQ(entry.Height, c.Height);
    }

    Write_Test_PNG("wide.png", MAX_PICTURE_SIDE + 1, 1, Solid(MAX_PICTURE_SIDE + 1, 1, 1, 2, 3));
    Write_Test_PNG("tall.png", 1, MAX_PICTURE_SIDE + 1, Solid(1, MAX_PICTURE_SIDE + 1, 1, 2, 3));
    EXPECT_EQ(Load_File_Into_Bitmap_Cache(nullptr, "wide.png:I", &entry), 0) << "not even its size is taken";
    EXPECT_EQ(Load_File_Into_Bitmap_Cache(nullptr, "tall.png", &entry), 0);
    EXPECT_EQ(Count_Debug_Lines("Unable to show a picture of 4097 x 1 pixels in Load_PNG_File(wide.png)"), 1);
    EXPECT_EQ(Count_Debug_Lines("Unable to show a picture of 1 x 4097 pixels in Load_PNG_File(tall.png)"), 1);
    EXPECT_EQ(Count_Error_Lines(), 2);
    Write_Test_PNG("widest.png", MAX_PICTURE_SIDE, 1, Solid(MAX_PICTURE_SIDE, 1, 1, 2, 3));
    EXPECT_EQ(Load_File_Into_Bitmap_Cache(nullptr, "widest.png", &entry), 1);
    EXPECT_EQ(entry.Width, MAX_PICTURE_SIDE);
    Clear_Bitmap_Cache_Entry(&entry);
}

TEST_F(Loading, BmpsOfSixteenBitsOrMoreUpTo2048PixelsLoad) {
    BITMAP_CACHE_ENTRY entry{};
    Write_Bytes("ok.bmp", Make_Test_BMP(5, 3, 24, 10, 20, 30));
    ASSERT_EQ(Load_File_Into_Bitmap_Cache(nullptr, "ok.bmp:L", &entry), 1);
    EXPECT_EQ(entry.Pixels, nullptr) << "BMP pixels are never kept";
    EXPECT_EQ(Pixel_To_Colour(entry.Bitmap->Pixels[0]), Make_Colour(30, 20, 10));
    Write_Bytes("wide.bmp", Make_Test_BMP(2049, 1, 24, 0, 0, 0));
    EXPECT_EQ(Load_File_Into_Bitmap_Cache(nullptr, "wide.bmp", &entry), 0);
    Write_Bytes("eight.bmp", Make_Test_BMP(4, 4, 8, 0, 0, 0));
    EXPECT_EQ(Load_File_Into_Bitmap_Cache(nullptr, "eight.bmp", &entry), 0);
    std::vector<uint8_t> shortened = Make_Test_BMP(5, 3, 32, 1, 2, 3);
    shortened.resize(shortened.size() - 1);
    Write_Bytes("short.bmp", shortened);
    EXPECT_EQ(Load_File_Into_Bitmap_Cache(nullptr, "short.bmp", &entry), 0) << "a short read fails";
    EXPECT_EQ(entry.Bitmap, nullptr);
}

TEST_F(Loading, DamagedPngsAndJpegsNeverCrashAndLeaveNothingBehind) {
    Write_Test_PNG("good.png", 16, 16, Checked(16, 16));
    const uint8_t colour[3] = {30, 160, 90};
    Write_Bytes("good.jpg", Make_Test_JPEG(16, 16, JCS_RGB, colour));
    const int32_t bitmaps = Count_Live_Bitmaps();
    for (const char* original : {"good.png", "good.jpg"}) {
        const std::vector<uint8_t> bytes = Read_Bytes(original);
        ASSERT_GT(bytes.size(), 100u);
        const std::string damaged = std::string("damaged.") + (strstr(original, "png") ? "png" : "jpg");
        int loaded = 0, refused = 0;
        for (size_t cut = 0; cut < bytes.size(); ++cut) {
            Write_Bytes(damaged,
                        std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(cut)));
            BITMAP_CACHE_ENTRY entry{};
            (Load_File_Into_Bitmap_Cache(nullptr, (damaged + ":L").c_str(), &entry) ? loaded : refused)++;
            if (entry.Name[0] == '\0') {
                EXPECT_EQ(entry.Bitmap, nullptr);
            }
            Clear_Bitmap_Cache_Entry(&entry);
        }
        for (size_t at = 0; at < bytes.size(); ++at)
            for (uint8_t flip : {0x01, 0x10, 0x80, 0xFF}) {
                std::vector<uint8_t> copy = bytes;
                copy[at] ^= flip;
                Write_Bytes(damaged, copy);
                BITMAP_CACHE_ENTRY entry{};
                (Load_File_Into_Bitmap_Cache(nullptr, (damaged + ":L").c_str(), &entry) ? loaded : refused)++;
                Clear_Bitmap_Cache_Entry(&entry);
            }
        EXPECT_GT(refused, 0) << original;
        if (damaged.find("jpg") != std::string::npos) {
            EXPECT_GT(loaded, 0) << "a JPEG decodes through some damage";
        }
    }
    EXPECT_EQ(Count_Live_Bitmaps(), bitmaps) << "no bitmap outlives its slot";
}

TEST_F(Loading, AnUnreadableImageDrawsNothingAndOnlyTheReadersErrorIsLogged) {
    Clear_Debug_Log();
    ASSERT_EQ(Create_Main_Window_Back_Buffer(64, 64), 1);
    DEVICE_CONTEXT* dc = Acquire_Main_Window_DC();
    Fill_Surface_Area(dc, {0, 0, 64, 64}, Make_Colour(1, 2, 3));
    EXPECT_EQ(Draw_Cached_Image(dc, "missing\\picture.png", 0, 0, -1, -1), 0);
    EXPECT_EQ(Draw_Cached_Image(dc, "missing\\picture.png", 0, 0, -1, -1), 0);
    Write_Bytes("broken.png", {1, 2, 3});
    EXPECT_EQ(Draw_Cached_Image(dc, "broken.png", 0, 0, -1, -1), 0);
    Release_Main_Window_DC();
    EXPECT_EQ(Count_All_Debug_Lines(), 1) << "a missing file fails silently: " << Read_Debug_Log_Text();
    EXPECT_EQ(Pixel_To_Colour(Get_Surface_Pixel(Get_Back_Buffer_Surface(), 5, 5)), Make_Colour(1, 2, 3));
    EXPECT_EQ(Count_Error_Lines(), 1) << "only the short PNG's signature is an error";
}

TEST_F(Loading, TheLeastRecentlyDrawnSlotIsEvictedAndReservedSlotsGoFirst) {
    ASSERT_EQ(Create_Main_Window_Back_Buffer(64, 64), 1);
    DEVICE_CONTEXT* dc = Acquire_Main_Window_DC();
    char name[32];
    for (int i = 0; i <= IMAGE_CACHE_SLOTS; ++i) {
        snprintf(name, sizeof name, "i%02d.png", i);
        Write_Test_PNG(name, 1, 1, Solid(1, 1, 10, 20, 30));
    }
    // Never drawn: equal stamps, the lowest slot goes.
    BITMAP_CACHE_ENTRY* first = Find_Bitmap_Cache_Entry(Image_Cache, IMAGE_CACHE_SLOTS, "i00.png:L");
    EXPECT_EQ(first->Id, IMAGE_CACHE_FIRST_ID);
    for (int i = 0; i < IMAGE_CACHE_SLOTS; ++i) {
        snprintf(name, sizeof name, "i%02d.png:L", i);
        ASSERT_EQ(Draw_Cached_Image(dc, name, 0, 0, -1, -1), 1) << name;
    }
    Draw_Cached_Image(dc, "i00.png:L", 0, 0, -1, -1); // slot 0 is now the newest
    BITMAP_CACHE_ENTRY* evicted = Find_Bitmap_Cache_Entry(Image_Cache, IMAGE_CACHE_SLOTS, "i40.png:L");
    EXPECT_EQ(evicted->Id, IMAGE_CACHE_FIRST_ID + 1) << "the least recently drawn slot";
    EXPECT_STREQ(evicted->Name, "") << "emptied for the newcomer";
    EXPECT_EQ(Find_Cached_Image("i01.png:L"), nullptr);
    EXPECT_NE(Find_Cached_Image("I00.PNG:L"), nullptr) << "names compare ignoring case";

    // A plain and an H name of one file take two slots.
    Draw_Cached_Image(dc, "i05.png", 0, 0, -1, -1);
    Draw_Cached_Image(dc, "i05.png:H", 0, 0, -1, -1);
    EXPECT_NE(Find_Cached_Image("i05.png"), Find_Cached_Image("i05.png:H"));

    strcpy(Image_Cache[7].Name, "!reserved");
    EXPECT_EQ(Find_Bitmap_Cache_Entry(Image_Cache, IMAGE_CACHE_SLOTS, "new.png")->Id,
              IMAGE_CACHE_FIRST_ID + 7);
    Release_Main_Window_DC();

    const int32_t bitmaps = Count_Live_Bitmaps();
    EXPECT_GT(bitmaps, 0);
    EXPECT_GT(Count_Live_Pixel_Buffers(), 0) << "the L images keep theirs";
    Init_Image_Caches();
    EXPECT_EQ(Count_Live_Bitmaps(), 0) << "starting the caches again gives back what they held";
    EXPECT_EQ(Count_Live_Pixel_Buffers(), 0);
    EXPECT_EQ(Image_Cache[7].Id, IMAGE_CACHE_FIRST_ID + 7);

    DEVICE_CONTEXT* again = Acquire_Main_Window_DC();
    ASSERT_EQ(Draw_Cached_Image(again, "i03.png:L", 0, 0, -1, -1), 1);
    Release_Main_Window_DC();
    Free_Image_Caches();
    EXPECT_EQ(Count_Live_Bitmaps(), 0) << "freeing the caches deletes every bitmap";
    EXPECT_EQ(Count_Live_Pixel_Buffers(), 0);
}

TEST_F(Loading, LoadsAreRefusedBeforeTheCachesStartAndBackgroundsStretchToTheBackBuffer) {
    Write_Test_PNG("bg.png", 4, 2, Solid(4, 2, 200, 0, 0));
    BITMAP_CACHE_ENTRY entry{};
    Cache_Owns_Bitmaps = false;
    EXPECT_EQ(Load_File_Into_Bitmap_Cache(nullptr, "bg.png", &entry), 0);
    Cache_Owns_Bitmaps = true;
    ASSERT_EQ(Load_File_Into_Bitmap_Cache(nullptr, "bg.png:B", &entry), 1);
    EXPECT_EQ(entry.Width, 4) << "no main window yet: not stretched";
    ASSERT_EQ(Create_Main_Window_Back_Buffer(100, 50), 1);
    ASSERT_EQ(Load_File_Into_Bitmap_Cache(nullptr, "bg.png:B", &entry), 1);
    EXPECT_EQ(entry.Width, 100);
    EXPECT_EQ(entry.Height, 50);
    EXPECT_EQ(entry.Bitmap->Width, 100);
    Clear_Bitmap_Cache_Entry(&entry);
}
