#include "valuedb/ui/editor_window.h"
#include "app/core/figure_format.h"

#include "app/core/mask_format.h"
#include "app/core/numeric_parse.h"
#include "app/core/whole_number.h"
#include "app/ui/calculator_parts.h"
#include "app/ui/entry_box.h"
#include "app/ui/header_input.h"
#include "app/ui/main_window.h"
#include "app/ui/message_box.h"
#include "app/ui/printer_backend.h"
#include "app/ui/program_state.h"
#include "app/ui/result_grid.h"
#include "app/ui/text_area.h"
#include "app/ui/twips.h"
#include "valuedb/core/database_printout.h"
#include "valuedb/core/value_database.h"
#include "valuedb/ui/averages_window.h"
#include "valuedb/ui/database_document.h"
#include "valuedb/ui/database_windows.h"
#include "valuedb/ui/record_number_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace brisk {

DatabaseEditor::DatabaseEditor(ProgramState& program, DatabaseDocument& document, QWidget* parent)
    : QWidget(parent), m_program(program), m_document(document) {
    setObjectName("Dbase");
    setCaption(m_program, " Add and Edit Database");

    auto* name = new EntryBox(EntryBox::Kind::FreeText, this);
    name->setObjectName("DBName");
    name->setAccessibleName("Name of the investment");
    name->setText(qs(db().DbTitle));
    connect(name, &EntryBox::stored, this, [this, name] {
        db().DbTitle = ss(name->text());
        m_document.edited();
    });
    m_new = new QLabel("New", this);
    m_new->setObjectName("InNew");
    auto* date = new EntryBox(EntryBox::Kind::Date, this);
    date->setObjectName("InDate");
    date->setAccessibleName("Date of the record");
    auto* value = new EntryBox(EntryBox::Kind::Number, this);
    value->setObjectName("InValue");
    value->setAccessibleName("Value of the record");
    value->setEmptiesOnFirstKey(false);
    value->setFormat(mask::Cents, 0);
    connect(date, &EntryBox::stored, this, [this, date] {
        if (date->text().trimmed().isEmpty()) return;
        const auto parsed = readDate(m_program, date->text());
        if (parsed)
            date->setText(dateText(m_program, *parsed));
        else
            showMessage(Msg::WrongDate, this);
    });
    name->setNext(value);
    date->setNext(value);

    auto* earnings = new QGroupBox("Latest Annual Earnings", this);
    earnings->setObjectName("Label2");
    auto* earningsLayout = new QGridLayout(earnings);
    earningsLayout->addWidget(new QLabel("Year", earnings), 0, 0);
    earningsLayout->addWidget(new QLabel("Earnings", earnings), 0, 1);
    QList<EntryBox*> years, amounts;
    for (int j = 0; j < kMaxEarnings; ++j) {
        auto* year = new EntryBox(EntryBox::Kind::Whole, earnings);
        year->setObjectName(QString("InDatext%1").arg(j));
        year->setFormat(mask::Number, 4);
        year->setAccessibleName(QString("Earnings year %1").arg(j + 1));
        // A year is a 16-bit whole number: a larger one is a wrong entry, and the box shows the
        // year stored again instead of keeping what cannot be stored.
        year->setLimitCheck([this, j](EntryBox& box) {
            if (!typingState().EntryEdited || toInt16(parseEntryText(ss(box.text()), ""))) return;
            // Nothing new to store, here or in the box the message box takes the focus from.
            box.setValue(db().earnings[j].year);
            typingState().EntryEdited = 0;
            showMessage(Msg::WrongEntry, this);
        });
        auto* amount = new EntryBox(EntryBox::Kind::Number, earnings);
        amount->setObjectName(QString("InEarnTxt%1").arg(j));
        amount->setFormat(mask::Amount, 10);
        amount->setAccessibleName(QString("Earnings %1").arg(j + 1));
        connect(year, &EntryBox::stored, this, [this, j](double v) {
            db().earnings[j].year = toInt16(v).value_or(0);
            countEarnings();
        });
        connect(amount, &EntryBox::stored, this, [this, j](double v) {
            db().earnings[j].amount = v;
            countEarnings();
        });
        earningsLayout->addWidget(year, j + 1, 0);
        earningsLayout->addWidget(amount, j + 1, 1);
        years << year;
        amounts << amount;
    }
    for (int j = 0; j < kMaxEarnings; ++j) {
        years[j]->setNext(amounts[j]);
        amounts[j]->setNext(j + 1 < kMaxEarnings ? static_cast<QWidget*>(years[j + 1]) : value);
    }
    auto* factor = new EntryBox(EntryBox::Kind::Whole, earnings);
    factor->setObjectName("TEFName");
    factor->setFormat(mask::Years, 5);
    factor->setValue(db().EarningsFactor);
    factor->setEraseEmpties(true);
    factor->setAccessibleName("Times Earnings Factor");
    connect(factor, &EntryBox::stored, this, [this](double v) {
        db().EarningsFactor = static_cast<float>(v);
        m_document.setModified(true);
        m_document.edited();
    });
    earningsLayout->addWidget(new QLabel(" Times Earnings Factor", earnings), kMaxEarnings + 1, 0);
    earningsLayout->addWidget(factor, kMaxEarnings + 1, 1);

    m_grid = new ResultGrid(this);
    m_grid->setObjectName("Grid8");
    GridModel* g = m_grid->grid();
    g->setCols(3);
    g->setRows(2);
    g->setText(0, 0, "Record");
    g->setText(0, 1, "Date");
    g->setText(0, 2, "Data Value");
    for (int c = 0; c < 3; ++c) {
        g->setColAlignment(c, c == 1 ? 2 : 1);
        g->setFixedAlignment(c, 2);
    }
    m_grid->setColWidthTwips(0, 700);
    m_grid->setColWidthTwips(1, 1300);
    m_grid->setColWidthTwips(2, 1500);
    m_grid->setHeadingHeightTwips(310);
    connect(m_grid, &ResultGrid::cellClicked, this, [this](int row, int) { m_gridRecNo = row; });

    auto* help = new TextArea(this);
    help->setObjectName("HelpText");
    QPalette yellow = help->palette();
    yellow.setColor(QPalette::Base, QColor(255, 255, 192));
    help->setPalette(yellow);
    const QString t = qs(todayText(m_program));
    help->setPlainText(QStringList{
        "  To Create a new file.", "All entries are made in the green input boxes.",
        "Click box at top, type your File Name.",
        "Entries in the Database take place in top row beside New..",
        "Click on today's date, change to starting date of data. Must be in the format " + t +
            " <Enter> will set focus on Data Value box, type in data.",
        "Click 'Add Record' will move the data to spreadsheet, top row will now show date 7 days "
        "after previous one with focus set on blank Data Value box.",
        "To continue adding data just type data in blank Data Value box and press <Enter> twice.",
        "Latest Annual Earnings.\r\nClick first box and type latest year date.",
        "Click on Earnings box and type earnings per share for that year.",
        "Move down one row and repeat for previous year's earnings.",
        "To change Earnings Ratio click box and type new ratio.",
        "Click 'Correct Record' to Insert, first click on record number to Correct or Delete, record "
        "will be shown in 'New' row, change, click Add Record'. Commands not used disappear until "
        "task completed.",
        "Click 'Delete All' to delete all data in the file.",
        "To enter data other than weekly. Type the new date over the existing one and <Enter>.",
        "Open the Sample.Zrk file with 'Open a File from Disk' and try out all the features.",
        "            End"}
                           .join("\r\n\r\n"));
    help->setFirstBox(value);

    QPushButton* add = commandButton(this, "AddRecord", "&Add Record");
    add->setAutoDefault(true); // the second Enter after a value adds it
    QPushButton* correct = commandButton(this, "CorrRecord", "&Correct Record");
    QPushButton* all = commandButton(this, "NewFile", "&Delete All");
    QPushButton* ratios = commandButton(this, "ToRatios", "&Ratios");
    QPushButton* print = commandButton(this, "Printit", "To &Printer");
    QPushButton* exit = commandButton(this, "Exitbut", "E&xit to Menu");
    value->setNext(add);
    connect(add, &QPushButton::clicked, this, &DatabaseEditor::addRecord);
    connect(correct, &QPushButton::clicked, this, &DatabaseEditor::correctRecord);
    connect(all, &QPushButton::clicked, this, &DatabaseEditor::startNewFile);
    connect(ratios, &QPushButton::clicked, this, &DatabaseEditor::showAverages);
    connect(print, &QPushButton::clicked, this, &DatabaseEditor::print);
    connect(exit, &QPushButton::clicked, this, &DatabaseEditor::closeEditor);
    m_hideWhileEditing = {correct, all, ratios, print, exit};

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("Title", this));
    top->addWidget(name, 1);
    auto* newRow = new QHBoxLayout;
    newRow->addWidget(m_new);
    newRow->addWidget(date);
    newRow->addWidget(value);
    auto* left = new QVBoxLayout;
    left->addLayout(newRow);
    left->addWidget(m_grid, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(earnings);
    right->addWidget(help, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 3);
    body->addLayout(right, 2);
    auto* commands = new QHBoxLayout;
    for (QPushButton* b : {add, correct, all, ratios, print, exit})
        commands->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(150), twips(90), twips(150), twips(90));
    layout->addLayout(top);
    layout->addLayout(body, 1);
    layout->addLayout(commands);

    fillEarnings();
    fillGrid();
    showNewRow();
}

