#include "app/ui/program_state.h"

#include "app/core/personal_settings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

namespace brisk {

ProgramState& program() {
    static ProgramState state;
    return state;
}

QString ProgramState::settingsPath() const {
    return QDir(dataFolder).filePath(kSettingsFileName);
}

namespace {

// The help files sit beside the program: in help/ next to it in a build tree, or in the shared data
// folder of an installation. BRISKLANE_HELP_DIR points elsewhere.
QString findHelpFolder() {
    const QString fromEnvironment = qEnvironmentVariable("BRISKLANE_HELP_DIR");
    if (!fromEnvironment.isEmpty()) return fromEnvironment;
    const QString programDir = QCoreApplication::applicationDirPath();
    for (const QString& candidate :
         {programDir + "/help", programDir + "/../share/brisklane/help", programDir + "/../help"}) {
        if (QFileInfo::exists(candidate + "/zrkuse55.hlp")) return QDir(candidate).canonicalPath();
    }
    return programDir + "/help";
}

} // namespace

void useProgramFont() {
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arimo", "Arial", "DejaVu Sans"});
    QFont font("MS Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
}

void initProgram() {
    ProgramState& p = program();
    p.dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(p.dataFolder);
    p.helpFolder = findHelpFolder();
    // The sample database waits in the user's folder, where the file dialog opens.
    const QString sample = QDir(p.dataFolder).filePath("Sample.Zrk");
    if (!QFileInfo::exists(sample) && QFile::copy(QDir(p.helpFolder).filePath("Sample.Zrk"), sample))
        QFile(sample).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                     QFile::ReadOther);
    p.shell.DateForm = shortDateFormFromPattern(ss(QLocale::system().dateFormat(QLocale::ShortFormat)));
}

} // namespace brisk
