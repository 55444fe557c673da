#include "widgets/QtDialogService.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "picture/QtText.h"
#include "widgets/MessageTexts.h"
#include "widgets/RussianFileColumns.h"

namespace glimmet {

namespace {

// Qt's Russian translation leaves the kind of a folder in the file dialog in English.
class FileKinds final : public QFileIconProvider {
  public:
    QString type(const QFileInfo& info) const override {
        return info.isDir() ? QtText(message_texts::kFolderKind) : QFileIconProvider::type(info);
    }
};

QMessageBox::Icon QtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// The default extension is written as a filter entry ("BMP|*.bmp"); its first three characters are
// what a name typed without an extension gets while the filter offers that type. A filter that does
// not (the export's "HTML|*.htm") gives its own first type instead, so that a page typed as "page"
// becomes page.htm rather than a page named page.BMP.
QString DefaultSuffix(const FileDialogSettings& settings) {
    const QStringList parts = settings.Filter.split(QLatin1Char('|'));
    QStringList patterns;
    for (qsizetype i = 1; i < parts.size(); i += 2) patterns << parts[i].trimmed();
    const QString defaultPattern = settings.DefaultExt.section(QLatin1Char('|'), 1).trimmed();
    if (patterns.isEmpty() || patterns.contains(defaultPattern, Qt::CaseInsensitive) ||
        !patterns.constFirst().startsWith(QStringLiteral("*.")))
        return settings.DefaultExt.left(3);
    return patterns.constFirst().mid(2);
}

void ShowFileDialog(QWidget* owner, FileDialogSettings& settings, QFileDialog::AcceptMode mode) {
    FileKinds kinds;  // outlives the dialog that uses it
    QFileDialog dialog(owner, settings.DialogTitle, settings.InitDir,
                       QtDialogService::QtFilter(settings.Filter));
    dialog.setAcceptMode(mode);
    // Qt's own dialog, not the desktop's: it honours every setting here and speaks the language of
    // the installed translation.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new RussianFileColumns(&dialog));  // after the widgets exist; the dialog owns it
    dialog.setIconProvider(&kinds);
    // No check that a file to open exists and no question before replacing one: the commands decide.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(DefaultSuffix(settings));
    if (!settings.FileName.isEmpty()) dialog.selectFile(settings.FileName);
    settings.FileName.clear();
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    settings.FileName = dialog.selectedFiles().constFirst();
    settings.InitDir = QFileInfo(settings.FileName).absolutePath();
}

}  // namespace

QWidget* QtDialogService::Owner() const {
    return owner_ != nullptr ? owner_.data() : QApplication::activeWindow();
}

MessageAnswer QtDialogService::MsgBox(const QString& text, MessageButtons buttons, MessageIcon icon,
                                      const QString& title) {
    const bool question = buttons != MessageButtons::Ok;
    QMessageBox box(QtIcon(icon), title, text,
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, Owner());
    if (buttons == MessageButtons::YesNoDefaultNo) box.setDefaultButton(QMessageBox::No);
    if (!question) box.button(QMessageBox::Ok)->setText(QtText(message_texts::kOkButton));
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void QtDialogService::ShowOpen(FileDialogSettings& settings) {
    ShowFileDialog(Owner(), settings, QFileDialog::AcceptOpen);
}

void QtDialogService::ShowSave(FileDialogSettings& settings) {
    ShowFileDialog(Owner(), settings, QFileDialog::AcceptSave);
}

std::optional<int32_t> QtDialogService::GetInteger(const QString& title, const QString& label, int32_t value,
                                                   int32_t minimum, int32_t maximum) {
    QInputDialog dialog(Owner());
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setIntRange(minimum, maximum);
    dialog.setIntValue(value);
    // The same Cyrillic OK as the message boxes; Cancel comes from Qt's translation.
    dialog.setOkButtonText(QtText(message_texts::kOkButton));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.intValue();
}

QString QtDialogService::QtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // QFileDialog simplifies the blanks of a filter's name anyway; they are kept in the settings.
        entries << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), parts[i + 1].trimmed());
    }
    return entries.join(QStringLiteral(";;"));
}

}  // namespace glimmet
