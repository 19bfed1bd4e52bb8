#include "maldi/experiments/MaldiListLine.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace MaldiListLine {

namespace {

// Powers of ten a double holds exactly.
constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxExactPower = 22;
constexpr std::uint64_t kMaxExactInteger = std::uint64_t{1} << 53;

bool IsDigit(char c) { return static_cast<unsigned char>(c - '0') <= 9; }

enum class Got { Value, NoValue, Unusual };

// A plain decimal ([+-]digits[.digits], at least one digit) whose value one correctly rounded
// operation gives: at most 19 significant digits, mantissa within 2^53, scale within 10^22.
// Anything else (exponents, hex, inf, nan, blanks, long mantissas) is Unusual and left to strtod's
// rules through the reference.
Got PlainDouble(const char*& p, double& out)
{
    const char* s = p;
    const bool negative = *s == '-';
    if (*s == '-' || *s == '+')
        ++s;
    std::uint64_t mantissa = 0;
    int significant = 0;
    int digits = 0;
    int scale = 0;
    for (; IsDigit(*s); ++s, ++digits) {
        if (mantissa == 0 && *s == '0')
            continue;
        if (++significant > 19)
            return Got::Unusual;
        mantissa = mantissa * 10 + static_cast<unsigned>(*s - '0');
    }
    if (*s == '.') {
        ++s;
        for (; IsDigit(*s); ++s, ++digits) {
            --scale;
            if (mantissa == 0 && *s == '0')
                continue;
            if (++significant > 19)
                return Got::Unusual;
            mantissa = mantissa * 10 + static_cast<unsigned>(*s - '0');
        }
    }
    if (digits == 0)
        return Got::Unusual;
    // What may follow a number without changing how strtod or the format reads it.
    if (*s != ',' && *s != '\0' && *s != '\n' && *s != '\r')
        return Got::Unusual;
    if (mantissa > kMaxExactInteger || scale < -kMaxExactPower)
        return Got::Unusual;
    double value = static_cast<double>(mantissa) / kExactPowers[-scale];
    out = negative ? -value : value;
    p = s;
    return Got::Value;
}

// "%ld": at most 18 digits, so no overflow to mimic.
Got PlainLong(const char*& p, long& out)
{
    const char* s = p;
    const bool negative = *s == '-';
    if (*s == '-' || *s == '+')
        ++s;
    long value = 0;
    int digits = 0;
    for (; IsDigit(*s); ++s) {
        if (++digits > 18)
            return Got::Unusual;
        value = value * 10 + (*s - '0');
    }
    if (digits == 0)
        return Got::Unusual;
    out = negative ? -value : value;
    p = s;
    return Got::Value;
}

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

char* SixDigits(char* out, std::uint32_t v)
{
    const std::uint32_t a = v / 10000, b = v % 10000;
    std::memcpy(out, kDigitPairs + 2 * a, 2);
    std::memcpy(out + 2, kDigitPairs + 2 * (b / 100), 2);
    std::memcpy(out + 4, kDigitPairs + 2 * (b % 100), 2);
    return out + 6;
}

}  // namespace

int ScanReference(const char* line, int count, double* v, long* flags)
{
    if (count == 11)
        return std::sscanf(line, "%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%ld", &v[0], &v[1], &v[2], &v[3],
                           &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10], flags);
    if (count == 9)
        return std::sscanf(line, "%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%ld", &v[0], &v[1], &v[2], &v[3], &v[4], &v[5],
                           &v[6], &v[7], &v[8], flags);
    return 0;
}

int Scan(const char* line, int count, double* values, long* flags)
{
    if (count != 9 && count != 11)
        return 0;
    // Converted into a copy: an unusual field further on sends the whole line to the reference,
    // which must find the caller's fields untouched.
    double got[kMaxDoubles];
    const char* p = line;
    int n = 0;
    for (;;) {
        if (*p == '\0')
            break;  // input ends before a field: sscanf returns the count so far, EOF for none
        if (n < count) {
            if (PlainDouble(p, got[n]) != Got::Value)
                return ScanReference(line, count, values, flags);
            ++n;
            if (*p != ',')
                break;  // end of the line, or a line end that the next literal comma does not match
            ++p;
        } else {
            long flag = 0;
            if (PlainLong(p, flag) != Got::Value)
                return ScanReference(line, count, values, flags);
            *flags = flag;
            ++n;
            break;  // the format ends here; whatever follows is not read
        }
    }
    if (n == 0)
        return EOF;
    std::memcpy(values, got, sizeof(double) * static_cast<std::size_t>(n < count ? n : count));
    return n;
}

std::size_t FormatFixed6(char* out, double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const bool negative = (bits >> 63) != 0;
    const double magnitude = std::fabs(value);
    // Beyond 10^12 (and inf, nan) the value goes to printf; below it the exact scaled value
    // fits 64 bits.
    if (!(magnitude < 1e12)) {
        const int n = std::snprintf(out, kMaxLineLength, "%f", value);
        return n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    const std::uint64_t mantissa = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
    const int exponent = (biased == 0 ? 1 : biased) - 1075;  // value = mantissa * 2^exponent

    // value * 10^6, rounded to the nearest integer, ties to even, as printf rounds.
    // Below 10^12 the exponent is negative: the value has a fraction part in binary.
    std::uint64_t scaled = 0;
    if (exponent > -75) {
        const unsigned __int128 product = static_cast<unsigned __int128>(mantissa) * 1000000u;
        const int shift = -exponent;
        scaled = static_cast<std::uint64_t>(product >> shift);
        const unsigned __int128 rest = product - (static_cast<unsigned __int128>(scaled) << shift);
        const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
        if (rest > half || (rest == half && (scaled & 1u) != 0))
            ++scaled;
    }  // else below 2^-21: less than half a millionth, rounds to zero

    char* p = out;
    if (negative)
        *p++ = '-';
    p = std::to_chars(p, p + 20, scaled / 1000000u).ptr;
    *p++ = '.';
    p = SixDigits(p, static_cast<std::uint32_t>(scaled % 1000000u));
    return static_cast<std::size_t>(p - out);
}

std::size_t Format(char* out, const double* values, int count, int flags)
{
    char* p = out;
    for (int i = 0; i < count; ++i) {
        p += FormatFixed6(p, values[i]);
        *p++ = ',';
    }
    p = std::to_chars(p, p + 12, flags).ptr;
    return static_cast<std::size_t>(p - out);
}

std::size_t FormatReference(char* out, const double* values, int count, int flags)
{
    std::size_t length = 0;
    for (int i = 0; i < count; ++i)
        length += static_cast<std::size_t>(std::snprintf(out + length, kMaxLineLength - length, "%f,", values[i]));
    length += static_cast<std::size_t>(std::snprintf(out + length, kMaxLineLength - length, "%d", flags));
    return length;
}

}  // namespace MaldiListLine
