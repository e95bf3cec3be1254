#pragma once
// Text put together piece by piece in a caller's buffer, for the rows and
// labels the game writes at every snap: the same characters the formatted
// printers would write ("%d", "%02d", "%5s", "%-24s"), cut at the buffer's
// end as they cut, without parsing a format each time.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

// "%-*s" when left, "%*s" otherwise, into any text with Put(char) and
// Put(const char*).
template <typename TEXT> void Put_Padded_Text(TEXT& out, const char* text, int32_t width, bool left) {
    if (width <= 0) {
        out.Put(text);
        return;
    }
    const int32_t n = static_cast<int32_t>(std::strlen(text));
    if (left) out.Put(text);
    if constexpr (requires { out.Put_Repeated(' ', width); }) {
        if (n < width) out.Put_Repeated(' ', width - n);
    } else {
        for (int32_t i = n; i < width; ++i)
            out.Put(' ');
    }
    if (!left) out.Put(text);
}

template <typename TEXT> void Put_Any_Padded_Number(TEXT& out, int32_t value, int32_t width, char fill);

// "%d", or "%*d" (fill ' ') and "%0*d" (fill '0') for a width.
template <typename TEXT> inline void Put_Padded_Number(TEXT& out, int32_t value, int32_t width, char fill) {
    // Most numbers of a row (yards, seconds, downs) have one or two digits.
    if (static_cast<uint32_t>(value) < 100 && width <= 2) {
        if (value >= 10) {
            out.Put(static_cast<char>('0' + value / 10));
        } else if (width == 2) {
            out.Put(fill);
        }
        out.Put(static_cast<char>('0' + value % 10));
        return;
    }
    Put_Any_Padded_Number(out, value, width, fill);
}

