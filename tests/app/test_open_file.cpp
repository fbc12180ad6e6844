// A file named on the command line or by the desktop opens in its window as its Open File does; one
// that cannot be read gives message 13 and leaves the main menu shown.
#include "app/ui/main_menu.h"
#include "app/ui/main_window.h"
#include "mortgage/ui/mortgage_document.h"
#include "support/ui_support.h"
#include "valuedb/ui/database_menu.h"
#include "valuedb/ui/database_windows.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

using namespace brisk;

class TestOpenFile : public testing::WindowTest {
    Q_OBJECT

  private slots:
    void initTestCase() {
        registerMortgageWindows();
        registerValueDbWindows();
    }

    void opensEachKindInItsWindow_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("contents"); // empty: the sample database
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("shows"); // the database's caption, or the payment
        QTest::addColumn<QString>("message");
        // Saved by the program: a mortgage of 150,000 at 8.5% over 20 years and a loan of 12,000 at
        // 9% over 36 months, both compounded monthly; the payments are P·r/(1−(1+r)^−n), r the
        // monthly rate: 1,301.73 and 381.60.
        QByteArray mortgage =
                       "150000,8.5,20,\"      Monthly\",\"      Monthly\",\"\",0,1,2,20,0,1,365,\"O\",0\r\n",
                   loan = "12000,9,3,\"      Monthly\",\"      Monthly\",\"\",0,1,2,3,0,2,365,\"O\",0\r\n";
        for (int year = 1; year <= 20; ++year)
            mortgage += QByteArray::number(year) + ",0\r\n";
        for (int year = 1; year <= 3; ++year)
            loan += QByteArray::number(year) + ",0\r\n";
        const QString bad = "File not found or wrong format. Check Filename and/or Directory.";
        QTest::newRow("database") << "Fund.ZRK" << QByteArray() << "Trendmenu"
                                  << " File in Memory = Northfield Growth Fund "
                                  << "";
        QTest::newRow("mortgage") << "home.umd" << mortgage << "MortgageCalc"
                                  << ""
                                  << "";
        QTest::newRow("loan") << "car.uld" << loan << "MortgageCalc"
                              << ""
                              << "";
        QTest::newRow("damaged database") << "bad.zrk" << QByteArray("3,0,\"t\",10\r\n") << ""
                                          << "" << bad;
        QTest::newRow("a loan named as a mortgage") << "car.umd" << loan << ""
                                                    << "" << bad;
        QTest::newRow("another kind") << "notes.txt" << QByteArray("x") << ""
                                      << "" << bad;
    }
    void opensEachKindInItsWindow() {
        QFETCH(QString, name);
        QFETCH(QByteArray, contents);
        QFETCH(QString, window);
        QFETCH(QString, shows);
        QFETCH(QString, message);
        const QString path = QDir(program().dataFolder).filePath(name);
        if (contents.isEmpty())
            QVERIFY(QFile::copy(QDir(program().helpFolder).filePath("Sample.Zrk"), path));
        else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        MainFrame& frame = *this->frame();
        bool opened = false;
        const QString shown = testing::messageShownBy([&] { opened = frame.menu()->openFile(path); });
        QCOMPARE(shown, message);
        QCOMPARE(opened, message.isEmpty());
        QWidget* task = frame.currentTask();
        QCOMPARE(task ? task->objectName() : QString(), window);
        if (window == "Trendmenu") QCOMPARE(task->findChild<QLabel*>("InfoLabel")->text(), shows);
        if (window == "MortgageCalc")
            QVERIFY2(task->findChild<QLabel*>("InMonthPI")->text().endsWith(shows),
                     qPrintable(task->findChild<QLabel*>("InMonthPI")->text()));
    }
};

QTEST_MAIN(TestOpenFile)
#include "test_open_file.moc"
