// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace vantrel::test {

std::filesystem::path dataPath(std::string_view name)
{
    return std::filesystem::path(VANTREL_TEST_DATA_DIR) / name;
}

std::filesystem::path examplePath(std::string_view name)
{
    return std::filesystem::path(VANTREL_EXAMPLES_DIR) / name;
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "vantrel-test-XXXXXX").string();
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (!::mkdtemp(buf.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = buf.data();
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::filesystem::path keepActualOutput(std::string_view name, std::string_view actual)
{
    const auto dir = std::filesystem::current_path() / "actual-output";
    std::filesystem::create_directories(dir);
    const auto path = dir / name;
    writeFile(path, actual);
    return path;
}

} // namespace vantrel::test
