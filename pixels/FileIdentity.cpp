#include "pixels/FileIdentity.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

namespace glimmet {

FileIdentity FileIdentity::Of(const std::string& path) {
    FileIdentity identity;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        identity.exists_ = true;
        identity.device_ = info.st_dev;
        identity.inode_ = info.st_ino;
        return identity;
    }
    std::error_code error;
    const std::filesystem::path name(path);
    const auto resolved = std::filesystem::weakly_canonical(name, error);
    identity.path_ = (error ? std::filesystem::absolute(name, error).lexically_normal() : resolved).native();
    return identity;
}

}  // namespace glimmet
