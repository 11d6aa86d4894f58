#include "controls/instruments/InstrumentProperty.h"

#include <charconv>
#include <cstdlib>

namespace sk::instruments {

double storedFloat(float value) {
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer - 1, value);
    if (ec != std::errc()) return value;
    *end = '\0';
    return std::strtod(buffer, nullptr);
}

}  // namespace sk::instruments
