#pragma once

#include <QImage>
#include <cstddef>

namespace glimmet {

// Large pictures in the system's large (2 MiB) pages. Memory is handed out in 4 KiB pages, each
// costing the system a fault when first written: a 256 MB picture takes 65,536 of them, over a
// second on a virtual machine, against 128 large ones. Where the system has no large pages the
// memory is the same as ever.

// A picture of `width` × `height` in `format` with its pixels undefined, as QImage(width, height,
// format) gives it: from large pages when it takes at least one; null when there is no memory.
QImage LargePagedImage(int width, int height, QImage::Format format);

// Asks for large pages under the whole ones of [data, data + size), memory not yet written.
void AdviseLargePages(void* data, size_t size);

}  // namespace glimmet
