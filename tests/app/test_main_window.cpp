// The frame and the main menu: start-up values, placement by layout class, the settings round trip,
// help and about.
#include "app/core/atomic_file.h"
#include "app/core/personal_settings.h"
#include "app/ui/entry_box.h"
#include "app/ui/help_viewer.h"
#include "app/ui/main_menu.h"
#include "app/ui/main_window.h"
#include "app/ui/settings_window.h"
#include "app/ui/twips.h"
#include "support/ui_support.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>

#include <algorithm>

using namespace brisk;

class TestMainWindow : public testing::WindowTest {
    Q_OBJECT

    static void writeSettings(const QByteArray& bytes) {
        QFile file(program().settingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QMdiSubWindow* menuWindow(MainFrame& frame) { return frame.area()->subWindowList().first(); }

  private slots:

    void startsWithTheDefaultsWhenThereIsNoSettingsFile() {
        MainFrame& frame = *this->frame();
        QCOMPARE(frame.windowTitle(), QString(" Brisklane Menu"));
        const ShellState& shell = program().shell;
        QCOMPARE(shell.CurrencySymbol, std::string("$"));
        QCOMPARE(shell.PageLines, 53);
        QCOMPARE(shell.PrinterFontChoice, 0);
        QVERIFY(!frame.menu()->findChild<QLabel*>("MyName")->isVisible());
        QCOMPARE(shell.TodayText, shortDateText(today(), shell.DateForm));
        QCOMPARE(QDir::currentPath(), QDir(program().dataFolder).canonicalPath());
    }

    void theMenuHasItsFourteenButtonsInTabOrder() {
        MainFrame& frame = *this->frame();
        const QStringList expected = {"Planning your &Savings",
                                      "Planning your &401(k)",
                                      "Planning your &Retirement",
                                      "Savings &Comparisons",
                                      "Amount of Capital R&equired",
                                      "&Payment on a Loan",
                                      "&Mortgage",
                                      "&Brisklane Menu",
                                      "&Find Annual Compound Growth",
                                      "&How to Get Rich and Stay Rich",
                                      "How to Use the &Program",
                                      "&About...",
                                      "Personalize &Settings",
                                      "E&xit Program"};
        QWidget* current = frame.menu()->button("Savings");
        QStringList order;
        for (int i = 0; i < 14; ++i) {
            order << static_cast<QPushButton*>(current)->text();
            current = current->nextInFocusChain();
            while (!qobject_cast<QPushButton*>(current))
                current = current->nextInFocusChain();
        }
        QCOMPARE(order, expected);
        const QPushButton* savings = frame.menu()->button("Savings");
        const QPushButton* ratios = frame.menu()->button("Ratios");
        QCOMPARE(savings->y(), ratios->y());
        QVERIFY(savings->x() < ratios->x());
        QVERIFY(savings->width() >= twips(3030));
    }

    void loadsTheSettingsFileAndShowsTheName_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<int>("font");
        QTest::addColumn<QString>("name");
        QTest::newRow("full") << QByteArray("\"\xE2\x82\xAC\",2,\"Zo\xC3\xAB\"\r\n") << "€" << 2 << "Zoë";
        QTest::newRow("empty symbol") << QByteArray("\"\",1,\"\"\r\n") << "$" << 1 << "";
        QTest::newRow("font out of range") << QByteArray("\"$\",12,\"A\"\r\n") << "$" << 0 << "A";
        QTest::newRow("truncated") << QByteArray("\"kr\",3") << "$" << 0 << "";
        QTest::newRow("garbage") << QByteArray("\x00\xFF\"", 3) << "$" << 0 << "";
        QTest::newRow("huge") << QByteArray("\"$\",1,\"").append(QByteArray(5'000'000, 'x')) << "$" << 0
                              << "";
    }
    void loadsTheSettingsFileAndShowsTheName() {
        QFETCH(QByteArray, file);
        QFETCH(QString, symbol);
        QFETCH(int, font);
        QFETCH(QString, name);
        writeSettings(file);
        MainFrame& frame = *this->frame();
        const ShellState& shell = program().shell;
        QCOMPARE(qs(shell.CurrencySymbol), symbol);
        QCOMPARE(shell.PrinterFontChoice, font);
        QCOMPARE(qs(shell.UserName), name);
        QCOMPARE(shell.PageLines, 53);
        auto* label = frame.menu()->findChild<QLabel*>("MyName");
        QCOMPARE(label->isVisible(), !name.isEmpty());
        QCOMPARE(label->text(), name);
    }

    void anEmptyNameHidesTheLabelOnTheNextLoad() {
        writeSettings("\"$\",0,\"Ann\"\r\n");
        MainFrame& frame = *this->frame();
        auto* label = frame.menu()->findChild<QLabel*>("MyName");
        QVERIFY(label->isVisible());
        writeSettings("\"$\",0,\"\"\r\n");
        frame.menu()->loadPersonalSettings();
        QVERIFY(!label->isVisible());
    }

    void childrenArePlacedByTheLayoutClass() {
        MainFrame& frame = *this->frame();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QCOMPARE(program().shell.LayoutClass, kLayoutNormal);
        QCOMPARE(menuWindow(frame)->pos(), twipPoint({-60, -30}));
        const int normalWidth = frame.width();
        // Too narrow for the large layout's place: the window moves only as far as it stays whole.
        frame.resize(normalWidth, twips(9000));
        QCOMPARE(program().shell.LayoutClass, kLayoutLarge);
        QCOMPARE(menuWindow(frame)->pos(), QPoint(0, twips(1000)));
        frame.resize(normalWidth + twips(2400), twips(9000));
        QCOMPARE(menuWindow(frame)->pos(), twipPoint({1200, 1000}));
        frame.resize(normalWidth, twips(6810));
        QCOMPARE(program().shell.LayoutClass, kLayoutNormal);
        QCOMPARE(menuWindow(frame)->pos(), twipPoint({-60, -30}));
    }

    void aTaskWindowReplacesTheMenuUntilItsExit() {
        MainMenu::registerWindow(TaskWindow::CompoundFinder, [](ProgramState&) {
            auto* task = new QWidget;
            task->setObjectName("FindCompoundCalc");
            return task;
        });
        MainFrame& frame = *this->frame();
        QPushButton* button = frame.menu()->button("CompCompare");
        QVERIFY(button->isEnabled());
        QVERIFY(!frame.menu()->button("Canadian")->isEnabled()); // nothing registered for it
        button->click();
        QCOMPARE(frame.currentTask()->objectName(), QString("FindCompoundCalc"));
        QVERIFY(!frame.menu()->isVisible());
        frame.setWindowTitle("Some calculator");
        frame.returnToMenu();
        QVERIFY(frame.menu()->isVisible());
        QCOMPARE(frame.windowTitle(), QString(" Brisklane Menu"));
        QVERIFY(!frame.currentTask());
    }

    void settingsRoundTripThroughTheFile() {
        MainFrame& frame = *this->frame();
        testing::whenModal([](QWidget* window) {
            QVERIFY(testing::activate(window));
            auto* currency = window->findChild<EntryBox*>("InCurrency");
            auto* name = window->findChild<EntryBox*>("InMyName");
            currency->setFocus(Qt::TabFocusReason);
            testing::typeText(currency, " \"€ ");
            QTest::keyClick(currency, Qt::Key_Return);
            QVERIFY(name->hasFocus());
            QTest::keyClicks(name, "Ann \"Q\" Lee");
            window->findChild<QRadioButton*>("PtrFt3")->click();
            window->findChild<QPushButton*>("ExitFonts")->click();
        });
        frame.menu()->button("PtrFnt")->click();
        const ShellState& shell = program().shell;
        QCOMPARE(shell.CurrencySymbol, std::string("€"));
        QCOMPARE(shell.UserName, std::string("Ann Q Lee"));
        QCOMPARE(shell.PrinterFontChoice, 3);
        QVERIFY(frame.menu()->isVisible());
        QCOMPARE(frame.menu()->findChild<QLabel*>("MyName")->text(), QString("Ann Q Lee"));
        QFile file(program().settingsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\"\xE2\x82\xAC\",3,\"Ann Q Lee\"\r\n"));

        // The next start reads back what was saved.
        program().shell = ShellState{};
        MainFrame again(program());
        QCOMPARE(program().shell.CurrencySymbol, std::string("€"));
        QCOMPARE(program().shell.PrinterFontChoice, 3);
        QCOMPARE(program().shell.UserName, std::string("Ann Q Lee"));
    }

