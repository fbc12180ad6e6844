// What the program remembers between runs besides the personal settings: the frame's place and
// state, and the folder and the files last used of each kind. An INI file of its own beside
// "Personal.zkp", whose one-record layout stays as it is.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace brisk {

inline constexpr const char* kMemoryFileName = "Brisklane.ini";

// The INI file in the data folder.
QString memoryPath();

void saveFrameGeometry(const QWidget& frame);
// Puts the frame back where it last was (inside a screen that is there now, maximised if it was);
// false when nothing was saved.
bool restoreFrameGeometry(QWidget& frame);

// The kind of a file is its extension ("zrk", "umd", "uld", "csv").
QString lastFolder(const QString& kind);
// Newest first, only those still there.
QStringList recentFiles(const QString& kind);
// A file opened or saved: first among its kind's recent files, its folder the kind's last.
void rememberFile(const QString& kind, const QString& path);

} // namespace brisk
