// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile or damaged input, and saves that fail: the program must neither crash nor lose work.
#include "project/project.h"
#include "projectfixtures.h"
#include "testsupport.h"
#include "xml/xmldocument.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

const std::string kHead = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n";

struct AttackCase {
    const char* name;
    std::string (*bytes)();
    /// Expected caption of the first element when the file is read; nullptr when it must fail.
    const char* caption;
};

std::string billionLaughs()
{
    // Each entity holds ten of the one before: expanded, &lol9; would be 10^9 bytes.
    std::string doctype = "<!DOCTYPE lolz [<!ENTITY lol0 \"lol\">";
    for (int i = 1; i <= 9; ++i) {
        doctype += "<!ENTITY lol" + std::to_string(i) + " \"";
        for (int k = 0; k < 10; ++k)
            doctype += "&lol" + std::to_string(i - 1) + ";";
        doctype += "\">";
    }
    return kHead + doctype +
           "]><vorazoda><element id=\"1\"><caption>&lol9;</caption>"
           "</element></vorazoda>";
}

std::string externalEntity()
{
    return kHead + "<!DOCTYPE x [<!ENTITY xxe SYSTEM \"file:///etc/passwd\">]>"
                   "<vorazoda><element id=\"1\"><caption>&xxe;</caption></element></vorazoda>";
}

std::string deepNesting()
{
    std::string s = kHead + "<vorazoda><element id=\"1\"><caption>deep</caption>";
    for (int i = 0; i < 100000; ++i)
        s += "<n>";
    for (int i = 0; i < 100000; ++i)
        s += "</n>";
    return s + "</element></vorazoda>";
}

std::string hugeAttribute()
{
    return kHead + "<vorazoda><element id=\"1\" pad=\"" + std::string(64u << 20, 'x') +
           "\"><caption>big</caption></element></vorazoda>";
}

std::string invalidUtf8()
{
    return kHead + "<vorazoda><element id=\"1\"><caption>a\xFF\xFE\xC3(b\xED\xA0\x80</caption>"
                   "</element></vorazoda>";
}

std::string emptyFile()
{
    return "";
}
std::string onlyBom()
{
    return "\xEF\xBB\xBF";
}
std::string unclosed()
{
    return kHead + "<vorazoda><element id=\"1\"><caption>x";
}

class HostileInput : public testing::TestWithParam<AttackCase> {};

TEST_P(HostileInput, IsReadSafelyOrRefusedWithAMessage)
{
    const auto& c = GetParam();
    const std::string bytes = c.bytes();
    if (!c.caption) {
        EXPECT_THROW(Project::openBytes(bytes, "attack.pathway"), FileError);
        return;
    }
    auto p = Project::openBytes(bytes, "attack.pathway");
    ASSERT_EQ(p->elements().count(), 1);
    EXPECT_EQ(p->elements().elements(0).caption(), c.caption);
    // Saving keeps the caption's bytes as they were.
    auto again = Project::openBytes(p->toFileBytes(), "again.pathway");
    EXPECT_EQ(again->elements().elements(0).caption(), c.caption);
}

INSTANTIATE_TEST_SUITE_P(Attacks, HostileInput,
                         testing::Values(AttackCase{"BillionLaughs", billionLaughs, "&lol9;"},
                                         AttackCase{"ExternalEntity", externalEntity, "&xxe;"},
                                         AttackCase{"DeepNesting", deepNesting, "deep"},
                                         AttackCase{"HugeAttribute", hugeAttribute, "big"},
                                         AttackCase{"InvalidUtf8", invalidUtf8,
                                                    "a\xFF\xFE\xC3(b\xED\xA0\x80"},
                                         AttackCase{"EmptyFile", emptyFile, nullptr},
                                         AttackCase{"OnlyByteOrderMark", onlyBom, nullptr},
                                         AttackCase{"Unclosed", unclosed, nullptr}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(HostileInput, EveryTruncationOfAValidFileIsReadOrRefused)
{
    const std::string full = test::makeConditionProject()->toFileBytes();
    int refused = 0;
    for (std::size_t n = 0; n <= full.size(); ++n) {
        try {
            auto p = Project::openBytes(std::string_view(full).substr(0, n), "cut.pathway");
            p->toFileBytes();
        } catch (const FileError&) {
            ++refused;
        } catch (const ConversionError&) {
            ++refused; // a colour name cut short
        }
    }
    EXPECT_GT(refused, 0);
    EXPECT_NO_THROW(Project::openBytes(full, "full.pathway"));
}

TEST(HostileInput, TooLargeFileIsRefusedBeforeReading)
{
    test::TempDir dir;
    const auto path = dir.file("huge.pathway");
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        // A sparse file: large on paper, no disk space used.
        ASSERT_EQ(::ftruncate(fileno(f), static_cast<off_t>(XmlDocument::MaxFileSize) + 1), 0);
        std::fclose(f);
    }
    try {
        Project::open(path.string());
        FAIL();
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("larger than"), std::string::npos) << e.what();
    }
}

