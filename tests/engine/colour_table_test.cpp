// The colour table's look-ups, the offers of the colour dialog and the
// finding's rounding step.
#include "engine/ringcode.h"
#include "support.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace ringcode {
namespace {

using enum RingColourId;
using support::colourOf;

// The ring colours exactly to the bit, with the code the dialog records.
struct ColourRow {
    RingColourId id;
    Colour value;
    Code code;
    const char* panel;
    const char* caption;
};
constexpr ColourRow colourRows[] = {
    {black, 0x00000000, 0, "black", "Чёрный"},
    {brown, 0x00194494, 1, "brown", "Коричневый"},
    {red, 0x000000FF, 2, "red", "Красный"},
    {orange, 0x00008CFF, 3, "orange", "Оранжевый"},
    {yellow, 0x0000FFFF, 4, "yellow", "Жёлтый"},
    {green, 0x00008000, 5, "green", "Зелёный"},
    {blue, 0x00D70000, 6, "blue", "Голубой"},
    {violet, 0x00800080, 7, "violet", "Фиолетовый"},
    {gray, 0x00808080, 8, "gray", "Серый"},
    {white, 0x00FFFFFF, 9, "white", "Белый"},
    {gold, 0x005AA8C8, 1, "Gold", "Золотистый"},
    {silver, 0x00C0C0C0, 1, "Silver", "Серебристый"},
};

TEST(ColourTable, EachColourValueGivesItsEntryAndCode) {
    for (const ColourRow& row : colourRows) {
        SCOPED_TRACE(row.panel);
        const RingColour* entry = findRingColour(row.value);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->id, row.id);
        EXPECT_EQ(entry->panel, row.panel);
        EXPECT_EQ(entry->caption, row.caption);
        EXPECT_EQ(&ringColour(row.id), entry);
        EXPECT_EQ(codeOfColour(row.value), std::optional<Code>(row.code));
    }
}

TEST(ColourTable, OtherColoursAreNoRingColours) {
    // Pure blue and the body are near misses; recognition is by exact value.
    for (Colour other : {clBody, Colour{0x00FF0000}, Colour{0x00D70001}, Colour{0x015AA8C8},
                         Colour{0xFFFFFFFF}, Colour{0x00C0C0C1}, Colour{0x80000000}}) {
        SCOPED_TRACE(other);
        EXPECT_EQ(findRingColour(other), nullptr);
        EXPECT_EQ(codeOfColour(other), std::nullopt);
    }
    EXPECT_EQ(clBody, Colour{10806271});
}

TEST(ColourTable, FindingColoursEachRingByItsCodes) {
    const std::array<RingColourId, 10> digitColours{black, brown, red, orange, yellow,
                                                    green, blue, violet, gray, white};
    for (int ring = 1; ring <= 4; ++ring) {
        for (int code = 0; code <= 255; ++code) {
            SCOPED_TRACE("ring " + std::to_string(ring) + " code " + std::to_string(code));
            std::optional<Colour> expected;
            if (code <= 9 && !(ring == 1 && code == 0))
                expected = colourOf(digitColours[static_cast<std::size_t>(code)]);
            if (code == 10 && ring >= 3) expected = colourOf(gold);
            if (code == 11 && ring == 4) expected = colourOf(silver);
            EXPECT_EQ(findingColour(ring, static_cast<Code>(code)), expected);
        }
    }
    for (int ring : {-1, 0, 5, 6, 1000})
        for (int code : {0, 1, 9, 10, 11})
            EXPECT_EQ(findingColour(ring, static_cast<Code>(code)), std::nullopt)
                << "ring " << ring << " code " << code;
}

TEST(ColourTable, OnlyGoldAndSilverDivide) {
    for (const ColourRow& row : colourRows) {
        SCOPED_TRACE(row.panel);
        const int expected = row.id == gold ? 100 : row.id == silver ? 1000 : 1;
        EXPECT_EQ(multiplierDivisor(row.value), expected);
    }
    // Brown, gold and silver share code 1; only the colour tells them apart.
    EXPECT_EQ(multiplierDivisor(clBody), 1);
    EXPECT_EQ(multiplierDivisor(0x005AA8C9), 1);
    EXPECT_EQ(multiplierDivisor(0x00C0C0C0 | 0x01000000), 1);
}

