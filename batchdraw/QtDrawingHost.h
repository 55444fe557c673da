#pragma once

#include <QGuiApplication>
#include <memory>

#include "batch/DrawingHost.h"

namespace glimmet {

// Qt for the batch command's drawing program: a GUI application for the fonts, off screen unless
// told otherwise, with only Qt's critical messages on standard error; each worker draws with its own
// QtOutputDrawing.
class QtDrawingHost final : public DrawingHost {
  public:
    QtDrawingHost();
    void Start(char* program) override;
    const DrawingMaker& Maker() const override { return maker_; }

  private:
    int argc_ = 1;
    char* argv_[2] = {nullptr, nullptr};
    std::unique_ptr<QGuiApplication> application_;
    DrawingMaker maker_;
};

}  // namespace glimmet
