#pragma once
// Text put together piece by piece in a caller's buffer, for the rows and
// labels the game writes at every snap: the same characters the formatted
// printers would write ("%d", "%02d", "%5s", "%-24s"), cut at the buffer's
// end as they cut, without parsing a format each time.
#include <cstdint>
#include <cstring>

class ROW_TEXT {
  public:
    ROW_TEXT(char* buffer, int32_t size) : text_(buffer), size_(size) {
        if (size_ > 0) text_[0] = '\0';
    }

    int32_t Length() const { return length_; }

    ROW_TEXT& Put(char c) {
        if (length_ + 1 < size_) {
            text_[length_++] = c;
            text_[length_] = '\0';
        }
        return *this;
    }

    ROW_TEXT& Put(const char* text) {
        if (text == nullptr) return *this;
        const int32_t room = size_ - 1 - length_;
        if (room <= 0) return *this;
        int32_t n = static_cast<int32_t>(strnlen(text, static_cast<size_t>(room)));
        std::memcpy(text_ + length_, text, static_cast<size_t>(n));
        length_ += n;
        text_[length_] = '\0';
        return *this;
    }

    // "%-*s" when left, "%*s" otherwise.
    ROW_TEXT& Put_Padded(const char* text, int32_t width, bool left) {
        const int32_t n = static_cast<int32_t>(std::strlen(text));
        if (left) Put(text);
        for (int32_t i = n; i < width; ++i)
            Put(' ');
        if (!left) Put(text);
        return *this;
    }

    // "%d", or "%*d" (fill ' ') and "%0*d" (fill '0') for a width.
    ROW_TEXT& Put_Number(int32_t value, int32_t width = 0, char fill = ' ') {
        char digits[16];
        int32_t n = 0;
        uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
        do {
            digits[n++] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        const int32_t length = n + (value < 0 ? 1 : 0);
        if (fill == '0' && value < 0) Put('-');
        for (int32_t i = length; i < width; ++i)
            Put(fill);
        if (fill != '0' && value < 0) Put('-');
        while (n > 0)
            Put(digits[--n]);
        return *this;
    }

    // The text with &, <, > and " written as HTML entities.
    ROW_TEXT& Put_Escaped(const char* text) {
        const char* p = text;
        while (*p != '\0') {
            const char* plain = p;
            while (*p != '\0' && *p != '&' && *p != '<' && *p != '>' && *p != '"')
                ++p;
            Put_Span(plain, static_cast<int32_t>(p - plain));
            switch (*p) {
            case '&':
                Put("&amp;");
                break;
            case '<':
                Put("&lt;");
                break;
            case '>':
                Put("&gt;");
                break;
            case '"':
                Put("&quot;");
                break;
            default:
                return *this;
            }
            ++p;
        }
        return *this;
    }

    // The format with each "%s" and "%d" replaced by the next argument (a
    // text or a whole number) and "%%" by '%': what the formatted printers
    // write for a format of no other conversions.
    template <typename... ARGS> ROW_TEXT& Put_Format(const char* format, ARGS... args) {
        Put_Format_From(format, args...);
        return *this;
    }

  private:
    // The first n characters of the text, cut at the buffer's end.
    void Put_Span(const char* text, int32_t n) {
        const int32_t room = size_ - 1 - length_;
        if (room <= 0 || n <= 0) return;
        if (n > room) n = room;
        std::memcpy(text_ + length_, text, static_cast<size_t>(n));
        length_ += n;
        text_[length_] = '\0';
    }

    void Put_Argument(const char* text) { Put(text); }
    void Put_Argument(int32_t value) { Put_Number(value); }

    // Copies the format up to its next conversion; false at its end.
    bool Put_Up_To_Conversion(const char*& format) {
        for (; *format != '\0'; ++format) {
            if (*format != '%') {
                Put(*format);
            } else if (format[1] == '%') {
                Put('%');
                ++format;
            } else if (format[1] == '\0') {
                ++format;
                return false;
            } else {
                format += 2; // past "%s" or "%d"
                return true;
            }
        }
        return false;
    }

    void Put_Format_From(const char* format) { Put_Up_To_Conversion(format); }

    template <typename FIRST, typename... REST>
    void Put_Format_From(const char* format, FIRST first, REST... rest) {
        if (!Put_Up_To_Conversion(format)) return;
        Put_Argument(first);
        Put_Format_From(format, rest...);
    }

    char* text_;
    int32_t size_;
    int32_t length_ = 0;
};
