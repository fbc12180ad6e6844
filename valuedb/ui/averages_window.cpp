#include "valuedb/ui/averages_window.h"

#include "app/ui/calculator_parts.h"
#include "app/ui/main_window.h"
#include "app/ui/message_box.h"
#include "app/ui/printer_backend.h"
#include "app/ui/program_state.h"
#include "app/ui/twips.h"
#include "valuedb/core/averages.h"
#include "valuedb/ui/database_document.h"
#include "valuedb/ui/database_windows.h"
#include "valuedb/ui/editor_window.h"
#include "valuedb/ui/trend_graph_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace brisk {

QLabel* AveragesWindow::valueLabel(const QString& name) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_labels[name] = label;
    return label;
}

QString AveragesWindow::labelText(const QString& name) const {
    return m_labels.contains(name) ? m_labels[name]->text() : QString();
}

AveragesWindow::AveragesWindow(ProgramState& program, DatabaseDocument& document, QWidget* parent)
    : QWidget(parent), m_program(program), m_document(document) {
    setObjectName("Averatios");
    setCaption(m_program, "  Averages and Ratios");
    auto caption = [this](const char* name, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        return label;
    };
    QLabel* title = valueLabel("Label2");
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    title->setFont(bold);
    title->setAlignment(Qt::AlignCenter);

    auto* averages = new QGridLayout;
    averages->addWidget(caption("Label1", " Averages"), 0, 0);
    const char* periods[] = {"Label4", "Label5",  "Label6",  "Label7",
                             "Label8", "Label34", "Label28", "Label52"};
    const char* values[] = {"Label11", "Label12", "Label13", "Label14",
                            "Label15", "Label35", "Label29", "Label53"};
    for (int i = 0; i < 8; ++i) {
        averages->addWidget(valueLabel(periods[i]), i + 1, 0);
        QLabel* v = valueLabel(values[i]);
        v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        averages->addWidget(v, i + 1, 1);
    }
    auto* right = new QGridLayout;
    int row = 0;
    auto pair = [&](const char* captionName, const QString& text, const char* valueName) {
        right->addWidget(
            captionName ? caption(captionName, text) : valueLabel(QString(valueName) + "Caption"), row, 0);
        QLabel* v = valueLabel(valueName);
        v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        right->addWidget(v, row++, 1);
    };
    pair("Label9", " Market Direction", "Label16");
    pair("Label18", " High Value from all Data", "Label19");
    pair("Label3", " Low Value from all Data", "Label20");
    pair("Label40", " Last Data Value", "Label41");
    right->addWidget(caption("Label48", " Difference between:"), row, 0);
    right->addWidget(caption("Label26", " Difference        ="), row++, 1);
    right->addWidget(caption("Label25", " High and Low Value"), row, 0);
    right->addWidget(valueLabel("Label27"), row++, 1);
    pair("Label36", " High and Last Data Value", "Label37");
    pair("Label45", " Low and Last Data Value", "Label38");
    right->addWidget(caption("Label30", "Ratios  "), row++, 0);
    pair("Label21", " Price/Earnings Ratio", "Label22");
    right->addWidget(valueLabel("Label42"), row, 0);
    right->addWidget(valueLabel("Label43"), row++, 1);
    const char* changeCaptions[] = {"Label23", "Label44", "Label46", "Label47"};
    const char* changeValues[] = {"Label24", "Label31", "Label32", "Label33"};
    for (int k = 0; k < 4; ++k) {
        right->addWidget(valueLabel(changeCaptions[k]), row, 0);
        right->addWidget(valueLabel(changeValues[k]), row++, 1);
    }
    right->addWidget(valueLabel("Label10"), row, 0);
    right->addWidget(valueLabel("Label17"), row++, 1);
    right->addWidget(valueLabel("Label49"), row, 0);
    right->addWidget(valueLabel("Label50"), row++, 1);
    // Captions that change with the data read from the left; the figures line up on the right.
    for (const char* name :
         {"Label4", "Label5", "Label6", "Label7", "Label8", "Label34", "Label28", "Label52", "Label42",
          "Label23", "Label44", "Label46", "Label47", "Label10", "Label49"})
        m_labels[name]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (QLabel* label : m_labels)
        if (label != title && label->alignment() & Qt::AlignRight) label->setMinimumWidth(twips(1200));
    averages->setRowStretch(9, 1);

    m_weekPoints = new QCheckBox(this);
    m_weekPoints->setObjectName("WeekPoints");
    m_weekPoints->setChecked(m_document.sheetPeriods() == SheetPeriods::Values);
    connect(m_weekPoints, &QCheckBox::toggled, this, [this](bool checked) {
        m_document.setSheetPeriods(checked ? SheetPeriods::Values : SheetPeriods::Weeks);
        setPeriodLabels();
    });
    QPushButton* print = commandButton(this, "Print1", "To &Printer");
    QPushButton* graph = commandButton(this, "Graphshow", "&Show Graph");
    QPushButton* sheet = commandButton(this, "ShowSheet", "&Database");
    QPushButton* exit = commandButton(this, "ExitBut", "E&xit to Menu");
    connect(print, &QPushButton::clicked, this, &AveragesWindow::print);
    connect(graph, &QPushButton::clicked, this, [this] {
        if (m_document.database().RecordCount() == 0) return showMessage(Msg::NoDatabase, this);
        m_program.frame->openOver(new TrendGraphWindow(m_program, m_document, TrendCaller::Averages));
    });
    connect(sheet, &QPushButton::clicked, this, [this] {
        setCaption(m_program, " Add and Edit Database");
        m_program.frame->replaceOver(new DatabaseEditor(m_program, m_document));
    });
    connect(exit, &QPushButton::clicked, this, [this] {
        m_program.frame->closeOver();
        setCaption(m_program, "  Brisklane Menu");
    });

    auto* columns = new QHBoxLayout;
    columns->addLayout(averages, 2);
    columns->addSpacing(twips(300));
    columns->addLayout(right, 3);
    auto* commands = new QHBoxLayout;
    commands->addWidget(m_weekPoints);
    commands->addStretch();
    for (QPushButton* b : {print, graph, sheet, exit})
        commands->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(200), twips(120), twips(200), twips(120));
    layout->addWidget(title);
    layout->addLayout(columns, 1);
    layout->addLayout(commands);
    computeAndShow();
    setPeriodLabels();
}

