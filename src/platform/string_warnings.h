#pragma once
// Around a statement that puts text before a temporary std::string ("$" +
// std::string(digits)): GCC 12 at -O3 follows the insertion into a copy it
// believes may overlap and warns with -Wrestrict, though the string's own
// buffer never overlaps the literal (GCC bugs 105329 and 105651). Only that
// warning, only for the statement between the two marks; other compilers
// see nothing.
#if defined(__GNUC__) && !defined(__clang__)
#define STRING_PREPEND_WARNING_OFF                                                                           \
    _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wrestrict\"")
#define STRING_PREPEND_WARNING_ON _Pragma("GCC diagnostic pop")
#else
#define STRING_PREPEND_WARNING_OFF
#define STRING_PREPEND_WARNING_ON
#endif
