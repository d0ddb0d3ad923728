#pragma once
// printf-style formatting into a std::string.
#include <string>

std::string Format(const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
