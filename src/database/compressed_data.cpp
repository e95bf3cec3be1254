#include "database/compressed_data.h"

#include <cstring>
#include <memory>
#include <new>
#include <zlib.h>

#include "app/diagnostics.h"

namespace {
// Where the data comes from: `Size` bytes of memory, or an open file.
struct DATA_SOURCE {
    const uint8_t* Memory = nullptr;
    int32_t Size = 0;
    FILE* File = nullptr;
};

// Where the output goes: at most `Room` bytes of memory, or an open file.
struct DATA_SINK {
    uint8_t* Memory = nullptr;
    int32_t Room = 0;
    FILE* File = nullptr;
};

std::unique_ptr<uint8_t[]> Take_Work_Buffer(int32_t size) {
    std::unique_ptr<uint8_t[]> buffer(new (std::nothrow) uint8_t[static_cast<size_t>(size)]);
    if (!buffer) Report_System_Error("Unable to allocate %d bytes in Read_Compressed_Data_From_File()", size);
    return buffer;
}

// Ends the stream whichever way it was begun.
struct STREAM_GUARD {
    z_stream& Stream;
    bool Compressing;
    ~STREAM_GUARD() {
        if (Compressing)
            deflateEnd(&Stream);
        else
            inflateEnd(&Stream);
    }
};

// Hands `count` bytes of output to the sink after the `total` already given;
// false when they do not fit or cannot be written.
bool Give_Output(const DATA_SINK& sink, const uint8_t* bytes, int64_t total, int64_t count) {
    if (total + count > INT32_MAX) return false;
    if (sink.File != nullptr)
        return fwrite(bytes, 1, static_cast<size_t>(count), sink.File) == static_cast<size_t>(count);
    if (total + count > sink.Room) return false;
    if (count > 0) memcpy(sink.Memory + total, bytes, static_cast<size_t>(count));
    return true;
}

// Runs one stream from the source to the sink; the bytes produced, or -1.
int32_t Run_Stream(bool compressing, const DATA_SOURCE& source, const DATA_SINK& sink) {
    if ((source.File == nullptr && (source.Memory == nullptr || source.Size < 0)) ||
        (sink.File == nullptr && (sink.Memory == nullptr || sink.Room < 0)))
        return -1;
    std::unique_ptr<uint8_t[]> window = Take_Work_Buffer(COMPRESSION_WINDOW_SIZE);
    if (!window) return -1;
    std::unique_ptr<uint8_t[]> block;
    if (source.File != nullptr) {
        block = Take_Work_Buffer(COMPRESSED_READ_BLOCK_SIZE);
        if (!block) return -1;
    }
    z_stream stream{};
    const int begun = compressing ? deflateInit(&stream, COMPRESSION_LEVEL) : inflateInit(&stream);
    if (begun != Z_OK) return -1;
    STREAM_GUARD guard{stream, compressing};

    bool input_ended = source.File == nullptr;
    if (source.File == nullptr) {
        stream.next_in = const_cast<Bytef*>(source.Memory);
        stream.avail_in = static_cast<uInt>(source.Size);
    }
    int64_t total = 0;
    for (;;) {
        if (stream.avail_in == 0 && !input_ended) {
            const size_t read = fread(block.get(), 1, COMPRESSED_READ_BLOCK_SIZE, source.File);
            if (ferror(source.File)) return -1;
            input_ended = read < static_cast<size_t>(COMPRESSED_READ_BLOCK_SIZE);
            stream.next_in = block.get();
            stream.avail_in = static_cast<uInt>(read);
        }
        stream.next_out = window.get();
        stream.avail_out = COMPRESSION_WINDOW_SIZE;
        const int flush = input_ended ? Z_FINISH : Z_NO_FLUSH;
        const int status = compressing ? deflate(&stream, flush) : inflate(&stream, flush);
        const int64_t produced = COMPRESSION_WINDOW_SIZE - stream.avail_out;
        if (!Give_Output(sink, window.get(), total, produced)) return -1;
        total += produced;
        if (status == Z_STREAM_END) break;
        // Inflating on Z_FINISH says Z_BUF_ERROR while its window is full;
        // with input left to give and no output it is a stream cut short.
        if (status == Z_BUF_ERROR && produced == 0 && (input_ended || compressing)) return -1;
        if (status != Z_OK && status != Z_BUF_ERROR) return -1;
    }
    // What was read past the end of the stream is given back to the file.
    if (!compressing && source.File != nullptr && stream.avail_in > 0)
        fseek(source.File, -static_cast<long>(stream.avail_in), SEEK_CUR);
    return static_cast<int32_t>(total);
}

DATA_SOURCE Memory_Source(const void* memory, int32_t size) {
    return {static_cast<const uint8_t*>(memory), size, nullptr};
}
DATA_SOURCE File_Source(FILE* file) {
    return {nullptr, 0, file};
}
DATA_SINK Memory_Sink(void* memory, int32_t room) {
    return {static_cast<uint8_t*>(memory), room, nullptr};
}
DATA_SINK File_Sink(FILE* file) {
    return {nullptr, 0, file};
}
} // namespace

int32_t Compress_Memory_To_Memory(const void* source, int32_t size, void* destination, int32_t room) {
    return Run_Stream(true, Memory_Source(source, size), Memory_Sink(destination, room));
}

int32_t Decompress_Memory_To_Memory(const void* source, int32_t size, void* destination, int32_t room) {
    return Run_Stream(false, Memory_Source(source, size), Memory_Sink(destination, room));
}

int32_t Compress_Memory_To_File(const void* source, int32_t size, FILE* destination) {
    if (destination == nullptr) return -1;
    return Run_Stream(true, Memory_Source(source, size), File_Sink(destination));
}

int32_t Decompress_Memory_To_File(const void* source, int32_t size, FILE* destination) {
    if (destination == nullptr) return -1;
    return Run_Stream(false, Memory_Source(source, size), File_Sink(destination));
}

int32_t Compress_File_To_File(FILE* source, FILE* destination) {
    if (source == nullptr || destination == nullptr) return -1;
    return Run_Stream(true, File_Source(source), File_Sink(destination));
}

int32_t Decompress_File_To_File(FILE* source, FILE* destination) {
    if (source == nullptr || destination == nullptr) return -1;
    return Run_Stream(false, File_Source(source), File_Sink(destination));
}

int32_t Read_Compressed_Data_From_File(FILE* source, void* destination, int32_t room) {
    if (source == nullptr) return -1;
    return Run_Stream(false, File_Source(source), Memory_Sink(destination, room));
}
