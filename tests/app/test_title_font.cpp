// The main menu's title asks for "MS Serif". On a system with the Liberation faces alone and no font
// aliases (a clean install of the package) the font matcher would pick the fixed-pitch one; a serif
// face must stand in.
#include "app/ui/calculator_parts.h"
#include "app/ui/program_state.h"
#include "support/ui_support.h"

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace brisk;

namespace {

const QStringList kLiberationFolders = {"/usr/share/fonts/truetype/liberation",
                                        "/usr/share/fonts/truetype/liberation2"};

// The font configuration is read when the application starts: it is set up before main().
struct LiberationOnly {
    QTemporaryDir folder;
    bool ready = false;
    LiberationOnly() {
        QString dirs;
        for (const QString& dir : kLiberationFolders)
            if (QDir(dir).exists("LiberationSerif-Regular.ttf")) dirs += QString("<dir>%1</dir>").arg(dir);
        QFile config(folder.filePath("fonts.conf"));
        if (dirs.isEmpty() || !config.open(QIODevice::WriteOnly)) return;
        config.write(
            QString("<?xml version=\"1.0\"?><!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">"
                    "<fontconfig>%1<cachedir>%2</cachedir></fontconfig>")
                .arg(dirs, folder.filePath("cache"))
                .toUtf8());
        ready = true;
        qputenv("FONTCONFIG_FILE", config.fileName().toLocal8Bit());
    }
};
const auto kFonts = std::make_unique<LiberationOnly>();

} // namespace

class TestTitleFont : public testing::WindowTest {
    Q_OBJECT

  private slots:
    void theTitleIsInASerifFace() {
        if (!kFonts->ready) QSKIP("the Liberation faces are not installed (Debian package fonts-liberation)");
        useProgramFont();
        const std::unique_ptr<QLabel> title(programTitle(nullptr));
        const QFontInfo face(title->font());
        QVERIFY2(!face.fixedPitch(), qPrintable(face.family()));
        QCOMPARE(face.family(), QString("Liberation Serif"));
    }
};

QTEST_MAIN(TestTitleFont)
#include "test_title_font.moc"
