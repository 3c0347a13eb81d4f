// SPDX-License-Identifier: GPL-3.0-or-later
// Runs vantrel-cli as a user would and compares its output with reference files in
// tests/data/cli. To accept a deliberate change of output, run the tests with
// VANTREL_UPDATE_REFERENCES=1 and review the changed references before committing them.
#include "testsupport.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

std::string quote(const std::string& arg)
{
    std::string q = "'";
    for (char c : arg) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}

RunResult run(const std::string& program, const std::vector<std::string>& args)
{
    static test::TempDir scratch;
    std::string command = quote(program);
    for (const auto& a : args)
        command += ' ' + quote(a);
    const auto out = scratch.file("out.txt");
    const auto err = scratch.file("err.txt");
    command += " >" + quote(out.string()) + " 2>" + quote(err.string()) + " </dev/null";
    RunResult r;
    const int raw = std::system(command.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = test::readFile(out);
    r.err = test::readFile(err);
    return r;
}

RunResult cli(const std::vector<std::string>& args)
{
    return run(VANTREL_CLI, args);
}

void expectMatchesReference(const std::string& actual, const std::string& reference)
{
    const fs::path path = test::dataPath("cli/" + reference);
    if (std::getenv("VANTREL_UPDATE_REFERENCES")) {
        test::writeFile(path, actual);
        return;
    }
    ASSERT_TRUE(fs::exists(path)) << path << " is missing; run with VANTREL_UPDATE_REFERENCES=1";
    if (test::readFile(path) != actual)
        ADD_FAILURE() << reference << " differs; actual output kept in "
                      << test::keepActualOutput(reference, actual);
}

std::string example(const char* name)
{
    return test::examplePath(name).string();
}

TEST(Cli, ExamplesAreWhatTheProgramWrites)
{
    test::TempDir dir;
    ASSERT_EQ(run(VANTREL_MAKE_EXAMPLES, {dir.path().string()}).status, 0);
    for (const char* name : {"coastal-town.pathway", "river-delta-timebased.pathway"})
        EXPECT_EQ(test::readFile(dir.file(name)), test::readFile(test::examplePath(name)))
            << name << " is stale: run make_examples examples";
}

struct OutputCase {
    const char* name;
    std::vector<std::string> args;
    const char* reference;
};
class CliOutput : public testing::TestWithParam<OutputCase> {};

/// Output with the checkout's folders written relative to it, so references do not depend on
/// where the checkout lives.
std::string withRelativeFolders(std::string text)
{
    for (const auto& [folder, name] :
         {std::pair<std::string, std::string>{VANTREL_EXAMPLES_DIR, "examples"},
          {VANTREL_TEST_DATA_DIR, "tests/data"}})
        for (auto at = text.find(folder); at != std::string::npos; at = text.find(folder, at))
            text.replace(at, folder.size(), name);
    return text;
}

TEST_P(CliOutput, MatchesReference)
{
    const RunResult r = cli(GetParam().args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    expectMatchesReference(withRelativeFolders(r.out), GetParam().reference);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CliOutput,
    testing::Values(
        OutputCase{"InfoCondition", {"info", example("coastal-town.pathway")}, "info-coastal.txt"},
        OutputCase{"InfoTimeJson",
                   {"info", example("river-delta-timebased.pathway"), "--json"},
                   "info-river-delta.json"},
        OutputCase{"TippingYearsCondition",
                   {"tipping-years", example("coastal-town.pathway")},
                   "tipping-years-coastal.csv"},
        OutputCase{"TippingYearsTime",
                   {"tipping-years", example("river-delta-timebased.pathway")},
                   "tipping-years-river-delta.csv"},
        OutputCase{"YearOfValue",
                   {"year-of-value", example("coastal-town.pathway"), "1", "0", "0.25", "0,5",
                    "1e-1", "9"},
                   "year-of-value-coastal.txt"},
        OutputCase{"InfoJsonKeepsOutputValidUtf8",
                   {"info", test::dataPath("cli/odd-captions.pathway").string(), "--json"},
                   "info-odd-captions.json"},
        OutputCase{"Help", {"--help"}, "help.txt"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Cli, NewProjectsAreWhatTheProgramStartsWith)
{
    test::TempDir dir;
    const auto cond = dir.file("c.pathway").string();
    const auto time = dir.file("t.pathway").string();
    ASSERT_EQ(cli({"new", "condition", cond, "--begin-year", "2017"}).status, 0);
    ASSERT_EQ(cli({"new", "time", time}).status, 0);
    expectMatchesReference(test::readFile(cond), "new-condition-2017.pathway");
    expectMatchesReference(test::readFile(time), "new-time.pathway");
}

TEST(Cli, ResaveKeepsAFileOfTheProgramByteForByte)
{
    test::TempDir dir;
    const auto out = dir.file("copy.pathway");
    ASSERT_EQ(cli({"resave", example("coastal-town.pathway"), out.string()}).status, 0);
    EXPECT_EQ(test::readFile(out), test::readFile(test::examplePath("coastal-town.pathway")));
}

TEST(Cli, ResaveOfAnOldFileRecomputesTheRows)
{
    test::TempDir dir;
    const auto out = dir.file("new.pathway");
    ASSERT_EQ(
        cli({"resave", test::dataPath("cli/old-version.pathway").string(), out.string()}).status,
        0);
    const std::string written = test::readFile(out);
    expectMatchesReference(written, "old-version-resaved.pathway");
    EXPECT_NE(written.find("<Version>1.0</Version>"), std::string::npos);
    EXPECT_EQ(written.find("<ycoord>999</ycoord>"), std::string::npos);
}

struct ErrorCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    const char* message; // expected at the start of standard error
};
class CliErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(CliErrors, GoToStandardErrorWithANonZeroStatus)
{
    const RunResult r = cli(GetParam().args);
    EXPECT_EQ(r.status, GetParam().status);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind(GetParam().message, 0), 0u) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliErrors,
    testing::Values(
        ErrorCase{"MissingFile",
                  {"info", "/no/such/file.pathway"},
                  1,
                  "Cannot open file \"/no/such/file.pathway\". No such file or directory\n"},
        ErrorCase{"BadColour",
                  {"info", test::dataPath("cli/bad-colour.pathway").string()},
                  1,
                  "'xyz' is not a valid integer value\n"},
        ErrorCase{"Malformed",
                  {"tipping-years", test::dataPath("cli/malformed.pathway").string()},
                  1,
                  "Cannot read file \""},
        ErrorCase{"ValueNotANumber",
                  {"year-of-value", example("coastal-town.pathway"), "0", "abc"},
                  2,
                  "'abc' is not a number (value)."},
        ErrorCase{"ScenarioOutOfRange",
                  {"year-of-value", example("coastal-town.pathway"), "2", "1"},
                  2,
                  "Scenario index 2 is out of range"},
        ErrorCase{"UnknownType", {"new", "weekly", "/tmp/x.pathway"}, 2, "Unknown project type"},
        ErrorCase{"SaveIntoMissingFolder",
                  {"new", "time", "/no/such/folder/x.pathway"},
                  1,
                  "Cannot create file \"/no/such/folder/x.pathway\". No such file or directory"},
        ErrorCase{"UnknownCommand", {"frobnicate"}, 2, "Unknown command 'frobnicate'"},
        ErrorCase{"UnknownOption", {"info", "--yaml", "x"}, 2, "Unknown option --yaml."}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace vantrel
