// Lenient integer conversion for content text; blanks are space and the control characters
// tab to carriage return.
#include "content/text_int.h"
#include <climits>
#include <cstdint>

namespace {
int Digit_Value(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}
} // namespace

int Text_ToInt(const char* s, size_t n) {
    size_t i = 0;
    while (i < n && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    int base = 10;
    if (i < n && s[i] == '$')
        base = 16, ++i;
    else if (i < n && s[i] == '%')
        base = 2, ++i;
    int64_t value = 0;
    for (; i < n; ++i) {
        int d = Digit_Value(s[i], base);
        if (d < 0) break;
        value = value * base + d;
        if (value > int64_t(INT_MAX) + 1) value = int64_t(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    return int(value);
}
