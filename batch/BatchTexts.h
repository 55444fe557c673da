#pragma once

#include <csignal>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "pixels/PictureDamage.h"
#include "render/OutputSize.h"
#include "render/RenderState.h"
#include "render/TransferRegion.h"

namespace glimmet::batch_texts {

inline constexpr std::string_view kProgram = "glimmet-batch";

inline constexpr std::string_view kUsage = R"(glimmet-batch [OPTIONS] PICTURE...
Checks each PICTURE against a key colour: walks its region on the grid of the steps, tests every sample
with the comparison and marks the samples that pass on an output picture, or writes them to a page.
  -r, --region X,Y,W,H    region in pixels: x0 = X, y0 = Y, x1 = X + W, y1 = Y + H, ends included as in
                          the window; default: every pixel once, 0,0,width-1,height-1
  -s, --step SX[,SY]      sampling steps; default 1,1; one number sets both
  -z, --zoom N            output enlargement; default 1
  -k, --key R,G,B         reference colour, each 0..255 (also #RRGGBB); default 0,0,255
  -c, --compare MODE      equal | notequal | greater | lesser | invert; default notequal
      --tolerance N       0..255, default 0: with equal and notequal, a sample equals the key when each of
                          its red, green and blue differs by at most N (JPEG noise). A point outside the
                          picture reads as -1: not a value one can give, but that point's colour, which
                          equals no key
  -f, --fill MODE         points | circles | squares | text; default points
  -t, --text TEXT         fill text, in UTF-8; default "text"
  -o, --output FILE       write the rendered output picture: PNG when FILE ends in .png (any case), a
                          24-bit BMP otherwise; - writes the BMP to standard output
      --html FILE         append the export's page to FILE (the walk runs as the export does; --output
                          then saves its text preview); - writes the page of one picture to standard output
      --report FILE       write a report in JSON Lines, one object per picture and a summary; - for
                          standard output
      --report-limit N    passing samples the report lists per picture, 0..1000000; default 100
  -j, --jobs N            pictures checked at once, 1..1024; default one per core
      --files-from FILE   also check the pictures FILE lists, one a line; - for standard input
  -0, --null              the lists of - and --files-from end each name with a NUL, not a line end
      --shard K/N         check only part K of N equal parts of the list of pictures, by position; K
                          counts from 0 (0..N-1), as a Kubernetes Indexed Job's JOB_COMPLETION_INDEX;
                          clashes of files are still checked over the whole list
      --dry-run           check the arguments and that each picture can be opened, print the files each
                          picture's run would write (picture, output, page: tab-separated, one picture a
                          line; with --null each field ended by a NUL) and write nothing
      --expect-none       exit status 3 when any sample passes (e.g. "no pixel of this border differs
                          from the key")
  -q, --quiet             no progress bar and no summaries
  -h, --help; --version
  --                      ends the options: every later argument is a PICTURE
A PICTURE - reads the list of pictures from standard input, one a line; a list that names no
picture is nothing to do (exit status 0). The FILE of --output and --html may be a template: %n is
the picture's name without its extension, %f with it, %d its folder, %% a percent sign; two pictures
may not get one file. Short options bundle and take their values attached, as getopt reads them.
Exit status: 0 done; 1 a picture could not be read or a file written; 2 bad arguments, or parameters a
walk cannot follow; 3 --expect-none found a passing sample. Over several pictures: 2 if any picture
gave 2, else 1 if any gave 1, else 3 if any gave 3, else 0. One failing picture never stops the others.
SIGINT, SIGTERM or SIGHUP stop the run with every page back as it was: status 128 + the signal's number.
)";

// The names of the comparisons and the fill modes, as options take them and the report writes them.
inline constexpr std::pair<std::string_view, uint8_t> kComparisons[] = {{"equal", kMethEqual},
                                                                        {"notequal", kMethNotEqual},
                                                                        {"greater", kMethGreater},
                                                                        {"lesser", kMethLesser},
                                                                        {"invert", kMethInvert}};
inline constexpr std::pair<std::string_view, int16_t> kFills[] = {
    {"points", kFillPoints}, {"circles", kFillCircles}, {"squares", kFillSquares}, {"text", kFillText}};

// Files that must be kept apart.
inline std::string PageIsPicture(const std::string& page, const std::string& picture) {
    return "the page file '" + page + "' is the picture '" + picture + "': give --html another file";
}
inline std::string PageHoldsPicture(const std::string& page, std::string_view format) {
    return "the page file '" + page + "' is a " + std::string(format) +
           " picture, which a page would damage: give --html another file";
}
inline std::string PageIsOutput(const std::string& page, const std::string& output) {
    return "the page file '" + page + "' is the output picture '" + output +
           "': give --html or -o another file";
}

inline std::string OutputIsPicture(const std::string& output, const std::string& picture,
                                   const std::string& other) {
    return "-o gives '" + output + "' for '" + picture + "', which is the picture '" + other +
           "' of this run: give -o another name";
}
inline std::string SameOutput(const std::string& option, const std::string& name, const std::string& first,
                              const std::string& second) {
    return option + " gives '" + name + "' for both '" + first + "' and '" + second +
           "': tell them apart with %n, %f or %d (see --help)";
}
inline std::string ReportClash(const std::string& report, const std::string& other) {
    return "the report file '" + report + "' is also '" + other + "': give --report another file";
}
inline std::string WritesList(const std::string& file, const std::string& list) {
    return "'" + file + "' is the list of pictures '" + list +
           "', which is read, never written: give another file";
}
inline std::string StandardOutputTwice(const std::string& first, const std::string& second) {
    if (first == second)
        return first + " - writes one picture's file to standard output, and this run has several: give " +
               first + " a file name or a template with %n, %f or %d";
    return "only one of " + first + " and " + second + " may write to standard output (-)";
}

