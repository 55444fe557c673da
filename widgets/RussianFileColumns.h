#pragma once

#include <QIdentityProxyModel>

namespace glimmet {

// The file dialog's list as a Russian reader expects it whatever the system's locale: sizes with
// Russian units and decimal commas, dates in Russian order. Qt formats these two columns with the
// system's locale, which the window's Russian default does not reach.
class RussianFileColumns final : public QIdentityProxyModel {
    Q_OBJECT
  public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override;
};

}  // namespace glimmet
