#include "batch/BatchPlan.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <optional>
#include <system_error>

#include "batch/BatchTexts.h"
#include "batch/OutputTemplate.h"
#include "pixels/FileIdentity.h"
#include "pixels/PagePictureGuard.h"

namespace glimmet {

namespace t = batch_texts;

namespace {

// Appends the names listed in a file, one a line; empty lines are skipped and a line may end in
// CR LF. Returns the refusal when the list cannot be read (the system's reason) or when a line holds
// a NUL: no file name can, and a name cut there would be another file's. With `nul` each name ends
// with a NUL instead (find -print0), and is taken exactly, line ends and all.
BatchPlan ReadList(const std::string& path, bool nul, std::vector<std::string>& names) {
    const bool standardInput = path == "-";
    const std::string shown = standardInput ? std::string(t::kStandardInput) : path;
    const int fd = standardInput ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {{}, t::CannotReadList(shown, std::generic_category().message(errno)), t::kExitFile};
    std::string text;
    char block[65536];
    ssize_t n = 0;
    while ((n = ::read(fd, block, sizeof block)) != 0) {
        if (n > 0) {
            text.append(block, static_cast<size_t>(n));
        } else if (errno != EINTR) {
            const int error = errno;
            if (!standardInput) ::close(fd);
            return {{}, t::CannotReadList(shown, std::generic_category().message(error)), t::kExitFile};
        }
    }
    if (!standardInput) ::close(fd);
    size_t start = 0;
    for (size_t number = 1; start < text.size(); ++number) {
        size_t end = text.find(nul ? '\0' : '\n', start);
        if (nul) {
            if (end == std::string::npos) end = text.size();
            if (end > start) names.push_back(text.substr(start, end - start));
            start = end + 1;
            continue;
        }
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (line.find('\0') != std::string::npos) return {{}, t::NulInList(shown, number), t::kExitArguments};
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) names.push_back(std::move(line));
        start = end + 1;
    }
    return {};
}

enum class Role { List, Picture, Output, Page, Report };

struct Use {
    Role role;
    size_t task;
    std::string name;
};

// Why a file may not serve both uses, the earlier one first; "" when it may: one picture given
// twice, or a list that also names itself. Whatever the run reads, its own picture included, is
// never written: one wrong template must not replace a folder's sources by their renderings.
std::string Clash(const Use& first, const Use& second, const std::vector<PictureTask>& tasks) {
    const std::string& picture = tasks[second.task].picture;
    if (second.role == Role::Picture) return {};
    if (first.role == Role::List) return t::WritesList(second.name, first.name);
    switch (second.role) {
        case Role::Output:
            if (first.role == Role::Picture) return t::OutputIsPicture(second.name, picture, first.name);
            return t::SameOutput("-o", second.name, tasks[first.task].picture, picture);
        case Role::Page:
            if (first.role == Role::Output) return t::PageIsOutput(second.name, first.name);
            return t::SameOutput("--html", second.name, tasks[first.task].picture, picture);
        default:
            break;
    }
    return t::ReportClash(second.name, first.name);
}

const char* OptionOf(Role role) {
    return role == Role::Output ? "-o" : role == Role::Page ? "--html" : "--report";
}

// The part of `shards` equal parts of a list of `count` that holds `position`: part k holds the
// positions from k * count / shards (rounded down) on, so parts differ by one picture at most.
int32_t ShardOf(size_t position, size_t count, int32_t shards) {
    return static_cast<int32_t>((static_cast<uint64_t>(position + 1) * static_cast<uint64_t>(shards) - 1) /
                                count);
}

}  // namespace

BatchPlan PlanBatch(const BatchOptions& o) {
    BatchPlan plan;
    std::vector<std::string> pictures;
    for (const std::string& picture : o.pictures) {
        if (picture != "-") {
            pictures.push_back(picture);
            continue;
        }
        BatchPlan refused = ReadList("-", o.nullSeparated, pictures);
        if (!refused.error.empty()) return refused;
    }
    if (!o.filesFrom.empty()) {
        BatchPlan refused = ReadList(o.filesFrom, o.nullSeparated, pictures);
        if (!refused.error.empty()) return refused;
    }
    // An empty list is nothing to do, as for xargs -r; the run says so (RunBatch).

    const OutputTemplate output(o.output), page(o.html);
    for (size_t i = 0; i < pictures.size(); ++i) {
        plan.tasks.push_back({i, pictures[i], o.output.empty() ? "" : output.For(pictures[i]),
                              o.html.empty() ? "" : page.For(pictures[i])});
    }

    // A page is never appended to a picture, of the run or any other: the window's rule.
    // Each picture's identity is looked up once, for this rule and for the clashes below.
    PagePictureGuard pagesNotInto;
    std::vector<FileIdentity> pictureIds;
    pictureIds.reserve(pictures.size());
    for (const std::string& picture : pictures) {
        pictureIds.push_back(picture.empty() ? FileIdentity() : FileIdentity::Of(picture));
        if (picture.empty()) {
            pagesNotInto.AddPicture(picture);  // holds its place
        } else {
            pagesNotInto.AddPicture(pictureIds.back());
        }
    }
    std::map<FileIdentity, Use> uses;
    std::optional<Use> standardOutput;
    // Files are kept apart over the whole list, so that the shards of one list never clash either;
    // standard output only within this run's shard, the part of the list that it writes.
    const auto inShard = [&](size_t task) { return ShardOf(task, pictures.size(), o.shards) == o.shard; };
    const auto use = [&](Role role, size_t task, const std::string& name) -> std::string {
        if (name.empty()) return {};
        Use next{role, task, name};
        if (name == "-" && role != Role::Picture) {
            if (role != Role::Report && !inShard(task)) return {};
            if (standardOutput) return t::StandardOutputTwice(OptionOf(standardOutput->role), OptionOf(role));
            standardOutput = next;
            return {};
        }
        const FileIdentity identity = role == Role::Picture ? pictureIds[task] : FileIdentity::Of(name);
        if (role == Role::Page) {
            if (const auto refusal = pagesNotInto.Check(name, identity)) {
                return refusal->picture ? t::PageIsPicture(name, pictures[*refusal->picture])
                                        : t::PageHoldsPicture(name, refusal->format);
            }
        }
        const auto [found, added] = uses.emplace(identity, next);
        return added ? std::string() : Clash(found->second, next, plan.tasks);
    };
    if (o.filesFrom != "-") use(Role::List, 0, o.filesFrom);  // the first use: it clashes with none
    for (const Role role : {Role::Picture, Role::Output, Role::Page}) {
        for (const PictureTask& task : plan.tasks) {
            const std::string& name = role == Role::Picture  ? task.picture
                                      : role == Role::Output ? task.output
                                                             : task.html;
            const std::string error = use(role, task.index, name);
            if (!error.empty()) return {{}, error, t::kExitArguments};
        }
    }
    const std::string error = use(Role::Report, 0, o.report);
    if (!error.empty()) return {{}, error, t::kExitArguments};
    std::erase_if(plan.tasks, [&](const PictureTask& task) { return !inShard(task.index); });
    for (size_t i = 0; i < plan.tasks.size(); ++i) plan.tasks[i].index = i;
    return plan;
}

}  // namespace glimmet
