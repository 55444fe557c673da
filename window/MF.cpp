#include "window/MF.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLocale>
#include <QMenuBar>
#include <QPixmap>

#include "GlimmetVersion.h"
#include "files/FileDialogDefaults.h"
#include "files/HtmlExportCommand.h"
#include "files/OpenCommand.h"
#include "files/PageFileCheck.h"
#include "files/PictureDrop.h"
#include "files/SaveCommand.h"
#include "interaction/MouseArguments.h"
#include "interaction/SelectionDrag.h"
#include "interaction/SourceSelection.h"
#include "interaction/TransferCommand.h"
#include "picture/GlyphCache.h"
#include "picture/OutputFont.h"
#include "picture/QtText.h"
#include "render/OutputSize.h"
#include "resources/WindowImages.h"
#include "widgets/ChangeField.h"
#include "widgets/FrameBox.h"
#include "widgets/ImageBox.h"
#include "widgets/PictureBox.h"
#include "widgets/SourcePictureBox.h"
#include "widgets/StatusPanels.h"
#include "window/KeyPreview.h"
#include "window/MenuChoices.h"
#include "window/WindowColours.h"
#include "window/WindowTexts.h"

namespace glimmet {

namespace {

namespace t = window_texts;

}  // namespace

MF::MF(DialogService& dialogs, const WindowOptions& options)
    : dialogs_(
          dialogs, [this] { ReleaseSourceMouse(); }, [this] { ResumeDrag(); }),
      options_(options),
      placement_(options.metrics) {
    setObjectName(QStringLiteral("MF"));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, colours::kWindow);
    client->setPalette(palette);
    setCentralWidget(client);

    mf_status_ = new StatusPanels(this, t::kPanelKeys);
    mf_status_->setObjectName(QStringLiteral("mf_status"));
    QFont statusFont(QStringLiteral("Liberation Sans"));
    statusFont.setPixelSize(13);
    statusFont.setBold(true);
    mf_status_->setFont(statusFont);
    setStatusBar(mf_status_);

    c_ = WindowControls::Create(client, placement_);
    m_ = WindowMenus::Create(menuBar());
    c_.SetTabOrder();

    glyphs_ = std::make_unique<GlyphCache>(OutputFont());
    const QLocale locale = QLocale::system();
    choices_ = std::make_unique<MenuChoices>(state_.render, m_, c_, *mf_status_, dialogs_);
    formFields_ = std::make_unique<FormFields>(c_, *mf_status_, *choices_);
    fields_ = std::make_unique<ParameterFields>(state_.render, state_, *formFields_,
                                                locale.decimalPoint().toStdString(),
                                                locale.groupSeparator().toStdString());
    CreateCommands();
    for (size_t i = 0; i < btn_img_.size(); ++i)
        btn_img_[i] = WindowImages::ImageListEntry(static_cast<int>(i) + 1);
    setWindowIcon(QIcon(QPixmap::fromImage(WindowImages::WindowIcon())));
    c_.source_pic->SetPicture(WindowImages::StartupPicture());
    // Every move over the source picture counts, with or without a button held.
    c_.source_pic->setMouseTracking(true);
    setAcceptDrops(true);
    ApplyFileDialogDefaults(cdiag_);

    ConnectHandlers();
    InstallKeyPreview();
    // The design client area, 12480 x 7500 twips, below the menu bar.
    resize(TwipsToPixels(12480, options_.metrics.TwipsPerPixelX),
           TwipsToPixels(7500, options_.metrics.TwipsPerPixelY) + menuBar()->sizeHint().height());
    c_.out_pic->setFocus();
    Form_Load();
}

MF::~MF() = default;

