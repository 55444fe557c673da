#pragma once

#include <QLocale>
#include <QTranslator>

namespace glimmet {

// Qt's own Russian translation, installed in the application for as long as this object lives: the
// standard buttons, the file dialog and the reasons Qt gives for failures speak Russian, whatever the
// user's locale. Qt's texts that come from the locale's language (the kinds of files in the file
// dialog) follow it too; numbers are still read and written by the user's own locale (the system
// locale). Made after the application object. Without the translation files the program runs on with
// Qt's English.
class RussianQtTranslation {
  public:
    RussianQtTranslation();
    ~RussianQtTranslation();
    RussianQtTranslation(const RussianQtTranslation&) = delete;
    RussianQtTranslation& operator=(const RussianQtTranslation&) = delete;

    bool Installed() const { return installed_; }

  private:
    QTranslator translator_;
    bool installed_ = false;
    QLocale previousDefault_;
};

}  // namespace glimmet
