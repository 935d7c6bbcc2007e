// ringcode: the colour code of resistors and capacitors on the command line.
#include "cli/command.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

bool writeAll(std::FILE* stream, const std::string& text) {
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), stream) != text.size())
        return false;
    return std::fflush(stream) == 0 && !std::ferror(stream);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);

    const ringcode::cli::Outcome outcome = ringcode::cli::run(args);
    // A full disk or a closed pipe must not pass for success.
    if (!writeAll(stdout, outcome.out)) {
        const int error = errno;
        std::fprintf(stderr, "ringcode: cannot write the output: %s\n", std::strerror(error));
        return ringcode::cli::refused;
    }
    writeAll(stderr, outcome.err);
    return outcome.status;
}
