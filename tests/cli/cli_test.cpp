// The ringcode executable run as a user runs it: arguments in, exact output
// and exit status out.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#ifndef RINGCODE_EXE
#error "RINGCODE_EXE must name the ringcode executable"
#endif

extern char** environ;

namespace {

struct Result {
    int status = -1;
    std::string out, err;
};

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs ringcode with the arguments; stdout goes to stdoutPath when one is given.
Result ringcode(const std::vector<std::string>& args, const char* stdoutPath = nullptr) {
    char dir[] = "/tmp/ringcode-cli-XXXXXX";
    if (!mkdtemp(dir)) {
        ADD_FAILURE() << "no temporary directory";
        return {};
    }
    const std::string outPath = stdoutPath ? stdoutPath : std::string(dir) + "/out";
    const std::string errPath = std::string(dir) + "/err";

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    std::vector<std::string> storage{RINGCODE_EXE};
    storage.insert(storage.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : storage) argv.push_back(arg.data());
    argv.push_back(nullptr);

    Result run;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, RINGCODE_EXE, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << RINGCODE_EXE;
        return run;
    }
    int wait = 0;
    if (waitpid(pid, &wait, 0) == pid && WIFEXITED(wait)) run.status = WEXITSTATUS(wait);
    if (!stdoutPath) run.out = slurp(outPath);
    run.err = slurp(errPath);
    if (!stdoutPath) unlink(outPath.c_str());
    unlink(errPath.c_str());
    rmdir(dir);
    return run;
}

std::string usage() { return ringcode({"--help"}).out; }

const std::string refusal = "ringcode: Величина компонента - целое число от 1 до 999М\n";