// The pictures of a run.
inline constexpr std::string_view kNoPictures = "the lists name no PICTURE: nothing to do";
inline std::string EmptyShard(int32_t shard, int32_t shards) {
    return "shard " + std::to_string(shard) + "/" + std::to_string(shards) +
           " holds no PICTURE of the list: nothing to do";
}
inline constexpr std::string_view kStandardInput = "standard input";
inline std::string CannotReadList(const std::string& list, const std::string& reason) {
    return "cannot read the list of pictures '" + list + "': " + reason;
}

inline std::string NulInList(const std::string& list, size_t line) {
    return "line " + std::to_string(line) + " of the list of pictures '" + list +
           "' holds a NUL byte, which no file name can: remove it";
}

// A picture that cannot be used; `detail` says why.
inline std::string CannotRead(const std::string& path, const std::string& detail) {
    return "cannot read '" + path + "': " + detail;
}
inline std::string NotAPicture(const std::string& path, const std::string& detail) {
    return "'" + path + "' is not a picture in a format Glimmet reads (BMP, JPEG, GIF, PNG): " + detail;
}
inline std::string Damaged(const std::string& path, const std::string& detail) {
    return "'" + path + "' is damaged: " + detail;
}
// Beyond a limit of what is read (its size, or its scans); `detail` names the limit.
inline std::string TooLarge(const std::string& path, const std::string& detail) {
    return "'" + path + "' is beyond what Glimmet reads: " + detail;
}

// Refusals of parameters that the walk or the output picture could not follow, naming the option
// to change.
inline std::string PictureBeyondReach(int32_t width, int32_t height) {
    return "the picture is " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels, more than one walk reaches (the column or row after its last sample may not pass "
           "32767): give a region with -r";
}
inline std::string WalkRefusal(WalkFailure failure) {
    switch (failure) {
        case WalkFailure::RegionOverflow:
            return "the region is wider or taller than 32767 pixels: give a smaller -r";
        case WalkFailure::CoordinateOverflow:
            return "a mark lands beyond output coordinate 32767: use a smaller -z or -r";
        case WalkFailure::LoopOverflow:
            return "the region reaches past coordinate 32767: change -r or -s";
        case WalkFailure::CounterOverflow:
            return "the fill text is too long for this many samples: use a shorter -t, a smaller -r or a "
                   "larger -s";
        default:
            return "the walk ended early: change -s";
    }
}
inline std::string OutputTooLarge(int64_t width, int64_t height) {
    return "the output picture would be " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels; at most " + std::to_string(kMaxOutputSide) + " a side and " +
           std::to_string(kMaxOutputPixels) + " in all: use a smaller -z or -r";
}

// Failures of files; `reason` is the system's.
inline std::string CannotAppend(const std::string& path, const std::string& reason) {
    return "cannot append to '" + path + "': " + reason;
}
inline std::string PageIncomplete(const std::string& path, const std::string& reason) {
    return "cannot write the page to '" + path + "': " + reason + "; the file is left as it was";
}
inline std::string CannotWrite(const std::string& path, const std::string& reason, bool oldFileLost) {
    return "cannot write '" + path + "': " + reason + (oldFileLost ? "; its old content was lost" : "");
}
inline std::string PageBusy(const std::string& path) {
    return "the page file '" + path + "' is being written by another run; the file is left as it was";
}
inline constexpr std::string_view kNoMemory = "not enough memory";
// The drawing half of the command, which it starts for a run that writes output pictures.
inline constexpr std::string_view kDrawingProgram = "glimmet-batch-draw";
inline std::string CannotStartDrawing(const std::string& path, const std::string& reason) {
    return "cannot start '" + path + "', which draws the output pictures: " + reason;
}
inline constexpr std::string_view kOutOfMemory =
    "not enough memory; the picture's files are left as they were";

// The run was asked to stop by `signal`.
inline std::string Interrupted(int signal) {
    const std::string name = signal == SIGHUP ? "SIGHUP" : signal == SIGINT ? "SIGINT" : "SIGTERM";
    return "stopped by " + name + ": every page is back as it was before the run";
}
inline constexpr std::string_view kNotEncoded = "the image library could not encode the picture";
inline constexpr std::string_view kNoMemoryForOutput = "not enough memory for the output picture";
inline constexpr std::string_view kStandardOutput = "standard output";
inline std::string Summary(int64_t samples, int64_t passed) {
    return std::to_string(samples) + " samples visited, " + std::to_string(passed) + " passed";
}

inline std::string RunSummary(size_t pictures, size_t failed, int64_t samples, int64_t passed) {
    return std::to_string(pictures) + " pictures, " + std::to_string(failed) + " failed; " +
           Summary(samples, passed);
}

// Exit statuses.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFile = 1;
inline constexpr int kExitArguments = 2;
inline constexpr int kExitSomethingPassed = 3;

}  // namespace glimmet::batch_texts
