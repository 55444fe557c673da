#include "batch/BatchOptions.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <nlohmann/json.hpp>

#include "batch/BatchTexts.h"
#include "batch/OutputTemplate.h"

namespace glimmet {

namespace {

// Whole decimal numbers separated by commas, each within [low, high].
std::optional<std::vector<int32_t>> Numbers(const std::string& text, int32_t low, int32_t high) {
    std::vector<int32_t> numbers;
    const char* p = text.data();
    const char* end = p + text.size();
    while (true) {
        int32_t value = 0;
        const char* from = p + (p < end && *p == '+' ? 1 : 0);
        const auto [next, error] = std::from_chars(from, end, value);
        if (error != std::errc() || value < low || value > high) return std::nullopt;
        numbers.push_back(value);
        if (next == end) return numbers;
        if (*next != ',') return std::nullopt;
        p = next + 1;
    }
}

std::optional<int32_t> Key(const std::string& text) {
    if (text.size() == 7 && text[0] == '#') {
        uint32_t rgb = 0;
        const auto [next, error] = std::from_chars(text.data() + 1, text.data() + 7, rgb, 16);
        if (error != std::errc() || next != text.data() + 7) return std::nullopt;
        return RGB(static_cast<int32_t>(rgb >> 16), static_cast<int32_t>((rgb >> 8) & 0xFF),
                   static_cast<int32_t>(rgb & 0xFF));
    }
    const auto parts = Numbers(text, 0, 255);
    if (!parts || parts->size() != 3) return std::nullopt;
    return RGB((*parts)[0], (*parts)[1], (*parts)[2]);
}

// Whether `text` is well-formed UTF-8 (no stray, overlong or surrogate sequence): the page declares
// UTF-8, so a fill text of other bytes would show as something else than what was typed.
bool IsUtf8(const std::string& text) {
    try {
        (void)nlohmann::json(text).dump();
        return true;
    } catch (const nlohmann::json::type_error&) {
        return false;
    }
}

template <typename T, size_t N>
std::optional<T> Choice(const std::string& text, const std::pair<std::string_view, T> (&choices)[N]) {
    for (const auto& [name, value] : choices) {
        if (text == name) return value;
    }
    return std::nullopt;
}

}  // namespace

BatchParse ParseBatchArguments(const std::vector<std::string>& arguments) {
    BatchParse parse;
    BatchOptions& o = parse.options;
    using Setter = std::function<bool(const std::string&)>;
    struct Option {
        const char* shortName;
        const char* longName;
        const char* allowed;  // shown when the value is refused
        Setter set;
    };
    const std::vector<Option> valued = {
        {"-r", "--region", "X,Y,W,H: four whole numbers, with X + W and Y + H within -32768..32767",
         [&](const std::string& v) {
             const auto n = Numbers(v, -32768, 32767);
             if (!n || n->size() != 4) return false;
             const int32_t x1 = (*n)[0] + (*n)[2], y1 = (*n)[1] + (*n)[3];
             if (x1 < -32768 || x1 > 32767 || y1 < -32768 || y1 > 32767) return false;
             o.region = Region{static_cast<int16_t>((*n)[0]), static_cast<int16_t>((*n)[1]),
                               static_cast<int16_t>(x1), static_cast<int16_t>(y1)};
             return true;
         }},
        {"-s", "--step", "SX[,SY]: whole numbers 1..32767",
         [&](const std::string& v) {
             const auto n = Numbers(v, 1, 32767);
             if (!n || n->size() > 2) return false;
             o.xStep = static_cast<int16_t>(n->front());
             o.yStep = static_cast<int16_t>(n->back());
             return true;
         }},
        {"-z", "--zoom", "a whole number 1..32767",
         [&](const std::string& v) {
             const auto n = Numbers(v, 1, 32767);
             if (!n || n->size() != 1) return false;
             o.zoom = static_cast<int16_t>(n->front());
             return true;
         }},
        {"-k", "--key", "R,G,B with each 0..255, or #RRGGBB",
         [&](const std::string& v) {
             const auto key = Key(v);
             if (key) o.key = *key;
             return key.has_value();
         }},
        {"-c", "--compare", "equal | notequal | greater | lesser | invert",
         [&](const std::string& v) {
             const auto code = Choice(v, batch_texts::kComparisons);
             if (code) o.compare = *code;
             return code.has_value();
         }},
        {nullptr, "--tolerance", "a whole number 0..255",
         [&](const std::string& v) {
             const auto n = Numbers(v, 0, 255);
             if (!n || n->size() != 1) return false;
             o.tolerance = static_cast<uint8_t>(n->front());
             return true;
         }},
        {"-f", "--fill", "points | circles | squares | text",
         [&](const std::string& v) {
             const auto code = Choice(v, batch_texts::kFills);
             if (code) o.fill = *code;
             return code.has_value();
         }},
        {"-t", "--text", "a text in UTF-8", [&](const std::string& v) { return o.text = v, IsUtf8(v); }},
        {"-o", "--output", "a file name, - or a template with %n, %f, %d, %%",
         [&](const std::string& v) { return o.output = v, !v.empty(); }},
        {nullptr, "--html", "a file name or a template with %n, %f, %d, %%",
         [&](const std::string& v) { return o.html = v, !v.empty(); }},
        {nullptr, "--report", "a file name, or - for standard output",
         [&](const std::string& v) { return o.report = v, !v.empty(); }},
        {nullptr, "--report-limit", "a whole number 0..1000000",
         [&](const std::string& v) {
             const auto n = Numbers(v, 0, 1000000);
             if (!n || n->size() != 1) return false;
             o.reportLimit = n->front();
             return true;
         }},
        {"-j", "--jobs", "a whole number 1..1024",
         [&](const std::string& v) {
             const auto n = Numbers(v, 1, 1024);
             if (!n || n->size() != 1) return false;
             o.jobs = n->front();
             return true;
         }},
        {nullptr, "--files-from", "a file name, or - for standard input",
         [&](const std::string& v) { return o.filesFrom = v, !v.empty(); }},
        {nullptr, "--shard", "K/N: part K of N equal parts, K counted from 0 (0..N-1), N 1..1000000",
         [&](const std::string& v) {
             const size_t slash = v.find('/');
             if (slash == std::string::npos) return false;
             const auto k = Numbers(v.substr(0, slash), 0, 999999);
             const auto n = Numbers(v.substr(slash + 1), 1, 1000000);
             if (!k || !n || k->size() != 1 || n->size() != 1 || k->front() >= n->front()) return false;
             o.shard = k->front();
             o.shards = n->front();
             return true;
         }},
    };
    const std::vector<std::pair<std::vector<std::string>, bool*>> flags = {
        {{"--expect-none"}, &o.expectNone},   {{"-q", "--quiet"}, &o.quiet},
        {{"-0", "--null"}, &o.nullSeparated}, {{"--dry-run"}, &o.dryRun},
        {{"-h", "--help"}, &o.help},          {{"--version"}, &o.version},
    };

    // Sets the option from its value, or notes the refusal that names what is allowed.
    const auto take = [&](const Option& option, const std::string& value) {
        if (option.set(value)) return true;
        parse.error = "invalid value '" + value + "' for " + option.longName + ": expected " + option.allowed;
        return false;
    };
    const auto flag = [&](const std::string& name) {
        for (const auto& [names, target] : flags) {
            if (std::find(names.begin(), names.end(), name) != names.end()) return *target = true;
        }
        return false;
    };
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            o.pictures.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument[1] == '-') {
            bool known = flag(argument);
            for (const auto& option : valued) {
                if (known) break;
                const std::string longName = option.longName;
                if (argument == longName) {
                    if (i + 1 >= arguments.size()) {
                        parse.error = argument + " needs a value: " + option.allowed;
                        return parse;
                    }
                    known = true;
                    if (!take(option, arguments[++i])) return parse;
                } else if (argument.rfind(longName + "=", 0) == 0) {
                    known = true;
                    if (!take(option, argument.substr(longName.size() + 1))) return parse;
                }
            }
            if (!known) {
                parse.error = "unknown option '" + argument + "' (see --help)";
                return parse;
            }
            continue;
        }
        // Short options as getopt reads them: flags bundled (-qj2), a value attached (-z4) or next.
        for (size_t at = 1; at < argument.size(); ++at) {
            const std::string name = {'-', argument[at]};
            if (flag(name)) continue;
            const auto option = std::find_if(valued.begin(), valued.end(), [&](const Option& candidate) {
                return candidate.shortName && name == candidate.shortName;
            });
            if (option == valued.end()) {
                parse.error = "unknown option '" + name + "'" +
                              (argument.size() > 2 ? " in '" + argument + "'" : "") + " (see --help)";
                return parse;
            }
            std::string value = argument.substr(at + 1);
            // "-k=1,2,3" would otherwise take "=1,2,3" for the key; only long options take "=".
            if (!value.empty() && value[0] == '=') {
                parse.error = "'" + argument;
                parse.error += "': a short option takes its value without '=' (" + name;
                parse.error += "VALUE or " + name;
                parse.error += " VALUE), a long one with it (" + std::string(option->longName) + "=VALUE)";
                return parse;
            }
            if (value.empty()) {
                if (i + 1 >= arguments.size()) {
                    parse.error = name + " needs a value: " + option->allowed;
                    return parse;
                }
                value = arguments[++i];
            }
            if (!take(*option, value)) return parse;
            break;
        }
    }
    if (o.help || o.version) return parse;
    for (const auto& [name, text] : {std::pair{"-o", &o.output}, std::pair{"--html", &o.html}}) {
        const std::string problem = OutputTemplate(*text).Problem();
        if (!problem.empty()) {
            parse.error = "invalid value '" + *text + "' for " + name + ": " + problem;
            return parse;
        }
    }
    if (o.pictures.empty() && o.filesFrom.empty())
        parse.error =
            "PICTURE is missing: name a picture file, or give a list with - or --files-from (see --help)";
    return parse;
}

}  // namespace glimmet
