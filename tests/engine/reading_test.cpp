// Reading the value from the rings: the worked examples, every combination the
// rings may carry, and codes and ring counts the rings can never carry.
#include "engine/ringcode.h"
#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace ringcode {
namespace {

using namespace support;

// Rings set by hand: each carries the code the colour dialog records with it.
RingState handSet(std::uint8_t ringcount, std::vector<RingColourId> rings, Kind kind) {
    RingState state;
    state.ringcount = ringcount;
    state.kind = kind;
    state.code1 = codeOf(rings.at(0));
    state.code2 = codeOf(rings.at(1));
    state.code3 = codeOf(rings.at(2));
    state.ring3 = colourOf(rings.at(2));
    if (ringcount == 5) {
        state.code4 = codeOf(rings.at(3));
        state.ring4 = colourOf(rings.at(3));
    }
    return state;
}

std::string describe(const RingState& s) {
    return "ringcount " + std::to_string(s.ringcount) + " codes " + std::to_string(s.code1) +
           "," + std::to_string(s.code2) + "," + std::to_string(s.code3) + "," +
           std::to_string(s.code4) + " ring3 " + std::to_string(s.ring3) + " ring4 " +
           std::to_string(s.ring4) + (s.kind == Kind::resistor ? " resistor" : " capacitor");
}

void expectShows(const Reading& got, const Shown& expected) {
    EXPECT_EQ(got.value, expected.value);
    EXPECT_EQ(got.dot, expected.dot);
    EXPECT_EQ(got.dec, expected.dec);
    EXPECT_EQ(got.enhet, expected.enhet);
    EXPECT_EQ(got.text(), expected.text());
}

TEST(ReadRings, WorkedExamples) {
    constexpr auto R = Kind::resistor;
    constexpr auto C = Kind::capacitor;
    struct Row {
        std::uint8_t ringcount;
        std::vector<RingColourId> rings;
        Kind kind;
        Shown shown;
        std::optional<Code> storedCode3, storedCode4;  // none: the code stays as it was
    };
    const std::vector<Row> rows = {
        {4, {yellow, violet, red}, R, {"4", ",", "7", " Ком"}, {}, {}},
        {4, {yellow, violet, red}, C, {"4", ",", "7", " nF"}, {}, {}},
        {4, {yellow, violet, black}, R, {"47", "", "", " ом"}, 1, {}},
        {4, {yellow, violet, gold}, R, {"4", ",", "7", " ом"}, {}, {}},
        {4, {yellow, violet, silver}, R, {"0", ",", "47", " ом"}, {}, {}},
        {4, {brown, black, silver}, R, {"0", ",", "1", " ом"}, {}, {}},
        {4, {brown, black, orange}, R, {"10", "", "", " Ком"}, {}, {}},
        {4, {brown, black, yellow}, C, {"100", "", "", " nF"}, {}, {}},
        {4, {brown, black, green}, C, {"1", "", "", " µF"}, {}, {}},
        {4, {white, white, violet}, R, {"990", "", "", " Мом"}, {}, {}},
        {5, {brown, black, green, brown}, R, {"1", ",", "05", " Ком"}, {}, {}},
        {5, {brown, black, green, gold}, R, {"10", ",", "5", " ом"}, {}, {}},
        {5, {brown, black, green, silver}, R, {"1", ",", "05", " ом"}, {}, {}},
        {5, {brown, black, brown, silver}, R, {"1", ",", "01", " ом"}, {}, {}},
        {5, {brown, black, black, silver}, R, {"1", "", "", " ом"}, 0, {}},
        {5, {yellow, black, violet, red}, R, {"40", ",", "7", " Ком"}, {}, {}},
        {5, {yellow, black, violet, yellow}, R, {"4", ",", "07", " Мом"}, {}, {}},
        {5, {yellow, violet, green, brown}, R, {"4", ",", "75", " Ком"}, {}, {}},
        {5, {red, red, black, brown}, R, {"2", ",", "2", " Ком"}, 0, {}},
        {5, {yellow, violet, green, black}, R, {"475", "", "", " ом"}, {}, 1},
        {5, {white, white, white, blue}, R, {"999", "", "", " Мом"}, {}, {}},
        // Inner zeros under the other multipliers, and both trailing digits zero.
        {5, {yellow, black, violet, orange}, R, {"407", "", "", " Ком"}, {}, {}},
        {5, {brown, black, black, brown}, R, {"1", "", "", " Ком"}, {}, {}},
        {5, {brown, black, black, yellow}, R, {"1", "", "", " Мом"}, {}, {}},
        // The capacitor kind: the same numbers, its own units.
        {5, {brown, black, green, silver}, C, {"1", ",", "05", " Пф"}, {}, {}},
        {5, {yellow, black, violet, yellow}, C, {"4", ",", "07", " µF"}, {}, {}},
        {4, {yellow, violet, black}, C, {"47", "", "", " Пф"}, 1, {}},
    };
    for (const Row& row : rows) {
        const RingState state = handSet(row.ringcount, row.rings, row.kind);
        SCOPED_TRACE(describe(state));
        const std::optional<Reading> got = readRings(state);
        ASSERT_TRUE(got.has_value());
        expectShows(*got, row.shown);
        EXPECT_EQ(got->code3, row.storedCode3.value_or(state.code3));
        EXPECT_EQ(got->code4, row.storedCode4.value_or(state.code4));
    }
}

TEST(ReadRings, BlackThirdRingOfFiveIsTheDigitZeroWhateverItsCodeWas) {
    // Left over from a four-ring reading of the same rings, which stored 1.
    RingState state = handSet(5, {red, red, black, brown}, Kind::resistor);
    state.code3 = 1;
    const std::optional<Reading> got = readRings(state);
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(got->text(), "2,2 Ком");
    EXPECT_EQ(got->code3, 0);

    // And a four-ring reading of a black multiplier read before stays 47.
    RingState again = handSet(4, {yellow, violet, black}, Kind::resistor);
    again.code3 = 1;
    const std::optional<Reading> second = readRings(again);
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(second->text(), "47 ом");
    EXPECT_EQ(second->code3, 1);
}

// Every ring combination the colour dialog lets a person set, both kinds.
TEST(ReadRings, EveryAllowedCombinationShowsItsExactValue) {
    int combinations = 0;
    for (Kind kind : {Kind::resistor, Kind::capacitor}) {
        for (RingColourId a : firstDigits) {
            for (RingColourId b : allDigits) {
                for (RingColourId m : multipliersOfFour) {
                    RingState state = handSet(4, {a, b, m}, kind);
                    // Ring 4 is hidden with four rings: whatever it holds is not read.
                    state.code4 = static_cast<Code>(combinations % 12);
                    state.ring4 = ringColours[static_cast<std::size_t>(combinations % 12)].value;
                    SCOPED_TRACE(describe(state));
                    const std::uint64_t significant = codeOf(a) * 10U + codeOf(b);
                    const std::uint64_t hundredths =
                        significant * pow10u(static_cast<unsigned>(exponentOf(m) + 2));
                    const std::optional<Reading> got = readRings(state);
                    ASSERT_TRUE(got.has_value());
                    expectShows(*got, shownValue(hundredths, kind));
                    EXPECT_EQ(got->code3, m == black ? 1 : codeOf(m));
                    EXPECT_EQ(got->code4, state.code4);
                    ++combinations;
                }
                for (RingColourId c : allDigits) {
                    for (RingColourId m : multipliersOfFive) {
                        const RingState state = handSet(5, {a, b, c, m}, kind);
                        SCOPED_TRACE(describe(state));
                        const std::uint64_t significant =
                            codeOf(a) * 100U + codeOf(b) * 10U + codeOf(c);
                        const std::uint64_t hundredths =
                            significant * pow10u(static_cast<unsigned>(exponentOf(m) + 2));
                        const std::optional<Reading> got = readRings(state);
                        ASSERT_TRUE(got.has_value());
                        expectShows(*got, shownValue(hundredths, kind));
                        EXPECT_LE(got->dec.size(), 2U);
                        EXPECT_EQ(got->code3, codeOf(c));
                        EXPECT_EQ(got->code4, m == black ? 1 : codeOf(m));
                        ++combinations;
                    }
                }
            }
        }
    }
    EXPECT_EQ(combinations, 2 * (9 * 10 * 10 + 9 * 10 * 10 * 9));
}

TEST(ReadRings, ReadingTheStoredCodesAgainGivesTheSameResult) {
    for (std::uint8_t ringcount : {std::uint8_t{4}, std::uint8_t{5}}) {
        const std::vector<RingColourId> multipliers =
            ringcount == 4
                ? std::vector<RingColourId>(std::begin(multipliersOfFour), std::end(multipliersOfFour))
                : std::vector<RingColourId>(std::begin(multipliersOfFive), std::end(multipliersOfFive));
        for (RingColourId m : multipliers) {
            for (RingColourId c : {black, violet}) {
                RingState state = ringcount == 4 ? handSet(4, {yellow, c, m}, Kind::resistor)
                                                 : handSet(5, {yellow, c, c, m}, Kind::resistor);
                SCOPED_TRACE(describe(state));
                const std::optional<Reading> first = readRings(state);
                ASSERT_TRUE(first.has_value());
                state.code3 = first->code3;
                state.code4 = first->code4;
                EXPECT_EQ(readRings(state), first);
            }
        }
    }
}

// ------------------------------------------------- outside what rings can hold

bool isNumber(const std::string& s) {
    if (s.empty() || (s.size() > 1 && s[0] == '0')) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// Whatever the rings hold, a reading the engine gives is one the value area can show.
void expectWellFormed(const RingState& state, const Reading& got) {
    EXPECT_TRUE(isNumber(got.value)) << got.value;
    for (char c : got.dec) EXPECT_TRUE(c >= '0' && c <= '9') << got.dec;
    EXPECT_EQ(got.dot, got.dec.empty() ? "" : ",");
    const bool resistor = state.kind == Kind::resistor;
    const std::string units[] = {resistor ? " ом" : " Пф", resistor ? " Ком" : " nF",
                                 resistor ? " Мом" : " µF"};
    EXPECT_NE(std::find(std::begin(units), std::end(units), got.enhet), std::end(units))
        << got.enhet;
}

// What the reading must do with any state at all: never crash, and give no
// reading where the rings cannot be read.
void checkAnyState(const RingState& state) {
    const Colour black = colourOf(RingColourId::black);
    const std::optional<Reading> got = readRings(state);
    if (state.ringcount != 4 && state.ringcount != 5) {
        EXPECT_FALSE(got.has_value());
        return;
    }
    const bool five = state.ringcount == 5;
    const Colour multiplierRing = five ? state.ring4 : state.ring3;
    const Code multiplierCode = five ? state.code4 : state.code3;
    // A black third ring of five is the digit 0, whatever code it held.
    const Code third = five && state.ring3 == black ? 0 : state.code3;
    if (state.code1 > 9 || state.code2 > 9 || (five && third > 9)) {
        EXPECT_FALSE(got.has_value());
        return;
    }
    if (multiplierRing != black && state.code1 >= 1 && multiplierCode > (five ? 6 : 7)) {
        EXPECT_FALSE(got.has_value());  // a power of ten that no ring shows
        return;
    }
    if (multiplierRing == black) {
        // A black multiplier is x1 whatever its code.
        ASSERT_TRUE(got.has_value());
        const std::uint64_t significant =
            five ? state.code1 * 100U + state.code2 * 10U + third : state.code1 * 10U + state.code2;
        EXPECT_EQ(got->text(), shownValue(significant * 100, state.kind).text());
    }
    if (!got) return;
    expectWellFormed(state, *got);
    // A black multiplier is stored as 1, a black third digit as 0.
    const Code storedCode3 = state.ring3 != black ? state.code3 : five ? 0 : 1;
    EXPECT_EQ(got->code3, storedCode3);
    EXPECT_EQ(got->code4, five && state.ring4 == black ? 1 : state.code4);
    if (!five) {
        // Ring 4 is not read with four rings.
        RingState plain = state;
        plain.code4 = 0;
        plain.ring4 = clBody;
        std::optional<Reading> other = readRings(plain);
        ASSERT_TRUE(other.has_value());
        other->code4 = state.code4;
        EXPECT_EQ(got, other);
    }
}

TEST(ReadRingsOutsideTheDomain, RingCountsOtherThanFourOrFiveGiveNoReading) {
    for (int ringcount = 0; ringcount <= 255; ++ringcount) {
        if (ringcount == 4 || ringcount == 5) continue;
        for (RingColourId m : {black, brown, gold, silver, white}) {
            RingState state;
            state.ringcount = static_cast<std::uint8_t>(ringcount);
            state.code1 = 4;
            state.code2 = 7;
            state.code3 = codeOf(m);
            state.code4 = codeOf(m);
            state.ring3 = state.ring4 = colourOf(m);
            SCOPED_TRACE(describe(state));
            EXPECT_EQ(readRings(state), std::nullopt);
        }
    }
}

TEST(ReadRingsOutsideTheDomain, EveryCodeInEverySlot) {
    const Code others[] = {0, 1, 9, 10, 255};
    const std::pair<Colour, Colour> colourPairs[] = {
        {colourOf(black), colourOf(black)},   {colourOf(gold), colourOf(silver)},
        {colourOf(silver), colourOf(gold)},   {colourOf(brown), colourOf(yellow)},
        {clBody, clBody},                     {0xDEADBEEF, colourOf(white)},
    };
    for (std::uint8_t ringcount : {std::uint8_t{4}, std::uint8_t{5}}) {
        for (int slot = 0; slot < 4; ++slot) {
            for (int code = 0; code <= 255; ++code) {
                for (Code x : others) {
                    for (Code y : others) {
                        for (Code z : others) {
                            for (const auto& [ring3, ring4] : colourPairs) {
                                // The slot under test takes the code, the others x, y, z.
                                const Code rest[] = {x, y, z};
                                std::array<Code, 4> codes{};
                                for (int i = 0, r = 0; i < 4; ++i)
                                    codes[static_cast<std::size_t>(i)] =
                                        i == slot ? static_cast<Code>(code) : rest[r++];
                                const RingState state{ringcount, codes[0], codes[1], codes[2],
                                                      codes[3],  ring3,    ring4,
                                                      code % 2 ? Kind::capacitor : Kind::resistor};
                                checkAnyState(state);
                                if (::testing::Test::HasFailure()) {
                                    ADD_FAILURE() << "with " << describe(state);
                                    return;
                                }
                            }
                        }
                    }
                }
            }
        }
    }
}

TEST(ReadRingsOutsideTheDomain, RandomStates) {
    std::mt19937 random(20240517);
    auto byte = [&random] { return static_cast<std::uint8_t>(random() & 0xFF); };
    auto code = [&] { return random() % 2 ? static_cast<Code>(random() % 12) : byte(); };
    auto colour = [&]() -> Colour {
        switch (random() % 4) {
        case 0: return static_cast<Colour>(random());
        case 1: return clBody;
        default: return ringColours[random() % ringColours.size()].value;
        }
    };
    for (int i = 0; i < 200'000; ++i) {
        RingState state;
        state.ringcount = random() % 8 ? static_cast<std::uint8_t>(4 + random() % 2) : byte();
        state.code1 = code();
        state.code2 = code();
        state.code3 = code();
        state.code4 = code();
        state.ring3 = colour();
        state.ring4 = colour();
        state.kind = random() % 2 ? Kind::resistor : Kind::capacitor;
        checkAnyState(state);
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << "with " << describe(state);
            return;
        }
    }
}

}  // namespace
}  // namespace ringcode
