#pragma once

#include <string>
#include <string_view>

#include "platform/PictureDamage.h"

namespace glimmet::batch_texts {

inline constexpr std::string_view kProgram = "glimmet-batch";

inline constexpr std::string_view kUsage = R"(glimmet-batch [OPTIONS] PICTURE
  -r, --region X,Y,W,H    region in pixels: x0 = X, y0 = Y, x1 = X + W, y1 = Y + H, ends included as in
                          the window; default: every pixel once, 0,0,width-1,height-1
  -s, --step SX[,SY]      sampling steps; default 1,1; one number sets both
  -z, --zoom N            output enlargement; default 1
  -k, --key R,G,B         reference colour, each 0..255 (also #RRGGBB); default 0,0,255
  -c, --compare MODE      equal | notequal | greater | lesser | invert; default notequal
      --tolerance N       0..255, default 0: with equal and notequal, a sample equals the key when each of
                          its red, green and blue differs by at most N (JPEG noise); -1 never equals
  -f, --fill MODE         points | circles | squares | text; default points
  -t, --text TEXT         fill text; default "text"
  -o, --output FILE       write the rendered output picture as a bitmap (BMP) file
      --html FILE         append the export's page to FILE (the walk runs as the export does; --output
                          then saves its text preview)
      --expect-none       exit status 3 when any sample passes (e.g. "no pixel of this border differs
                          from the key")
  -q, --quiet             no progress bar and no summary
  -h, --help; --version
)";

// What is wrong with a picture file.
inline std::string DescribeDamage(const PictureDamage& d) {
    const auto n = [](uint64_t value) { return std::to_string(value); };
    switch (d.fault) {
        case PictureFault::IsAFolder:
            return "it is a folder, not a file";
        case PictureFault::HeaderCut:
            return "the file ends inside its header";
        case PictureFault::PixelDataOutside:
            return "the pixel data is said to start beyond the end of the file";
        case PictureFault::PixelDataCut:
            return "the file ends after " + n(d.first) + " of " + n(d.second) + " bytes of pixel data";
        case PictureFault::CompressedDataCut:
            return "the file ends inside its compressed pixel data, before the end marker";
        case PictureFault::FrameCut:
            return "the file ends inside its first frame";
        case PictureFault::NoFrame:
            return "the file holds no frame";
        case PictureFault::UnexpectedBlock:
            return "unexpected block " + n(d.first) + " at byte " + n(d.second);
        case PictureFault::NoStartMarker:
            return "the file does not start with a start-of-image marker";
        case PictureFault::BadSegment:
            return "invalid segment length at byte " + n(d.first);
        case PictureFault::EndMarkerMissing:
            return "the file ends before its end-of-image marker";
        case PictureFault::ChunkCut:
            return "the file ends before its closing IEND chunk";
        case PictureFault::BadChunk:
            return "invalid chunk length at byte " + n(d.first);
        case PictureFault::None:
            break;
    }
    return {};
}

// Exit statuses.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFile = 1;
inline constexpr int kExitArguments = 2;
inline constexpr int kExitSomethingPassed = 3;

}  // namespace glimmet::batch_texts
