#include "toolkit/Colour.h"

namespace toolkit {

QColor toQColor(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFFU), static_cast<int>((colour >> 8) & 0xFFU),
                  static_cast<int>((colour >> 16) & 0xFFU));
}

Colour fromQColor(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return static_cast<Colour>(rgb.red()) | (static_cast<Colour>(rgb.green()) << 8) |
           (static_cast<Colour>(rgb.blue()) << 16);
}

}  // namespace toolkit
