// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/atomicfile.h"

#include "xml/xmldocument.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vantrel {

namespace {

std::string reason(int error)
{
    return std::strerror(error);
}

[[noreturn]] void failCreate(const std::string& path, int error)
{
    throw FileError("Cannot create file \"" + path + "\". " + reason(error));
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

bool writeAll(int fd, std::string_view bytes, int& error)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            return false;
        }
        if (n == 0) {
            error = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

void writeFileAtomically(const std::string& path, std::string_view bytes)
{
    if (path.empty())
        failCreate(path, ENOENT);
    // A project reached through a symbolic link is replaced where it lives; renaming over the
    // link itself would leave the real file behind, unchanged.
    std::string target = path;
    struct stat link {};
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        if (char* resolved = ::realpath(path.c_str(), nullptr)) {
            target = resolved;
            std::free(resolved);
        }
    }
    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    mode_t mode = 0666;
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode))
            failCreate(path, EISDIR);
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }

    std::string pattern = target + ".XXXXXX";
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        failCreate(path, errno);
    const std::string tempPath(temp.data());

    int error = 0;
    bool ok = writeAll(fd, bytes, error);
    if (ok && ::fchmod(fd, mode) != 0) {
        error = errno;
        ok = false;
    }
    if (ok && ::fsync(fd) != 0) {
        error = errno;
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        error = errno;
        ok = false;
    }
    if (ok && ::rename(tempPath.c_str(), target.c_str()) != 0) {
        error = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(tempPath.c_str());
        failCreate(path, error);
    }
    // The rename is durable only once the folder itself is on disk.
    const int dir = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

std::string readWholeFile(const std::string& path, std::size_t maxSize)
{
    const auto failOpen = [&](const std::string& why) -> FileError {
        return FileError("Cannot open file \"" + path + "\". " + why);
    };
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        throw failOpen(reason(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int e = errno;
        ::close(fd);
        throw failOpen(reason(e));
    }
    if (S_ISDIR(info.st_mode)) {
        ::close(fd);
        throw failOpen(reason(EISDIR));
    }
    std::string data;
    if (S_ISREG(info.st_mode)) {
        if (static_cast<std::size_t>(info.st_size) > maxSize) {
            ::close(fd);
            throw failOpen("The file is larger than " + std::to_string(maxSize >> 20) + " MiB.");
        }
        data.reserve(static_cast<std::size_t>(info.st_size));
    }
    char buf[65536];
    while (true) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int e = errno;
            ::close(fd);
            throw failOpen(reason(e));
        }
        if (n == 0)
            break;
        if (data.size() + static_cast<std::size_t>(n) > maxSize) {
            ::close(fd);
            throw failOpen("The file is larger than " + std::to_string(maxSize >> 20) + " MiB.");
        }
        data.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return data;
}

} // namespace vantrel
