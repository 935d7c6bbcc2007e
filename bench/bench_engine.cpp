// Per-call cost of the engine's two directions, over a realistic spread of inputs.
#include "engine/ringcode.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace ringcode;

// Every ring combination the colour dialog allows, both kinds, in random order.
std::vector<RingState> allowedRings() {
    std::vector<RingState> states;
    for (Kind kind : {Kind::resistor, Kind::capacitor}) {
        for (std::uint8_t ringcount : {std::uint8_t{4}, std::uint8_t{5}}) {
            for (const RingColour& a : ringColours) {
                if (!offeredColours(1, ringcount).contains(a.id)) continue;
                for (const RingColour& b : ringColours) {
                    if (!offeredColours(2, ringcount).contains(b.id)) continue;
                    for (const RingColour& c : ringColours) {
                        if (!offeredColours(3, ringcount).contains(c.id)) continue;
                        if (ringcount == 4) {
                            states.push_back({4, a.code, b.code, c.code, 0, c.value, clBody, kind});
                            continue;
                        }
                        for (const RingColour& d : ringColours)
                            if (offeredColours(4, 5).contains(d.id))
                                states.push_back(
                                    {5, a.code, b.code, c.code, d.code, c.value, d.value, kind});
                    }
                }
            }
        }
    }
    std::shuffle(states.begin(), states.end(), std::mt19937(1));
    return states;
}

struct Entry {
    std::string text;
    Multiplier multiplier;
    bool round;
    std::uint8_t ringcount;
};

// Entries as people type them: every length of number, mostly plain digits,
// now and then with spaces, a sign, hex, or out of range.
std::vector<Entry> typedEntries() {
    std::mt19937_64 random(2);
    std::vector<Entry> entries;
    for (int i = 0; i < 4096; ++i) {
        const auto multiplier = static_cast<Multiplier>(random() % 3);
        const int maxLength = multiplier == Multiplier::ohm    ? 9
                              : multiplier == Multiplier::kohm ? 6
                                                               : 3;
        const int length = 1 + static_cast<int>(random() % static_cast<unsigned>(maxLength));
        std::uint64_t low = 1;
        for (int k = 1; k < length; ++k) low *= 10;
        const std::uint64_t n = low + random() % (9 * low);
        std::string text = std::to_string(n);
        switch (random() % 20) {
        case 0: text.insert(0, 2, ' '); break;
        case 1: text.insert(0, 1, '+'); break;
        case 2: text.insert(0, 1, '0'); break;
        case 3: text = "$2F"; break;
        case 4: text += " "; break;  // refused
        default: break;
        }
        const bool round = random() % 4 != 0;
        entries.push_back({text, multiplier, round, static_cast<std::uint8_t>(4 + random() % 2)});
    }
    return entries;
}

void BM_readRings(benchmark::State& state) {
    const std::vector<RingState> rings = allowedRings();
    std::size_t i = 0;
    for (auto _ : state) {
        std::optional<Reading> reading = readRings(rings[i]);
        benchmark::DoNotOptimize(reading);
        if (++i == rings.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_readRings);

void BM_findRings(benchmark::State& state) {
    const std::vector<Entry> entries = typedEntries();
    std::size_t i = 0;
    for (auto _ : state) {
        const Entry& e = entries[i];
        std::optional<Finding> finding =
            findRings({e.text, e.multiplier, e.round, e.ringcount, Kind::resistor});
        benchmark::DoNotOptimize(finding);
        if (++i == entries.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_findRings);

void BM_parseEntry(benchmark::State& state) {
    const std::vector<Entry> entries = typedEntries();
    std::size_t i = 0;
    for (auto _ : state) {
        std::optional<std::int32_t> n = parseEntry(entries[i].text);
        benchmark::DoNotOptimize(n);
        if (++i == entries.size()) i = 0;
    }
}
BENCHMARK(BM_parseEntry);

}  // namespace

BENCHMARK_MAIN();
