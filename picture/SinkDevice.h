#pragma once

#include <QIODevice>

#include "pixels/ByteSink.h"

namespace glimmet {

// A write-only, sequential device that hands every write to a sink, so that Qt's image writers
// write through the same file replacement as everything else.
class SinkDevice final : public QIODevice {
  public:
    explicit SinkDevice(ByteSink& sink);
    bool isSequential() const override { return true; }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

  private:
    ByteSink& sink_;
};

}  // namespace glimmet
