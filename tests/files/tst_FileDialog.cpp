#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "files/FileDialogDefaults.h"
#include "platform/QtDialogService.h"

using namespace glimmet;

// The real file dialog with the window's settings, answered from inside its own event loop.
class FileDialogTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QtDialogService service_;
    FileDialogSettings cdiag_;
    bool questionAsked_ = false;
    QString title_;
    QStringList filters_;
    QString proposed_;

    // Shows the dialog; once it runs, records what it shows and lets `answer` choose or cancel.
    void Show(bool save, const std::function<void(QFileDialog&)>& answer) {
        QTimer::singleShot(0, this, [this, answer] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) qFatal("no file dialog");
            title_ = dialog->windowTitle();
            filters_ = dialog->nameFilters();
            proposed_ = dialog->selectedFiles().value(0);
            // A question before replacing a file would be a modal box of its own: note it and close it.
            QTimer::singleShot(0, this, [this] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    questionAsked_ = true;
                    box->accept();
                }
            });
            answer(*dialog);
        });
        if (save)
            service_.ShowSave(cdiag_);
        else
            service_.ShowOpen(cdiag_);
    }
    void Choose(bool save, const QString& name) {
        Show(save, [name](QFileDialog& dialog) {
            dialog.selectFile(name);
            QMetaObject::invokeMethod(&dialog, "accept");
        });
    }

  private slots:
    void init() {
        ApplyFileDialogDefaults(cdiag_);
        cdiag_.InitDir = dir_.path();
        questionAsked_ = false;
    }

    void titleFilterAndDefaultExtension() {
        Choose(true, dir_.filePath("plain"));
        QCOMPARE(title_, QString::fromUtf8("Выберите нужное изображение"));
        QCOMPARE(filters_, (QStringList{"BMP (*.bmp)", "JPEG (*.jpg)", "GIF (*.gif)"}));
        QCOMPARE(cdiag_.FileName, dir_.filePath("plain.BMP"));
        // A name with an extension keeps it.
        Choose(true, dir_.filePath("picture.jpg"));
        QCOMPARE(cdiag_.FileName, dir_.filePath("picture.jpg"));
    }

    void noQuestionNoExistenceCheckLastNameProposed() {
        QFile existing(dir_.filePath("existing.bmp"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        Choose(true, existing.fileName());
        QCOMPARE(cdiag_.FileName, existing.fileName());
        QVERIFY(!questionAsked_);

        Choose(false, dir_.filePath("missing.gif"));
        QCOMPARE(cdiag_.FileName, dir_.filePath("missing.gif"));

        // The next use proposes that name; a cancel gives an empty one.
        Show(false, [](QFileDialog& dialog) { dialog.reject(); });
        QCOMPARE(proposed_, dir_.filePath("missing.gif"));
        QVERIFY(cdiag_.FileName.isEmpty());
    }
};

QTEST_MAIN(FileDialogTest)
#include "tst_FileDialog.moc"
