#include "engine/ringcode.h"

#include <algorithm>

namespace ringcode {

// The finding colours a digit ring by indexing the table with the code.
static_assert([] {
    for (std::size_t code = 0; code <= 9; ++code)
        if (ringColours[code].code != code) return false;
    return true;
}());

const RingColour* findRingColour(Colour value) {
    const auto* it = std::find_if(ringColours.begin(), ringColours.end(),
                                  [value](const RingColour& c) { return c.value == value; });
    return it == ringColours.end() ? nullptr : &*it;
}

std::optional<Code> codeOfColour(Colour value) {
    if (const RingColour* c = findRingColour(value)) return c->code;
    return std::nullopt;
}

std::optional<Colour> findingColour(int ring, Code code) {
    if (ring < 1 || ring > 4) return std::nullopt;
    if (code <= 9) {
        if (ring == 1 && code == 0) return std::nullopt;
        return ringColours[code].value;
    }
    if (code == 10 && ring >= 3) return ringColour(RingColourId::gold).value;
    if (code == 11 && ring == 4) return ringColour(RingColourId::silver).value;
    return std::nullopt;
}

std::int16_t multiplierDivisor(Colour multiplierRing) {
    if (multiplierRing == ringColour(RingColourId::gold).value) return 100;
    if (multiplierRing == ringColour(RingColourId::silver).value) return 1000;
    return 1;
}

std::optional<Colour> toleranceColour(int index) {
    if (index < 0 || index >= static_cast<int>(toleranceSteps.size())) return std::nullopt;
    return toleranceSteps[static_cast<std::size_t>(index)].ring;
}

namespace {
using enum RingColourId;
constexpr ColourSet digits{black, brown, red, orange, yellow, green, blue, violet, gray, white};
constexpr ColourSet firstDigit{brown, red, orange, yellow, green, blue, violet, gray, white};
constexpr ColourSet multiplierOfFour{black, brown, red, orange, yellow, green, blue, violet, gold, silver};
constexpr ColourSet multiplierOfFive{black, brown, red, orange, yellow, green, blue, gold, silver};
}  // namespace

ColourSet standardOffer() { return digits; }

ColourSet offeredColours(int ring, std::uint8_t ringcount) {
    if (ringcount != 4 && ringcount != 5) return {};
    const bool five = ringcount == 5;
    switch (ring) {
    case 1: return firstDigit;
    case 2: return digits;
    case 3: return five ? digits : multiplierOfFour;
    case 4: return five ? multiplierOfFive : ColourSet{};
    default: return {};
    }
}

}  // namespace ringcode
