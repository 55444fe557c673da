#include "interaction/SessionPageWriter.h"

#include "interaction/WalkSession.h"

namespace glimmet {

void SessionPageWriter::AppendLine(const std::string& path, std::string_view line) {
    if (!session_.exitRequested) file_.AppendLine(path, line);
}

}  // namespace glimmet
