// Helpers shared by the engine tests: colours by name, and the value a set of
// rings stands for, written out by a rule of its own (exact integers) so the
// engine's text steps are checked against something that does not share them.
#pragma once

#include "engine/ringcode.h"

#include <cstdint>
#include <string>

namespace ringcode::support {

inline Colour colourOf(RingColourId id) { return ringColour(id).value; }
inline Code codeOf(RingColourId id) { return ringColour(id).code; }

// The four labels of the value area, as a person reads them.
struct Shown {
    std::string value, dot, dec, enhet;
    std::string text() const { return value + dot + dec + enhet; }
};

// A value given in hundredths of an ohm (or of a picofarad), in the largest
// unit that leaves one to three digits before the comma, without trailing
// zeros in the decimal part.
inline Shown shownValue(std::uint64_t hundredths, Kind kind) {
    static constexpr const char* units[2][3] = {{" ом", " Ком", " Мом"},
                                                {" Пф", " nF", " µF"}};
    int scale = 0;
    std::uint64_t unit = 100;
    if (hundredths >= 100'000'000) {
        scale = 2;
        unit = 100'000'000;
    } else if (hundredths >= 100'000) {
        scale = 1;
        unit = 100'000;
    }
    Shown shown;
    shown.value = std::to_string(hundredths / unit);
    // The fraction written with all the places of its unit, then trimmed.
    std::string fraction = std::to_string(unit + hundredths % unit).substr(1);
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    shown.dec = fraction;
    shown.dot = fraction.empty() ? "" : ",";
    shown.enhet = units[kind == Kind::capacitor ? 1 : 0][scale];
    return shown;
}

// What each value ring may carry, ring by ring (the multiplier ring last).
using enum RingColourId;
inline constexpr RingColourId firstDigits[] = {brown,  red,  orange, yellow, green,
                                               blue,   violet, gray, white};
inline constexpr RingColourId allDigits[] = {black, brown, red,    orange, yellow,
                                             green, blue,  violet, gray,   white};
inline constexpr RingColourId multipliersOfFour[] = {black, brown, red,    orange, yellow,
                                                     green, blue,  violet, gold,   silver};
inline constexpr RingColourId multipliersOfFive[] = {black, brown, red,  orange, yellow,
                                                     green, blue,  gold, silver};

// The power of ten a multiplier colour stands for.
inline int exponentOf(RingColourId multiplier) {
    switch (multiplier) {
    case gold: return -1;
    case silver: return -2;
    default: return static_cast<int>(multiplier);  // black 0 .. white 9
    }
}

inline std::uint64_t pow10u(unsigned exponent) {
    std::uint64_t p = 1;
    for (unsigned i = 0; i < exponent; ++i) p *= 10;
    return p;
}

}  // namespace ringcode::support
