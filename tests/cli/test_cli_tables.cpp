// Every calculator's table from the command line: the JSON rows are the CSV rows, column for
// column and figure for figure, with the totals beside them; the figures themselves are checked
// against worked examples by the calculators' own tests.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray run(const QStringList& args) {
    QProcess calc;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "C.UTF-8");
    calc.setProcessEnvironment(env);
    calc.start(BRISKLANE_CALC, args);
    if (!calc.waitForFinished(60000) || calc.exitCode() != 0) return {};
    return calc.readAllStandardOutput();
}

} // namespace

class TestCliTables : public QObject {
    Q_OBJECT

  private slots:
    void jsonHoldsTheRowsTheCsvHas_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("totals");
        const QString sample = BRISK_SOURCE_DIR "/help/Sample.Zrk";
        QTest::newRow("mortgage") << QStringList{"mortgage", "--term", "2", "--start-date", "2027-01-15"}
                                  << 24
                                  << QStringList{"balance", "cumulative_interest", "cumulative_principal"};
        QTest::newRow("mortgage, annual")
            << QStringList{"mortgage", "--annual"} << 25
            << QStringList{"balance", "cumulative_interest", "cumulative_principal"};
        QTest::newRow("loan") << QStringList{"mortgage", "--loan"} << 48
                              << QStringList{"balance", "cumulative_interest", "cumulative_principal"};
        QTest::newRow("growth") << QStringList{"growth", "--term", "3", "--frequency", "quarterly"} << 12
                                << QStringList{};
        QTest::newRow("comparisons") << QStringList{"growth", "--example", "rate=6", "--example",
                                                    "rate=7.125"}
                                     << 2 << QStringList{};
        QTest::newRow("compound") << QStringList{"compound", "--term", "7"} << 7 << QStringList{};
        QTest::newRow("retirement") << QStringList{"retirement", "--term", "9"} << 9
                                    << QStringList{"interest", "withdrawn", "value"};
        QTest::newRow("capital") << QStringList{"capital", "--term", "9"} << 9
                                 << QStringList{"investment", "interest", "value"};
        QTest::newRow("401k") << QStringList{"401k", "--years", "9"} << 9
                              << QStringList{"contribution", "interest", "value"};
        QTest::newRow("records") << QStringList{"valuedb", sample, "list"} << 130 << QStringList{};
    }
    void jsonHoldsTheRowsTheCsvHas() {
        QFETCH(QStringList, args);
        QFETCH(int, rows);
        QFETCH(QStringList, totals);
        const QList<QByteArray> csv = run(args + QStringList{"--format", "csv"}).trimmed().split('\n');
        const QJsonObject json =
            QJsonDocument::fromJson(run(args + QStringList{"--format", "json"})).object();
        QVERIFY(csv.size() > 1);
        const QList<QByteArray> headings = csv[0].split(',');
        const QJsonArray jsonRows = json["rows"].toArray();
        QCOMPARE(jsonRows.size(), rows);
        QCOMPARE(csv.size() - 1, rows);
        for (int r = 0; r < rows; ++r) {
            const QList<QByteArray> cells = csv[r + 1].split(',');
            const QJsonObject row = jsonRows[r].toObject();
            QCOMPARE(row.keys().size(), headings.size());
            for (int c = 0; c < headings.size(); ++c) {
                const QJsonValue value = row[QString(headings[c])];
                bool isNumber = false;
                const double number = cells[c].toDouble(&isNumber);
                if (cells[c].isEmpty())
                    QVERIFY2(value.isNull(), headings[c].constData());
                else if (isNumber)
                    QCOMPARE(value.toDouble(), number);
                else
                    QCOMPARE(value.toString(), QString(cells[c]));
            }
        }
        // The totals are the last row's running figures, as the window's Total line shows them.
        const QJsonObject total = json["totals"].toObject();
        QCOMPARE(total.keys().size(), totals.size());
        for (const QString& key : totals)
            QVERIFY2(total.contains(key), qPrintable(key));
        if (totals.contains("balance")) QCOMPARE(total["balance"], jsonRows.last().toObject()["balance"]);
    }
};

QTEST_MAIN(TestCliTables)
#include "test_cli_tables.moc"