TEST(ColourTable, ToleranceStepsInListOrder) {
    struct Row {
        const char* listText;
        Colour ring;
        const char* panel;
        const char* caption;
    };
    const Row rows[] = {
        {"20%", clBody, "None", "Отсутствует"},
        {"10%", 0x00C0C0C0, "Silver", "Серебристый"},
        {"5%", 0x005AA8C8, "Gold", "Золотистый"},
        {"2%", 0x000000FF, "Red", "Красный"},
        {"1%", 0x00194494, "Brown", "Коричневый"},
        {"0.5%", 0x00008000, "Green", "Зелёный"},
    };
    ASSERT_EQ(toleranceSteps.size(), std::size(rows));
    for (int i = 0; i < static_cast<int>(std::size(rows)); ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE(row.listText);
        const ToleranceStep& step = toleranceSteps[static_cast<std::size_t>(i)];
        EXPECT_EQ(step.listText, row.listText);
        EXPECT_EQ(step.ring, row.ring);
        EXPECT_EQ(step.panel, row.panel);
        EXPECT_EQ(step.caption, row.caption);
        EXPECT_EQ(toleranceColour(i), std::optional<Colour>(row.ring));
    }
    for (int outside : {-1, 6, 255, -2147483647 - 1, 2147483647})
        EXPECT_EQ(toleranceColour(outside), std::nullopt) << outside;
}

TEST(ColourTable, AValueRingIsSetByAnyColourButTheBody) {
    EXPECT_FALSE(isSet(clBody));
    for (const ColourRow& row : colourRows) EXPECT_TRUE(isSet(row.value)) << row.panel;
    EXPECT_TRUE(isSet(0x00A4E3FE));
}

// ----------------------------------------------------------------- offers

TEST(ColourOffers, EachRingOffersItsColours) {
    const ColourSet digits{black, brown, red, orange, yellow, green, blue, violet, gray, white};
    const ColourSet firstDigit{brown, red, orange, yellow, green, blue, violet, gray, white};
    const ColourSet multiplierOfFour{black, brown, red,  orange, yellow,
                                     green, blue,  violet, gold,  silver};
    const ColourSet multiplierOfFive{black, brown, red, orange, yellow, green, blue, gold, silver};
    struct Row {
        int ring;
        std::uint8_t ringcount;
        ColourSet offered;
    };
    const Row rows[] = {
        {1, 4, firstDigit},       {1, 5, firstDigit},       {2, 4, digits},
        {2, 5, digits},           {3, 4, multiplierOfFour}, {3, 5, digits},
        {4, 4, ColourSet{}},      {4, 5, multiplierOfFive}, {0, 4, ColourSet{}},
        {5, 5, ColourSet{}},      {-1, 4, ColourSet{}},     {1, 3, ColourSet{}},
        {2, 0, ColourSet{}},      {3, 255, ColourSet{}},    {4, 6, ColourSet{}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("ring " + std::to_string(row.ring) + " of " + std::to_string(row.ringcount));
        const ColourSet got = offeredColours(row.ring, row.ringcount);
        for (const RingColour& c : ringColours)
            EXPECT_EQ(got.contains(c.id), row.offered.contains(c.id)) << c.panel;
        EXPECT_EQ(got, row.offered);
    }
    EXPECT_EQ(standardOffer(), digits);
}

// ----------------------------------------------------------------- rounding

TEST(Roundvalue, AddsOneToTheLastDigitAndCarries) {
    struct Row {
        std::uint8_t ringcount;
        std::array<Code, 4> before, after;
    };
    const Row rows[] = {
        // Four rings: the second digit is the last; code4 is no part of it.
        {4, {4, 7, 2, 1}, {4, 8, 2, 1}},
        {4, {4, 9, 2, 1}, {5, 0, 2, 1}},
        {4, {9, 9, 2, 0}, {1, 0, 3, 0}},
        {4, {9, 9, 6, 4}, {1, 0, 7, 4}},
        {4, {1, 0, 1, 0}, {1, 1, 1, 0}},
        {4, {9, 8, 7, 6}, {9, 9, 7, 6}},
        // Five rings: the third digit is the last, code4 the multiplier.
        {5, {4, 7, 5, 1}, {4, 7, 6, 1}},
        {5, {4, 7, 9, 1}, {4, 8, 0, 1}},
        {5, {4, 9, 9, 1}, {5, 0, 0, 1}},
        {5, {9, 9, 9, 2}, {1, 0, 0, 3}},
        {5, {9, 9, 9, 5}, {1, 0, 0, 6}},
        {5, {9, 0, 9, 0}, {9, 1, 0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.before) + " with " +
                     std::to_string(row.ringcount) + " rings");
        EXPECT_EQ(roundvalue(row.before, row.ringcount), row.after);
    }
}

}  // namespace
}  // namespace ringcode
