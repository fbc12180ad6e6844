// The chart window and the trend graph as users reach them, and what they draw and print.
#include "app/ui/main_menu.h"
#include "app/ui/main_window.h"
#include "charts/render/chart_painter.h"
#include "charts/ui/chart_view.h"
#include "charts/ui/chart_windows.h"
#include "growth/ui/growth_document.h"
#include "growth/ui/growth_windows.h"
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

#include <QAccessible>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTest>

using namespace brisk;

class TestChartWindows : public testing::WindowTest {
    Q_OBJECT

    // The database menu's document, holding `count` weekly values back from 2002-12-27, from `first` up.
    DatabaseDocument& menuWithWeeks(int count, double first, double step) {
        DatabaseDocument& document = openFromMenu<DatabaseMenu>("Ratios")->document();
        const Date newest{std::chrono::year(2002), std::chrono::month(12), std::chrono::day(27)};
        for (int i = 0; i < count; ++i)
            document.database().records.push_back({i + 1, addDays(newest, -7 * i), first + step * i});
        return document;
    }
    static QImage render(const ChartData& chart) {
        QImage image(800, 500, QImage::Format_RGB32);
        QPainter painter(&image);
        paintChart(painter, image.rect(), chart);
        return image;
    }
    static int colouredPixels(const QImage& image, QRect area) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); y += 2)
            for (int x = area.left(); x <= area.right(); x += 2) {
                const QColor c = image.pixelColor(x, y);
                n += c.saturation() > 80;
            }
        return n;
    }

  private slots:
    void initTestCase() {
        registerMortgageWindows();
        registerGrowthWindows();
        registerValueDbWindows();
        registerChartWindows();
    }

    void theMortgageChartAndTheWayBack() {
        auto* mortgageWindow = openFromMenu<MortgageWindow>("Canadian");
        mortgageWindow->calculate();
        mortgageWindow->findChild<QPushButton*>("MGraphs")->click();
        auto* chart = qobject_cast<ChartWindow*>(m_frame->currentTask());
        QVERIFY(chart);
        QCOMPARE(chart->ChartKind(), int(kKindYear2D));
        QCOMPARE(chart->chartView()->chart().values.size(), 25u);
        QCOMPARE(chart->chartView()->chart().values[0], 100000.0);
        QVERIFY(!chart->findChild<QPushButton*>("Oned")->isVisibleTo(chart));
        chart->findChild<QPushButton*>("ThreeDee")->click();
        QCOMPARE(chart->ChartKind(), int(kKindYear3D));
        chart->closeChart();
        QCOMPARE(m_frame->currentTask(), mortgageWindow);
        QVERIFY(testing::documentOf<MortgageWindow>().result.has_value());
        QCOMPARE(mortgageWindow->gridText(1, 1), QString("10,082.74"));
    }

    void comparisonsOfferTheirFourKinds() {
        auto* finder = openFromMenu<CompoundFinderWindow>("CompCompare");
        for (int i = 0; i < 22; ++i)
            finder->calculate();
        finder->showChart();
        auto* chart = qobject_cast<ChartWindow*>(m_frame->currentTask());
        QCOMPARE(chart->ChartKind(), int(kKindCompare2D));
        QCOMPARE(chart->chartView()->chart().values.size(), 22u);
        QCOMPARE(chart->chartView()->chart().labels[21], std::string("XYZ mutual fund."));
        QVERIFY(chart->findChild<QPushButton*>("Oned")->isVisibleTo(chart));
        chart->findChild<QPushButton*>("Pie2d")->click();
        QCOMPARE(chart->ChartKind(), int(kKindPie));
        chart->findChild<QPushButton*>("Oned")->click();
        QCOMPARE(chart->ChartKind(), int(kKindGainLoss));
    }

    // The drawing is all a screen reader finds of a chart: its name tells which chart it is.
    void theChartIsNamedByItsTitle_data() {
        QTest::addColumn<QString>("menuButton");
        QTest::addColumn<QString>("letter");     // of the calculator's commands: SCalc, SGraphs
        QTest::addColumn<QString>("kindButton"); // pressed in the chart window, if any
        QTest::addColumn<QString>("name");
        QTest::newRow("planning") << "Savings"
                                  << "S" << QString() << "Chart: Investment value at end of each Year";
        QTest::newRow("comparisons") << "SavComp"
                                     << "S" << QString() << "Chart: Savings Comparisons";
        QTest::newRow("finder") << "CompCompare"
                                << "F" << QString() << "Chart: Annual compound growth comparisons";
        QTest::newRow("finder's gains") << "CompCompare"
                                        << "F"
                                        << "Oned"
                                        << "Chart: Current Value";
        QTest::newRow("loan") << "LoanPmt"
                              << "M" << QString() << "Chart: Personal Loan balance at start of each Year";
    }
    void theChartIsNamedByItsTitle() {
        QFETCH(QString, menuButton);
        QFETCH(QString, letter);
        QFETCH(QString, kindButton);
        QFETCH(QString, name);
        QWidget* calculator = openFromMenu<QWidget>(menuButton.toLatin1().constData());
        QTest::mouseClick(calculator->findChild<QPushButton*>(letter + "Calc"), Qt::LeftButton);
        QTest::mouseClick(calculator->findChild<QPushButton*>(letter + "Graphs"), Qt::LeftButton);
        auto* chart = qobject_cast<ChartWindow*>(m_frame->currentTask());
        QVERIFY(chart);
        if (!kindButton.isEmpty())
            QTest::mouseClick(chart->findChild<QPushButton*>(kindButton), Qt::LeftButton);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(chart->chartView());
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), name);
    }

    void theTrendGraphIsNamedByItsInvestment_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        QTest::newRow("named") << "Maple Growth Fund"
                               << "Chart: Maple Growth Fund";
        QTest::newRow("unnamed") << QString() << "Chart";
    }
    void theTrendGraphIsNamedByItsInvestment() {
        QFETCH(QString, title);
        QFETCH(QString, name);
        DatabaseDocument& document = menuWithWeeks(3, 10, 1);
        document.database().DbTitle = title.toStdString();
        m_frame->openOver(new TrendGraphWindow(program(), document));
        auto* trend = qobject_cast<TrendGraphWindow*>(m_frame->currentTask());
        QVERIFY(trend);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(trend->chartView());
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), name);
    }

    void aRenderedChartHasItsBars() {
        ChartData chart;
        chart.title = "Bars";
        chart.values = {10, 0, 10};
        chart.labels = {"a", "b", "c"};
        const QImage image = render(chart);
        // Bars stand where values are, and not where the value is zero.
        const QRect left(120, 200, 120, 200), middle(380, 200, 60, 200), right(600, 200, 120, 200);
        QVERIFY(colouredPixels(image, left) > 500);
        QVERIFY(colouredPixels(image, right) > 500);
        QCOMPARE(colouredPixels(image, middle), 0);
        for (const std::vector<double>& odd : {std::vector<double>{0, 0}, {-5, -10}, {1e12, 3}, {7}}) {
            chart.values = odd;
            QVERIFY(!render(chart).isNull()); // nothing to divide by zero, nothing to crash
        }
        chart.type = ChartType::Pie;
        chart.values = {0, 0};
        QVERIFY(!render(chart).isNull());
    }

    void aPrintedChartHoldsItsTitle() {
        qputenv("BRISKLANE_PRINT_TO_PDF", "1");
        auto* loan = openFromMenu<MortgageWindow>("LoanPmt");
        loan->calculate();
        loan->showChart();
        auto* chart = qobject_cast<ChartWindow*>(m_frame->currentTask());
        QString path; // as the box that says where the PDF went names it
        testing::whenModal([&path](QWidget* box) {
            box->findChild<QPushButton*>("AllYes")->click(); // continue
            testing::whenModal([&path](QWidget* colour) {
                colour->findChild<QPushButton*>("AllNo")->click(); // black and white
                testing::whenModalOf<QMessageBox>([&path](QMessageBox* info) {
                    path = info->text().section('\n', 1).trimmed();
                    info->close();
                });
            });
        });
        chart->print();
        qunsetenv("BRISKLANE_PRINT_TO_PDF");
        QVERIFY2(QFileInfo(path).fileName().startsWith("Personal Loan balance"), qPrintable(path));
        QProcess process;
        process.start("pdftotext", {path, "-"});
        QVERIFY(process.waitForFinished(20000));
        QVERIFY(process.readAllStandardOutput().contains("Personal Loan balance at start of each Year"));
        QFile::remove(path);
        QCOMPARE(chart->chartView()->chart().colour, true); // the screen keeps its colours
    }

    void theTrendGraphPagesAndReturns() {
        menuWithWeeks(30, 10, 1);
        auto* menu = qobject_cast<DatabaseMenu*>(m_frame->currentTask());
        QVERIFY(testing::activate(m_frame.get()));
        menu->findChild<QPushButton*>("ShowTGraph")->setFocus();
        menu->findChild<QPushButton*>("ShowTGraph")->click();
        auto* trend = qobject_cast<TrendGraphWindow*>(m_frame->currentTask());
        QVERIFY(trend);
        // Opened by keyboard, the graph takes the focus: its keys work at once.
        QTRY_VERIFY(trend->isAncestorOf(QApplication::focusWidget()));
        QCOMPARE(m_frame->windowTitle(), QString(" Brisklane Graphs"));
        QCOMPARE(trend->pageFirst(), 1);
        QCOMPARE(trend->pageLast(), 26);
        QVERIFY(!trend->findChild<QPushButton*>("Forward")->isEnabled());
        QCOMPARE(trend->chartView()->chart().labels[0], std::string("27-12-02"));
        trend->showOlderPage();
        QCOMPARE(trend->pageFirst(), 27);
        QCOMPARE(trend->pageLast(), 30);
        trend->showOlderPage();
        QVERIFY(!trend->findChild<QPushButton*>("Prev")->isEnabled());
        QCOMPARE(trend->pageFirst(), 27);
        trend->showNewerPage();
        QCOMPARE(trend->pageFirst(), 1);
        trend->closeTrendGraph();
        QCOMPARE(m_frame->currentTask(), menu);
        QCOMPARE(m_frame->windowTitle(), QString("  Brisklane Menu"));
    }

    void exactly26RecordsDisableBothPagingButtons() {
        DatabaseDocument& document = menuWithWeeks(26, 5, 0);
        m_frame->openOver(new TrendGraphWindow(program(), document));
        auto* trend = qobject_cast<TrendGraphWindow*>(m_frame->currentTask());
        QVERIFY(!trend->findChild<QPushButton*>("Forward")->isEnabled());
        QVERIFY(!trend->findChild<QPushButton*>("Prev")->isEnabled());
    }
};

QTEST_MAIN(TestChartWindows)
#include "test_chart_windows.moc"
