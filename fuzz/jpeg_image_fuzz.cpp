// JPEG pictures through the game's picture loader (see image_file_fuzz.h).
#include "image_file_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Fuzz_Image_File("jpg", data, size);
    return 0;
}
