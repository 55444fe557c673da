#include "picture/SinkDevice.h"

namespace glimmet {

SinkDevice::SinkDevice(ByteSink& sink) : sink_(sink) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 SinkDevice::writeData(const char* data, qint64 size) {
    return sink_.Write(data, static_cast<size_t>(size)) ? size : -1;
}

}  // namespace glimmet
