// Finding the rings for an entered value: the edge cases, the refusals, and
// every value of the range found and read back.
#include "engine/ringcode.h"
#include "support.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace ringcode {
namespace {

using namespace support;

enum class Round { either, checked, clear };

std::vector<bool> roundSettings(Round r) {
    if (r == Round::checked) return {true};
    if (r == Round::clear) return {false};
    return {true, false};
}

const char* nameOf(Multiplier m) {
    return m == Multiplier::ohm ? "ohm" : m == Multiplier::kohm ? "Kohm" : "Mohm";
}

std::string describe(const FindRequest& r) {
    return "entry '" + std::string(r.entry) + "' " + nameOf(r.multiplier) +
           (r.round ? " round" : " no round") + " rings " + std::to_string(r.ringcount) +
           (r.kind == Kind::resistor ? " resistor" : " capacitor");
}

struct EdgeRow {
    const char* entry;
    Multiplier multiplier;
    Round round;
    const char* actualvalue;
    std::array<RingColourId, 4> rings;
    std::array<Code, 4> codes;
    const char* readBack;
};

void checkEdgeRows(std::uint8_t ringcount, const std::vector<EdgeRow>& rows) {
    for (const EdgeRow& row : rows) {
        for (bool round : roundSettings(row.round)) {
            const FindRequest request{row.entry, row.multiplier, round, ringcount, Kind::resistor};
            SCOPED_TRACE(describe(request));
            const std::optional<Finding> got = findRings(request);
            ASSERT_TRUE(got.has_value());
            EXPECT_EQ(got->actualvalue, row.actualvalue);
            EXPECT_EQ(got->codes, row.codes);
            for (std::size_t i = 0; i < 4; ++i)
                EXPECT_EQ(got->colours[i], colourOf(row.rings[i])) << "ring " << i + 1;
            EXPECT_EQ(got->reading.text(), row.readBack);
            // The read-back stores 1 for a black multiplier, as a hand reading does.
            const std::size_t multiplier = ringcount == 4 ? 2 : 3;
            const Code stored = row.rings[multiplier] == black ? 1 : row.codes[multiplier];
            EXPECT_EQ(ringcount == 4 ? got->reading.code3 : got->reading.code4, stored);
        }
    }
}

constexpr auto ohm = Multiplier::ohm;
constexpr auto kohm = Multiplier::kohm;
constexpr auto mohm = Multiplier::mohm;
constexpr auto either = Round::either;
constexpr auto checked = Round::checked;
constexpr auto clear = Round::clear;

TEST(FindRings, EdgeCasesWithFourRings) {
    checkEdgeRows(4, {
        {"5", ohm, either, "5", {green, black, gold, silver}, {5, 0, 1, 1}, "5 ом"},
        {"47", ohm, either, "47", {yellow, violet, black, gold}, {4, 7, 0, 1}, "47 ом"},
        {"470", ohm, either, "470", {yellow, violet, brown, black}, {4, 7, 1, 0}, "470 ом"},
        {"4700", ohm, either, "4700", {yellow, violet, red, brown}, {4, 7, 2, 1}, "4,7 Ком"},
        {"4750", ohm, either, "4750", {yellow, gray, red, brown}, {4, 8, 2, 1}, "4,8 Ком"},
        {"4740", ohm, checked, "4740", {yellow, violet, red, brown}, {4, 7, 2, 1}, "4,7 Ком"},
        {"4740", ohm, clear, "4740", {yellow, gray, red, brown}, {4, 8, 2, 1}, "4,8 Ком"},
        {"4701", ohm, either, "4701", {yellow, violet, red, brown}, {4, 7, 2, 1}, "4,7 Ком"},
        {"999", ohm, either, "999", {brown, black, red, black}, {1, 0, 2, 0}, "1 Ком"},
        {"999", kohm, either, "999000", {brown, black, green, orange}, {1, 0, 5, 3}, "1 Мом"},
        {"1001", ohm, either, "1001", {brown, black, red, brown}, {1, 0, 2, 1}, "1 Ком"},
        {"1001", kohm, either, "1001000", {brown, black, green, yellow}, {1, 0, 5, 4}, "1 Мом"},
        {"989999999", ohm, either, "989999999", {white, white, violet, blue}, {9, 9, 7, 6}, "990 Мом"},
        {"990000000", ohm, either, "990000000", {white, white, violet, blue}, {9, 9, 7, 6}, "990 Мом"},
        {"990000", kohm, either, "990000000", {white, white, violet, blue}, {9, 9, 7, 6}, "990 Мом"},
        {"990", mohm, either, "990000000", {white, white, violet, blue}, {9, 9, 7, 6}, "990 Мом"},
    });
}

TEST(FindRings, EdgeCasesWithFiveRings) {
    checkEdgeRows(5, {
        {"5", ohm, either, "5", {green, black, black, silver}, {5, 0, 0, 1}, "5 ом"},
        {"47", ohm, either, "47", {yellow, violet, black, gold}, {4, 7, 0, 1}, "47 ом"},
        {"470", ohm, either, "470", {yellow, violet, black, black}, {4, 7, 0, 0}, "470 ом"},
        {"4700", ohm, either, "4700", {yellow, violet, black, brown}, {4, 7, 0, 1}, "4,7 Ком"},
        {"4750", ohm, either, "4750", {yellow, violet, green, brown}, {4, 7, 5, 1}, "4,75 Ком"},
        {"4701", ohm, checked, "4701", {yellow, violet, black, brown}, {4, 7, 0, 1}, "4,7 Ком"},
        {"4701", ohm, clear, "4701", {yellow, violet, brown, brown}, {4, 7, 1, 1}, "4,71 Ком"},
        {"999", ohm, either, "999", {white, white, white, black}, {9, 9, 9, 0}, "999 ом"},
        {"999", kohm, either, "999000", {white, white, white, orange}, {9, 9, 9, 3}, "999 Ком"},
        {"1001", ohm, checked, "1001", {brown, black, black, brown}, {1, 0, 0, 1}, "1 Ком"},
        {"1001", ohm, clear, "1001", {brown, black, brown, brown}, {1, 0, 1, 1}, "1,01 Ком"},
        {"1001", kohm, checked, "1001000", {brown, black, black, yellow}, {1, 0, 0, 4}, "1 Мом"},
        {"1001", kohm, clear, "1001000", {brown, black, brown, yellow}, {1, 0, 1, 4}, "1,01 Мом"},
        {"99950", ohm, either, "99950", {brown, black, black, orange}, {1, 0, 0, 3}, "100 Ком"},
        {"989999999", ohm, either, "989999999", {white, white, black, blue}, {9, 9, 0, 6}, "990 Мом"},
        {"990000000", ohm, either, "990000000", {white, white, black, blue}, {9, 9, 0, 6}, "990 Мом"},
    });
}

TEST(FindRings, CapacitorsReadBackInTheirUnits) {
    const std::optional<Finding> got = findRings({"4750", kohm, true, 5, Kind::capacitor});
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(got->actualvalue, "4750000");
    EXPECT_EQ(got->reading.text(), "4,75 µF");
    const std::optional<Finding> small = findRings({"47", ohm, true, 4, Kind::capacitor});
    ASSERT_TRUE(small.has_value());
    EXPECT_EQ(small->reading.text(), "47 Пф");
}

TEST(FindRings, RefusedEntries) {
    const std::vector<std::pair<const char*, Multiplier>> refused = {
        {"990000001", ohm},  {"990001", kohm},   {"989999999", kohm}, {"990000000", kohm},
        {"990000001", kohm}, {"991", mohm},      {"999", mohm},       {"1001", mohm},
        {"2147483647", mohm}, {"2147483647", kohm}, {"2147483647", ohm}, {"4294967", kohm},
        {"2148", mohm},      {"$7FFFFFFF", mohm},
        // Zero and the negative numbers, a minus before 0 and hex read as negative.
        {"-0", ohm},         {"-1", ohm},        {"-47", kohm},       {"-2147483647", mohm},
        {"$80000000", ohm},  {"$FFFFFFFF", ohm}, {"$C0000000", kohm}, {"$ffffffff", mohm},
        // Texts that do not convert.
        {"", ohm},           {"   ", ohm},       {"abc", ohm},        {"47 ", ohm},
        {"4 7", ohm},        {"4.7", ohm},       {"4,7", ohm},        {"0x2F", ohm},
        {"2147483648", ohm}, {"-2147483648", ohm}, {"$100000000", ohm}, {"\t47", ohm},
    };
    for (const auto& [entry, multiplier] : refused) {
        // A multiplier with a larger factor has a smaller limit and refuses too.
        for (Multiplier m : {ohm, kohm, mohm}) {
            if (m < multiplier) continue;
            for (std::uint8_t ringcount : {std::uint8_t{4}, std::uint8_t{5}}) {
                for (bool round : {true, false}) {
                    const FindRequest request{entry, m, round, ringcount, Kind::resistor};
                    SCOPED_TRACE(describe(request));
                    EXPECT_EQ(findRings(request).has_value(), false);
                }
            }
        }
    }
    for (const char* zero : {"0", "00", "$0", "+0", "$00000000000"})
        for (Multiplier m : {ohm, kohm, mohm})
            EXPECT_FALSE(findRings({zero, m, true, 4, Kind::resistor}).has_value()) << zero;
}

TEST(FindRings, RefusesRingCountsOtherThanFourOrFive) {
    for (int ringcount = 0; ringcount <= 255; ++ringcount) {
        if (ringcount == 4 || ringcount == 5) continue;
        EXPECT_FALSE(
            findRings({"47", ohm, true, static_cast<std::uint8_t>(ringcount), Kind::resistor})
                .has_value())
            << ringcount;
    }
}

TEST(FindRings, AcceptedWaysOfWriting47) {
    for (const char* entry : {"47", "  47", "+47", "0047", "$2F", "$2f", "   +0047", " $002F"}) {
        for (std::uint8_t ringcount : {std::uint8_t{4}, std::uint8_t{5}}) {
            const FindRequest request{entry, ohm, true, ringcount, Kind::resistor};
            SCOPED_TRACE(describe(request));
            const std::optional<Finding> got = findRings(request);
            ASSERT_TRUE(got.has_value());
            EXPECT_EQ(got->actualvalue, "47");
            EXPECT_EQ(got->codes, (std::array<Code, 4>{4, 7, 0, 1}));
            EXPECT_EQ(got->reading.text(), "47 ом");
        }
    }
    const std::optional<Finding> scaled = findRings({"0047", kohm, true, 4, Kind::resistor});
    ASSERT_TRUE(scaled.has_value());
    EXPECT_EQ(scaled->actualvalue, "47000");
    EXPECT_EQ(scaled->reading.text(), "47 Ком");
}

// ------------------------------------------------- the whole range, by a rule of its own

int digitCount(std::uint64_t v) {
    int n = 1;
    while (v >= 10) {
        v /= 10;
        ++n;
    }
    return n;
}

std::uint64_t factorOf(Multiplier m) {
    return m == ohm ? 1 : m == kohm ? 1000 : 1'000'000;
}

std::int64_t limitOf(Multiplier m) {
    return m == ohm ? 990'000'000 : m == kohm ? 990'000 : 990;
}

// Keep two (four rings) or three (five rings) significant digits; the first
// dropped digit alone decides whether the last kept one goes up.
std::uint64_t roundedValue(std::uint64_t v, int ringcount, bool round) {
    const int kept = ringcount - 2;
    const int length = digitCount(v);
    if (length <= kept) return v;
    const std::uint64_t unit = pow10u(static_cast<unsigned>(length - kept));
    const std::uint64_t firstDropped = v / (unit / 10) % 10;
    const bool up = round ? firstDropped >= 5 : firstDropped >= 1;
    return (v / unit + (up ? 1 : 0)) * unit;
}

// The rings a value of v comes out as: its leading digits, the power of ten
// (gold and silver below ten), and the hidden ring 4 of four rings coloured
// from the length of v before rounding.
void expectRingsFor(const Finding& got, std::uint64_t v, std::uint8_t ringcount, bool round,
                    Kind kind) {
    const std::uint64_t r = roundedValue(v, ringcount, round);
    const int kept = ringcount - 2;
    const int length = digitCount(r);
    std::array<RingColourId, 4> rings{};
    // Leading digits of r, padded with zeros: 5 gives 5,0(,0).
    const std::string digits = std::to_string(r) + "00";
    for (int i = 0; i < kept; ++i)
        rings[static_cast<std::size_t>(i)] = allDigits[digits[static_cast<std::size_t>(i)] - '0'];
    const int exponent = length - kept;  // may be -1 or -2 for short values
    const RingColourId multiplier =
        exponent == -1 ? gold : exponent == -2 ? silver : allDigits[exponent];
    rings[static_cast<std::size_t>(kept)] = multiplier;
    if (ringcount == 4) {
        const int originalLength = digitCount(v);
        rings[3] = originalLength == 1   ? silver
                   : originalLength == 2 ? gold
                                         : allDigits[originalLength - 3];
    }
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(got.colours[i], colourOf(rings[i])) << "ring " << i + 1;
        EXPECT_EQ(got.codes[i], codeOf(rings[i])) << "ring " << i + 1;
    }
    EXPECT_EQ(got.actualvalue, std::to_string(v));
    EXPECT_EQ(got.reading.text(), shownValue(r * 100, kind).text());
    // The read-back is the reading of exactly the rings the finding coloured.
    const RingState state{ringcount,     got.codes[0],  got.codes[1], got.codes[2],
                          got.codes[3],  got.colours[2], got.colours[3], kind};
    EXPECT_EQ(readRings(state), std::optional<Reading>(got.reading));
}

