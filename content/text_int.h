// The integer conversion shared by the level and path file readers: optional leading blanks
// and sign, then decimal digits, "$" and hexadecimal digits, or "%" and binary digits.
// Reading stops at the first character that is not a digit of the base; no digits read 0.
#pragma once
#include <cstddef>

// Value of the text [s, s + n); saturates at the int range instead of overflowing.
int Text_ToInt(const char* s, size_t n);
