#include "widgets/RussianFileColumns.h"

#include <QFileSystemModel>
#include <QLocale>

namespace glimmet {

namespace {
// The columns of QFileSystemModel that hold a size and a date.
constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;
}  // namespace

QVariant RussianFileColumns::data(const QModelIndex& index, int role) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    const int column = index.column();
    if (files == nullptr || role != Qt::DisplayRole || (column != kSizeColumn && column != kDateColumn))
        return QIdentityProxyModel::data(index, role);
    const QFileInfo info = files->fileInfo(mapToSource(index));
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    if (column == kDateColumn) return russian.toString(info.lastModified(), QLocale::ShortFormat);
    // Traditional units: the Russian locale has no Russian names for the IEC ones ("KiB").
    return info.isDir() ? QString()
                        : russian.formattedDataSize(info.size(), 1, QLocale::DataSizeTraditionalFormat);
}

}  // namespace glimmet
