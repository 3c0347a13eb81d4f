// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vantrel::test {

/// Path of a fixture in tests/data.
std::filesystem::path dataPath(std::string_view name);
/// Path of a bundled example project.
std::filesystem::path examplePath(std::string_view name);

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, std::string_view bytes);

/// A fresh folder removed with everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path file(std::string_view name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

/// Writes `actual` beside the build's test output when a golden comparison fails, so the
/// difference can be inspected; returns that path.
std::filesystem::path keepActualOutput(std::string_view name, std::string_view actual);

} // namespace vantrel::test
