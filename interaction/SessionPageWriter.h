#pragma once

#include "render/PageFile.h"
#include "render/WalkPorts.h"

namespace glimmet {

struct WalkSession;

// The page file of one walk, which writes nothing more once the user has ended the program: the
// lines on disk are those flushed before the exit.
class SessionPageWriter final : public LineWriter {
  public:
    explicit SessionPageWriter(const WalkSession& session) : session_(session) {}

    void AppendLine(const std::string& path, std::string_view line) override;
    void Flush() override { file_.Flush(); }
    int64_t LostLines() const override { return file_.LostLines(); }
    std::string LossReason() const override { return file_.LossReason(); }

  private:
    const WalkSession& session_;
    PageFile file_;
};

}  // namespace glimmet
