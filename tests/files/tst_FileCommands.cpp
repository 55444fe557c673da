#include <unistd.h>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <QtEndian>
#include <QtTest>

#include "files/FilesTexts.h"
#include "interaction/InteractionTexts.h"
#include "platform/ChangeField.h"
#include "platform/MessageTexts.h"
#include "platform/PictureBox.h"
#include "platform/QtText.h"
#include "platform/RussianQtTranslation.h"
#include "platform/SourcePictureBox.h"
#include "platform/StatusPanels.h"
#include "platform/TwipPlacement.h"
#include "tests/window/WindowTestSupport.h"

using namespace glimmet;

namespace {

// Every pixel tells its position: red = 4x, green = 5y, blue 90.
QImage Pattern(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb((4 * x) % 256, (5 * y) % 256, 90));
    }
    return image;
}

// The system's reason in a message is told in Russian: its line holds no Latin letter.
bool ReasonInRussian(const QString& message) {
    const QString reason =
        message.section(QtText(message_texts::kReason), 1).section(QLatin1Char('\n'), 0, 0);
    return !reason.isEmpty() && !reason.contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
}

QByteArray Read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

}  // namespace

// Open, save, the HTML export and a dropped file, through the real window with scripted dialogs.
class FileCommandsTest : public QObject {
    Q_OBJECT

  private:
    RussianQtTranslation russian_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<test::ScriptedDialogService> dialogs_;
    std::unique_ptr<MF> window_;

    QString Path(const char* name) { return dir_->filePath(QString::fromLatin1(name)); }
    SourcePictureBox* Source() { return window_->findChild<SourcePictureBox*>("source_pic"); }
    PictureBox* Out() { return window_->findChild<PictureBox*>("out_pic"); }
    ChangeField* Field(const char* name) { return window_->findChild<ChangeField*>(name); }
    // Writes `picture` as `name` in `format` and opens it through the open command.
    QString OpenPicture(const QImage& picture, const char* name, const char* format) {
        const QString path = Path(name);
        if (!picture.save(path, format)) qFatal("cannot write %s", name);
        dialogs_->chosenFile = path;
        window_->open_Click();
        return path;
    }
    QStringList Messages() {
        QStringList texts;
        for (const auto& message : dialogs_->messages) texts << message.text;
        return texts;
    }
    void Export(const QString& page) {
        dialogs_->chosenFile = page;
        window_->ex_HTML_Click();
    }
    void Save(const QString& path) {
        dialogs_->chosenFile = path;
        window_->save_Click();
    }

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        dialogs_ = std::make_unique<test::ScriptedDialogService>();
        window_ = std::make_unique<MF>(*dialogs_, test::TestOptions());
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() {
        window_.reset();
        dialogs_.reset();
        dir_.reset();
    }

    void dialogSettingsAtStart() {
        FileDialogSettings& cdiag = window_->Dialog();
        QCOMPARE(cdiag.DialogTitle, QtText("Выберите нужное изображение"));
        QCOMPARE(cdiag.Filter, QStringLiteral(" BMP |*.bmp| JPEG |*.jpg| GIF |*.gif"));
        QCOMPARE(cdiag.DefaultExt, QStringLiteral("BMP|*.bmp"));
        QCOMPARE(cdiag.InitDir, QStringLiteral("/tmp"));
        QVERIFY(cdiag.FileName.isEmpty());
    }

