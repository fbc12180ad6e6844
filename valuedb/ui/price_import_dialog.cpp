#include "valuedb/ui/price_import_dialog.h"
#include "app/core/figure_format.h"

#include "app/core/mask_format.h"
#include "app/ui/calculator_parts.h"
#include "app/ui/message_box.h"
#include "app/ui/program_state.h"
#include "app/ui/result_grid.h"
#include "app/ui/twips.h"
#include "valuedb/ui/database_windows.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace brisk {

namespace {

// The order choices, in the list's order; the first lets the file's own dates decide.
constexpr std::optional<DateOrder> kOrders[] = {std::nullopt, DateOrder::DayMonthYear,
                                                DateOrder::MonthDayYear, DateOrder::YearMonthDay};

QComboBox* columnList(QWidget* parent, const QString& name, const QString& accessibleName,
                      const std::vector<std::string>& headings) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    // A heading of random bytes must not widen the dialog past the screen.
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(24);
    for (std::size_t i = 0; i < headings.size(); ++i) {
        QString heading = qs(headings[i]).simplified();
        if (heading.size() > 40) heading = heading.left(40) + QChar(0x2026);
        list->addItem(QString("%1  %2").arg(i + 1).arg(heading));
    }
    list->setPlaceholderText("Choose a column");
    return list;
}

QString fateText(const ProgramState& program, const ImportedWeek& week) {
    switch (week.fate) {
    case ImportedWeek::Fate::Added:
        return "added";
    case ImportedWeek::Fate::Replaced:
        return QString("replaces %1 of %2")
            .arg(qs(Format(week.replaced->value, mask::Total)).trimmed(),
                 dateText(program, week.replaced->date));
    case ImportedWeek::Fate::LeftOut:
        break;
    }
    return QString("left out: over %1 records").arg(kMaxRecords);
}

} // namespace

PriceImportDialog::PriceImportDialog(const ProgramState& program, const ValueDatabase& db,
                                     const QString& fileName, std::string csv, QWidget* parent)
    : QDialog(parent), m_program(program), m_db(db), m_csv(std::move(csv)) {
    setObjectName("ImportPreview");
    setWindowTitle("Import Values from a CSV File");
    const PriceTable first = readPriceTable(m_csv, {});

    auto* file = new QLabel(QString("File: %1").arg(fileName), this);
    file->setObjectName("ImportFile");
    m_dateColumn = columnList(this, "ImportDateColumn", "Dates in column", first.headings);
    m_valueColumn = columnList(this, "ImportValueColumn", "Prices in column", first.headings);
    m_dateOrder = new QComboBox(this);
    m_dateOrder->setObjectName("ImportDateOrder");
    m_dateOrder->setAccessibleName("Dates written");
    m_dateOrder->addItems({"As the file shows", "Day first (04/05/2026 is 4 May)",
                           "Month first (04/05/2026 is April 5)", "Year first (2026/05/04)"});
    // The columns the file's headings gave, or none chosen yet.
    m_dateColumn->setCurrentIndex(first.dateColumn ? static_cast<int>(*first.dateColumn) : -1);
    m_valueColumn->setCurrentIndex(first.valueColumn ? static_cast<int>(*first.valueColumn) : -1);

    m_plan = new QLabel(this);
    m_plan->setObjectName("ImportPlan");
    m_plan->setWordWrap(true);
    m_plan->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_weeks = new ResultGrid(this);
    m_weeks->setObjectName("ImportWeeks");
    m_weeks->setAccessibleName("The weeks as they will be stored");
    GridModel* g = m_weeks->grid();
    g->setCols(3);
    g->setFixedCols(0);
    g->setText(0, 0, "Date");
    g->setText(0, 1, "Data Value");
    g->setText(0, 2, "In the database");
    g->setColAlignment(0, 2);
    g->setColAlignment(1, 1);
    g->setColAlignment(2, 0);
    m_weeks->setColWidthTwips(0, 1300);
    m_weeks->setColWidthTwips(1, 1500);
    m_weeks->setColWidthTwips(2, 3600);
    m_weeks->horizontalHeader()->setStretchLastSection(true);

    m_importButton = commandButton(this, "ImportOk", "&Import");
    auto* cancel = commandButton(this, "ImportCancel", "&Cancel");
    m_importButton->setDefault(true);
    connect(m_importButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    for (QComboBox* list : {m_dateColumn, m_valueColumn, m_dateOrder})
        connect(list, &QComboBox::currentIndexChanged, this, &PriceImportDialog::preview);

    auto* choices = new QFormLayout;
    const auto addChoice = [this, choices](const QString& caption, QComboBox* list) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(list);
        choices->addRow(label, list);
    };
    addChoice("&Dates in column", m_dateColumn);
    addChoice("&Prices in column", m_valueColumn);
    addChoice("Dates &written", m_dateOrder);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_importButton);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(file);
    layout->addLayout(choices);
    layout->addWidget(m_plan);
    layout->addWidget(m_weeks, 1);
    layout->addLayout(buttons);
    resize(twipSize(8400, 7200)); // the three columns whole, and a dozen weeks
    preview();
}

PriceImportOptions PriceImportDialog::chosenOptions() const {
    PriceImportOptions options;
    if (m_dateColumn->currentIndex() >= 0)
        options.dateColumn = std::to_string(m_dateColumn->currentIndex() + 1);
    if (m_valueColumn->currentIndex() >= 0)
        options.valueColumn = std::to_string(m_valueColumn->currentIndex() + 1);
    options.dateOrder = kOrders[std::max(0, m_dateOrder->currentIndex())];
    return options;
}

void PriceImportDialog::preview() {
    const PriceTable table = readPriceTable(m_csv, chosenOptions());
    GridModel* g = m_weeks->grid();
    if (m_dateOrder->currentIndex() == 0)
        m_dateOrder->setItemText(0, table.dateForm.empty()
                                        ? QString("As the file shows")
                                        : QString("As the file shows (%1)").arg(qs(table.dateForm)));
    if (table.problem) {
        m_import.reset();
        g->setRows(1);
        const bool askOrder = table.problem->kind == PriceFileProblem::Kind::AmbiguousDates ||
                              table.problem->kind == PriceFileProblem::Kind::MixedDates;
        m_plan->setText(qs(table.problem->text) +
                        (askOrder ? " Choose their order under Dates written." : ""));
        m_importButton->setEnabled(false);
        return;
    }
    m_import = mergePrices(m_db, table);
    m_plan->setText(qs(importSummary(m_import->counts, Tense::Planned)));
    g->setRows(static_cast<int>(m_import->weeks.size()) + 1);
    for (std::size_t i = 0; i < m_import->weeks.size(); ++i) {
        const ImportedWeek& week = m_import->weeks[i];
        const int row = static_cast<int>(i) + 1;
        g->setText(row, 0, dateText(m_program, week.date));
        g->setText(row, 1, qs(Format(week.value, mask::WideAmount)));
        g->setText(row, 2, fateText(m_program, week));
    }
    m_importButton->setEnabled(m_import->counts.added + m_import->counts.replaced > 0);
}

std::optional<PriceImport> previewPriceImport(const ProgramState& program, const ValueDatabase& db,
                                              const QString& path, QWidget* parent) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto csv = priceFileText(QFile::encodeName(path).toStdString());
    QGuiApplication::restoreOverrideCursor();
    if (!csv) {
        showMessage(Msg::BadFile, parent);
        return std::nullopt;
    }
    PriceImportDialog dialog(program, db, QFileInfo(path).fileName(), *csv, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.imported();
}

} // namespace brisk