ValueDatabase& DatabaseEditor::db() const {
    return m_document.database();
}

// The earnings count follows every change, so what is typed is what is saved.
void DatabaseEditor::countEarnings() {
    db().EarnCount = 0;
    for (const EarningsRow& row : db().earnings)
        db().EarnCount += row.filled();
    m_document.setModified(true);
    m_document.edited();
}

EntryBox* DatabaseEditor::box(const QString& name) const {
    return findChild<EntryBox*>(name);
}

void DatabaseEditor::fillEarnings() {
    for (int j = 0; j < kMaxEarnings; ++j) {
        box(QString("InDatext%1").arg(j))->setValue(db().earnings[j].year);
        box(QString("InEarnTxt%1").arg(j))->setValue(db().earnings[j].amount);
    }
    box("DBName")->setText(qs(db().DbTitle));
}

void DatabaseEditor::fillGrid() {
    m_grid->showTable(recordTable(db()), m_program.shell.DateForm, m_program.shell.CurrencySymbol);
}

void DatabaseEditor::showNewRow() {
    m_new->setText("New");
    box("InValue")->clear();
    box("InDate")->setText(db().records.empty() ? qs(todayText(m_program))
                                                : dateText(m_program, addDays(db().records.front().date, 7)));
    box("InValue")->setFocus(Qt::OtherFocusReason);
}

