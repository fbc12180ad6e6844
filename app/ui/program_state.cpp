#include "app/ui/program_state.h"

#include "app/core/personal_settings.h"

#include "app/ui/entry_box.h"
#include "app/ui/help_viewer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QVariant>

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
    // The main menu's title: without a serif stand-in the font matcher falls back to a fixed-pitch face.
    QFont::insertSubstitutions("MS Serif", {"Liberation Serif", "DejaVu Serif", "Tinos", "Times New Roman"});
    QFont font("MS Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
}

bool styleChosenByUser(int argc, const char* const* argv) {
    if (!qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE")) return true;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-style" || argument == "--style" || argument.startsWith("-style=") ||
            argument.startsWith("--style="))
            return true;
    }
    return false;
}

namespace {

// What every window and dialog of the program does alike, whoever made it.
class DesktopConventions : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Show:
            widenForTitle(watched);
            rememberOpener(watched);
            break;
        case QEvent::Hide:
            returnFocusToOpener(watched);
            break;
        case QEvent::Shortcut:
            focusBeforeCommand(watched);
            break;
        case QEvent::Close:
            // Closing a window (not cancelling a dialog) acts on what its boxes show: the editor
            // asks to save the figure just typed.
            if (!qobject_cast<QDialog*>(watched)) storeTypedEntry();
            break;
        case QEvent::KeyPress:
            return helpKeyOpensHelp(watched, event) || enterPressesButton(watched, event);
        default:
            break;
        }
        return false;
    }

  private:
    // The figure being typed is stored before any command runs on it.
    static void storeTypedEntry() {
        if (auto* box = qobject_cast<EntryBox*>(QApplication::focusWidget())) box->store();
    }

    // An access key moves the focus to its button before the button acts, as a click does: the box
    // being typed in is left, so it is stored, and the focus comes back to the button afterwards.
    static void focusBeforeCommand(QObject* watched) {
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button && button->isEnabled() && button->focusPolicy() & Qt::TabFocus)
            button->setFocus(Qt::ShortcutFocusReason);
        storeTypedEntry();
    }

    // A dialog gives the focus back to the control that had it when the dialog opened (the button
    // that opened it), not to whichever control the window system picks.
    static constexpr const char* kOpener = "brisklaneOpener";
    static void rememberOpener(QObject* watched) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && dialog->isWindow())
            dialog->setProperty(kOpener, QVariant::fromValue(QPointer<QWidget>(QApplication::focusWidget())));
    }
    static void returnFocusToOpener(QObject* watched) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (!dialog) return;
        // A box still being typed in as its dialog goes was cancelled with it (every command stores
        // first): its edit must not count for the next box the user enters.
        if (auto* box = qobject_cast<EntryBox*>(QApplication::focusWidget());
            box && dialog->isAncestorOf(box))
            typingState().EntryEdited = 0;
        const auto opener = dialog->property(kOpener).value<QPointer<QWidget>>();
        if (opener && opener->isVisible() && opener->isEnabled() && !dialog->isAncestorOf(opener))
            opener->setFocus(Qt::ActiveWindowFocusReason);
    }

    // A dialog is wide enough for its title beside the window manager's buttons.
    static void widenForTitle(QObject* watched) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (!dialog || !dialog->isWindow()) return;
        QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        font.setBold(true);
        const QFontMetrics metrics(font);
        const int width = metrics.horizontalAdvance(dialog->windowTitle()) + 6 * metrics.height();
        if (dialog->minimumWidth() < width) dialog->setMinimumWidth(width);
    }

    // F1 opens the help in whichever window or dialog has the keyboard (in the help itself it does
    // nothing). Taken on its way to the first widget, so it opens once.
    static bool helpKeyOpensHelp(QObject* watched, QEvent* event) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::HelpContents)) return false;
        if (!qobject_cast<HelpViewer*>(widget->window())) openHelp(kHelpUseFile, 2, widget->window());
        return true;
    }

    // Enter on a focused button presses it, as Space does: the keyboard walks the boxes to a button
    // with Enter and expects the next Enter to press it.
    static bool enterPressesButton(QObject* watched, QEvent* event) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || !button->hasFocus() || !button->isEnabled() ||
            (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        button->click();
        return true;
    }
};

} // namespace

void initProgram() {
    static bool filterInstalled = false;
    if (!filterInstalled && qApp) {
        qApp->installEventFilter(new DesktopConventions(qApp));
        filterInstalled = true;
    }
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