TEST(RingcodeCommand, ReadPrintsTheValue) {
    struct Row {
        std::vector<std::string> args;
        std::string out;
    };
    const std::vector<Row> rows = {
        {{"read", "yellow", "violet", "red"}, "4,7 Ком\n"},
        {{"read", "yellow", "violet", "silver"}, "0,47 ом\n"},
        {{"read", "brown", "black", "green", "brown"}, "1,05 Ком\n"},
        {{"read", "brown", "black", "black", "yellow"}, "1 Мом\n"},
        {{"read", "--capacitor", "brown", "black", "yellow"}, "100 nF\n"},
        {{"read", "brown", "black", "green", "silver", "--capacitor"}, "1,05 Пф\n"},
        {{"read", "--capacitor", "brown", "black", "green"}, "1 µF\n"},
        // Any letter case, and grey for gray.
        {{"read", "YELLOW", "Violet", "GOLD"}, "4,7 ом\n"},
        {{"read", "brown", "Grey", "red"}, "1,8 Ком\n"},
        {{"read", "--", "white", "white", "white", "blue"}, "999 Мом\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.args));
        const Result run = ringcode(row.args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(run.err, "");
    }
}

TEST(RingcodeCommand, ReadRefusesAColourItsRingCannotTake) {
    struct Row {
        std::vector<std::string> args;
        std::string err;
    };
    const std::vector<Row> rows = {
        {{"read", "black", "brown", "red"}, "ringcode: ring 1 cannot be black\n"},
        {{"read", "brown", "gold", "red"}, "ringcode: ring 2 cannot be gold\n"},
        {{"read", "brown", "black", "grey"}, "ringcode: ring 3 cannot be gray\n"},
        {{"read", "brown", "black", "white"}, "ringcode: ring 3 cannot be white\n"},
        {{"read", "brown", "black", "silver", "red"}, "ringcode: ring 3 cannot be silver\n"},
        {{"read", "brown", "black", "black", "violet"}, "ringcode: ring 4 cannot be violet\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.args));
        const Result run = ringcode(row.args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, row.err);
    }
}

TEST(RingcodeCommand, FindPrintsCaptionRingsAndReadBack) {
    struct Row {
        std::vector<std::string> args;
        std::string out;
    };
    const std::vector<Row> rows = {
        {{"find", "--rings", "4", "4750"}, "4750\tyellow gray red brown\t4,8 Ком\n"},
        {{"find", "4750"}, "4750\tyellow gray red brown\t4,8 Ком\n"},
        {{"find", "--rings", "5", "4750"}, "4750\tyellow violet green brown\t4,75 Ком\n"},
        {{"find", "--rings=5", "--no-round", "4701"}, "4701\tyellow violet brown brown\t4,71 Ком\n"},
        {{"find", "--rings", "5", "4701"}, "4701\tyellow violet black brown\t4,7 Ком\n"},
        {{"find", "--multiplier", "kohm", "999"}, "999000\tbrown black green orange\t1 Мом\n"},
        {{"find", "--multiplier=mohm", "990"}, "990000000\twhite white violet blue\t990 Мом\n"},
        {{"find", "5"}, "5\tgreen black gold silver\t5 ом\n"},
        {{"find", "--rings", "5", "5"}, "5\tgreen black black silver\t5 ом\n"},
        {{"find", "--capacitor", "--multiplier", "kohm", "47"},
         "47000\tyellow violet orange red\t47 nF\n"},
        // The text as given: leading spaces, hex, and '--' before a dash.
        {{"find", "   47"}, "47\tyellow violet black gold\t47 ом\n"},
        {{"find", "$2F"}, "47\tyellow violet black gold\t47 ом\n"},
        {{"find", "--", "+0047"}, "47\tyellow violet black gold\t47 ом\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.args));
        const Result run = ringcode(row.args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(run.err, "");
    }
}

TEST(RingcodeCommand, FindRefusesWhatTheEntryFieldRefuses) {
    const std::vector<std::vector<std::string>> rows = {
        {"find", "--", "-5"},
        {"find", "--", "-2147483648"},
        {"find", "0"},
        {"find", ""},
        {"find", "47 "},
        {"find", "\t47"},
        {"find", "4,7"},
        {"find", "0x2F"},
        {"find", "990000001"},
        {"find", "--multiplier", "kohm", "990001"},
        {"find", "--multiplier", "mohm", "991"},
        {"find", "$FFFFFFFF"},
    };
    for (const std::vector<std::string>& args : rows) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const Result run = ringcode(args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, refusal);
    }
}

TEST(RingcodeCommand, UsageErrorsGiveAReasonAndTheUsage) {
    const std::string help = usage();
    ASSERT_NE(help, "");
    const std::vector<std::vector<std::string>> rows = {
        {},
        {"decode"},
        {"read", "brown", "black"},
        {"read", "brown", "black", "red", "red", "red"},
        {"read", "pink", "black", "red"},
        {"read", "--resistor", "brown", "black", "red"},
        {"find"},
        {"find", "1", "2"},
        {"find", "-5"},
        {"find", "--rings", "6", "47"},
        {"find", "--rings"},
        {"find", "--multiplier", "gohm", "47"},
        {"find", "--round", "47"},
        {"--verbose"},
    };
    for (const std::vector<std::string>& args : rows) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const Result run = ringcode(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        // One line of reason, then the usage.
        const std::size_t endOfReason = run.err.find('\n');
        ASSERT_NE(endOfReason, std::string::npos);
        EXPECT_EQ(run.err.rfind("ringcode: ", 0), 0U) << run.err;
        EXPECT_EQ(run.err.substr(endOfReason + 1), help);
    }
}

TEST(RingcodeCommand, HelpAndVersion) {
    const Result help = ringcode({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out.rfind("usage: ringcode read [--capacitor] COLOUR COLOUR COLOUR [COLOUR]\n", 0),
              0U)
        << help.out;
    EXPECT_NE(help.out.find("ringcode find [--rings 4|5]"), std::string::npos);

    const Result version = ringcode({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "ringcode " RINGCODE_VERSION "\n");
    EXPECT_EQ(version.err, "");
}

TEST(RingcodeCommand, AFailedWriteIsNoSuccess) {
    if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full here";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, {"--version"}, {"find", "4750"},
          {"read", "yellow", "violet", "red"}}) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const Result run = ringcode(args, "/dev/full");
        EXPECT_NE(run.status, 0);
        EXPECT_NE(run.err, "");
    }
}

}  // namespace