void findAndCheck(const std::string& entry, std::int64_t n, Multiplier m, std::uint8_t ringcount,
                  bool round, Kind kind) {
    const FindRequest request{entry, m, round, ringcount, kind};
    const std::optional<Finding> got = findRings(request);
    if (n < 1 || n > limitOf(m)) {
        EXPECT_FALSE(got.has_value()) << describe(request);
        return;
    }
    ASSERT_TRUE(got.has_value()) << describe(request);
    expectRingsFor(*got, static_cast<std::uint64_t>(n) * factorOf(m), ringcount, round, kind);
}

TEST(FindRingsOverTheRange, EveryEntryUpTo20000) {
    for (std::int64_t n = 1; n <= 20'000; ++n) {
        const std::string entry = std::to_string(n);
        for (Multiplier m : {ohm, kohm, mohm}) {
            if (n > limitOf(m) + 10) continue;
            for (std::uint8_t ringcount : {std::uint8_t{4}, std::uint8_t{5}})
                for (bool round : {true, false}) {
                    findAndCheck(entry, n, m, ringcount, round, Kind::resistor);
                    if (::testing::Test::HasFailure()) {
                        ADD_FAILURE()
                            << "with " << describe({entry, m, round, ringcount, Kind::resistor});
                        return;
                    }
                }
        }
    }
}

