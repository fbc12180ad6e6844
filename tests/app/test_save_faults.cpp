// A save that fails (a full disk, an interruption between writing and renaming, a read-only folder)
// reports the failure and leaves the file saved before whole, for every file kind. (A failed flush
// fails the same write; the PDF's test has it.)
#include "app/core/atomic_file.h"
#include "app/ui/entry_box.h"
#include "app/ui/main_window.h"
#include "app/ui/settings_window.h"
#include "mortgage/ui/mortgage_document.h"
#include "mortgage/ui/mortgage_window.h"
#include "support/ui_support.h"
#include "valuedb/ui/averages_window.h"
#include "valuedb/ui/database_document.h"
#include "valuedb/ui/database_menu.h"
#include "valuedb/ui/database_windows.h"
#include "valuedb/ui/editor_window.h"
#include "valuedb/ui/extract_dialog.h"
#include "valuedb/ui/record_number_dialog.h"
#include "valuedb/ui/trend_graph_window.h"

#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace brisk;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs `save` with the fault in place and returns the text of the message it showed.
QString saveWithFault(std::optional<WriteStep> fault, const std::function<void()>& save) {
    QString message;
    testing::whenModal([&](QWidget* box) {
        if (auto* text = box->findChild<QPlainTextEdit*>("TextMsg"))
            message = text->toPlainText();
        else if (auto* warning = qobject_cast<QMessageBox*>(box))
            message = warning->text();
        box->close();
    });
    setWriteFault(fault);
    save();
    setWriteFault(std::nullopt);
    return message;
}

} // namespace

class TestSaveFaults : public testing::WindowTest {
    Q_OBJECT

    // The fault to inject, or none for the read-only folder.
    void faults() {
        QTest::addColumn<int>("fault");
        QTest::newRow("full disk") << int(WriteStep::Write);
        QTest::newRow("interrupted before the rename") << int(WriteStep::Rename);
        QTest::newRow("read-only folder") << -1;
    }
    // Makes the folder read-only for the read-only case; false when that cannot stop this user.
    bool prepare(int fault) {
        if (fault >= 0) return true;
        if (geteuid() == 0) return false;
        return chmod(qPrintable(program().dataFolder), 0555) == 0;
    }
    void restore() { chmod(qPrintable(program().dataFolder), 0755); }
    static std::optional<WriteStep> step(int fault) {
        return fault < 0 ? std::nullopt : std::optional<WriteStep>(static_cast<WriteStep>(fault));
    }

  private slots:
    void initTestCase() {
        registerMortgageWindows();
        registerValueDbWindows();
    }
    void cleanup() {
        restore();
        m_frame.reset();
    }

    void valueDatabase_data() { faults(); }
    void valueDatabase() {
        QFETCH(int, fault);
        auto* menu = openFromMenu<DatabaseMenu>("Ratios");
        addRecord(menu->document().database(),
                  Date{std::chrono::year(2002), std::chrono::month(3), std::chrono::day(1)}, 10);
        const QString path = QDir(program().dataFolder).filePath("Fund.zrk");
        QVERIFY(menu->saveFile(path));
        const QByteArray before = contents(path);
        addRecord(menu->document().database(),
                  Date{std::chrono::year(2002), std::chrono::month(3), std::chrono::day(8)}, 11);
        if (!prepare(fault)) QSKIP("a read-only folder does not stop root");
        const QString message = saveWithFault(step(fault), [&] { menu->saveFile(path); });
        QCOMPARE(message, QString("Fund.zrk Bad Filename. Must be in the form MYFILE.ZRK"));
        QCOMPARE(contents(path), before);
        QCOMPARE(menu->document().database().DbChanged, 1); // still unsaved
    }

    void mortgageAndLoanFiles_data() {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("modeNumber");
        for (MortgageKind mode : {MortgageKind::Mortgage, MortgageKind::Loan}) {
            const char* name = mode == MortgageKind::Loan ? "loan" : "mortgage";
            QTest::newRow(qPrintable(QString("%1, full disk").arg(name)))
                << int(WriteStep::Write) << int(mode);
            QTest::newRow(qPrintable(QString("%1, interrupted").arg(name)))
                << int(WriteStep::Rename) << int(mode);
            QTest::newRow(qPrintable(QString("%1, read-only folder").arg(name))) << -1 << int(mode);
        }
    }
    void mortgageAndLoanFiles() {
        QFETCH(int, fault);
        QFETCH(int, modeNumber);
        const auto mode = MortgageKind(modeNumber);
        auto* window = openFromMenu<MortgageWindow>(mode == MortgageKind::Loan ? "LoanPmt" : "Canadian");
        window->calculate();
        const QString path =
            QDir(program().dataFolder).filePath(mode == MortgageKind::Loan ? "Car.uld" : "House.umd");
        QVERIFY(window->saveFile(path));
        const QByteArray before = contents(path);
        testing::documentOf<MortgageWindow>().inputs.rate = Percent::fromWhole(7);
        window->calculate();
        if (!prepare(fault)) QSKIP("a read-only folder does not stop root");
        const QString message = saveWithFault(step(fault), [&] { window->saveFile(path); });
        QCOMPARE(message,
                 QString(mode == MortgageKind::Loan ? "Bad Filename. Must be in the form MYFILE.ULD"
                                                    : "Bad Filename. Must be in the form MYFILE.UMD"));
        QCOMPARE(contents(path), before);
    }

    void personalSettings_data() { faults(); }
    void personalSettings() {
        QFETCH(int, fault);
        program().shell.UserName = "Ann";
        {
            SettingsDialog first(program());
            first.saveAndClose();
        }
        const QByteArray before = contents(program().settingsPath());
        QVERIFY(before.contains("Ann"));
        program().shell.UserName = "Bob";
        if (!prepare(fault)) QSKIP("a read-only folder does not stop root");
        SettingsDialog settings(program());
        settings.show();
        const QString message = saveWithFault(step(fault), [&] { settings.saveAndClose(); });
        QVERIFY2(message.contains("could not be saved"), qPrintable(message));
        QVERIFY(settings.isVisible()); // the window stays open to try again
        QCOMPARE(contents(program().settingsPath()), before);
    }

    void anInterruptedSaveDoesNotStopTheNextOne() {
        const std::string path = ss(QDir(program().dataFolder).filePath("x.zrk"));
        QVERIFY(writeFileAtomically(path, "old"));
        setWriteFault(WriteStep::Rename);
        QVERIFY(!writeFileAtomically(path, "lost"));
        setWriteFault(std::nullopt);
        QVERIFY(writeFileAtomically(path, "new"));
        QCOMPARE(contents(qs(path)), QByteArray("new"));
    }
};

QTEST_MAIN(TestSaveFaults)
#include "test_save_faults.moc"
