// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/filenames.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(ReplaceExtension, ReplacesTheLastExtensionOfTheName)
{
    struct Row {
        const char* path;
        const char* extension;
        const char* expected;
    };
    const Row rows[] = {
        {"map.png", ".PNG", "map.PNG"},           {"/out/map.png", ".EMF", "/out/map.EMF"},
        {"/out/map", ".PNG", "/out/map.PNG"},     {"/out/map.tar.gz", ".SVG", "/out/map.tar.SVG"},
        {"/out.d/map", ".PNG", "/out.d/map.PNG"}, {"C:\\out.d\\map", ".CSV", "C:\\out.d\\map.CSV"},
        {"/out/.map", ".PNG", "/out/.map.PNG"},   {"/out/map.", ".PNG", "/out/map.PNG"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(replaceExtension(row.path, row.extension), row.expected) << row.path;
}

// One pixel per character makes the widths easy to follow.
int characters(const std::string& text)
{
    return static_cast<int>(text.size());
}

TEST(ShortenPath, DropsLeadingFoldersUntilThePathFits)
{
    struct Row {
        const char* path;
        int width;
        const char* expected;
    };
    const Row rows[] = {
        {"C:\\alpha\\beta\\gamma\\coast.pathway", 33, "C:\\alpha\\beta\\gamma\\coast.pathway"},
        {"C:\\alpha\\beta\\gamma\\coast.pathway", 31, "C:\\...\\beta\\gamma\\coast.pathway"},
        {"C:\\alpha\\beta\\gamma\\coast.pathway", 30, "C:\\...\\gamma\\coast.pathway"},
        {"C:\\alpha\\beta\\gamma\\coast.pathway", 25, "C:\\...\\coast.pathway"},
        {"/home/anna/plans/coast.pathway", 29, "/.../anna/plans/coast.pathway"},
        {"\\\\server\\share\\alpha\\coast.pathway", 32, "\\\\server\\share\\...\\coast.pathway"},
        {"plans/older/coast.pathway", 23, ".../older/coast.pathway"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(shortenPathToWidth(row.path, row.width, characters), row.expected) << row.path;
}

TEST(ShortenPath, KeepsTheFileNameWhole)
{
    EXPECT_EQ(shortenPathToWidth("C:\\alpha\\beta\\coast.pathway", 19, characters),
              "...\\coast.pathway");
    EXPECT_EQ(shortenPathToWidth("coast.pathway", 5, characters), "coast.pathway");
}

} // namespace
} // namespace vantrel
