#include "batch/OutputTemplate.h"

namespace glimmet {

std::string OutputTemplate::Problem() const {
    for (size_t i = 0; i < text_.size(); ++i) {
        if (text_[i] != '%') continue;
        if (i + 1 == text_.size()) return "a % ends the name";
        const char next = text_[++i];
        if (next != 'n' && next != 'f' && next != 'd' && next != '%')
            return std::string("%") + next + " is not one of %n, %f, %d, %%";
    }
    return {};
}

std::string OutputTemplate::For(const std::string& picture) const {
    const size_t slash = picture.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : picture.substr(0, slash);
    const std::string file = slash == std::string::npos ? picture : picture.substr(slash + 1);
    // The extension starts at the last dot, unless that dot begins the name (".hidden").
    const size_t dot = file.rfind('.');
    const std::string stem = dot == std::string::npos || dot == 0 ? file : file.substr(0, dot);
    std::string name;
    for (size_t i = 0; i < text_.size(); ++i) {
        if (text_[i] != '%' || i + 1 == text_.size()) {
            name += text_[i];
            continue;
        }
        switch (text_[++i]) {
            case 'n':
                name += stem;
                break;
            case 'f':
                name += file;
                break;
            case 'd':
                name += folder;
                break;
            default:
                name += text_[i];
                break;
        }
    }
    return name;
}

}  // namespace glimmet
