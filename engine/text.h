// Decimal text of a non-negative number, as the value and entry captions show it.
#pragma once

#include <charconv>
#include <cstdint>
#include <string>

namespace ringcode::detail {

inline std::string decimal(std::int32_t n) {
    char buffer[12];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, n);
    return std::string(buffer, result.ptr);
}

}  // namespace ringcode::detail
