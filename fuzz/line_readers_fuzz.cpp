// The text-file line readers and the field splitter over any bytes: the first
// input byte picks the buffer size, the rest is the file. Every line fits its
// buffer, holds no line end, and the readers stop at the end of the file.
#include <cstdio>
#include <cstring>
#include <vector>

#include "database/text_files.h"
#include "database/text_format.h"
#include "fuzz_support.h"

namespace {
void Check_Line(const char* line, int size) {
    const size_t length = strnlen(line, static_cast<size_t>(size));
    Fuzz_Check(length < static_cast<size_t>(size), "a line overran its buffer");
    Fuzz_Check(memchr(line, '\n', length) == nullptr, "a line kept its line end");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    Enter_Fuzz_Folder();
    Reset_Fuzz_Messages();
    const int buffer_size = 1 + data[0] % 64;
    ++data;
    --size;
    std::vector<char> line(static_cast<size_t>(buffer_size));
    std::vector<char> field(static_cast<size_t>(buffer_size));

    Write_Fuzz_File("lines.txt", data, size);
    FILE* file = fopen("lines.txt", "rb");
    if (file == nullptr) return 0;
    for (size_t lines = 0; lines <= size + 1; ++lines) {
        const int at_end = Read_Line(line.data(), file, buffer_size);
        Check_Line(line.data(), buffer_size);
        while (line[0] != '\0') {
            Get_Next_Field(field.data(), line.data(), ',', buffer_size);
            Check_Line(field.data(), buffer_size);
        }
        if (at_end) break;
        Fuzz_Check(lines < size + 1, "Read_Line never reached the end of the file");
    }
    rewind(file);
    for (size_t lines = 0; lines <= size + 1; ++lines) {
        const int at_end = Read_Line_Limit("fuzz.txt", line.data(), file, buffer_size);
        Check_Line(line.data(), buffer_size);
        if (at_end) break;
        Fuzz_Check(lines < size + 1, "Read_Line_Limit never reached the end of the file");
    }
    Fuzz_Check(Count_File_Characters(file) == static_cast<long>(size), "the characters were miscounted");
    fclose(file);

    size_t line_ends = 0;
    for (size_t n = 0; n < size; ++n)
        line_ends += data[n] == '\n';
    Fuzz_Check(Count_File_Lines("lines.txt") == static_cast<int>(line_ends) + 1, "the lines were miscounted");
    return 0;
}