TEST(FindRingsOverTheRange, RandomEntriesOfEveryLength) {
    std::mt19937_64 random(0x5eed'4750);
    const char hex[] = "0123456789abcdef";
    for (Multiplier m : {ohm, kohm, mohm}) {
        for (std::uint8_t ringcount : {std::uint8_t{4}, std::uint8_t{5}}) {
            for (bool round : {true, false}) {
                for (int i = 0; i < 10'000; ++i) {
                    // Spread over the lengths of the entry, a little past the limit too.
                    const int length = 1 + static_cast<int>(random() % 10);
                    const std::uint64_t low = pow10u(static_cast<unsigned>(length - 1));
                    auto n = static_cast<std::int64_t>(low + random() % (9 * low));
                    if (n > limitOf(m) + 1000) n = n % (limitOf(m) + 1000) + 1;
                    // The same number written in one of the accepted ways.
                    std::string entry;
                    switch (random() % 5) {
                    case 0: entry = std::string(random() % 4, ' ') + std::to_string(n); break;
                    case 1: entry = "+" + std::to_string(n); break;
                    case 2: entry = std::string(random() % 4, '0') + std::to_string(n); break;
                    case 3: {
                        for (std::int64_t x = n; x > 0; x /= 16)
                            entry.insert(entry.begin(), hex[x % 16]);
                        entry = "$" + entry;
                        break;
                    }
                    default: entry = std::to_string(n);
                    }
                    const Kind kind = random() % 2 ? Kind::resistor : Kind::capacitor;
                    findAndCheck(entry, n, m, ringcount, round, kind);
                    if (::testing::Test::HasFailure()) {
                        ADD_FAILURE() << "with " << describe({entry, m, round, ringcount, kind});
                        return;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace ringcode