    void openReadsEveryFormat() {
        const ShapeRect before = Source()->Selection();
        for (const char* format : {"BMP", "PNG", "JPEG"}) {
            const QString name = QStringLiteral("picture.%1").arg(QString::fromLatin1(format).toLower());
            const QString path = OpenPicture(Pattern(64, 48), name.toLatin1().constData(), format);
            QCOMPARE(Source()->Picture().size(), QSize(64, 48));
            QCOMPARE(window_->State().FilePath, path.toStdString());
        }
        // JPEG is lossy; the lossless ones arrive exactly. While the file is read the window shows
        // the busy cursor and goes on handling its events.
        Qt::CursorShape whileReading = Qt::ArrowCursor;
        const test::YieldProbe probe(1, [&whileReading] {
            if (const QCursor* cursor = QGuiApplication::overrideCursor()) whileReading = cursor->shape();
        });
        OpenPicture(Pattern(64, 48), "exact.png", "PNG");
        QCOMPARE(whileReading, Qt::WaitCursor);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        QCOMPARE(Source()->Picture(), Pattern(64, 48));
        QVERIFY(dialogs_->messages.empty());
        QCOMPARE(Source()->Selection().Left, before.Left);
        QCOMPARE(Source()->Selection().Width, before.Width);
        QCOMPARE(window_->Status().PanelText(1), QtText("Жду ваших дейстивий."));

        // A cancel loads nothing but empties FilePath.
        dialogs_->chosenFile.clear();
        window_->open_Click();
        QCOMPARE(Source()->Picture(), Pattern(64, 48));
        QVERIFY(window_->State().FilePath.empty());
    }