void AveragesWindow::computeAndShow() {
    const ValueDatabase& db = m_document.database();
    m_labels["Label2"]->setText(qs(db.DbTitle));
    QPalette normal = m_labels["Label17"]->palette();
    normal.setColor(QPalette::WindowText, QGuiApplication::palette().color(QPalette::WindowText));
    m_labels["Label17"]->setPalette(normal);
    if (db.RecordCount() < 2) return;
    const SheetOutcome sheet = computeSheet(db, m_program.shell.DateForm);
    if (!sheet.figures) {
        if (sheet.figures.message == Msg::CheckDataValues)
            showMessage(Msg::CheckDataValues, this, qs(sheet.detail));
        return;
    }
    const SheetTexts t =
        sheetTexts(*sheet.figures.value, db, m_program.shell.CurrencySymbol, m_document.sheetPeriods());
    const std::pair<const char*, const std::string*> shown[] = {
        {"Label2", &t.title},           {"Label53", &t.averageAll},
        {"Label16", &t.direction},      {"Label41", &t.last},
        {"Label19", &t.high},           {"Label20", &t.low},
        {"Label27", &t.highLowDiff},    {"Label37", &t.highLastDiff},
        {"Label38", &t.lowLastDiff},    {"Label42", &t.earningsCaption},
        {"Label43", &t.latestEarnings}, {"Label22", &t.peRatio},
        {"Label10", &t.riskCaption},    {"Label17", &t.risk},
        {"Label49", &t.targetCaption},  {"Label50", &t.target}};
    for (const auto& [name, text] : shown)
        m_labels[name]->setText(qs(*text));
    const char* const averages[7] = {"Label11", "Label12", "Label13", "Label14",
                                     "Label15", "Label35", "Label29"};
    for (int p = 0; p < 7; ++p)
        m_labels[averages[p]]->setText(qs(t.averages[p]));
    const char* const changes[4][2] = {
        {"Label23", "Label24"}, {"Label44", "Label31"}, {"Label46", "Label32"}, {"Label47", "Label33"}};
    for (int k = 0; k < 4; ++k) {
        m_labels[changes[k][0]]->setText(qs(t.changes[k].caption));
        m_labels[changes[k][1]]->setText(qs(t.changes[k].value));
    }
    showPeriods(t.periods);
    if (t.riskBelowZero) {
        QPalette red = m_labels["Label17"]->palette();
        red.setColor(QPalette::WindowText, QColor(255, 0, 0));
        m_labels["Label17"]->setPalette(red);
    }
}

void AveragesWindow::setPeriodLabels() {
    showPeriods(periodTexts(m_document.database().RecordCount(), m_document.sheetPeriods()));
}

void AveragesWindow::showPeriods(const PeriodTexts& t) {
    const char* const periods[7] = {"Label4", "Label5", "Label6", "Label7", "Label8", "Label34", "Label28"};
    for (int p = 0; p < 7; ++p)
        m_labels[periods[p]]->setText(qs(t.periods[p]));
    m_labels["Label52"]->setText(qs(t.all));
    m_weekPoints->setText(qs(t.toggle));
}

void AveragesWindow::print() {
    if (m_document.database().RecordCount() == 0) return showMessage(Msg::NoDataToPrint, this);
    if (!askYesNo(Question::ContinuePrintout, this)) return;
    // The sheet prints on white with its figures on cyan, then looks as before.
    const QPalette before = palette();
    QPalette white = before;
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    QList<QPair<QLabel*, QPalette>> restore;
    for (QLabel* label : m_labels) {
        restore << qMakePair(label, label->palette());
        QPalette cyan = label->palette();
        cyan.setColor(QPalette::Window, QColor(0, 255, 255));
        label->setPalette(cyan);
    }
    const QSize size = this->size();
    resize(twipSize(9530, 5600));
    printWidgetAndReport(this, "Averages and Ratios", this);
    resize(size);
    setPalette(before);
    for (const auto& [label, palette] : restore)
        label->setPalette(palette);
}

} // namespace brisk
