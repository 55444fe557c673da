#pragma once

#include <QLocale>
#include <QTranslator>

namespace glimmet {

// The window's Russian, installed in the application for as long as this object lives: the program's
// own texts (English in the code, Russian from the embedded translation) and Qt's own Russian
// translation, so that the standard buttons, the file dialog and the reasons Qt gives for failures
// speak Russian too, whatever the user's locale. Qt's texts that come from the locale's language (the
// kinds of files in the file dialog) follow it too; numbers are still read and written by the user's
// own locale (the system locale). Made after the application object. Without Qt's translation files
// Qt's own texts stay English.
class RussianQtTranslation {
  public:
    RussianQtTranslation();
    ~RussianQtTranslation();
    RussianQtTranslation(const RussianQtTranslation&) = delete;
    RussianQtTranslation& operator=(const RussianQtTranslation&) = delete;

    // Whether Qt's own translation was found and installed.
    bool Installed() const { return installed_; }

  private:
    QTranslator translator_;
    QTranslator program_;
    bool installed_ = false;
    bool programInstalled_ = false;
    QLocale previousDefault_;
};

}  // namespace glimmet