void MF::CreateCommands() {
    surface_ = std::make_unique<FormSurface>(*this, placement_, c_);
    transfer_ = std::make_unique<TransferCommand>(
        TransferParts{state_.render, *c_.source_pic, *c_.out_pic, *c_.txt_fill, placement_, *mf_status_,
                      dialogs_, *glyphs_, session_, options_.pacing});
    sel_ = std::make_unique<SourceSelection>(*c_.source_pic);
    drag_ = std::make_unique<SelectionDrag>(state_, state_.render, *sel_, *c_.source_pic, *formFields_);
    open_ =
        std::make_unique<OpenCommand>(cdiag_, dialogs_, state_.FilePath, state_.PicturePath, *c_.source_pic);
    save_ = std::make_unique<SaveCommand>(SaveParts{
        cdiag_, dialogs_, state_.FilePath, state_.SavedPath, state_.PicturePath, state_.render.PagePath,
        *c_.out_pic, [this] { return Transfer(); }, [this] { Form_Resize(); }});
    pageCheck_ = std::make_unique<PageFileCheck>(dialogs_, state_.PicturePath, state_.SavedPath);
    export_ = std::make_unique<HtmlExportCommand>(
        ExportParts{cdiag_, dialogs_, state_.render, state_.FilePath, state_.PicturePath, *pageCheck_,
                    *c_.source_pic, [this] { pic_transfer_Click(); }});
}

void MF::ConnectHandlers() {
    connect(m_.open, &QAction::triggered, this, &MF::open_Click);
    connect(m_.save, &QAction::triggered, this, &MF::save_Click);
    connect(m_.ex_HTML, &QAction::triggered, this, &MF::ex_HTML_Click);
    connect(m_.exit, &QAction::triggered, this, &MF::exit_Click);
    connect(m_.fill_as_point, &QAction::triggered, this, &MF::fill_as_point_Click);
    connect(m_.fill_as_circle, &QAction::triggered, this, &MF::fill_as_circle_Click);
    connect(m_.fill_as_rect, &QAction::triggered, this, &MF::fill_as_rect_Click);
    connect(m_.fill_as_text, &QAction::triggered, this, &MF::fill_as_text_Click);
    connect(m_.method_equal, &QAction::triggered, this, &MF::method_equal_Click);
    connect(m_.method_notequal, &QAction::triggered, this, &MF::method_notequal_Click);
    connect(m_.method_greater, &QAction::triggered, this, &MF::method_greater_Click);
    connect(m_.method_lesser, &QAction::triggered, this, &MF::method_lesser_Click);
    connect(m_.method_invert, &QAction::triggered, this, &MF::method_invert_Click);
    connect(m_.tolerance, &QAction::triggered, this, &MF::tolerance_Click);
    connect(m_.p111, &QAction::triggered, this, &MF::p111_Click);
    connect(m_.p222, &QAction::triggered, this, &MF::p222_Click);
    connect(m_.p333, &QAction::triggered, this, &MF::p333_Click);

    connect(c_.txt_xstep, &ChangeField::Changed, this, &MF::txt_xstep_Change);
    connect(c_.txt_ystep, &ChangeField::Changed, this, &MF::txt_ystep_Change);
    connect(c_.txt_zoom, &ChangeField::Changed, this, &MF::txt_zoom_Change);
    connect(c_.r_txt, &ChangeField::Changed, this, &MF::r_txt_Change);
    connect(c_.g_txt, &ChangeField::Changed, this, &MF::g_txt_Change);
    connect(c_.b_txt, &ChangeField::Changed, this, &MF::b_txt_Change);
    connect(c_.txt_fill, &ChangeField::Changed, this, &MF::txt_fill_Change);

    connect(c_.pic_transfer, &ImageBox::MouseDown, this, &MF::pic_transfer_MouseDown);
    connect(c_.pic_transfer, &ImageBox::MouseUp, this, &MF::pic_transfer_MouseUp);
    connect(c_.pic_transfer, &ImageBox::Click, this, &MF::pic_transfer_Click);
}

void MF::InstallKeyPreview() {
    auto* preview = new KeyPreview(*this, m_.Shortcuts(), [this](int16_t key) { Form_KeyPress(key); });
    preview->Watch({c_.txt_xstep, c_.txt_ystep, c_.txt_zoom, c_.txt_fill, c_.r_txt, c_.g_txt, c_.b_txt,
                    c_.out_pic, c_.source_pic, c_.backpic, c_.pic_transfer, c_.back_pic});
    c_.source_pic->installEventFilter(this);
}

