#include "files/PictureDrop.h"

#include <QMimeData>
#include <QUrl>

namespace glimmet {

QString PictureDrop::File(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) return url.toLocalFile();
    }
    return {};
}

}  // namespace glimmet