TEST(HostileInput, MoreElementsOrScenariosThanMemoryAllowsAreRefused)
{
    // Many tipping-time columns make every element expensive; the reader stops early.
    std::string manyColumns = kHead + "<vorazoda><pathwaytype>timebased</pathwaytype>"
                                      "<tippingvaluescount>1000</tippingvaluescount>";
    const std::size_t limit = XmlDocument::MaxTippingYearCells / 1000;
    for (std::size_t i = 0; i <= limit; ++i)
        manyColumns += "<element id=\"1\"/>";
    manyColumns += "</vorazoda>";
    try {
        Project::openBytes(manyColumns, "columns.pathway");
        FAIL();
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("more than " + std::to_string(limit) + " elements"),
                  std::string::npos)
            << e.what();
    }

    std::string manyScenarios = kHead + "<scenarios><beginyear>0</beginyear>"
                                        "<endyear>9999</endyear>";
    const std::size_t scenarioLimit = XmlDocument::MaxScenarioCells / 10000;
    for (std::size_t i = 0; i <= scenarioLimit; ++i)
        manyScenarios += "<scenario/>";
    manyScenarios += "</scenarios>";
    EXPECT_THROW(Project::openBytes(manyScenarios, "scenarios.pathway"), FileError);
}

// --- Saving ------------------------------------------------------------------------------------

class SafeSave : public testing::Test {
protected:
    void SetUp() override
    {
        target = dir.file("project.pathway");
        test::writeFile(target, oldBytes);
        ::chmod(target.c_str(), 0640);
        project = test::makeConditionProject();
    }
    /// Files in the folder other than the target (temporary files left behind).
    std::vector<std::string> strayFiles() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.path()))
            if (entry.path() != target)
                names.push_back(entry.path().filename().string());
        return names;
    }
    /// Saves to `path` and expects the "Cannot create file" message.
    void expectCreateError(const std::string& path)
    {
        try {
            project->save(path);
            ADD_FAILURE() << "save to " << path << " succeeded";
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"" + path + "\". ", 0), 0u)
                << e.what();
        }
    }
    void expectFailedSave(const std::string& path)
    {
        ASSERT_TRUE(project->isModified());
        expectCreateError(path);
        EXPECT_EQ(test::readFile(target), oldBytes);
        EXPECT_TRUE(strayFiles().empty());
        EXPECT_TRUE(project->isModified());
        EXPECT_TRUE(project->elements().isDirty());
    }

    test::TempDir dir;
    fs::path target;
    const std::string oldBytes = "the previous version of the project";
    std::unique_ptr<Project> project;
};

TEST_F(SafeSave, ReplacesTheFileKeepsItsPermissionsAndLeavesNothingBehind)
{
    project->save(target.string());
    EXPECT_EQ(test::readFile(target), project->toFileBytes());
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_TRUE(strayFiles().empty());
    EXPECT_FALSE(project->isModified());
}

TEST_F(SafeSave, SymbolicLinkKeepsPointingAtTheSavedProject)
{
    const auto link = dir.file("link.pathway");
    fs::create_symlink(target, link);
    project->save(link.string());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::readFile(target), project->toFileBytes());
    EXPECT_EQ(strayFiles(), std::vector<std::string>{"link.pathway"});
}

TEST_F(SafeSave, ParentThatIsAFileFails)
{
    expectFailedSave((target / "inside.pathway").string());
}

TEST_F(SafeSave, NameTooLongFails)
{
    expectFailedSave((dir.path() / (std::string(300, 'n') + ".pathway")).string());
}

TEST_F(SafeSave, TargetThatIsAFolderFails)
{
    fs::create_directory(dir.file("folder.pathway"));
    const auto path = dir.file("folder.pathway").string();
    try {
        project->save(path);
        FAIL();
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("Is a directory"), std::string::npos);
    }
    EXPECT_EQ(test::readFile(target), oldBytes);
}

TEST_F(SafeSave, FileSizeLimitMidWriteLeavesTheOldFile)
{
    // Root passes permission checks, but not a file-size limit.
    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    expectCreateError(target.string());
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(test::readFile(target), oldBytes);
    EXPECT_TRUE(strayFiles().empty());
    EXPECT_TRUE(project->isModified());
}

} // namespace
} // namespace vantrel