void MF::Form_Load() {
    state_.ColRed = 0;
    state_.ColGreen = 0;
    state_.ColBlue = 255;
    state_.MouseX = 0;
    state_.MouseY = 0;
    state_.render.col = RGB(state_.ColRed, state_.ColGreen, state_.ColBlue);
    state_.FilePath.clear();
    state_.render.METH = kMethNotEqual;
    state_.render.Tolerance = 0;
    m_.method_notequal->setChecked(true);
    m_.fill_as_point->setChecked(true);
    state_.render.Xst = 1;
    state_.render.Yst = 1;
    state_.render.FillMode = kFillPoints;
    state_.render.ZOOM = 1;
    state_.Dragging = 0;
    cdiag_.InitDir = options_.programFolder;
    setWindowTitle(QString::fromStdString(t::Caption(kVersionMajor, kVersionMinor, kVersionRevision)));
    const std::array<QAction*, 3> presets = {m_.p111, m_.p222, m_.p333};
    for (size_t i = 0; i < presets.size(); ++i) {
        presets[i]->setText(QtText(t::kPresetCaptions[i]) + QLatin1Char('\t') + QtText(t::kPresetKeys[i]));
    }
    mf_status_->SetPanelText(1, QtText(t::kWaiting));
    mf_status_->SetPanelText(2, QtText(t::kFillModePanel[0]));
    mf_status_->SetPanelText(3, QtText(t::kMethodNames[1]));
    c_.pic_transfer->SetPicture(btn_img_[0]);
    c_.back_pic->SetPicture(btn_img_[2]);
    loaded_ = true;
}

void MF::Form_Resize() {
    if (loaded_) FormLayout::Run(*surface_);
}

void MF::Form_KeyPress(int16_t KeyAscii) {
    // The typed character: Enter, or a capital Q, W or E (a small letter is no preset).
    enum : int16_t { kEnter = 13, kPresetQ = 'Q', kPresetW = 'W', kPresetE = 'E' };
    switch (KeyAscii) {
        case kEnter:
            pic_transfer_Click();
            break;
        case kPresetQ:
            p111_Click();
            break;
        case kPresetW:
            p222_Click();
            break;
        case kPresetE:
            p333_Click();
            break;
        default:
            break;
    }
}

void MF::open_Click() {
    open_->Run();
}

void MF::OpenFile(const QString& path) {
    open_->OpenFile(path);
}

void MF::save_Click() {
    save_->Run();
}

void MF::ex_HTML_Click() {
    export_->Run();
}

void MF::pic_transfer_Click() {
    Transfer();
}

bool MF::Transfer() {
    // Every page is checked before it is appended: the page file may hold a picture by now, or be the
    // picture opened or saved since the export chose it.
    const std::string& page = state_.render.PagePath;
    if (state_.render.FillMode == kFillPage && !page.empty() && !pageCheck_->Allows(page)) return false;
    const bool completed = transfer_->Run();
    // The user ended the program during the walk: now that the last walk is over, the window goes.
    if (session_.exitRequested && session_.running == 0) close();
    return completed;
}

void MF::pic_transfer_MouseDown(int16_t) {
    c_.pic_transfer->SetPicture(btn_img_[1]);
}

void MF::pic_transfer_MouseUp(int16_t) {
    c_.pic_transfer->SetPicture(btn_img_[0]);
}

void MF::source_pic_MouseDown(int16_t Button, float, float) {
    drag_->MouseDown(Button);
}

void MF::source_pic_MouseMove(int16_t Button, float X, float Y) {
    drag_->MouseMove(Button, X, Y);
}

void MF::source_pic_MouseUp(int16_t Button, float, float) {
    drag_->MouseUp(Button);
}

