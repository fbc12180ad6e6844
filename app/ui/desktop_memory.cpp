#include "app/ui/desktop_memory.h"

#include "app/ui/program_state.h"

#include <QDir>

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <memory>

namespace brisk {

namespace {

constexpr int kRecentFiles = 8;

// Opened for each use: tests and a changed data folder find the file of the moment. QSettings
// writes through a temporary file and a rename, so a crash leaves the old file whole.
std::unique_ptr<QSettings> memory() {
    return std::make_unique<QSettings>(memoryPath(), QSettings::IniFormat);
}

QString kindKey(const QString& kind, const char* what) {
    return QString("%1/%2").arg(kind.toLower(), what);
}

} // namespace

QString memoryPath() {
    return QDir(program().dataFolder).filePath(kMemoryFileName);
}

void saveFrameGeometry(const QWidget& frame) {
    memory()->setValue("frame/geometry", frame.saveGeometry());
}

bool restoreFrameGeometry(QWidget& frame) {
    const QByteArray saved = memory()->value("frame/geometry").toByteArray();
    if (saved.isEmpty() || !frame.restoreGeometry(saved)) return false;
    // Qt keeps a frame from being lost off the screens there are now; it is also put wholly on the
    // screen it is on, or the main one, below room for its title bar (shrunk if the screen is smaller).
    if (frame.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) return true;
    QRect area = frame.geometry();
    QScreen* screen = QGuiApplication::screenAt(area.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return true;
    const QRect room =
        screen->availableGeometry().adjusted(0, frame.style()->pixelMetric(QStyle::PM_TitleBarHeight), 0, 0);
    area.setSize(area.size().boundedTo(room.size()));
    area.moveLeft(std::clamp(area.left(), room.left(), room.right() + 1 - area.width()));
    area.moveTop(std::clamp(area.top(), room.top(), room.bottom() + 1 - area.height()));
    frame.setGeometry(area);
    return true;
}

QString lastFolder(const QString& kind) {
    const QString folder = memory()->value(kindKey(kind, "folder")).toString();
    return QFileInfo(folder).isDir() ? folder : QString();
}

QStringList recentFiles(const QString& kind) {
    QStringList files = memory()->value(kindKey(kind, "recent")).toStringList();
    files.removeIf([](const QString& file) { return !QFileInfo(file).isFile(); });
    return files;
}

void rememberFile(const QString& kind, const QString& path) {
    const QFileInfo file(path);
    const auto settings = memory();
    QStringList files = settings->value(kindKey(kind, "recent")).toStringList();
    files.removeAll(file.absoluteFilePath());
    files.prepend(file.absoluteFilePath());
    while (files.size() > kRecentFiles)
        files.removeLast();
    settings->setValue(kindKey(kind, "recent"), files);
    settings->setValue(kindKey(kind, "folder"), file.absolutePath());
}

} // namespace brisk
