#include "pixels/FileIdentity.h"

#include <sys/stat.h>

#include <system_error>

namespace glimmet {

namespace {
// As many links as the system follows in one name before it gives up (ELOOP).
constexpr int kMostLinks = 40;
}  // namespace

FileIdentity FileIdentity::Of(const std::string& path) {
    return Following(path, kMostLinks);
}

FileIdentity FileIdentity::Following(const std::filesystem::path& name, int linksLeft) {
    FileIdentity identity;
    struct stat info {};
    const bool named = ::lstat(name.c_str(), &info) == 0;
    if (named && S_ISLNK(info.st_mode) && ::stat(name.c_str(), &info) != 0) {
        // A link that points at no file yet: writing through it makes the file it points at.
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink(name, error);
        if (!error && linksLeft > 0)
            return Following(target.is_absolute() ? target : name.parent_path() / target, linksLeft - 1);
    } else if (named) {
        identity.device_ = info.st_dev;
        identity.inode_ = info.st_ino;
        return identity;
    }
    // Looked up as written (one call for the common case of a new file in a folder that is there),
    // then resolved, for a name whose folder is reached through a folder not there yet ("new/..").
    if (identity.InFolder(name)) return identity;
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(name, error);
    if (error) absolute = name;  // no working folder: the name as written
    std::filesystem::path resolved = std::filesystem::weakly_canonical(absolute, error);
    if (error) resolved = absolute.lexically_normal();
    if (!identity.InFolder(resolved)) identity.name_ = resolved.native();
    return identity;
}

bool FileIdentity::InFolder(const std::filesystem::path& name) {
    // A name ending in "/", "." or ".." is not there, so neither is its folder: no identity here.
    const std::filesystem::path folderName = name.has_parent_path() ? name.parent_path() : ".";
    struct stat folder {};
    if (::stat(folderName.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode)) return false;
    device_ = folder.st_dev;
    inode_ = folder.st_ino;
    name_ = name.filename().native();
    return true;
}

}  // namespace glimmet