bool MF::SourceMouse(QEvent* event) {
    const auto mouse = MouseArguments::Of(*event, c_.source_pic->Border());
    if (!mouse) return false;
    switch (mouse->action) {
        case MouseAction::Down:
            source_pic_MouseDown(mouse->Button, mouse->X, mouse->Y);
            break;
        case MouseAction::Move:
            source_pic_MouseMove(mouse->Button, mouse->X, mouse->Y);
            break;
        case MouseAction::Up:
            source_pic_MouseUp(mouse->Button, mouse->X, mouse->Y);
            if (mouse->Button == kLeftButton) ReleaseSourceMouse();
            break;
    }
    return true;
}

void MF::ReleaseSourceMouse() {
    if (QWidget::mouseGrabber() == c_.source_pic) c_.source_pic->releaseMouse();
}

void MF::ResumeDrag() {
    if (state_.Dragging != 0 && (QGuiApplication::mouseButtons() & Qt::LeftButton))
        c_.source_pic->grabMouse();
}

void MF::fill_as_point_Click() {
    choices_->Fill(kFillPoints);
}
void MF::fill_as_circle_Click() {
    choices_->Fill(kFillCircles);
}
void MF::fill_as_rect_Click() {
    choices_->Fill(kFillSquares);
}
void MF::fill_as_text_Click() {
    choices_->Fill(kFillText);
}

void MF::method_equal_Click() {
    choices_->Method(kMethEqual);
}
void MF::method_notequal_Click() {
    choices_->Method(kMethNotEqual);
}
void MF::method_greater_Click() {
    choices_->Method(kMethGreater);
}
void MF::method_lesser_Click() {
    choices_->Method(kMethLesser);
}
void MF::method_invert_Click() {
    choices_->Method(kMethInvert);
}
void MF::tolerance_Click() {
    choices_->Tolerance();
}

void MF::p111_Click() {
    choices_->Preset(0);
}
void MF::p222_Click() {
    choices_->Preset(1);
}
void MF::p333_Click() {
    choices_->Preset(2);
}

void MF::exit_Click() {
    close();
}

bool MF::eventFilter(QObject* watched, QEvent* event) {
    if (watched == c_.source_pic && SourceMouse(event)) return true;
    return QMainWindow::eventFilter(watched, event);
}

void MF::resizeEvent(QResizeEvent* event) {
    ++resizeEvents_;
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void MF::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if ((change->oldState() & Qt::WindowMinimized) && !isMinimized()) Form_Resize();
}

void MF::closeEvent(QCloseEvent* event) {
    if (session_.running > 0) {
        // A walk is under way in this very call stack: it stops at its next yield and draws nothing
        // more; the window closes when the walk has returned (pic_transfer_Click).
        session_.exitRequested = true;
        event->ignore();
        return;
    }
    event->accept();
}

void MF::dragEnterEvent(QDragEnterEvent* event) {
    if (!PictureDrop::File(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MF::dropEvent(QDropEvent* event) {
    const QString file = PictureDrop::File(event->mimeData());
    if (file.isEmpty()) return;
    event->acceptProposedAction();
    OpenFile(file);
}

float MF::TwipsWidth() const {
    return static_cast<float>(frameGeometry().width()) * options_.metrics.TwipsPerPixelX;
}

float MF::TwipsHeight() const {
    return static_cast<float>(frameGeometry().height()) * options_.metrics.TwipsPerPixelY;
}

void MF::SetTwipsSize(float width, float height) {
    const int frameWidth = frameGeometry().width() - this->width();
    const int frameHeight = frameGeometry().height() - this->height();
    const QSize target(
        static_cast<int>(TwipsToPixels(width, options_.metrics.TwipsPerPixelX)) - frameWidth,
        static_cast<int>(TwipsToPixels(height, options_.metrics.TwipsPerPixelY)) - frameHeight);
    if (target == size()) return;
    const int32_t before = resizeEvents_;
    resize(target);
    // A hidden window gets its resize event only when shown; the layout follows the size at once.
    if (resizeEvents_ == before && size() == target) Form_Resize();
}

}  // namespace glimmet
