// Fuzzes the value entry: the number syntax against a scanner of its own, and
// the finding of rings against its rounding rule and its own read-back.
//
// Input: one byte of settings, then the entry text.
//   bits 0-1  multiplier: 0 ohm, 1 kohm, 2 mohm, 3 ohm
//   bit 2     round
//   bit 3     five rings instead of four
//   bit 4     capacitor
//   bit 5     a ring count that is neither 4 nor 5 (bits 6-7 give it)
#include "engine/ringcode.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace ringcode;

[[noreturn]] void fail(const char* what, std::string_view text) {
    std::fprintf(stderr, "fuzz_entry: %s for entry of %zu bytes: '%.*s'\n", what, text.size(),
                 static_cast<int>(text.size()), text.data());
    std::abort();
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The entry syntax, accumulated in 64 bits so that nothing can wrap.
std::optional<std::int64_t> referenceParse(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    if (i == s.size()) return std::nullopt;
    if (s[i] == '$') {
        ++i;
        if (i == s.size()) return std::nullopt;
        std::uint64_t pattern = 0;
        int significant = 0;
        for (; i < s.size(); ++i) {
            const int d = hexValue(s[i]);
            if (d < 0) return std::nullopt;
            if (significant > 0 || d > 0) ++significant;
            if (significant > 8) return std::nullopt;
            pattern = pattern * 16 + static_cast<std::uint64_t>(d);
        }
        const auto value = static_cast<std::int64_t>(pattern);
        return value >= 0x80000000LL ? value - 0x100000000LL : value;
    }
    bool negative = false;
    if (s[i] == '+' || s[i] == '-') {
        negative = s[i] == '-';
        ++i;
    }
    if (i == s.size()) return std::nullopt;
    std::uint64_t magnitude = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return std::nullopt;
        // Past 2^32 the number is refused anyway; stop growing so nothing wraps.
        if (magnitude <= 0xFFFFFFFFULL)
            magnitude = magnitude * 10 + static_cast<std::uint64_t>(s[i] - '0');
    }
    if (magnitude > 2147483647ULL) return std::nullopt;
    const auto value = static_cast<std::int64_t>(magnitude);
    return negative ? -value : value;
}

int digitCount(std::int64_t v) {
    int n = 1;
    for (; v >= 10; v /= 10) ++n;
    return n;
}

std::int64_t power10(int e) {
    std::int64_t p = 1;
    while (e-- > 0) p *= 10;
    return p;
}

// Two (four rings) or three (five rings) significant digits; the first dropped
// digit alone decides whether the last kept one goes up.
std::int64_t rounded(std::int64_t v, int ringcount, bool round) {
    const int kept = ringcount - 2;
    const int length = digitCount(v);
    if (length <= kept) return v;
    const std::int64_t unit = power10(length - kept);
    const std::int64_t dropped = v / (unit / 10) % 10;
    return (v / unit + ((round ? dropped >= 5 : dropped >= 1) ? 1 : 0)) * unit;
}

// The value a reading shows, in hundredths of its base unit; none when the
// texts are not what the value area can show.
std::optional<std::int64_t> shownHundredths(const Reading& r, Kind kind) {
    const bool resistor = kind == Kind::resistor;
    std::int64_t unit = 0;
    if (r.enhet == (resistor ? " ом" : " Пф")) unit = 100;
    else if (r.enhet == (resistor ? " Ком" : " nF")) unit = 100'000;
    else if (r.enhet == (resistor ? " Мом" : " µF")) unit = 100'000'000;
    else return std::nullopt;
    if (r.value.empty() || r.value.size() > 3 || (r.value.size() > 1 && r.value[0] == '0'))
        return std::nullopt;
    if (r.dot != (r.dec.empty() ? "" : ",") || r.dec.size() > 2) return std::nullopt;
    if (!r.dec.empty() && r.dec.back() == '0') return std::nullopt;
    std::int64_t whole = 0, fraction = 0;
    for (char c : r.value) {
        if (c < '0' || c > '9') return std::nullopt;
        whole = whole * 10 + (c - '0');
    }
    for (char c : r.dec) {
        if (c < '0' || c > '9') return std::nullopt;
        fraction = fraction * 10 + (c - '0');
    }
    const std::int64_t places = power10(static_cast<int>(r.dec.size()));
    if (unit * fraction % places != 0) return std::nullopt;
    return whole * unit + unit * fraction / places;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t settings = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::optional<std::int64_t> expected = referenceParse(text);
    const std::optional<std::int32_t> parsed = parseEntry(text);
    if (parsed.has_value() != expected.has_value()) fail("parseEntry accepts differently", text);
    if (parsed && *parsed != *expected) fail("parseEntry reads another number", text);

    static constexpr Multiplier multipliers[] = {Multiplier::ohm, Multiplier::kohm,
                                                 Multiplier::mohm, Multiplier::ohm};
    static constexpr std::int64_t factors[] = {1, 1000, 1'000'000, 1};
    const unsigned which = settings & 3U;
    const bool round = (settings & 4U) != 0;
    const bool bogusCount = (settings & 32U) != 0;
    const auto ringcount = static_cast<std::uint8_t>(
        bogusCount ? (settings >> 6) * 3 : (settings & 8U) != 0 ? 5 : 4);  // 0, 3, 6, 9
    const Kind kind = (settings & 16U) != 0 ? Kind::capacitor : Kind::resistor;

    const std::optional<Finding> finding =
        findRings({text, multipliers[which], round, ringcount, kind});
    const std::int64_t factor = factors[which];
    const bool inRange = expected && *expected >= 1 && *expected * factor <= 990'000'000;
    if (finding.has_value() != (inRange && !bogusCount))
        fail("findRings accepts differently", text);
    if (!finding) return 0;

    const std::int64_t v = *expected * factor;
    if (finding->actualvalue != std::to_string(v)) fail("wrong actualvalue", text);

    // Each ring's colour carries the code handed to the read-back.
    for (std::size_t i = 0; i < 4; ++i) {
        const std::optional<Code> code = codeOfColour(finding->colours[i]);
        if (!code || *code != finding->codes[i]) fail("colour and code disagree", text);
        if (!offeredColours(static_cast<int>(i) + 1, ringcount)
                 .contains(findRingColour(finding->colours[i])->id) &&
            !(ringcount == 4 && i == 3))
            fail("a ring got a colour it cannot take", text);
    }

    const std::optional<std::int64_t> shown = shownHundredths(finding->reading, kind);
    if (!shown) fail("the read-back is no value the window can show", text);
    if (*shown != rounded(v, ringcount, round) * 100)
        fail("the read-back is not the rounded value", text);

    const RingState rings{ringcount,          finding->codes[0],  finding->codes[1],
                          finding->codes[2],  finding->codes[3],  finding->colours[2],
                          finding->colours[3], kind};
    if (readRings(rings) != std::optional<Reading>(finding->reading))
        fail("the read-back differs from reading the rings", text);
    return 0;
}
