// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/filenames.h"

#include <vector>

namespace vantrel {

namespace {

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

std::size_t nameStart(const std::string& path)
{
    const std::size_t sep = path.find_last_of("/\\");
    return sep == std::string::npos ? 0 : sep + 1;
}

} // namespace

std::string replaceExtension(const std::string& path, std::string_view extension)
{
    const std::size_t start = nameStart(path);
    const std::size_t dot = path.find_last_of('.');
    std::string result = path;
    if (dot != std::string::npos && dot > start)
        result.erase(dot);
    result += extension;
    return result;
}

std::string shortenPathToWidth(const std::string& path, int maxWidth, const TextWidth& width)
{
    if (width(path) <= maxWidth)
        return path;

    // The separator the path itself uses, so a Windows path keeps its backslashes.
    const char sep =
        path.find('\\') != std::string::npos && path.find('/') == std::string::npos ? '\\' : '/';

    // Root: a drive ("C:"), a network share ("\\server\share") or nothing before the first
    // separator of an absolute POSIX path.
    std::size_t pos = 0;
    std::string root;
    if (path.size() >= 2 && path[1] == ':') {
        root = path.substr(0, 2);
        pos = 2;
    } else if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        std::size_t end = path.find_first_of("/\\", 2);
        if (end != std::string::npos)
            end = path.find_first_of("/\\", end + 1);
        if (end == std::string::npos)
            end = path.size();
        root = path.substr(0, end);
        pos = end;
    }
    // The root as it stands before the first folder: "C:\", "/" of an absolute path, or nothing
    // for a relative one.
    std::string head = root;
    if (pos < path.size() && isSeparator(path[pos]))
        head += sep;

    std::vector<std::string> parts;
    std::string current;
    for (std::size_t i = pos; i < path.size(); ++i) {
        if (isSeparator(path[i])) {
            if (!current.empty())
                parts.push_back(current);
            current.clear();
        } else {
            current += path[i];
        }
    }
    const std::string fileName = current;
    // parts now holds the folders between the root and the file name.
    if (parts.empty() || fileName.empty())
        return path;

    const std::string ellipsis = "...";
    for (std::size_t dropped = 1; dropped <= parts.size(); ++dropped) {
        std::string candidate = head + ellipsis;
        for (std::size_t i = dropped; i < parts.size(); ++i)
            candidate += sep + parts[i];
        candidate += sep + fileName;
        if (width(candidate) <= maxWidth)
            return candidate;
    }
    return ellipsis + sep + fileName;
}

} // namespace vantrel
