#include "engine/ringcode.h"
#include "engine/text.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace ringcode {

namespace {

enum Scale : std::size_t { ones, thousands, millions };

// Each begins with a space; " nF" is Latin and " µF" uses the micro sign.
constexpr std::array<std::array<std::string_view, 3>, 2> unitTexts{{
    {" ом", " Ком", " Мом"},
    {" Пф", " nF", " µF"},
}};

std::string_view unit(Kind kind, Scale scale) {
    return unitTexts[kind == Kind::resistor ? 0 : 1][scale];
}

constexpr Colour black = ringColour(RingColourId::black).value;

bool isOneOf(Colour c, std::initializer_list<RingColourId> ids) {
    for (RingColourId id : ids)
        if (ringColour(id).value == c) return true;
    return false;
}

}  // namespace

std::optional<Reading> readRings(const RingState& rings) {
    if (rings.ringcount != 4 && rings.ringcount != 5) return std::nullopt;
    const bool five = rings.ringcount == 5;
    const Colour multiplierRing = five ? rings.ring4 : rings.ring3;

    Reading out;
    out.code3 = rings.code3;
    out.code4 = rings.code4;
    if (five) {
        if (rings.ring3 == black) out.code3 = 0;  // a digit here, never a multiplier
        if (rings.ring4 == black) out.code4 = 1;
    } else if (rings.ring3 == black) {
        out.code3 = 1;
    }

    // A black multiplier is stored as code 1 and divided by ten again below;
    // any other multiplier code must be a power the rings can show.
    const Code exponent = five ? out.code4 : out.code3;
    const std::int64_t significant =
        five ? rings.code1 * 100 + rings.code2 * 10 + out.code3 : rings.code1 * 10 + rings.code2;
    const bool digitsValid =
        rings.code1 <= 9 && rings.code2 <= 9 && (!five || out.code3 <= 9);
    if (!digitsValid || exponent < 1 || exponent > 9) return std::nullopt;

    std::int64_t power = 1;
    for (Code pass = 0; pass < exponent; ++pass) power *= 10;
    const std::int64_t n = significant * power;
    if (n >= 1'000'000'000) return std::nullopt;

    const std::int32_t divisor = multiplierDivisor(multiplierRing);
    std::int32_t whole = static_cast<std::int32_t>(n / divisor);
    std::int32_t rest = static_cast<std::int32_t>(n % divisor);
    if (multiplierRing == black) whole /= 10;

    // The largest unit that leaves one to three digits before the comma; the
    // value stays under 10^9, so millions never leave more than three.
    Scale scale = ones;
    if (whole >= 1'000'000) {
        scale = millions;
        rest = whole % 1'000'000;
        whole /= 1'000'000;
    } else if (whole >= 1000) {
        scale = thousands;
        rest = whole % 1000;
        whole /= 1000;
    }
    out.enhet = unit(rings.kind, scale);
    out.value = detail::decimal(whole);

    // The decimal digits are those of the rest up to its first zero; with a
    // one-digit whole part the rest has lost the zero of an inner 0 digit.
    using enum RingColourId;
    if (five && rings.code2 == 0 && out.code3 != 0 && isOneOf(rings.ring4, {silver, brown, yellow}))
        out.dec.push_back('0');
    char digits[12];
    char* end = std::to_chars(digits, digits + sizeof digits, rest).ptr;
    const char* zero = std::find(digits, end, '0');
    out.dec.append(digits, static_cast<std::size_t>(zero - digits));
    if (!out.dec.empty()) out.dot.push_back(',');
    return out;
}

}  // namespace ringcode
