#include "batch/ReportWriter.h"

#include <unistd.h>

#include <cerrno>
#include <new>
#include <nlohmann/json.hpp>
#include <system_error>

#include "batch/BatchTexts.h"
#include "pixels/FileReplacement.h"

namespace glimmet {

namespace t = batch_texts;
using Json = nlohmann::ordered_json;

namespace {

// "#RRGGBB" of a colour value 0x00BBGGRR.
std::string Hex(int32_t colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF,
                  (colour >> 16) & 0xFF);
    return text;
}

bool IsUtf8(const std::string& text) {
    try {
        (void)Json(text).dump();
        return true;
    } catch (const Json::type_error&) {
        return false;
    }
}

std::string HexBytes(const std::string& bytes) {
    std::string hex;
    for (const unsigned char byte : bytes) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02x", byte);
        hex += pair;
    }
    return hex;
}

template <typename T, size_t N>
std::string_view NameOf(T value, const std::pair<std::string_view, T> (&names)[N]) {
    for (const auto& [name, code] : names) {
        if (code == value) return name;
    }
    return {};
}

std::string_view ErrorKind(PictureError error) {
    switch (error) {
        case PictureError::CannotRead:
            return "cannot_read";
        case PictureError::NotAPicture:
            return "not_a_picture";
        case PictureError::Damaged:
            return "damaged";
        case PictureError::TooLarge:
            return "too_large";
        case PictureError::Parameters:
            return "parameters";
        case PictureError::CannotWrite:
            return "cannot_write";
        case PictureError::OutOfMemory:
            return "out_of_memory";
        case PictureError::None:
            break;
    }
    return {};
}

}  // namespace

ReportWriter::ReportWriter(const BatchOptions& options) : o_(options) {}

void ReportWriter::Emit(const std::string& line) {
    if (o_.report != "-") {
        text_ += line;
        return;
    }
    for (size_t done = 0; done < line.size() && outputError_ == 0;) {
        const ssize_t n = ::write(STDOUT_FILENO, line.data() + done, line.size() - done);
        if (n >= 0)
            done += static_cast<size_t>(n);
        else if (errno != EINTR)
            outputError_ = errno;
    }
}

void ReportWriter::Add(const PictureTask& task, const PictureResult& r) {
    if (o_.report.empty()) return;
    try {
        AddLine(task, r);
    } catch (const std::bad_alloc&) {
        memoryShort_ = true;  // the report cannot be whole: Finish says so, and no file replaces the old
    }
}

void ReportWriter::AddLine(const PictureTask& task, const PictureResult& r) {
    Json line;
    line["type"] = "picture";
    line["path"] = task.picture;
    if (!IsUtf8(task.picture)) line["path_hex"] = HexBytes(task.picture);
    line["status"] = r.status;
    const bool read = r.width > 0;
    line["width"] = read ? Json(r.width) : Json();
    line["height"] = read ? Json(r.height) : Json();
    line["region"] =
        r.region
            ? Json{{"x0", r.region->x0}, {"y0", r.region->y0}, {"x1", r.region->x1}, {"y1", r.region->y1}}
            : Json();
    line["steps"] = {{"x", o_.xStep}, {"y", o_.yStep}};
    line["key"] = Hex(o_.key);
    line["comparison"] = NameOf(o_.compare, t::kComparisons);
    line["tolerance"] = o_.tolerance;
    line["samples"] = r.outcome.samples;
    line["passed"] = r.outcome.passed;
    Json first = Json::array();
    for (const PassingSample& sample : r.firstPassing) {
        first.push_back({{"x", sample.x},
                         {"y", sample.y},
                         {"colour", sample.colour < 0 ? Json() : Json(Hex(sample.colour))}});
    }
    line["first_passing"] = std::move(first);
    if (!task.output.empty()) line["output"] = task.output;
    if (!task.html.empty()) line["page"] = task.html;
    if (r.error != PictureError::None) {
        line["error"] = r.message;
        line["error_kind"] = ErrorKind(r.error);
    }
    Emit(line.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n");
}

std::string ReportWriter::Finish(const RunTally& tally, int status) {
    if (o_.report.empty()) return {};
    const Json summary = {{"type", "summary"},        {"pictures", tally.pictures},
                          {"failed", tally.failed},   {"with_passing", tally.withPassing},
                          {"samples", tally.samples}, {"passed", tally.passed},
                          {"status", status}};
    if (memoryShort_)
        return t::CannotWrite(o_.report == "-" ? std::string(t::kStandardOutput) : o_.report,
                              std::string(t::kNoMemory), false);
    Emit(summary.dump() + "\n");
    if (o_.report == "-")
        return outputError_ == 0 ? std::string()
                                 : t::CannotWrite(std::string(t::kStandardOutput),
                                                  std::generic_category().message(outputError_), false);
    const SaveResult saved =
        ReplaceFile(o_.report, [this](ByteSink& sink) { return sink.Write(text_.data(), text_.size()); });
    if (saved.saved) return {};
    return t::CannotWrite(o_.report, std::generic_category().message(saved.systemError), saved.oldFileLost);
}

}  // namespace glimmet
