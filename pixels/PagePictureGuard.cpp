#include "pixels/PagePictureGuard.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace glimmet {

namespace {

// The first bytes of every format the picture loader reads. A file that merely starts like one is
// refused too: a page refused wrongly costs the user another name, a page appended to a picture
// costs the picture.
std::string_view FormatBySignature(std::string_view head) {
    struct Signature {
        std::string_view bytes;
        std::string_view format;
    };
    using namespace std::string_view_literals;
    static constexpr std::array<Signature, 9> kSignatures = {{
        {"BM"sv, "BMP"sv},
        {"\xFF\xD8"sv, "JPEG"sv},
        {"GIF87a"sv, "GIF"sv},
        {"GIF89a"sv, "GIF"sv},
        {"\x89PNG\r\n\x1A\n"sv, "PNG"sv},
        {"\0\0\1\0"sv, "ICO"sv},
        {"\0\0\2\0"sv, "CUR"sv},
        {"/* XPM */"sv, "XPM"sv},
        {"#define "sv, "XBM"sv},
    }};
    for (const Signature& s : kSignatures) {
        if (head.starts_with(s.bytes)) {
            // A C header is no XBM picture unless its first line defines a width.
            if (s.format == "XBM" && head.substr(0, head.find('\n')).find("_width") == std::string_view::npos)
                continue;
            return s.format;
        }
    }
    // PBM, PGM and PPM: "P1" to "P6" and a blank.
    if (head.size() >= 3 && head[0] == 'P' && head[1] >= '1' && head[1] <= '6' &&
        (head[2] == ' ' || head[2] == '\t' || head[2] == '\n' || head[2] == '\r' || head[2] == '#'))
        return "PNM";
    return {};
}

}  // namespace

void PagePictureGuard::AddPicture(const std::string& name) {
    if (name.empty()) {
        ++count_;
        return;
    }
    AddPicture(FileIdentity::Of(name));
}

void PagePictureGuard::AddPicture(const FileIdentity& picture) {
    pictures_.emplace(picture, count_++);
}

std::optional<PageRefusal> PagePictureGuard::Check(const std::string& page) const {
    return Check(page, FileIdentity::Of(page));
}

std::optional<PageRefusal> PagePictureGuard::Check(const std::string& page,
                                                   const FileIdentity& identity) const {
    if (const auto found = pictures_.find(identity); found != pictures_.end())
        return PageRefusal{found->second, {}};
    if (const std::string_view format = PictureFormatOf(page); !format.empty())
        return PageRefusal{std::nullopt, format};
    return std::nullopt;
}

std::string_view PagePictureGuard::PictureFormatOf(const std::string& name) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer; it is not read anyway.
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return {};  // missing, or not readable: then it is not read as a picture either
    struct stat info {};
    std::array<char, 64> head{};
    ssize_t n = 0;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        do {
            n = ::pread(fd, head.data(), head.size(), 0);
        } while (n < 0 && errno == EINTR);
    }
    ::close(fd);
    return n > 0 ? FormatBySignature(std::string_view(head.data(), static_cast<size_t>(n)))
                 : std::string_view{};
}

}  // namespace glimmet
