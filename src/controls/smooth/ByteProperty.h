// Opacities are bytes that forms store as plain numbers; these adapt a byte
// getter and setter for ClassBuilder::integer, taking a stored number outside
// 0..255 at the nearer end instead of wrapping it.
#pragma once

#include <algorithm>
#include <cstdint>

namespace sk::smooth {

template <class T>
auto byteGetter(std::uint8_t (T::*get)() const) {
    return [get](const T& object) { return static_cast<int>((object.*get)()); };
}

template <class T>
auto byteSetter(void (T::*set)(std::uint8_t)) {
    return
        [set](T& object, int value) { (object.*set)(static_cast<std::uint8_t>(std::clamp(value, 0, 255))); };
}

}  // namespace sk::smooth
