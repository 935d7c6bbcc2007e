// Colours as the window layer stores them: 32 bits, $00BBGGRR, red in the
// low byte. The layer keeps the value exactly; QColor is only for painting.
#pragma once

#include <QColor>

#include <cstdint>

namespace toolkit {

using Colour = std::uint32_t;

QColor toQColor(Colour colour);
Colour fromQColor(const QColor& colour);

}  // namespace toolkit
