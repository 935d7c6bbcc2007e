// The engine's texts are UTF-8.
#pragma once

#include <QString>

#include <string_view>

inline QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
