#include "fuzz/session/UiSessionInput.h"

#include <cmath>
#include <limits>

long long UiSessionInput::Range(long long lo, long long hi)
{
    if (hi <= lo) return lo;
    unsigned long long span = static_cast<unsigned long long>(hi - lo);
    unsigned long long value = 0;
    for (unsigned long long seen = span; seen != 0; seen >>= 8) value = (value << 8) | Byte();
    return lo + static_cast<long long>(span == std::numeric_limits<unsigned long long>::max() ? value : value % (span + 1));
}

double UiSessionInput::Number()
{
    static const double kEdges[] = {0.0, -1.0, 1.0, 0.5, -0.001, 1e-300, 1e300, -1e300, 2147483647.0, -2147483648.0,
                                    4294967296.0, std::numeric_limits<double>::infinity(),
                                    std::numeric_limits<double>::quiet_NaN(), 100.0, 1000.0, 65535.0};
    std::uint8_t kind = Byte();
    if (kind < 96) return kEdges[kind % (sizeof kEdges / sizeof kEdges[0])];
    return static_cast<double>(Range(-100000, 100000)) / static_cast<double>(1 + Range(0, 100));
}

int UiSessionInput::Integer()
{
    static const int kEdges[] = {0, -1, 1, 2, 3, 5, 8, 9, 50, 96, 384, 500, 9000, 65535,
                                 std::numeric_limits<int>::max(), std::numeric_limits<int>::min()};
    std::uint8_t kind = Byte();
    if (kind < 128) return kEdges[kind % (sizeof kEdges / sizeof kEdges[0])];
    return static_cast<int>(Range(-20000, 20000));
}

std::string UiSessionInput::Text(std::size_t maxLength)
{
    std::string text;
    std::size_t length = Index(maxLength + 1);
    while (text.size() < length && !Exhausted()) {
        std::uint8_t b = Byte();
        if (b != 0) text += static_cast<char>(b);
    }
    return text;
}
