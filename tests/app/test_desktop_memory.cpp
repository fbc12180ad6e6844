// What the program remembers from one run to the next: the frame's place, size and state, and the
// folder and recent files of each kind of file, all beside the personal settings and never in them.
#include "app/ui/file_dialog.h"
#include "app/ui/main_window.h"
#include "support/ui_support.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

using namespace brisk;

namespace {

// The program as it starts again: the values of the last run are gone, its data folder stays.
void startAgain() {
    ++testing::modalGeneration();
    program() = ProgramState{};
    initProgram();
}

std::unique_ptr<MainFrame> shownFrame() {
    auto frame = std::make_unique<MainFrame>(program());
    frame->show();
    if (!QTest::qWaitForWindowExposed(frame.get())) return nullptr;
    return frame;
}

QString madeFile(const QTemporaryDir& folder, const QString& name) {
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly)) return {};
    return QFileInfo(file).absoluteFilePath();
}

// Picks `path` in the next file dialog.
void choose(FileOp op, const QString& path) {
    testing::whenModalOf<QFileDialog>([path](QFileDialog* dialog) {
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    QCOMPARE(FileDirectory(op), path);
}

// What the next file dialog of `op` shows: its folder, the "Look in" list's recent places from the
// top, and its side bar.
struct Offered {
    QString folder;
    QStringList history;
    QList<QUrl> sidebar;
};
Offered offeredBy(FileOp op) {
    Offered offered;
    testing::whenModalOf<QFileDialog>([&offered](QFileDialog* dialog) {
        QStringList lookIn;
        if (auto* list = dialog->findChild<QComboBox*>("lookInCombo")) {
            list->showPopup(); // the list gathers its recent places as it opens
            // Its recent places follow the folder's own path and the computer.
            for (int i = list->findText("Recent Places") + 1; i > 0 && i < list->count(); ++i)
                lookIn << list->itemText(i);
            list->hidePopup();
        }
        offered = {dialog->directory().absolutePath(), lookIn, dialog->sidebarUrls()};
        dialog->reject();
    });
    FileDirectory(op);
    return offered;
}

} // namespace

class TestDesktopMemory : public testing::WindowTest {
    Q_OBJECT

  private slots:

    // Left somewhere on the screen, the frame comes back there; left off every screen there is now,
    // it comes back wholly onto one; maximised, maximised. The settings file is not touched.
    void theFrameComesBackAsItWasLeft_data() {
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("maximised");
        QTest::addColumn<bool>("samePlace");
        QTest::newRow("at the screen's bottom right") << QPoint(95, 95) << QSize(700, 500) << false << true;
        QTest::newRow("right and below every screen")
            << QPoint(20000, 15000) << QSize(700, 500) << false << false;
        QTest::newRow("left and above every screen")
            << QPoint(-9000, -7000) << QSize(700, 500) << false << false;
        QTest::newRow("partly off the screen") << QPoint(500, 300) << QSize(700, 500) << false << false;
        QTest::newRow("maximised") << QPoint(60, 40) << QSize(700, 500) << true << false;
    }
    void theFrameComesBackAsItWasLeft() {
        QFETCH(QPoint, place);
        QFETCH(QSize, size);
        QFETCH(bool, maximised);
        QFETCH(bool, samePlace);
        const QByteArray settings = "\"\xe2\x82\xac\",2,\"Ann\"\r\n";
        {
            QFile file(program().settingsPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(settings);
        }
        QRect left;
        {
            auto frame = shownFrame();
            QVERIFY(frame);
            frame->move(place);
            frame->resize(size);
            if (maximised) frame->showMaximized();
            QTRY_COMPARE(frame->isMaximized(), maximised);
            left = frame->geometry();
            QVERIFY(frame->close());
        }
        startAgain();
        auto frame = shownFrame();
        QVERIFY(frame);
        QCOMPARE(frame->isMaximized(), maximised);
        if (samePlace) QCOMPARE(frame->geometry(), left);
        if (!maximised) QCOMPARE(frame->size(), size);
        // The window itself wholly on a screen of now, its frame's top edge too.
        const QRect screen = frame->screen()->availableGeometry();
        const QString where =
            QString("%1,%2 %3x%4").arg(frame->x()).arg(frame->y()).arg(frame->width()).arg(frame->height());
        QVERIFY2(screen.contains(frame->geometry()), qPrintable(where));
        QVERIFY2(frame->frameGeometry().top() >= screen.top(), qPrintable(where));
        QFile file(program().settingsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), settings);
    }

    // A frame that comes back larger than it opens at first still shows its windows at their normal
    // size, not stretched over it.
    void windowsKeepTheirSizeInAFrameThatComesBackLarge() {
        QSize normal;
        {
            auto frame = shownFrame();
            QVERIFY(frame);
            normal = frame->menu()->size();
            frame->resize(frame->screen()->availableGeometry().size() * 9 / 10);
            QVERIFY(frame->close());
        }
        startAgain();
        auto frame = shownFrame();
        QVERIFY(frame);
        QVERIFY(frame->height() > normal.height() * 5 / 4);
        QTRY_COMPARE(frame->menu()->size(), normal);
    }

    // Each kind of file opens where the last of its kind was opened or saved, in an earlier run too;
    // a kind not used yet starts in the data folder.
    void eachKindStartsInItsLastFolder_data() {
        QTest::addColumn<int>("op");
        QTest::addColumn<QString>("expected"); // "mortgages", "databases", "tables" or "data"
        QTest::newRow("open mortgage") << int(FileOp::OpenMortgage) << "mortgages";
        QTest::newRow("save mortgage") << int(FileOp::SaveMortgage) << "mortgages";
        QTest::newRow("open database") << int(FileOp::OpenDatabase) << "databases";
        QTest::newRow("save database") << int(FileOp::SaveDatabase) << "databases";
        QTest::newRow("open loan") << int(FileOp::OpenLoan) << "data";
        QTest::newRow("save table") << int(FileOp::SaveTable) << "tables";
        QTest::newRow("open prices") << int(FileOp::OpenPrices) << "tables";
    }
    void eachKindStartsInItsLastFolder() {
        QFETCH(int, op);
        QFETCH(QString, expected);
        QTemporaryDir mortgages, databases, tables;
        choose(FileOp::OpenMortgage, madeFile(mortgages, "House.umd"));
        choose(FileOp::SaveDatabase, QDir(databases.path()).absoluteFilePath("Shares.zrk"));
        choose(FileOp::SaveTable, QDir(tables.path()).absoluteFilePath("Plan.csv"));
        startAgain();
        const QString folder = expected == "mortgages"   ? mortgages.path()
                               : expected == "databases" ? databases.path()
                               : expected == "tables"    ? tables.path()
                                                         : program().dataFolder;
        QCOMPARE(offeredBy(FileOp(op)).folder, QDir(folder).absolutePath());
    }

    // The folders of the files of a kind used lately are offered in the dialog's "Look in" list, the
    // newest first; another kind's are not, and the side bar (which Qt keeps for every program and
    // kind alike) is left as it was.
    void theRecentFilesOfAKindAreOffered() {
        QTemporaryDir older, newer, loans;
        choose(FileOp::OpenMortgage, madeFile(older, "House.umd"));
        choose(FileOp::SaveLoan, QDir(loans.path()).absoluteFilePath("Car.uld"));
        choose(FileOp::SaveMortgage, QDir(newer.path()).absoluteFilePath("Cottage.umd"));
        QVERIFY(!madeFile(newer, "Cottage.umd").isEmpty()); // as the mortgage window saves it
        startAgain();
        const Offered offered = offeredBy(FileOp::OpenMortgage);
        const QString olderPath = QDir(older.path()).absolutePath();
        const QString newerPath = QDir(newer.path()).absolutePath();
        QVERIFY2(offered.history.indexOf(newerPath) >= 0, qPrintable(offered.history.join(", ")));
        QVERIFY2(offered.history.indexOf(olderPath) > offered.history.indexOf(newerPath),
                 qPrintable(offered.history.join(", ")));
        QVERIFY(!offered.history.contains(QDir(loans.path()).absolutePath()));
        QVERIFY(!offered.sidebar.contains(QUrl::fromLocalFile(olderPath)));
        QVERIFY(!offered.sidebar.contains(QUrl::fromLocalFile(newerPath)));
    }
};

QTEST_MAIN(TestDesktopMemory)
#include "test_desktop_memory.moc"
