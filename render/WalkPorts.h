#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace glimmet {

// The only ways a walk reaches the world outside it. Coordinates are pixels.

// Reads the source picture as it is shown.
class PixelSource {
  public:
    virtual ~PixelSource() = default;
    // The colour at (x, y) as 0x00BBGGRR, or -1 outside the drawing surface.
    virtual int32_t GetPixel(int32_t x, int32_t y) = 0;
};

// Draws the marks on the output picture. Colours are 0x00BBGGRR with the highest byte clear;
// anything outside the picture is clipped.
class MarkCanvas {
  public:
    virtual ~MarkCanvas() = default;
    virtual void Point(int32_t x, int32_t y, uint32_t colour) = 0;
    // Outline circle of the given radius (one pixel wide) around (cx, cy).
    virtual void Circle(int32_t cx, int32_t cy, int32_t radius, uint32_t colour) = 0;
    // Outline box with opposite corners (x1, y1) and (x2, y2), both included.
    virtual void Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour) = 0;
    // One character (a single UTF-8 code point, or empty) with its top-left corner at (x, y).
    virtual void Character(int32_t x, int32_t y, std::string_view glyph, uint32_t colour) = 0;
};

// The caller's event loop and status display.
class WalkHost {
  public:
    virtual ~WalkHost() = default;
    // The walk asks YieldDue() once every this many samples (read once per walk); 1 asks after every
    // sample, so that a handler can run between any two samples.
    virtual int32_t YieldCheckInterval() const { return 1; }
    // Cheap: whether pending events should run now.
    virtual bool YieldDue() = 0;
    // Runs pending events; any handler, a second walk included, may run inside it.
    virtual void Yield() = 0;
    // Asked after every yield: true ends the walk at once, with nothing more drawn, written or
    // shown (the user is ending the program).
    virtual bool StopRequested() const { return false; }
    virtual void SetStatus(const std::string& text) = 0;
    // The export's page is complete on disk.
    virtual void PageWritten() = 0;
    // The export ended but `lostLines` lines could not be written; `reason` is the system's text.
    virtual void PageIncomplete(int64_t lostLines, const std::string& reason) = 0;
};

// Appends the page's lines to a file. Lines may be held back, but Flush() puts every line appended
// so far on disk and leaves no file open; the walk calls it before every yield and at its end.
class LineWriter {
  public:
    virtual ~LineWriter() = default;
    // `line` without its line end; `path` is read at each call, so a new path applies from the next line.
    virtual void AppendLine(const std::string& path, std::string_view line) = 0;
    virtual void Flush() = 0;
    // Lines that could not be written so far, and the system's reason for the last loss.
    virtual int64_t LostLines() const = 0;
    virtual std::string LossReason() const = 0;
};

struct WalkPorts {
    PixelSource& source;
    MarkCanvas& canvas;
    WalkHost& host;
    LineWriter& page;
};

}  // namespace glimmet
