// The number syntax of the value entry.
#include "engine/ringcode.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ringcode {
namespace {

constexpr std::int32_t int32Min = -2147483647 - 1;

std::string shown(const std::string& text) {
    std::string out;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x20 && c < 0x7F) {
            out += ch;
        } else {
            static const char hex[] = "0123456789ABCDEF";
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return "'" + out + "'";
}

TEST(ParseEntry, AcceptedForms) {
    const std::vector<std::pair<std::string, std::int32_t>> accepted = {
        {"47", 47},
        {"0", 0},
        {"   47", 47},
        {" 47", 47},
        {std::string(1000, ' ') + "47", 47},
        {"+47", 47},
        {"-47", -47},
        {"  -47", -47},
        {"+0", 0},
        {"-0", 0},
        {"0047", 47},
        {"-0047", -47},
        {std::string(40, '0') + "47", 47},
        {"2147483647", 2147483647},
        {"-2147483647", -2147483647},
        {"+2147483647", 2147483647},
        {"0002147483647", 2147483647},
        {"990000000", 990000000},
        {"$2F", 47},
        {"$2f", 47},
        {"  $2F", 47},
        {"$0", 0},
        {"$0000002F", 47},
        {"$00000000000000002F", 47},  // leading zeros do not count as digits
        {"$7FFFFFFF", 2147483647},
        {"$80000000", int32Min},
        {"$FFFFFFFF", -1},
        {"$ffffffff", -1},
        {"$fFfFfFfE", -2},
        {"$0FFFFFFFF", -1},
        {"$C0000000", -1073741824},
        {"$3B023380", 990000000},
        {"$abcdef", 0xABCDEF},
        {"$ABCDEF", 0xABCDEF},
        {"$12345678", 0x12345678},
    };
    for (const auto& [text, value] : accepted) {
        SCOPED_TRACE(shown(text));
        EXPECT_EQ(parseEntry(text), std::optional<std::int32_t>(value));
    }
}

TEST(ParseEntry, RefusedForms) {
    using namespace std::string_literals;
    const std::vector<std::string> refused = {
        "",
        " ",
        "     ",
        "+",
        "-",
        "$",
        "  $",
        "+ 47",
        "- 47",
        "47 ",
        "4 7",
        "4.7",
        "4,7",
        "47.",
        "0x2F",
        "0X2F",
        "2F",
        "abc",
        "47a",
        "a47",
        "\t47",
        "47\t",
        "\n47",
        "47\n",
        "\r47",
        "\v47",
        "\f47",
        "\xC2\xA0" "47",  // no-break space
        "\xEF\xBC\x94\xEF\xBC\x97",  // full-width digits
        "\xD9\xA4\xD9\xA7",  // Arabic-Indic digits
        "47\0"s,
        "\0" "47"s,
        "++47",
        "+-47",
        "--47",
        "-+47",
        "+$2F",
        "-$2F",
        "$-2F",
        "$+2F",
        "$ 2F",
        "$2F ",
        "$$2F",
        "$2G",
        "$g",
        "$100000000",
        "$123456789",
        "$FFFFFFFFF",
        "2147483648",
        "-2147483648",
        "+2147483648",
        "4294967296",
        "4294967343",  // 2^32 + 47: must not wrap to 47
        "18446744073709551663",  // 2^64 + 47
        "99999999999999999999999999999",
        "1e3",
        "47e0",
        "1_000",
        "1'000",
        "\xD0\xB0",  // Cyrillic letter
    };
    for (const std::string& text : refused) {
        SCOPED_TRACE(shown(text));
        EXPECT_EQ(parseEntry(text), std::nullopt);
    }
}

TEST(ParseEntry, EveryNumberAroundTheBoundsOfThirtyTwoBits) {
    for (std::int64_t n = 2147483647LL - 1000; n <= 2147483647LL + 1000; ++n) {
        const bool fits = n <= 2147483647LL;
        const std::string plus = std::to_string(n);
        const std::string minus = "-" + plus;
        EXPECT_EQ(parseEntry(plus), fits ? std::optional<std::int32_t>(static_cast<std::int32_t>(n))
                                         : std::nullopt)
            << plus;
        EXPECT_EQ(parseEntry(minus), fits ? std::optional<std::int32_t>(static_cast<std::int32_t>(-n))
                                          : std::nullopt)
            << minus;
    }
}

}  // namespace
}  // namespace ringcode
