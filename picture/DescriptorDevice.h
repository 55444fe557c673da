#pragma once

#include <QIODevice>
#include <string>

namespace glimmet {

// A write-only device over an open file descriptor, for the image writers: it gathers small writes
// into blocks and keeps the system's error number of the first failed write, which a QFile would
// turn into text or lose behind its own buffer. The descriptor stays the caller's to close.
class DescriptorDevice final : public QIODevice {
  public:
    explicit DescriptorDevice(int fd);

    // Writes what is gathered; false (with SystemError() set) when the system refused.
    bool Finish();
    // errno of the first failed write, 0 while every write succeeded.
    int SystemError() const { return error_; }
    bool isSequential() const override { return true; }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

  private:
    bool WriteOut(const char* data, size_t size);

    int fd_;
    int error_ = 0;
    std::string gathered_;
};

}  // namespace glimmet
