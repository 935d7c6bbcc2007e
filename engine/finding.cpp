#include "engine/ringcode.h"
#include "engine/text.h"

#include <bit>
#include <limits>

namespace ringcode {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

struct MultiplierRule {
    std::int32_t factor;
    std::int32_t limit;  // largest number accepted; all three scale to 990000000
};
constexpr std::array<MultiplierRule, 3> multiplierRules{{
    {1, 990'000'000},
    {1000, 990'000},
    {1'000'000, 990},
}};

}  // namespace

std::optional<std::int32_t> parseEntry(std::string_view text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) return std::nullopt;

    if (text[i] == '$') {
        if (++i == text.size()) return std::nullopt;
        std::uint32_t pattern = 0;
        int significant = 0;
        for (; i < text.size(); ++i) {
            const int d = hexDigit(text[i]);
            if (d < 0) return std::nullopt;
            if ((significant > 0 || d != 0) && ++significant > 8) return std::nullopt;
            pattern = pattern << 4 | static_cast<std::uint32_t>(d);
        }
        return std::bit_cast<std::int32_t>(pattern);
    }

    const bool negative = text[i] == '-';
    if (text[i] == '-' || text[i] == '+') ++i;
    if (i == text.size()) return std::nullopt;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::array<Code, 4> roundvalue(std::array<Code, 4> codes, std::uint8_t ringcount) {
    auto& [code1, code2, code3, code4] = codes;
    auto carried = [](Code& digit) {
        if (++digit <= 9) return false;
        digit = 0;
        return true;
    };
    if (ringcount == 5) {
        if (carried(code3) && carried(code2) && carried(code1)) {
            code1 = 1;
            ++code4;
        }
    } else if (carried(code2) && carried(code1)) {
        code1 = 1;
        ++code3;
    }
    return codes;
}

std::optional<Finding> findRings(const FindRequest& request) {
    const std::uint8_t ringcount = request.ringcount;
    if (ringcount != 4 && ringcount != 5) return std::nullopt;
    const bool four = ringcount == 4;

    const auto rule_index = static_cast<std::size_t>(request.multiplier);
    if (rule_index >= multiplierRules.size()) return std::nullopt;
    const MultiplierRule& rule = multiplierRules[rule_index];
    const std::optional<std::int32_t> n = parseEntry(request.entry);
    if (!n || *n < 1 || *n > rule.limit) return std::nullopt;

    Finding out;
    out.actualvalue = detail::decimal(*n * rule.factor);
    const std::string& digits = out.actualvalue;
    const std::size_t length = digits.size();
    auto digit = [&digits](std::size_t k) { return static_cast<Code>(digits[k - 1] - '0'); };

    auto& codes = out.codes;
    if (length == 1) {
        codes = {digit(1), 0, static_cast<Code>(four ? 10 : 0), 11};
    } else if (length == 2) {
        codes = {digit(1), digit(2), 0, 10};
    } else {
        codes = {digit(1), digit(2), four ? static_cast<Code>(length - 2) : digit(3),
                 static_cast<Code>(length - 3)};
    }

    // Only the first digit the rings cannot show decides the rounding.
    if (length > static_cast<std::size_t>(ringcount - 2)) {
        const Code dropped = digit(static_cast<std::size_t>(ringcount - 1));
        if (request.round ? dropped >= 5 : dropped >= 1) codes = roundvalue(codes, ringcount);
    }

    for (int ring = 1; ring <= 4; ++ring) {
        Code& code = codes[static_cast<std::size_t>(ring - 1)];
        const std::optional<Colour> colour = findingColour(ring, code);
        if (!colour) return std::nullopt;  // no accepted number gets here
        out.colours[static_cast<std::size_t>(ring - 1)] = *colour;
        if (code >= 10) code = 1;  // gold and silver carry code 1
    }

    std::optional<Reading> reading = readRings({ringcount, codes[0], codes[1], codes[2], codes[3],
                                                out.colours[2], out.colours[3], request.kind});
    if (!reading) return std::nullopt;
    out.reading = std::move(*reading);
    return out;
}

}  // namespace ringcode
