#include "cli/command.h"

#include "engine/ringcode.h"

#include <array>
#include <optional>
#include <vector>

#ifndef RINGCODE_VERSION
#error "RINGCODE_VERSION must name the project's version"
#endif

namespace ringcode::cli {

namespace {

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// The name a colour goes by on the command line: its panel's, in lower case.
std::string nameOf(const RingColour& colour) { return lowerAscii(colour.panel); }

std::optional<RingColourId> colourNamed(std::string_view name) {
    std::string wanted = lowerAscii(name);
    if (wanted == "grey") wanted = "gray";
    for (const RingColour& colour : ringColours)
        if (nameOf(colour) == wanted) return colour.id;
    return std::nullopt;
}

std::string usageText() {
    std::string colours;
    for (const RingColour& colour : ringColours) {
        colours += ' ';
        colours += nameOf(colour);
        if (colour.id == RingColourId::gray) colours += " (grey)";
    }
    return "usage: ringcode read [--capacitor] COLOUR COLOUR COLOUR [COLOUR]\n"
           "       ringcode find [--rings 4|5] [--multiplier ohm|kohm|mohm] [--no-round]\n"
           "                     [--capacitor] [--] TEXT\n"
           "       ringcode --help\n"
           "       ringcode --version\n"
           "Three colours are the value rings of a four-ring component, four those of a\n"
           "five-ring one. COLOUR is one of:\n"
           " " + colours + "\n";
}

Outcome usageError(std::string_view reason) {
    Outcome outcome;
    outcome.status = usage;
    outcome.err = "ringcode: " + std::string(reason) + "\n" + usageText();
    return outcome;
}

Outcome failure(std::string_view message) {
    Outcome outcome;
    outcome.status = refused;
    outcome.err = "ringcode: " + std::string(message) + "\n";
    return outcome;
}

Outcome printed(std::string line) {
    Outcome outcome;
    outcome.out = std::move(line) + "\n";
    return outcome;
}

Outcome help() {
    Outcome outcome;
    outcome.out = usageText();
    return outcome;
}

bool isOption(std::string_view arg) { return arg.size() > 1 && arg[0] == '-'; }

// The value of an option written "--name value" or "--name=value"; advances i
// past a separate value. None when the value is missing.
std::optional<std::string_view> optionValue(std::span<const std::string_view> args, std::size_t& i,
                                            std::string_view name) {
    const std::string_view arg = args[i];
    if (arg.size() > name.size() && arg[name.size()] == '=') return arg.substr(name.size() + 1);
    if (i + 1 >= args.size()) return std::nullopt;
    return args[++i];
}

bool optionIs(std::string_view arg, std::string_view name) {
    return arg == name || (arg.size() > name.size() && arg.substr(0, name.size()) == name &&
                           arg[name.size()] == '=');
}

Outcome read(std::span<const std::string_view> args) {
    Kind kind = Kind::resistor;
    std::vector<std::string_view> names;
    bool optionsEnded = false;
    for (std::string_view arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--capacitor") {
            kind = Kind::capacitor;
        } else if (!optionsEnded && arg == "--help") {
            return help();
        } else if (!optionsEnded && isOption(arg)) {
            return usageError("unknown option '" + std::string(arg) + "'");
        } else {
            names.push_back(arg);
        }
    }
    if (names.size() != 3 && names.size() != 4)
        return usageError("read takes three or four colours, not " + std::to_string(names.size()));

    std::array<RingColourId, 4> rings{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::optional<RingColourId> id = colourNamed(names[i]);
        if (!id) return usageError("unknown colour '" + std::string(names[i]) + "'");
        rings[i] = *id;
    }
    const auto ringcount = static_cast<std::uint8_t>(names.size() + 1);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const int ring = static_cast<int>(i) + 1;
        if (!offeredColours(ring, ringcount).contains(rings[i]))
            return failure("ring " + std::to_string(ring) + " cannot be " +
                           nameOf(ringColour(rings[i])));
    }

    // Rings set by hand carry the code the colour dialog records with their colour.
    RingState state;
    state.ringcount = ringcount;
    state.kind = kind;
    state.code1 = ringColour(rings[0]).code;
    state.code2 = ringColour(rings[1]).code;
    state.code3 = ringColour(rings[2]).code;
    state.ring3 = ringColour(rings[2]).value;
    if (ringcount == 5) {
        state.code4 = ringColour(rings[3]).code;
        state.ring4 = ringColour(rings[3]).value;
    }
    const std::optional<Reading> reading = readRings(state);
    if (!reading) return failure("these rings cannot be read");
    return printed(reading->text());
}

Outcome find(std::span<const std::string_view> args) {
    FindRequest request;
    std::vector<std::string_view> texts;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || !isOption(arg)) {
            texts.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (optionIs(arg, "--rings")) {
            const std::optional<std::string_view> value = optionValue(args, i, "--rings");
            if (!value) return usageError("--rings needs a value");
            if (*value != "4" && *value != "5")
                return usageError("--rings takes 4 or 5, not '" + std::string(*value) + "'");
            request.ringcount = *value == "4" ? 4 : 5;
        } else if (optionIs(arg, "--multiplier")) {
            const std::optional<std::string_view> value = optionValue(args, i, "--multiplier");
            if (!value) return usageError("--multiplier needs a value");
            if (*value == "ohm") {
                request.multiplier = Multiplier::ohm;
            } else if (*value == "kohm") {
                request.multiplier = Multiplier::kohm;
            } else if (*value == "mohm") {
                request.multiplier = Multiplier::mohm;
            } else {
                return usageError("--multiplier takes ohm, kohm or mohm, not '" +
                                  std::string(*value) + "'");
            }
        } else if (arg == "--no-round") {
            request.round = false;
        } else if (arg == "--capacitor") {
            request.kind = Kind::capacitor;
        } else if (arg == "--help") {
            return help();
        } else {
            return usageError("unknown option '" + std::string(arg) + "'");
        }
    }
    if (texts.size() != 1)
        return usageError("find takes one TEXT, not " + std::to_string(texts.size()));

    request.entry = texts.front();
    const std::optional<Finding> finding = findRings(request);
    if (!finding) return failure(refusalText);

    std::string line = finding->actualvalue + "\t";
    for (std::size_t i = 0; i < finding->colours.size(); ++i) {
        const RingColour* colour = findRingColour(finding->colours[i]);
        if (i > 0) line += ' ';
        line += colour ? nameOf(*colour) : "?";
    }
    line += '\t';
    line += finding->reading.text();
    return printed(std::move(line));
}

}  // namespace

Outcome run(std::span<const std::string_view> args) {
    if (args.empty()) return usageError("no command given");
    const std::string_view command = args.front();
    const std::span<const std::string_view> rest = args.subspan(1);
    if (command == "--help") return help();
    if (command == "--version") return printed("ringcode " RINGCODE_VERSION);
    if (command == "read") return read(rest);
    if (command == "find") return find(rest);
    return usageError("unknown command '" + std::string(command) + "'");
}

}  // namespace ringcode::cli
