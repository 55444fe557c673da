#pragma once

#include <QImage>
#include <QMainWindow>
#include <array>
#include <memory>

#include "interaction/WalkSession.h"
#include "params/ParameterFields.h"
#include "widgets/DialogService.h"
#include "widgets/TwipPlacement.h"
#include "window/DragKeepingDialogs.h"
#include "window/FormFields.h"
#include "window/FormSurface.h"
#include "window/TerminationSignals.h"
#include "window/WindowControls.h"
#include "window/WindowMenus.h"
#include "window/WindowOptions.h"
#include "window/WindowState.h"

namespace glimmet {

class ChangeField;
class GlyphCache;
class HtmlExportCommand;
class MenuChoices;
class OpenCommand;
class PageFileCheck;
class SaveCommand;
class SelectionDrag;
class SourceSelection;
class StatusPanels;
class TransferCommand;

// The one window of the program. Its handlers keep the names of the events they answer; handlers call
// one another directly. Key preview is on: every typed character reaches Form_KeyPress before the
// control with the focus gets it. The window's state lives here for the whole run. A picture file
// dropped onto the window opens as the open command would open it. SIGTERM and SIGHUP end the
// program as its Exit command does.
class MF final : public QMainWindow {
    Q_OBJECT
  public:
    MF(DialogService& dialogs, const WindowOptions& options);
    ~MF() override;

    // Start-up, run once by the constructor.
    void Form_Load();
    // Layout for the window's size; the window runs it on every size change.
    void Form_Resize();
    // A typed character: Enter transfers, capital Q, W and E run the presets.
    void Form_KeyPress(int16_t KeyAscii);

    void open_Click();
    // Opens `path` as open_Click opens the file chosen in the dialog: a dropped file, or the one the
    // desktop hands to the program when a picture is opened with it.
    void OpenFile(const QString& path);
    void save_Click();
    void ex_HTML_Click();

    void pic_transfer_Click();
    void pic_transfer_MouseDown(int16_t Button);
    void pic_transfer_MouseUp(int16_t Button);

    // The mouse over the source picture; X and Y in its inner pixels (Button as MouseArguments says).
    void source_pic_MouseDown(int16_t Button, float X, float Y);
    void source_pic_MouseMove(int16_t Button, float X, float Y);
    void source_pic_MouseUp(int16_t Button, float X, float Y);

    void fill_as_point_Click();
    void fill_as_circle_Click();
    void fill_as_rect_Click();
    void fill_as_text_Click();
    void method_equal_Click();
    void method_notequal_Click();
    void method_greater_Click();
    void method_lesser_Click();
    void method_invert_Click();
    // Asks for the colour tolerance of the equal and not-equal comparisons.
    void tolerance_Click();
    void p111_Click();
    void p222_Click();
    void p333_Click();
    void exit_Click();

    void txt_xstep_Change() { fields_->txt_xstep_Change(); }
    void txt_ystep_Change() { fields_->txt_ystep_Change(); }
    void txt_zoom_Change() { fields_->txt_zoom_Change(); }
    void r_txt_Change() { fields_->r_txt_Change(); }
    void g_txt_Change() { fields_->g_txt_Change(); }
    void b_txt_Change() { fields_->b_txt_Change(); }
    void txt_fill_Change() { fields_->txt_fill_Change(); }

    // The window's outer size in twips, borders, title and menu bar included.
    float TwipsWidth() const;
    float TwipsHeight() const;
    void SetTwipsSize(float width, float height);

    const WindowState& State() const { return state_; }
    const TwipPlacement& Placement() const { return placement_; }
    const WalkSession& Session() const { return session_; }
    const FileDialogSettings& Dialog() const { return cdiag_; }
    const StatusPanels& Status() const { return *mf_status_; }
    const WindowControls& Controls() const { return c_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // The one door to the state for writing from outside, for tests that put the window into states
    // no control can reach (a step of 0, the page mode without a page).
    friend struct WindowTestAccess;

    // pic_transfer_Click for callers that go on only after a completed transfer.
    bool Transfer();
    void CreateCommands();
    void ConnectHandlers();
    // The source picture's mouse events go to its three handlers.
    bool SourceMouse(QEvent* event);
    // Around every dialog: the source picture lets go of a mouse it holds, and takes it again when a
    // drag of the selection goes on with the left button still held.
    void ReleaseSourceMouse();
    void ResumeDrag();
    // Key preview on every control; the source picture's mouse comes to eventFilter.
    void InstallKeyPreview();

    DragKeepingDialogs dialogs_;
    WindowOptions options_;
    TwipPlacement placement_;
    WindowState state_;
    FileDialogSettings cdiag_;
    std::array<QImage, 3> btn_img_;
    WalkSession session_;
    WindowControls c_;
    WindowMenus m_;
    StatusPanels* mf_status_ = nullptr;
    std::unique_ptr<GlyphCache> glyphs_;
    std::unique_ptr<FormFields> formFields_;
    std::unique_ptr<ParameterFields> fields_;
    std::unique_ptr<TransferCommand> transfer_;
    std::unique_ptr<SourceSelection> sel_;
    std::unique_ptr<SelectionDrag> drag_;
    std::unique_ptr<OpenCommand> open_;
    std::unique_ptr<SaveCommand> save_;
    std::unique_ptr<PageFileCheck> pageCheck_;
    std::unique_ptr<HtmlExportCommand> export_;
    std::unique_ptr<FormSurface> surface_;
    std::unique_ptr<MenuChoices> choices_;
    bool loaded_ = false;
    int32_t resizeEvents_ = 0;
    TerminationSignals termination_{[this] { exit_Click(); }};
};

}  // namespace glimmet
