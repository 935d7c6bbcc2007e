// The colour-code engine: what the rings of a resistor or capacitor mean,
// reading a value from the rings and finding the rings for a value.
// Plain C++ on the standard library alone; no window code belongs here.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ringcode {

// A colour as the window layer stores it: $00BBGGRR, red in the low byte.
// Rings are recognised by exact equality of this value.
using Colour = std::uint32_t;

// The code recorded with a ring: a digit, or a power of ten on a multiplier ring.
using Code = std::uint8_t;

// The drawn body; a value ring of this colour is not set, a tolerance ring of
// this colour means the component has none.
inline constexpr Colour clBody = 0x00A4E3FF;

// The twelve ring colours, in the order of their codes (gold and silver last).
enum class RingColourId : std::uint8_t {
    black, brown, red, orange, yellow, green, blue, violet, gray, white, gold, silver
};
inline constexpr std::size_t ringColourCount = 12;

struct RingColour {
    RingColourId id;
    std::string_view panel;    // object name of its panel in the colour dialog
    std::string_view caption;  // the panel's caption
    Colour value;
    Code code;                 // what the colour dialog records with it
};

inline constexpr std::array<RingColour, ringColourCount> ringColours{{
    {RingColourId::black, "black", "Чёрный", 0x00000000, 0},
    {RingColourId::brown, "brown", "Коричневый", 0x00194494, 1},
    {RingColourId::red, "red", "Красный", 0x000000FF, 2},
    {RingColourId::orange, "orange", "Оранжевый", 0x00008CFF, 3},
    {RingColourId::yellow, "yellow", "Жёлтый", 0x0000FFFF, 4},
    {RingColourId::green, "green", "Зелёный", 0x00008000, 5},
    {RingColourId::blue, "blue", "Голубой", 0x00D70000, 6},
    {RingColourId::violet, "violet", "Фиолетовый", 0x00800080, 7},
    {RingColourId::gray, "gray", "Серый", 0x00808080, 8},
    {RingColourId::white, "white", "Белый", 0x00FFFFFF, 9},
    {RingColourId::gold, "Gold", "Золотистый", 0x005AA8C8, 1},
    {RingColourId::silver, "Silver", "Серебристый", 0x00C0C0C0, 1},
}};

constexpr const RingColour& ringColour(RingColourId id) {
    return ringColours[static_cast<std::size_t>(id)];
}

// The entry of a colour value, if it is one of the twelve ring colours.
const RingColour* findRingColour(Colour value);

// Look-up 1: the code the colour dialog records with a colour.
std::optional<Code> codeOfColour(Colour value);

// Look-up 2: the colour the finding gives ring 1..4 for a code; codes 10
// (gold, rings 3 and 4) and 11 (silver, ring 4) included. None for a code the
// ring cannot show.
std::optional<Colour> findingColour(int ring, Code code);

// Look-up 3: gold divides by 100, silver by 1000, every other colour by 1.
std::int16_t multiplierDivisor(Colour multiplierRing);

// Look-up 5: a value ring is set once it has any colour but the body's.
constexpr bool isSet(Colour ring) { return ring != clBody; }

// The six tolerance steps, in the order of the tolerance list.
struct ToleranceStep {
    std::string_view listText;  // item of the main window's tolerance list
    Colour ring;                // colour of the tolerance ring
    std::string_view panel;     // object name of its panel in the tolerance dialog
    std::string_view caption;   // that panel's caption
};
inline constexpr std::array<ToleranceStep, 6> toleranceSteps{{
    {"20%", clBody, "None", "Отсутствует"},
    {"10%", 0x00C0C0C0, "Silver", "Серебристый"},
    {"5%", 0x005AA8C8, "Gold", "Золотистый"},
    {"2%", 0x000000FF, "Red", "Красный"},
    {"1%", 0x00194494, "Brown", "Коричневый"},
    {"0.5%", 0x00008000, "Green", "Зелёный"},
}};

// Look-up 4: the tolerance ring's colour for a list index; none outside 0..5.
std::optional<Colour> toleranceColour(int index);

// Which ring colours a value ring may take (the colour dialog's offer).
class ColourSet {
public:
    constexpr ColourSet() = default;
    constexpr ColourSet(std::initializer_list<RingColourId> ids) {
        for (RingColourId id : ids) bits_ |= bit(id);
    }
    constexpr bool contains(RingColourId id) const { return (bits_ & bit(id)) != 0; }
    constexpr bool operator==(const ColourSet&) const = default;

private:
    static constexpr std::uint16_t bit(RingColourId id) {
        return static_cast<std::uint16_t>(1U << static_cast<unsigned>(id));
    }
    std::uint16_t bits_ = 0;
};

// The colours that ring 1..4 may take with 4 or 5 rings; empty for a ring
// that carries no value (ring 4 with four rings, or anything out of range).
ColourSet offeredColours(int ring, std::uint8_t ringcount);

// The colour dialog's standard offer: black to white, no gold or silver.
ColourSet standardOffer();

enum class Kind : std::uint8_t { resistor, capacitor };

// ----------------------------------------------------------------- reading

struct RingState {
    std::uint8_t ringcount = 4;  // 4 or 5, the tolerance ring counted in
    Code code1 = 0, code2 = 0, code3 = 0, code4 = 0;
    Colour ring3 = clBody, ring4 = clBody;
    Kind kind = Kind::resistor;
};

// The texts of the value area's four labels, and the multiplier codes as the
// reading leaves them (a black multiplier ring is stored as code 1, a black
// third digit as code 0).
struct Reading {
    std::string value, dot, dec, enhet;
    Code code3 = 0, code4 = 0;

    std::string text() const { return value + dot + dec + enhet; }
    bool operator==(const Reading&) const = default;
};

// The value the rings stand for. None when they cannot be read: a ring count
// other than 4 or 5, a digit code over 9 (a black third digit of five rings
// counts as 0 whatever its code), a multiplier code outside 1 to 9 on a ring
// that is not black, or a value of 10^9 or more.
std::optional<Reading> readRings(const RingState& rings);

// ----------------------------------------------------------------- finding

inline constexpr std::string_view refusalText = "Величина компонента - целое число от 1 до 999М";
inline constexpr std::string_view refusalTitle = "Ошибка конвертации компонента";

// The entry field's number syntax: leading spaces, then an optionally signed
// decimal, or '$' and at most eight significant hex digits read as a 32-bit
// two's-complement pattern. None for anything else.
std::optional<std::int32_t> parseEntry(std::string_view text);

enum class Multiplier : std::uint8_t { ohm, kohm, mohm };

struct FindRequest {
    std::string_view entry;
    Multiplier multiplier = Multiplier::ohm;
    bool round = true;
    std::uint8_t ringcount = 4;
    Kind kind = Kind::resistor;  // only the read-back's unit depends on it
};

struct Finding {
    std::string actualvalue;          // the scaled value's digits
    std::array<Code, 4> codes{};      // rings 1..4 as handed to the read-back
    std::array<Colour, 4> colours{};  // rings 1..4, ring 4 coloured even when hidden
    Reading reading;                  // the read-back of those rings
};

// Adds one to the last significant digit and carries, the way the finding
// rounds up: 99 (999 with five rings) becomes 10 (100) one power higher.
std::array<Code, 4> roundvalue(std::array<Code, 4> codes, std::uint8_t ringcount);

// The rings for an entered value; none when the entry is refused (it does not
// convert, or lies outside 1 to the multiplier's limit, or the ring count is
// not 4 or 5, or the multiplier is none of the three).
std::optional<Finding> findRings(const FindRequest& request);

}  // namespace ringcode
