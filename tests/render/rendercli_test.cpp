// SPDX-License-Identifier: GPL-3.0-or-later
// vantrel-cli render, run as a user runs it, without a display.
#include "casename.h"
#include "mapexport.h"
#include "project/project.h"
#include "rendersupport.h"
#include "testsupport.h"

#include <QImage>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

struct RunResult {
    int status = -1;
    std::string err;
};

std::string quote(const std::string& arg)
{
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

/// Runs vantrel-cli with the arguments in a locale, without QT_QPA_PLATFORM and without a
/// display, as on a build server.
RunResult cli(const std::vector<std::string>& args, const std::string& locale = "C")
{
    static test::TempDir scratch;
    std::string command =
        "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY LC_ALL=" + quote(locale) + " " +
        quote(VANTREL_CLI);
    for (const auto& a : args)
        command += ' ' + quote(a);
    const auto err = scratch.file("err.txt");
    command += " >/dev/null 2>" + quote(err.string()) + " </dev/null";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, test::readFile(err)};
}

const std::string kCoastal = test::examplePath("coastal-town.pathway").string();
const std::string kRiver = test::examplePath("river-delta-timebased.pathway").string();

struct FormatCase {
    const char* name;
    const char* file;
    bool (*looksRight)(const std::string& bytes);
};

class RenderFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(RenderFormats, FollowTheExtensionInAnyLetterCase)
{
    const auto& c = GetParam();
    test::TempDir dir;
    const auto out = dir.file(c.file).string();
    const auto r = cli({"render", kCoastal, "--out", out});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(c.looksRight(test::readFile(out)));
}

INSTANTIATE_TEST_SUITE_P(Table, RenderFormats,
                         ::testing::Values(FormatCase{"Png", "map.png",
                                                      [](const std::string& b) {
                                                          return b.rfind("\x89PNG", 0) == 0;
                                                      }},
                                           FormatCase{"PngUpperCase", "MAP.PNG",
                                                      [](const std::string& b) {
                                                          return b.rfind("\x89PNG", 0) == 0;
                                                      }},
                                           FormatCase{"Emf", "map.Emf",
                                                      [](const std::string& b) {
                                                          const auto c = test::parseEmf(b);
                                                          return c.endFound && c.frameRight > 0;
                                                      }},
                                           FormatCase{"Svg", "map.svg",
                                                      [](const std::string& b) {
                                                          return b.find("<svg") !=
                                                                 std::string::npos;
                                                      }}),
                         test::CaseName());

TEST(RenderCommand, DrawsTheSameImageAsTheLibrary)
{
    test::TempDir dir;
    const auto out = dir.file("map.png").string();
    const auto r = cli({"render", kRiver, "--out", out, "--series", "1", "--highlight", "3"});
    ASSERT_EQ(r.status, 0) << r.err;
    auto project = Project::open(kRiver);
    const QImage expected = renderMapImage(*project, 1, project->elements().findIndex(3))
                                .convertToFormat(QImage::Format_ARGB32);
    const std::string bytes = test::readFile(out);
    const QImage got = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                                        static_cast<int>(bytes.size()), "PNG")
                           .convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(got, expected);
}

struct ErrorCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    const char* message;
};

class RenderErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(RenderErrors, AreReportedWithoutWritingAnything)
{
    const auto& c = GetParam();
    test::TempDir dir;
    std::vector<std::string> args{"render"};
    for (const auto& a : c.args)
        args.push_back(a == "OUT"   ? dir.file("map.png").string()
                       : a == "BAD" ? dir.file("map.jpg").string()
                                    : a);
    const auto r = cli(args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RenderErrors,
    ::testing::Values(
        ErrorCase{"UnknownFormat", {kCoastal, "--out", "BAD"}, 2, ".png, .emf or .svg"},
        ErrorCase{"NoOutput", {kCoastal}, 2, "--out PATH is needed."},
        ErrorCase{"UnknownHighlight",
                  {kCoastal, "--out", "OUT", "--highlight", "999"},
                  2,
                  "There is no element with ID 999."},
        ErrorCase{"SeriesOutOfRange",
                  {kRiver, "--out", "OUT", "--series", "7"},
                  2,
                  "--series 7 is out of range"},
        ErrorCase{"SeriesNotANumber",
                  {kRiver, "--out", "OUT", "--series", "one"},
                  2,
                  "'one' is not a whole number"},
        ErrorCase{"MissingProject",
                  {"/no/such/project.pathway", "--out", "OUT"},
                  1,
                  "Cannot open file \"/no/such/project.pathway\""}),
    test::CaseName());

TEST(RenderCommand, LabelsTakeTheUsersDecimalSeparator)
{
    test::TempDir dir;
    const auto out = dir.file("map.svg").string();
    for (const auto& [locale, label] :
         {std::pair<std::string, std::string>{"C", ">0.5<"}, {"de_DE.UTF-8", ">0,5<"}}) {
        const auto r = cli({"render", kCoastal, "--out", out}, locale);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(test::readFile(out).find(label), std::string::npos) << locale;
    }
}

TEST(RenderCommand, UnwritableTargetIsTheFileThatCannotBeCreated)
{
    const auto r = cli({"render", kCoastal, "--out", "/no/such/folder/map.svg"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Cannot create file \"/no/such/folder/map.svg\"."), std::string::npos)
        << r.err;
}

} // namespace
} // namespace vantrel
