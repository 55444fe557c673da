#include "pixels/PictureLoader.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <new>
#include <string_view>
#include <system_error>
#include <vector>

#include "pixels/BmpDecoder.h"
#include "pixels/GifDecoder.h"
#include "pixels/JpegDecoder.h"
#include "pixels/OpaqueOnBlack.h"
#include "pixels/PictureIntegrity.h"
#include "pixels/PngDecoder.h"

namespace glimmet {

namespace {

// The format of a picture file told from its first bytes, or empty. Only the formats read by the
// strict decoders here are pictures: other formats (TGA, PPM, ...) went to Qt's readers once,
// which pass damaged data and call a format they lack "damaged"; a file in them is now plainly
// not a picture in a format Glimmet reads.
std::string_view FormatOf(std::span<const uint8_t> data) {
    const std::string_view head(reinterpret_cast<const char*>(data.data()), std::min<size_t>(data.size(), 8));
    if (head.starts_with("BM")) return "bmp";
    if (head.starts_with("\xFF\xD8")) return "jpeg";
    if (head.starts_with("GIF87a") || head.starts_with("GIF89a")) return "gif";
    if (head.starts_with("\x89PNG\r\n\x1A\n")) return "png";
    return {};
}

// `data` decoded as `format` (as FormatOf tells it) and made opaque.
PictureLoad DecodeAs(std::span<const uint8_t> data, std::string_view format, int64_t maxPixels) {
    try {
        PictureLoad load;
        if (format == "bmp") {
            load = BmpDecoder::Decode(data, maxPixels);
        } else if (const PictureDamage damage = PictureIntegrity::FindDamage(format, data)) {
            // The structure is walked first, so that a cut file is refused before its pixels take memory.
            return PictureLoad::Failed(PictureLoadError::Damaged, damage);
        } else if (format == "jpeg") {
            load = JpegDecoder::Decode(data, maxPixels);
        } else if (format == "gif") {
            load = GifDecoder::Decode(data, maxPixels);
        } else {
            load = PngDecoder::Decode(data, maxPixels);
        }
        MakeOpaqueOnBlack(load.image);
        return load;
    } catch (const std::bad_alloc&) {
        return PictureLoad::OutOfMemory(0, 0);
    }
}

// Small files are read whole; larger ones mapped.
constexpr off_t kReadWholeBytes = off_t{4} << 20;

struct FileCloser {
    int fd;
    ~FileCloser() { ::close(fd); }
};

struct Unmapper {
    void* start;
    size_t length;
    ~Unmapper() { ::munmap(start, length); }
};

// Reads up to `size` bytes, fewer only at the end of the file; -1 with errno on an error.
ssize_t ReadFully(int fd, uint8_t* to, size_t size) {
    size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, to + done, size - done);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        done += static_cast<size_t>(got);
    }
    return static_cast<ssize_t>(done);
}

PictureLoad CannotRead(int reason) {
    return PictureLoad::Failed(PictureLoadError::CannotOpen, {}, std::generic_category().message(reason));
}

PictureLoad Folder() {
    return PictureLoad::Failed(PictureLoadError::CannotOpen, {PictureFault::IsAFolder});
}

}  // namespace

PictureLoad DecodePicture(std::span<const uint8_t> data, int64_t maxPixels) {
    const std::string_view format = FormatOf(data);
    if (format.empty())
        return PictureLoad::Failed(PictureLoadError::NotAPicture, {PictureFault::UnknownFormat});
    return DecodeAs(data, format, maxPixels);
}

PictureLoad LoadPictureFile(const std::string& name) {
    // Opened by the name's bytes, which a QString cannot hold when they are not UTF-8.
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        const int reason = errno;
        if (fd >= 0) ::close(fd);
        if (::stat(name.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return Folder();
        return CannotRead(reason);
    }
    const FileCloser closer{fd};
    if (S_ISDIR(info.st_mode)) return Folder();
    try {
        // A small regular file is read whole into memory the allocator keeps: mapping it would cost
        // more in the system's bookkeeping than copying it, most of all when the mapping is taken
        // away again while other threads of the batch run.
        if (S_ISREG(info.st_mode) && info.st_size > 0 && info.st_size <= kReadWholeBytes) {
            const std::unique_ptr<uint8_t[]> data(new uint8_t[static_cast<size_t>(info.st_size)]);
            const ssize_t got = ReadFully(fd, data.get(), static_cast<size_t>(info.st_size));
            if (got < 0) return CannotRead(errno);
            // A file cut meanwhile is read as it now is.
            return DecodePicture({data.get(), static_cast<size_t>(got)});
        }
        // A larger regular file is mapped, not read: the decoders read its header first and check
        // the size there, so the pages of pixel data are only touched once the picture is known to
        // fit, and they never count on top of the decoded pixels. The mapping lives until after
        // decoding.
        if (S_ISREG(info.st_mode) && info.st_size > 0) {
            const auto size = static_cast<size_t>(info.st_size);
            void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
            if (mapped == MAP_FAILED) return CannotRead(errno);
            const Unmapper unmapper{mapped, size};
            return DecodePicture({static_cast<const uint8_t*>(mapped), size});
        }
        // A stream (a FIFO, a device) is read whole, unless its first bytes tell it is no picture.
        std::vector<uint8_t> data(8);
        ssize_t got = ReadFully(fd, data.data(), 8);
        if (got < 0) return CannotRead(errno);
        data.resize(static_cast<size_t>(got));
        if (FormatOf(data).empty())
            return PictureLoad::Failed(PictureLoadError::NotAPicture, {PictureFault::UnknownFormat});
        uint8_t block[1 << 16];
        while ((got = ReadFully(fd, block, sizeof block)) > 0) data.insert(data.end(), block, block + got);
        if (got < 0) return CannotRead(errno);
        return DecodePicture(data);
    } catch (const std::bad_alloc&) {
        return PictureLoad::OutOfMemory(0, 0);
    }
}

}  // namespace glimmet