    void helpOpensAtItsTopic() {
        MainFrame& frame = *this->frame();
        frame.menu()->button("HowtoUse")->click();
        auto* viewer = frame.findChild<HelpViewer*>("HelpViewer");
        QVERIFY(viewer && viewer->isVisible());
        QVERIFY(viewer->browser()->toPlainText().contains("How to Use the Program"));
        QVERIFY(frame.menu()->isVisible());
        viewer->showTopic(kHelpRichFile, 1);
        QVERIFY(viewer->browser()->toPlainText().contains("Pay yourself first"));
        viewer->showTopic("missing.hlp", 1);
        QVERIFY(viewer->browser()->toPlainText().contains("was not found"));
    }

    void aboutShowsTheVersionAndBringsTheMenuBack() {
        MainFrame& frame = *this->frame();
        QString version;
        bool menuHidden = false;
        testing::whenModal([&](QWidget* about) {
            version = about->findChild<QLabel*>("Version")->text();
            menuHidden = !frame.menu()->isVisible();
            about->close();
        });
        frame.menu()->button("About")->click();
        QCOMPARE(version, QString("Brisklane v%1").arg(BRISKLANE_VERSION)); // the project's one version
        QVERIFY(menuHidden);
        QVERIFY(frame.menu()->isVisible());
    }

    // The program brings its own style unless the user named one for the run.
    void aStyleTheUserChoseIsKept_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<bool>("chosen");
        QTest::newRow("a file") << QStringList{"Sample.Zrk"} << "" << false;
        QTest::newRow("-style NAME") << QStringList{"-style", "Windows"} << "" << true;
        QTest::newRow("--style NAME") << QStringList{"--style", "Windows"} << "" << true;
        QTest::newRow("-style=NAME") << QStringList{"-style=Windows"} << "" << true;
        QTest::newRow("--style=NAME after a file") << QStringList{"a.umd", "--style=Windows"} << "" << true;
        QTest::newRow("-stylesheet is another option") << QStringList{"-stylesheet", "my.qss"} << "" << false;
        QTest::newRow("a file named -style") << QStringList{"./-style"} << "" << false;
        QTest::newRow("QT_STYLE_OVERRIDE") << QStringList{} << "Windows" << true;
    }
    void aStyleTheUserChoseIsKept() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, environment);
        QFETCH(bool, chosen);
        QList<QByteArray> bytes{"brisklane"};
        for (const QString& argument : arguments)
            bytes << argument.toLocal8Bit();
        std::vector<const char*> argv;
        for (const QByteArray& argument : bytes)
            argv.push_back(argument.constData());
        const QByteArray before = qgetenv("QT_STYLE_OVERRIDE");
        qputenv("QT_STYLE_OVERRIDE", environment.toLocal8Bit());
        const bool found = styleChosenByUser(static_cast<int>(argv.size()), argv.data());
        qputenv("QT_STYLE_OVERRIDE", before);
        QCOMPARE(found, chosen);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
