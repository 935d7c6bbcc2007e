// The ringcode command: its arguments in, what it prints and its exit status out.
// Kept apart from main() so that nothing here touches the process's streams.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace ringcode::cli {

enum Status : int { ok = 0, refused = 1, usage = 2 };

struct Outcome {
    int status = ok;
    std::string out;  // for standard output
    std::string err;  // for standard error
};

// args are the command-line arguments after the program name.
Outcome run(std::span<const std::string_view> args);

}  // namespace ringcode::cli
