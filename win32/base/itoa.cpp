// _itoa as the C run-time library has it: any radix 2..36 in lowercase digits. Only radix 10
// writes a negative value with a minus sign; the others write its 32-bit two's complement.

#include <windows.h>

#include <cstdint>

char* _itoa(int value, char* buffer, int radix) {
    if (!buffer) return nullptr;
    if (radix < 2 || radix > 36) {
        buffer[0] = '\0';
        return buffer;
    }
    const bool negative = radix == 10 && value < 0;
    // Unsigned arithmetic: negating INT_MIN as an int would overflow.
    std::uint32_t magnitude = static_cast<std::uint32_t>(value);
    if (negative) magnitude = 0u - magnitude;
    char digits[33];  // 32 binary digits at most
    int count = 0;
    do {
        const std::uint32_t digit = magnitude % static_cast<std::uint32_t>(radix);
        digits[count++] = static_cast<char>(digit < 10 ? '0' + digit : 'a' + digit - 10);
        magnitude /= static_cast<std::uint32_t>(radix);
    } while (magnitude != 0);
    char* out = buffer;
    if (negative) *out++ = '-';
    while (count > 0)
        *out++ = digits[--count];
    *out = '\0';
    return buffer;
}