    void openRefusesDamagedAndMissingFiles() {
        OpenPicture(Pattern(64, 48), "good.bmp", "BMP");
        const QByteArray whole = Read(Path("good.bmp"));
        QFile cut(Path("cut.bmp"));
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(whole.left(whole.size() / 2));
        cut.close();
        for (const QString& bad : {Path("cut.bmp"), Path("missing.bmp")}) {
            dialogs_->messages.clear();
            dialogs_->chosenFile = bad;
            window_->open_Click();
            QCOMPARE(dialogs_->messages.size(), size_t{1});
            const auto& message = dialogs_->messages[0];
            QVERIFY2(message.text.startsWith(QtText(files_texts::kOpenFailed)), qPrintable(message.text));
            QVERIFY(message.text.contains(bad));
            QCOMPARE(message.icon, MessageIcon::Critical);
            QCOMPARE(Source()->Picture(), Pattern(64, 48));
        }
        QVERIFY(dialogs_->messages[0].text.contains(QtText(files_texts::kCannotRead)));
        QVERIFY(ReasonInRussian(dialogs_->messages[0].text));
        // The image library's reason for a file that is no picture, too.
        QFile notes(Path("notes.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("only words") > 0);
        notes.close();
        dialogs_->messages.clear();
        dialogs_->chosenFile = notes.fileName();
        window_->open_Click();
        QVERIFY(ReasonInRussian(dialogs_->messages[0].text));
        dialogs_->messages.clear();
        dialogs_->chosenFile = Path("cut.bmp");
        window_->open_Click();
        QVERIFY(dialogs_->messages[0].text.contains(QtText(files_texts::kDamaged)));
        // The reason is told in the window's language, with the numbers.
        const qsizetype pixelBytes = whole.size() - 54;
        QVERIFY2(dialogs_->messages[0].text.contains(
                     QStringLiteral("файл обрывается после %1 из %2 байт данных точек")
                         .arg(whole.size() / 2 - 54)
                         .arg(pixelBytes)),
                 qPrintable(dialogs_->messages[0].text));
        // A picture larger than is read is called too large, with its size, and changes nothing.
        QByteArray huge = whole;
        qToLittleEndian<qint32>(30000, huge.data() + 18);
        qToLittleEndian<qint32>(30000, huge.data() + 22);
        QFile hugeFile(Path("huge.bmp"));
        QVERIFY(hugeFile.open(QIODevice::WriteOnly) && hugeFile.write(huge) == huge.size());
        hugeFile.close();
        dialogs_->messages.clear();
        dialogs_->chosenFile = Path("huge.bmp");
        window_->open_Click();
        QVERIFY(dialogs_->messages[0].text.contains(QtText(files_texts::kTooLarge)));
        QVERIFY(dialogs_->messages[0].text.contains(QStringLiteral("30000 × 30000 точек")));
        QCOMPARE(Source()->Picture(), Pattern(64, 48));
    }

    void droppedFileOpens() {
        const QString path = Path("dropped.png");
        QVERIFY(Pattern(30, 20).save(path, "PNG"));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window_.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window_.get(), &drop);
        QCOMPARE(Source()->Picture(), Pattern(30, 20));
        QCOMPARE(window_->State().FilePath, path.toStdString());

        QMimeData text;
        text.setText(QStringLiteral("not a file"));
        QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        refused.setAccepted(false);
        QCoreApplication::sendEvent(window_.get(), &refused);
        QVERIFY(!refused.isAccepted());
    }

    void saveWritesABitmapWhateverTheName() {
        OpenPicture(Pattern(64, 48), "source.png", "PNG");
        Source()->SetSelection({5, 4, 20, 10});
        const TwipRect area = window_->Placement().Rect(Out());
        for (const char* name : {"out.jpg", "out.BMP", "plain"}) {
            dialogs_->messages.clear();
            dialogs_->chosenFile = Path(name);
            window_->save_Click();
            // The size message first, then nothing more.
            QCOMPARE(Messages(), QStringList{QtText("Размеры выделенной области:  20: 10")});
            const QByteArray saved = Read(Path(name));
            QVERIFY2(saved.startsWith("BM"), name);
            const QImage image = QImage::fromData(saved, "BMP");
            QCOMPARE(image.size(), QSize(21, 11));
            // Start-up comparison: not equal to blue, so every sample shows its own colour.
            QCOMPARE(image.pixel(0, 0) & 0xFFFFFF, Pattern(64, 48).pixel(5, 4) & 0xFFFFFF);
            QCOMPARE(image.pixel(20, 10) & 0xFFFFFF, Pattern(64, 48).pixel(25, 14) & 0xFFFFFF);
            QCOMPARE(window_->State().FilePath, Path(name).toStdString());
            // Cleared and given the whole output area again.
            QCOMPARE(window_->Placement().Rect(Out()).Width, area.Width);
            QCOMPARE(Out()->Shown().pixel(0, 0) & 0xFFFFFF, 0u);
        }
        // Saving over an existing file replaces it.
        Source()->SetSelection({0, 0, 3, 2});
        dialogs_->chosenFile = Path("out.jpg");
        window_->save_Click();
        QCOMPARE(QImage::fromData(Read(Path("out.jpg")), "BMP").size(), QSize(4, 3));

        // A cancel stops after the rendering, which stays on screen.
        const std::string before = window_->State().FilePath;
        dialogs_->chosenFile.clear();
        window_->save_Click();
        QCOMPARE(window_->State().FilePath, before);
        QCOMPARE(Out()->InnerSize(), QSize(4, 3));
        QCOMPARE(Out()->Shown().pixel(0, 0) & 0xFFFFFF, Pattern(64, 48).pixel(0, 0) & 0xFFFFFF);
    }

    void saveAsksBeforeReplacingAFileInUse() {
        Source()->SetSelection({2, 3, 4, 2});
        Export(Path("page.htm"));
        OpenPicture(Pattern(64, 48), "source.bmp", "BMP");
        window_->fill_as_point_Click();
        QVERIFY(QFile::link(Path("source.bmp"), Path("symbolic.bmp")));
        QCOMPARE(::link(QFile::encodeName(Path("source.bmp")), QFile::encodeName(Path("hard.bmp"))), 0);
        QVERIFY(Pattern(8, 8).save(Path("other.bmp"), "BMP"));
        const std::tuple<const char*, bool, MessageAnswer> cases[] = {
            {"source.bmp", true, MessageAnswer::No},    {"hard.bmp", true, MessageAnswer::No},
            {"page.htm", true, MessageAnswer::No},      {"other.bmp", false, MessageAnswer::No},
            {"symbolic.bmp", true, MessageAnswer::Yes},
        };
        for (const auto& [name, asked, answer] : cases) {
            const QByteArray before = Read(Path(name));
            dialogs_->messages.clear();
            dialogs_->answer = answer;
            Save(Path(name));
            // The size message, then the question when the file is in use.
            QCOMPARE(dialogs_->messages.size(), size_t{asked ? 2u : 1u});
            if (asked) QCOMPARE(dialogs_->messages[1].buttons, MessageButtons::YesNoDefaultNo);
            QCOMPARE(Read(Path(name)) == before, asked && answer == MessageAnswer::No);
        }
        QCOMPARE(QImage::fromData(Read(Path("source.bmp")), "BMP").size(), QSize(5, 3));
    }

    void saveReportsAWriteFailure() {
        OpenPicture(Pattern(64, 48), "source.bmp", "BMP");
        Source()->SetSelection({5, 4, 20, 10});
        const QString target = Path("no-such-folder/out.bmp");
        dialogs_->chosenFile = target;
        window_->save_Click();
        QCOMPARE(dialogs_->messages.size(), size_t{2});
        const auto& message = dialogs_->messages[1];
        QVERIFY2(message.text.startsWith(QtText(files_texts::kSaveFailed)), qPrintable(message.text));
        QVERIFY(message.text.contains(target));
        QVERIFY(message.text.contains(QtText(files_texts::kNothingSaved)));
        QVERIFY(ReasonInRussian(message.text));
        QCOMPARE(message.icon, MessageIcon::Critical);
        QVERIFY(!QFile::exists(target));
        // The rendering stays for another try.
        QCOMPARE(Out()->InnerSize(), QSize(21, 11));
    }

    void saveStopsAfterAFailedTransfer() {
        OpenPicture(Pattern(64, 48), "source.bmp", "BMP");
        Source()->SetSelection({40000, 4, 20, 10});  // bounds beyond 16 bits
        const QString target = Path("out.bmp");
        dialogs_->chosenFile = target;
        window_->save_Click();
        QCOMPARE(dialogs_->messages.size(), size_t{2});  // the size, then the failure; no dialog after it
        QCOMPARE(dialogs_->messages[1].icon, MessageIcon::Critical);
        QVERIFY(!QFile::exists(target));
    }

    void exportTwiceAppendsTwoWholePages() {
        OpenPicture(Pattern(64, 48), "source.bmp", "BMP");
        Source()->SetSelection({2, 3, 4, 2});  // 5 columns, 3 rows
        const QString page = Path("page.htm");
        Export(page);
        Export(page);
        const QString expected = QtText(interaction_texts::kPageWritten);
        QCOMPARE(dialogs_->messages.size(), size_t{4});
        for (size_t i : {size_t{0}, size_t{2}}) {
            QCOMPARE(dialogs_->messages[i].text, QtText("Вы действительно хотите записать рисунок в файл?"));
            QCOMPARE(dialogs_->messages[i].buttons, MessageButtons::YesNo);
            QCOMPARE(dialogs_->messages[i].icon, MessageIcon::None);
            QCOMPARE(dialogs_->messages[i].title, QStringLiteral("HTML module"));
            QCOMPARE(dialogs_->messages[i + 1].text, expected);
            QCOMPARE(dialogs_->messages[i + 1].icon, MessageIcon::Information);
            QCOMPARE(dialogs_->messages[i + 1].title, QStringLiteral("HTML module"));
        }
        const QString text = QString::fromUtf8(Read(page));
        QCOMPARE(text.count(QStringLiteral("<HTML>\r\n")), 2);
        QCOMPARE(text.count(QStringLiteral("</HTML>\r\n")), 2);
        QCOMPARE(text.count(QStringLiteral("\r\n")), 2 * (7 + 3 * (5 + 1) + 5));
        QVERIFY(text.endsWith(QStringLiteral("</Body>\r\n</HTML>\r\n")));
        QCOMPARE(window_->State().render.FillMode, int16_t{5});
        QCOMPARE(window_->State().render.PagePath, page.toStdString());
        QCOMPARE(window_->Dialog().Filter, QStringLiteral("BMP |*.bmp| JPEG |*.jpg| GIF |*.gif"));
        QCOMPARE(window_->Status().PanelText(1), QtText(interaction_texts::kDone));
        QCOMPARE(window_->Status().PanelText(2), QtText("Точки"));
        QCOMPARE(Source()->BorderStyle(), SourcePictureBox::kDottedOutline);
    }

    void exportRefusedOrCancelled() {
        // No: nothing changes but the hidden outline.
        dialogs_->answer = MessageAnswer::No;
        Export(Path("page.htm"));
        QCOMPARE(window_->State().render.FillMode, int16_t{1});
        QCOMPARE(Source()->BorderStyle(), SourcePictureBox::kNoOutline);
        QCOMPARE(window_->Dialog().Filter, QStringLiteral(" BMP |*.bmp| JPEG |*.jpg| GIF |*.gif"));
        // Yes, then a cancelled dialog: fill mode 5 and the page filter stay.
        dialogs_->answer = MessageAnswer::Yes;
        Export(QString());
        QCOMPARE(window_->State().render.FillMode, int16_t{5});
        QCOMPARE(window_->Dialog().Filter, QStringLiteral("HTML|*.htm"));
        QVERIFY(window_->State().render.PagePath.empty());
        QVERIFY(!QFile::exists(Path("page.htm")));
        QCOMPARE(dialogs_->messages.size(), size_t{2});
    }

    void exportReportsAnUnwritablePageFile() {
        Source()->SetSelection({2, 3, 4, 2});
        const QSize before = Out()->InnerSize();
        const QString page = Path("no-such-folder/page.htm");
        Export(page);
        QCOMPARE(dialogs_->messages.size(), size_t{2});
        const auto& message = dialogs_->messages[1];
        QVERIFY2(message.text.startsWith(QtText(files_texts::kPageFileFailed)), qPrintable(message.text));
        QVERIFY(message.text.contains(page));
        QCOMPARE(message.title, QStringLiteral("HTML module"));
        QCOMPARE(message.icon, MessageIcon::Critical);
        QVERIFY(ReasonInRussian(message.text));
        // Nothing drawn, no transfer, and no page path to lose lines into later.
        QCOMPARE(Out()->InnerSize(), before);
        QCOMPARE(window_->Status().PanelText(1), QtText("Жду ваших дейстивий."));
        QVERIFY(window_->State().render.PagePath.empty());
    }

    void pageModeNeverWritesIntoAPictureFile() {
        const QString page = Path("page.htm");
        Source()->SetSelection({2, 3, 4, 2});
        Export(page);
        const QByteArray pageAfterExport = Read(page);
        const QString picture = OpenPicture(Pattern(64, 48), "source.bmp", "BMP");
        const QByteArray pictureBytes = Read(picture);
        QCOMPARE(window_->State().FilePath, picture.toStdString());
        window_->pic_transfer_Click();
        QCOMPARE(Read(picture), pictureBytes);
        // The page got one more whole page instead.
        QCOMPARE(QString::fromUtf8(Read(page)).count(QStringLiteral("<HTML>\r\n")), 2);
        QVERIFY(Read(page).size() > pageAfterExport.size());
        QCOMPARE(dialogs_->messages.back().text, QtText(interaction_texts::kPageWritten));
    }

    void savedBitmapEqualsTheBatchCommand() {
        const QString picture = OpenPicture(Pattern(64, 48), "source.png", "PNG");
        Source()->SetSelection({5, 4, 30, 20});
        Field("txt_xstep")->SetText(QStringLiteral("2"));
        Field("txt_zoom")->SetText(QStringLiteral("3"));
        Field("r_txt")->SetText(QStringLiteral("60"));
        Field("g_txt")->SetText(QStringLiteral("100"));
        Field("b_txt")->SetText(QStringLiteral("90"));
        window_->method_greater_Click();
        window_->fill_as_circle_Click();
        dialogs_->chosenFile = Path("window.bmp");
        window_->save_Click();

        QProcess batch;
        batch.start(QStringLiteral(GLIMMET_BATCH),
                    {"-q", "--region", "5,4,30,20", "--step", "2,1", "--zoom", "3", "--key", "60,100,90",
                     "--compare", "greater", "--fill", "circles", "--output", Path("batch.bmp"), picture});
        QVERIFY(batch.waitForFinished(60000));
        QCOMPARE(batch.exitCode(), 0);
        const QImage fromWindow(Path("window.bmp"));
        const QImage fromBatch(Path("batch.bmp"));
        QCOMPARE(fromWindow.size(), QSize(91, 61));
        QCOMPARE(fromWindow.convertToFormat(QImage::Format_RGB32),
                 fromBatch.convertToFormat(QImage::Format_RGB32));
    }
};

QTEST_MAIN(FileCommandsTest)
#include "tst_FileCommands.moc"