void DatabaseEditor::hideCommandsWhileEditing() {
    for (QPushButton* b : m_hideWhileEditing)
        b->hide();
}

void DatabaseEditor::showCommands() {
    for (QPushButton* b : m_hideWhileEditing)
        b->show();
}

void DatabaseEditor::addRecord() {
    const double value = typedValue(m_program, box("InValue")->text());
    const auto date = readDate(m_program, box("InDate")->text());
    Msg message = Msg::None;
    switch (m_editMode) {
    case EditAction::Correcting:
        message = brisk::correctRecord(db(), m_editRecNo, date, value);
        break;
    case EditAction::Inserting:
        message = insertRecord(db(), date, value);
        break;
    default:
        message = brisk::addRecord(db(), date, value);
        break;
    }
    if (message != Msg::None) {
        const QString detail =
            message == Msg::DateAfterLastRecord ? dateText(m_program, db().records.front().date) : QString();
        showDbMessage(message, this, detail);
        return;
    }
    m_document.edited();
    m_editMode = EditAction::Adding;
    m_editRecNo = 0;
    showCommands();
    fillGrid();
    showNewRow();
}

void DatabaseEditor::correctRecord() {
    if (db().RecordCount() == 0) return showMessage(Msg::NoRecordsToCorrect, this);
    const auto choice = RecordNumberDialog::ask(m_gridRecNo, this);
    m_gridRecNo = 0;
    if (!choice) return;
    if (choice->record < 1 || choice->record > db().RecordCount())
        return showMessage(Msg::NoSuchRecord, this);
    m_editMode = choice->action;
    m_editRecNo = choice->record;
    const ValueRecord& r = db().records[m_editRecNo - 1];
    switch (m_editMode) {
    case EditAction::Adding:
        break;
    case EditAction::Correcting:
        hideCommandsWhileEditing();
        m_new->setText(qs(Format(m_editRecNo, mask::Number)));
        box("InDate")->setText(dateText(m_program, r.date));
        box("InValue")->setText(qs(Format(r.value, mask::Cents)));
        // The record's boxes take the keys, not the title the hidden commands would pass them to.
        box("InDate")->setFocus(Qt::OtherFocusReason);
        break;
    case EditAction::Inserting:
        hideCommandsWhileEditing();
        m_new->setText("Insert");
        box("InDate")->clear();
        box("InDate")->setFocus(Qt::OtherFocusReason);
        break;
    case EditAction::Deleting:
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        deleteRecord(db(), m_editRecNo);
        m_document.edited();
        m_editMode = EditAction::Adding;
        m_editRecNo = 0;
        fillGrid();
        showNewRow();
        QGuiApplication::restoreOverrideCursor();
        break;
    }
}

void DatabaseEditor::startNewFile() {
    if (ask(Question::SaveDatabaseFirst, this, m_document.fileName()) != QuestionDialog::Answer::No)
        return; // only No erases
    ValueDatabase empty;
    empty.EarningsFactor = db().EarningsFactor;
    m_document.replace(std::move(empty), {});
    fillEarnings();
    fillGrid();
    showNewRow();
}

void DatabaseEditor::showAverages() {
    if (db().RecordCount() <= 2) return showMessage(Msg::TwoWeeksForRatios, this);
    db().EarningsFactor = static_cast<float>(parseEntryText(ss(box("TEFName")->text()), ""));
    setCaption(m_program, " Averages and Ratios");
    m_program.frame->replaceOver(new AveragesWindow(m_program, m_document));
}

void DatabaseEditor::print() {
    if (db().RecordCount() == 0) return showMessage(Msg::NoDataToPrint, this);
    const auto header = askPrintHeader(this);
    if (!header) return;
    const ShellState& shell = m_program.shell;
    printAndReport(
        databasePrintout(db(), {*header, shell.CurrencySymbol, shell.PrinterFontChoice, shell.DateForm}),
        qs(db().DbTitle.empty() ? "Value Database" : db().DbTitle), this);
}

void DatabaseEditor::closeEditor() {
    m_editMode = EditAction::Adding;
    setCaption(m_program, kMenuCaption);
    m_program.frame->closeOver();
}

QString DatabaseEditor::gridText(int row, int col) const {
    return m_grid->grid()->text(row, col);
}

} // namespace brisk
