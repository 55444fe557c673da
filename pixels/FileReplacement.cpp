#include "pixels/FileReplacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <random>
#include <string>

#include "pixels/DescriptorSink.h"
#include "pixels/StringSink.h"

namespace glimmet {

namespace {

SaveResult Failure(int error, bool oldFileLost = false) {
    return {false, error, oldFileLost};
}

std::string Folder(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The name a chain of symbolic links finally points at, which need not exist. A loop is left to the
// open that follows, which reports it.
std::string FollowLinks(std::string path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
        if (length <= 0 || static_cast<size_t>(length) >= sizeof target) return path;
        const std::string next(target, static_cast<size_t>(length));
        path = next.front() == '/' ? next : Folder(path).append("/").append(next);
    }
    return path;
}

// A name in `folder` that no one else uses, for a moment.
std::string TemporaryName(const std::string& folder) {
    thread_local std::mt19937_64 random{std::random_device{}()};
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, "%d-%016llx", static_cast<int>(::getpid()),
                  static_cast<unsigned long long>(random()));
    return folder + "/.glimmet-" + suffix + ".tmp";
}

// A new, empty file in `folder` under a name no one else uses; the permission bits are those of any
// new file (0666 less the umask). Returns the descriptor or -1 with errno set.
int CreateTemporary(const std::string& folder, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = TemporaryName(folder);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The new name itself on disk too, so that a power cut after the save keeps it.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

bool WriteAllAt(int fd, const char* data, size_t size) {
    off_t offset = 0;
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size, offset);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n, size -= static_cast<size_t>(n), offset += n;
    }
    return true;
}

bool ReadAll(int fd, std::string& content) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return false;
    content.resize(static_cast<size_t>(info.st_size));
    size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::pread(fd, content.data() + done, content.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;  // the file shrank meanwhile
        done += static_cast<size_t>(n);
    }
    content.resize(done);
    return true;
}

// Writes `content` over the file in place: reserves the new size first, so that a full disk or a
// file-size limit refuses before any byte changes; a write that fails anyway puts the old bytes back.
SaveResult RewriteInPlace(const std::string& path, const std::string& content) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return Failure(errno);
    std::string old;
    if (!ReadAll(fd, old)) {
        const int error = errno;
        ::close(fd);
        return Failure(error);
    }
    const auto newSize = static_cast<off_t>(content.size()), oldSize = static_cast<off_t>(old.size());
    if (newSize > oldSize && ::fallocate(fd, 0, 0, newSize) != 0 && errno != EOPNOTSUPP && errno != ENOSYS) {
        const int error = errno;
        (void)::ftruncate(fd, oldSize);  // a reservation cut short may have grown the file
        ::close(fd);
        return Failure(error);
    }
    if (!WriteAllAt(fd, content.data(), content.size()) || ::ftruncate(fd, newSize) != 0 ||
        ::fsync(fd) != 0) {
        const int error = errno;
        const bool restored =
            WriteAllAt(fd, old.data(), old.size()) && ::ftruncate(fd, oldSize) == 0 && ::fsync(fd) == 0;
        ::close(fd);
        return Failure(error, !restored);
    }
    ::close(fd);  // the content is on disk already
    return {true, 0, false};
}

// An unnamed file in `folder` (O_TMPFILE): until it is linked, a crash or a power cut leaves
// nothing behind. -1 with errno set; EOPNOTSUPP or EISDIR when the file system or kernel has none.
int CreateUnnamed(const std::string& folder) {
    return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
}

// Gives the unnamed file `fd` the name `path`, which must not exist. Through /proc first, which
// needs no privilege; AT_EMPTY_PATH where /proc is not mounted.
int LinkUnnamed(int fd, const std::string& path) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
    if (errno != ENOENT) return -1;
    return ::linkat(fd, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH);
}

// Puts the finished file `fd` at `path`: linked straight to a new name, or linked to a temporary
// name and renamed over the old file (a hard link cannot replace a file). The temporary name
// exists only between those two calls.
int PlaceUnnamed(int fd, const std::string& path, bool exists) {
    if (!exists && LinkUnnamed(fd, path) == 0) return 0;
    if (!exists && errno != EEXIST) return -1;
    std::string temporary;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = TemporaryName(Folder(path));
        if (LinkUnnamed(fd, temporary) == 0) break;
        if (errno != EEXIST) return -1;
    }
    if (::rename(temporary.c_str(), path.c_str()) == 0) return 0;
    const int error = errno;
    ::unlink(temporary.c_str());
    errno = error;
    return -1;
}

// Writes a new file beside `path` and puts it in place of `path`; `existing` is the old file's
// status, or null for a new name. The data is on disk before the file takes the name.
SaveResult WriteBeside(const std::string& path, const struct stat* existing, const ContentWriter& write) {
    std::string temporary;
    int fd = CreateUnnamed(Folder(path));
    // Only a file system without unnamed files gets a named temporary file, which a crash can leave.
    if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR)) fd = CreateTemporary(Folder(path), temporary);
    if (fd < 0) {
        const int error = errno;
        if (existing == nullptr || (error != EACCES && error != EPERM)) return Failure(error);
        StringSink content;
        if (!write(content)) return Failure(0);
        return RewriteInPlace(path, content.content);
    }
    if (existing != nullptr) {
        // The owner first: a change of owner may clear the set-user-ID bits that fchmod then restores.
        (void)::fchown(fd, existing->st_uid, existing->st_gid);
        (void)::fchmod(fd, existing->st_mode & 07777);
    }
    SaveResult result = WriteToDescriptor(fd, write);
    if (result.saved && ::fsync(fd) != 0) result = Failure(errno);
    if (result.saved && temporary.empty() && PlaceUnnamed(fd, path, existing != nullptr) != 0)
        result = Failure(errno);
    if (::close(fd) != 0 && result.saved) result = Failure(errno);
    if (result.saved && !temporary.empty() && ::rename(temporary.c_str(), path.c_str()) != 0)
        result = Failure(errno);
    if (!result.saved && !temporary.empty()) ::unlink(temporary.c_str());
    if (result.saved) SyncFolder(Folder(path));
    return result;
}

}  // namespace

SaveResult WriteToDescriptor(int fd, const ContentWriter& write) {
    DescriptorSink sink(fd);
    const bool made = write(sink);
    if (sink.Finish() && made) return {true, 0, false};
    return Failure(sink.SystemError());
}

SaveResult ReplaceFile(const std::string& path, const ContentWriter& write) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT) return Failure(errno);
        return WriteBeside(FollowLinks(path), nullptr, write);
    }
    if (S_ISDIR(info.st_mode)) return Failure(EISDIR);
    if (!S_ISREG(info.st_mode)) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) return Failure(errno);
        const SaveResult result = WriteToDescriptor(fd, write);
        if (::close(fd) != 0 && result.saved) return Failure(errno);
        return result;
    }
    if (::access(path.c_str(), W_OK) != 0) return Failure(errno);
    char real[PATH_MAX];
    if (::realpath(path.c_str(), real) == nullptr) return Failure(errno);
    return WriteBeside(real, &info, write);
}

}  // namespace glimmet