template <typename TEXT> void Put_Any_Padded_Number(TEXT& out, int32_t value, int32_t width, char fill) {
    char digits[16];
    int32_t n = 0;
    uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    do {
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    const int32_t length = n + (value < 0 ? 1 : 0);
    if (fill == '0' && value < 0) out.Put('-');
    for (int32_t i = length; i < width; ++i)
        out.Put(fill);
    if (fill != '0' && value < 0) out.Put('-');
    while (n > 0)
        out.Put(digits[--n]);
}

// One conversion of a format: "%s" or "%d" with an optional '-' or '0' flag
// and a width.
struct FORMAT_CONVERSION {
    bool Left = false;
    char Fill = ' ';
    int32_t Width = 0;
};

// Copies the format up to its next conversion, reading it; false at the end.
template <typename TEXT>
bool Put_Up_To_Conversion(TEXT& out, const char*& format, FORMAT_CONVERSION& conversion) {
    for (; *format != '\0'; ++format) {
        if (*format != '%') {
            // The plain run up to the next '%' or the end goes in at once.
            const char* plain = format;
            const char* end = strchrnul(format + 1, '%');
            out.Put(plain, static_cast<size_t>(end - plain));
            format = end - 1;
            continue;
        }
        if (format[1] == '%') {
            out.Put('%');
            ++format;
            continue;
        }
        conversion = FORMAT_CONVERSION{};
        ++format;
        for (;; ++format) {
            if (*format == '-')
                conversion.Left = true;
            else if (*format == '0')
                conversion.Fill = '0';
            else
                break;
        }
        while (*format >= '0' && *format <= '9')
            conversion.Width = 10 * conversion.Width + (*format++ - '0');
        if (*format == '\0') return false;
        ++format; // past 's' or 'd'
        return true;
    }
    return false;
}

template <typename TEXT> void Put_Argument(TEXT& out, const FORMAT_CONVERSION& conversion, const char* text) {
    Put_Padded_Text(out, text, conversion.Width, conversion.Left);
}
template <typename TEXT> void Put_Argument(TEXT& out, const FORMAT_CONVERSION& conversion, int32_t value) {
    if (!conversion.Left) {
        Put_Padded_Number(out, value, conversion.Width, conversion.Fill);
        return;
    }
    struct DIGITS {
        char Text[16];
        int32_t Length = 0;
        void Put(char c) { Text[Length++] = c; }
    } digits;
    Put_Padded_Number(digits, value, 0, ' ');
    digits.Text[digits.Length] = '\0';
    Put_Padded_Text(out, digits.Text, conversion.Width, true);
}

template <typename TEXT> void Put_Formatted(TEXT& out, const char* format) {
    FORMAT_CONVERSION conversion;
    Put_Up_To_Conversion(out, format, conversion);
}

// The format with each "%s" and "%d" (with '-' or '0' and a width, as in
// "%-24s" or "%02d") replaced by the next argument, a text or a whole
// number, and "%%" by '%': what the formatted printers write for a format of
// no other conversions.
template <typename TEXT, typename FIRST, typename... REST>
void Put_Formatted(TEXT& out, const char* format, FIRST first, REST... rest) {
    FORMAT_CONVERSION conversion;
    if (!Put_Up_To_Conversion(out, format, conversion)) return;
    Put_Argument(out, conversion, first);
    Put_Formatted(out, format, rest...);
}

// A format known when the program is built whose only conversions are "%s"
// and "%d" (no flags, no width), and "%%" for '%': the compiler finds its
// plain runs and conversions, so putting it together reads nothing of it at
// run time.
template <size_t N> struct BUILT_FORMAT {
    // The plain text, "%%" as '%', without the conversions.
    char Text[N]{};
    size_t Length = 0;
    // The conversions in order: where each goes in the plain text, 's' or 'd'.
    size_t Count = 0;
    size_t At[N]{};
    char Kinds[N]{};

    consteval BUILT_FORMAT(const char (&text)[N]) {
        for (size_t i = 0; i + 1 < N; ++i) {
            if (text[i] != '%') {
                Text[Length++] = text[i];
                continue;
            }
            const char next = text[++i];
            if (next == '%') {
                Text[Length++] = '%';
            } else if (next == 's' || next == 'd') {
                At[Count] = Length;
                Kinds[Count++] = next;
            } else {
                throw "a built format takes only %s, %d and %%";
            }
        }
    }
    // Where the plain run before conversion k starts and ends; the run after
    // the last conversion ends with the text.
    consteval size_t Run(size_t k) const { return k == 0 ? 0 : At[k - 1]; }
    consteval size_t Place(size_t k) const { return k < Count ? At[k] : Length; }
    consteval char Kind(size_t k) const { return Kinds[k]; }
};

template <BUILT_FORMAT F, size_t K, typename TEXT> void Put_Built_Argument(TEXT& out, const char* text) {
    static_assert(F.Kind(K) == 's', "a text goes in a %s");
    Put_Padded_Text(out, text, 0, false);
}
template <BUILT_FORMAT F, size_t K, typename TEXT> void Put_Built_Argument(TEXT& out, int32_t value) {
    static_assert(F.Kind(K) == 'd', "a whole number goes in a %d");
    Put_Padded_Number(out, value, 0, ' ');
}

// The plain run before conversion K of the format.
template <BUILT_FORMAT F, size_t K> struct BUILT_RUN {
    static constexpr size_t Start = F.Run(K);
    static constexpr size_t Length = F.Place(K) - Start;
};

template <BUILT_FORMAT F, typename TEXT, size_t... K, typename... ARGS>
void Put_Built_Runs(TEXT& out, std::index_sequence<K...>, ARGS... args) {
    ((out.Put(F.Text + BUILT_RUN<F, K>::Start, BUILT_RUN<F, K>::Length), Put_Built_Argument<F, K>(out, args)),
     ...);
}

// The same characters Put_Formatted writes for the format and arguments.
template <BUILT_FORMAT F, typename TEXT, typename... ARGS> void Put_Built_Format(TEXT& out, ARGS... args) {
    static_assert(F.Count == sizeof...(ARGS), "one argument for each conversion");
    Put_Built_Runs<F>(out, std::index_sequence_for<ARGS...>{}, args...);
    using TAIL = BUILT_RUN<F, sizeof...(ARGS)>;
    out.Put(F.Text + TAIL::Start, TAIL::Length);
}

// Text appended to a string.
struct STRING_TEXT {
    std::string& Text;

    void Put(char c) { Text.push_back(c); }
    void Put(const char* text) { Text.append(text); }
    void Put(const char* text, size_t n) { Text.append(text, n); }
};

// The format with its arguments appended to the string (see Put_Built_Format).
template <BUILT_FORMAT FORMAT, typename... ARGS> void Append_Built_Format(std::string& out, ARGS... args) {
    STRING_TEXT text{out};
    Put_Built_Format<FORMAT>(text, args...);
}

// Text written into a buffer already known to hold all of it and its NUL:
// nothing to cut, so nothing is checked as it goes. End() writes the NUL.
struct SIZED_TEXT {
    char* At;

    SIZED_TEXT& Put(char c) {
        *At++ = c;
        return *this;
    }
    SIZED_TEXT& Put(const char* text) { return Put(text, std::strlen(text)); }
    SIZED_TEXT& Put(const char* text, size_t n) {
        std::memcpy(At, text, n);
        At += n;
        return *this;
    }
    template <size_t N> SIZED_TEXT& Put_Literal(const char (&text)[N]) { return Put(text, N - 1); }
    SIZED_TEXT& Put_Repeated(char c, int32_t n) {
        std::memset(At, c, static_cast<size_t>(n));
        At += n;
        return *this;
    }
    SIZED_TEXT& Put_Padded(const char* text, int32_t width, bool left);
    SIZED_TEXT& Put_Escaped(const char* text);
    void End() { *At = '\0'; }
};

// The text with &, <, > and " written as HTML entities, into any text with
// Put(const char*, size_t).
template <typename TEXT> void Put_Escaped_Text(TEXT& out, const char* text) {
    const char* p = text;
    while (*p != '\0') {
        const char* plain = p;
        p += std::strcspn(p, "&<>\"");
        out.Put(plain, static_cast<size_t>(p - plain));
        switch (*p) {
        case '&':
            out.Put("&amp;", 5);
            break;
        case '<':
            out.Put("&lt;", 4);
            break;
        case '>':
            out.Put("&gt;", 4);
            break;
        case '"':
            out.Put("&quot;", 6);
            break;
        default:
            return;
        }
        ++p;
    }
}

// The most characters an escaped character becomes ("&quot;").
constexpr size_t MAX_ESCAPED_CHARACTER = 6;

inline SIZED_TEXT& SIZED_TEXT::Put_Padded(const char* text, int32_t width, bool left) {
    Put_Padded_Text(*this, text, width, left);
    return *this;
}

inline SIZED_TEXT& SIZED_TEXT::Put_Escaped(const char* text) {
    Put_Escaped_Text(*this, text);
    return *this;
}

// The most characters Put_Padded_Number writes for a width up to 11: a sign
// and ten digits.
constexpr int32_t MAX_NUMBER_TEXT = 11;

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

    // The first n characters of the text.
    ROW_TEXT& Put(const char* text, size_t n) {
        const int32_t room = size_ - 1 - length_;
        if (room <= 0 || n == 0) return *this;
        const int32_t count = n > static_cast<size_t>(room) ? room : static_cast<int32_t>(n);
        std::memcpy(text_ + length_, text, static_cast<size_t>(count));
        length_ += count;
        text_[length_] = '\0';
        return *this;
    }

    // A text known when the program is built, all of it.
    template <size_t N> ROW_TEXT& Put_Literal(const char (&text)[N]) { return Put(text, N - 1); }

    // The character n times over.
    ROW_TEXT& Put_Repeated(char c, int32_t n) {
        const int32_t room = size_ - 1 - length_;
        const int32_t count = n < room ? n : room;
        if (count <= 0) return *this;
        std::memset(text_ + length_, c, static_cast<size_t>(count));
        length_ += count;
        text_[length_] = '\0';
        return *this;
    }

    // "%-*s" when left, "%*s" otherwise.
    ROW_TEXT& Put_Padded(const char* text, int32_t width, bool left) {
        Put_Padded_Text(*this, text, width, left);
        return *this;
    }

    // "%d", or "%*d" (fill ' ') and "%0*d" (fill '0') for a width.
    ROW_TEXT& Put_Number(int32_t value, int32_t width = 0, char fill = ' ') {
        Put_Padded_Number(*this, value, width, fill);
        return *this;
    }

    // The text with &, <, > and " written as HTML entities.
    ROW_TEXT& Put_Escaped(const char* text) {
        Put_Escaped_Text(*this, text);
        return *this;
    }

    // The format with its conversions replaced by the arguments (see
    // Put_Formatted).
    template <typename... ARGS> ROW_TEXT& Put_Format(const char* format, ARGS... args) {
        Put_Formatted(*this, format, args...);
        return *this;
    }

  private:
    char* text_;
    int32_t size_;
    int32_t length_ = 0;
};
