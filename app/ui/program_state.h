// The program-wide values, handed by main() to the frame and by the frame to each window: the personal
// settings, the folders and the frame.
#pragma once

#include "app/core/shell_state.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace brisk {

class MainFrame;

struct ProgramState {
    ShellState shell;
    QString dataFolder; // "Personal.zkp" and the user's files
    QString helpFolder; // the two help files
    QPointer<MainFrame> frame;

    QString settingsPath() const;
};

// The one instance. Windows are handed it; only main() and the shared services below the windows
// (the file dialog, the help viewer, the printer's folder) reach for it.
ProgramState& program();

// Sets the folders for this user (creating the data folder) and the short date form of the locale.
void initProgram();

// The windows are laid out for an 8.25 point sans-serif face; where "MS Sans Serif" is not
// installed a metric-alike stands in.
void useProgramFont();

// Whether the user chose a widget style for this run: -style or --style on the command line (read
// before QApplication takes it out), or QT_STYLE_OVERRIDE. Otherwise the program brings its own.
bool styleChosenByUser(int argc, const char* const* argv);

// QString and the core's UTF-8 strings.
inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string ss(const QString& text) {
    return text.toStdString();
}

} // namespace brisk
