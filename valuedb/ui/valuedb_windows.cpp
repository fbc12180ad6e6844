#include "valuedb/ui/valuedb_windows.h"

#include "app/core/atomic_file.h"
#include "app/core/mask_format.h"
#include "app/core/numeric_parse.h"
#include "app/core/whole_number.h"
#include "app/ui/calculator_parts.h"
#include "app/ui/entry_box.h"
#include "app/ui/file_dialog.h"
#include "app/ui/header_input.h"
#include "app/ui/main_menu.h"
#include "app/ui/main_window.h"
#include "app/ui/message_box.h"
#include "app/ui/printer_backend.h"
#include "app/ui/program_state.h"
#include "app/ui/result_grid.h"
#include "app/ui/text_area.h"
#include "app/ui/twips.h"
#include "valuedb/core/averages.h"
#include "valuedb/core/database_printout.h"
#include "valuedb/ui/valuedb_state.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brisk {

ValueDbState& valueDb() {
    static ValueDbState state;
    return state;
}

void registerValueDbWindows() {
    MenuMain::registerWindow("Trendmenu", [] { return new Trendmenu; });
}

namespace {

ValueDatabase& db() {
    return valueDb().db;
}
MDIContainer* frame() {
    return program().frame;
}
void setCaption(const QString& caption) {
    if (frame()) frame()->setWindowTitle(caption);
}

// The numbered messages and the database's own, in the shared message box's place.
void showDbMessage(int message, QWidget* parent, const QString& detail = {}) {
    if (message == kMsgDatabaseFull) {
        QMessageBox::warning(parent, "Help", qs(valueDbMessageText(message)));
        return;
    }
    showMessage(message, parent, detail);
}

std::string todayText() {
    return shortDateText(today(), program().shell.DateForm);
}
std::optional<Date> readDate(const QString& text) {
    return parseDate(ss(text.trimmed()), program().shell.DateForm);
}
QString dateText(Date date) {
    return qs(shortDateText(date, program().shell.DateForm));
}

// The value typed: cut after two decimals as text, so what was typed is what is kept.
double typedValue(const QString& text) {
    QString plain = text.trimmed();
    const int point = plain.indexOf('.');
    if (point >= 0) plain = plain.left(point + 3);
    return parseEntryText(ss(plain), program().shell.CurrencySymbol);
}

} // namespace

// ---------------------------------------------------------------------------------------------
Trendmenu::Trendmenu(QWidget* parent) : QWidget(parent) {
    setObjectName("Trendmenu");
    valueDb() = ValueDbState{};
    program().shell.DbFileName.clear();
    setCaption(kMenuCaption);
    m_info = new QLabel(this);
    m_info->setObjectName("InfoLabel");
    m_info->setAlignment(Qt::AlignCenter);
    m_info->hide();
    struct Button {
        const char* name;
        const char* caption;
        int row, column;
    };
    const Button buttons[] = {
        {"LoadaFile", "&Open a File from Disk", 0, 0},     {"OpenDbase", "&Add and Edit Database", 1, 0},
        {"ShowRatios", "&View Averages and Ratios", 2, 0}, {"SelectRec", "&Extract between two Dates", 3, 0},
        {"Saveafile", "&Save a File to Disk", 0, 1},       {"SortDBase", "Sort &Database", 1, 1},
        {"ShowTGraph", "Show Trend &Graph", 2, 1},         {"ExitMenu", "E&xit to Main Menu", 3, 1}};
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(twips(5220 - 1395 - 2805));
    grid->setVerticalSpacing(twips(1000 - 450));
    QMap<QString, QPushButton*> made;
    for (const Button& b : buttons) {
        QPushButton* button = commandButton(this, b.name, b.caption);
        button->setMinimumSize(twipSize(2805, 450));
        grid->addWidget(button, b.row, b.column);
        made[b.name] = button;
    }
    // The tab order runs down the left column, then down the right one.
    for (int i = 0; i + 1 < 8; ++i)
        setTabOrder(made[buttons[i].name], made[buttons[i + 1].name]);
    connect(made["LoadaFile"], &QPushButton::clicked, this, &Trendmenu::LoadaFile_Click);
    connect(made["Saveafile"], &QPushButton::clicked, this, &Trendmenu::Saveafile_Click);
    connect(made["OpenDbase"], &QPushButton::clicked, this, [] { frame()->openOver(new Dbase); });
    connect(made["ShowRatios"], &QPushButton::clicked, this, [] { frame()->openOver(new Averatios); });
    connect(made["SelectRec"], &QPushButton::clicked, this, [this] {
        if (db().RecordCount() == 0) return showMessage(28, this);
        Extract dialog(this);
        if (dialog.exec() == QDialog::Accepted) updateInfoLabel();
        frame()->openOver(new Dbase);
    });
    connect(made["SortDBase"], &QPushButton::clicked, this, &Trendmenu::SortDBase_Click);
    made["ShowTGraph"]->setEnabled(MenuMain::hasWindow("TrendGraph"));
    connect(made["ShowTGraph"], &QPushButton::clicked, this, [this] {
        if (db().RecordCount() == 0) return showMessage(28, this);
        valueDb().TrendGraphCaller = 2;
        if (QWidget* graph = MenuMain::makeWindow("TrendGraph")) frame()->openOver(graph);
    });
    connect(made["ExitMenu"], &QPushButton::clicked, this, &Trendmenu::ExitMenu_Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(1395), twips(300), twips(1395), twips(300));
    layout->addWidget(programTitle(this));
    layout->addWidget(m_info);
    layout->addSpacing(twips(300));
    layout->addLayout(grid);
    layout->addStretch();
}

void Trendmenu::updateInfoLabel() {
    const QString title = qs(db().DbTitle);
    m_info->setText(" File in Memory = " + title + " ");
    m_info->setVisible(!title.isEmpty());
}

bool Trendmenu::loadFile(const QString& path) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto bytes = readFileStart(ss(path), 1 << 20);
    const auto loaded = bytes ? parseZrk(*bytes) : Outcome<ValueDatabase>::failure(13);
    QGuiApplication::restoreOverrideCursor();
    if (!loaded) {
        showMessage(13, this);
        valueDb().db = ValueDatabase{}; // nothing of a half-read file is kept
        valueDb().WeekPointsMode = 0;
        program().shell.DbFileName.clear();
        updateInfoLabel();
        return false;
    }
    valueDb().db = *loaded.value;
    program().shell.DbFileName = ss(QFileInfo(path).fileName());
    updateInfoLabel();
    return true;
}

void Trendmenu::LoadaFile_Click() {
    ShellState& shell = program().shell;
    shell.FileOp = 1;
    FileDirectory(this);
    if (shell.FileOp != kFileOpCancelled) loadFile(qs(shell.ChosenFile));
    shell.FileOp = 0;
    shell.ChosenFile.clear();
    frame()->openOver(new Dbase);
}

bool Trendmenu::saveFile(const QString& path) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto error = writeFileAtomically(ss(path), zrkBytes(db()));
    QGuiApplication::restoreOverrideCursor();
    if (error) {
        program().chart.GraphTitle = ss(QFileInfo(path).fileName()); // message 25 names the file
        showMessage(25, this);
        return false;
    }
    program().shell.DbFileName = ss(QFileInfo(path).fileName());
    db().DbChanged = 0;
    return true;
}

void Trendmenu::Saveafile_Click() {
    if (db().RecordCount() == 0) return showMessage(15, this);
    ShellState& shell = program().shell;
    shell.FileOp = 2;
    FileDirectory(this);
    if (shell.FileOp != kFileOpCancelled) saveFile(qs(shell.ChosenFile));
    shell.FileOp = 0;
    shell.ChosenFile.clear();
}

void Trendmenu::SortDBase_Click() {
    if (db().RecordCount() == 0) return showMessage(28, this);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    sortRecords(db());
    QGuiApplication::restoreOverrideCursor();
}

// Unsaved records: question 3 asks whether to go back and save them.
bool Trendmenu::leaveAllowed() {
    if (db().DbChanged != 1 || db().RecordCount() == 0) return true;
    if (askYesNo(3, this)) return false;
    db().DbChanged = 0;
    return true;
}

void Trendmenu::ExitMenu_Click() {
    if (!leaveAllowed()) return;
    valueDb() = ValueDbState{};
    program().shell.DbFileName.clear();
    frame()->returnToMenu();
    setCaption("  Brisklane Menu");
}

void Trendmenu::closeEvent(QCloseEvent* event) {
    if (leaveAllowed())
        event->accept();
    else
        event->ignore();
}

// ---------------------------------------------------------------------------------------------
Dbase::Dbase(QWidget* parent) : QWidget(parent) {
    setObjectName("Dbase");
    setCaption(" Add and Edit Database");
    ValueDbState& state = valueDb();
    state.GridRecNo = 0;
    state.EditMode = 0;

    auto* name = new EntryBox(EntryBox::Kind::FreeText, this);
    name->setObjectName("DBName");
    name->setText(qs(db().DbTitle));
    connect(name, &EntryBox::stored, this, [name] { db().DbTitle = ss(name->text()); });
    m_new = new QLabel("New", this);
    m_new->setObjectName("InNew");
    auto* date = new EntryBox(EntryBox::Kind::Date, this);
    date->setObjectName("InDate");
    auto* value = new EntryBox(EntryBox::Kind::Number, this);
    value->setObjectName("InValue");
    value->setEmptiesOnFirstKey(false);
    value->setFormat("0.00", 0);
    connect(date, &EntryBox::stored, this, [this, date] {
        if (date->text().trimmed().isEmpty()) return;
        const auto parsed = readDate(date->text());
        if (parsed)
            date->setText(dateText(*parsed));
        else
            showMessage(30, this);
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
        year->setFormat("####", 4);
        auto* amount = new EntryBox(EntryBox::Kind::Number, earnings);
        amount->setObjectName(QString("InEarnTxt%1").arg(j));
        amount->setFormat("###,,###.00", 10);
        // The earnings count follows every change, so what is typed is what is saved.
        connect(year, &EntryBox::stored, this, [j](double v) {
            db().earnings[j].year = toInt16(v).value_or(0);
            db().EarnCount = 0;
            for (const EarningsRow& row : db().earnings)
                db().EarnCount += row.filled();
            db().DbChanged = 1;
        });
        connect(amount, &EntryBox::stored, this, [j](double v) {
            db().earnings[j].amount = v;
            db().EarnCount = 0;
            for (const EarningsRow& row : db().earnings)
                db().EarnCount += row.filled();
            db().DbChanged = 1;
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
    factor->setFormat("###", 5);
    factor->setValue(db().EarningsFactor);
    connect(factor, &EntryBox::stored, this, [](double v) {
        db().EarningsFactor = static_cast<float>(v);
        db().DbChanged = 1;
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
    connect(m_grid, &ResultGrid::cellClicked, this, [](int row, int) { valueDb().GridRecNo = row; });

    auto* help = new TextArea(this);
    help->setObjectName("HelpText");
    QPalette yellow = help->palette();
    yellow.setColor(QPalette::Base, QColor(255, 255, 192));
    help->setPalette(yellow);
    const QString t = qs(todayText());
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
    connect(add, &QPushButton::clicked, this, &Dbase::AddRecord_Click);
    connect(correct, &QPushButton::clicked, this, &Dbase::CorrRecord_Click);
    connect(all, &QPushButton::clicked, this, &Dbase::NewFile_Click);
    connect(ratios, &QPushButton::clicked, this, &Dbase::ToRatios_Click);
    connect(print, &QPushButton::clicked, this, &Dbase::Printit_Click);
    connect(exit, &QPushButton::clicked, this, &Dbase::Exitbut_Click);
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

EntryBox* Dbase::box(const QString& name) const {
    return findChild<EntryBox*>(name);
}

void Dbase::fillEarnings() {
    for (int j = 0; j < kMaxEarnings; ++j) {
        box(QString("InDatext%1").arg(j))->setValue(db().earnings[j].year);
        box(QString("InEarnTxt%1").arg(j))->setValue(db().earnings[j].amount);
    }
    box("DBName")->setText(qs(db().DbTitle));
}

void Dbase::fillGrid() {
    GridModel* g = m_grid->grid();
    g->setRows(db().RecordCount() + 1);
    g->clearBelowHeadings();
    for (int i = 1; i <= db().RecordCount(); ++i) {
        const ValueRecord& r = db().records[i - 1];
        g->setText(i, 0, qs(Format(i, "####")));
        g->setText(i, 1, dateText(r.date));
        g->setText(i, 2, qs(Format(r.value, "####,,###.00")));
    }
}

void Dbase::showNewRow() {
    m_new->setText("New");
    box("InValue")->clear();
    box("InDate")->setText(db().records.empty() ? qs(todayText())
                                                : dateText(addDays(db().records.front().date, 7)));
    box("InValue")->setFocus(Qt::OtherFocusReason);
}

void Dbase::MakInvisible() {
    for (QPushButton* b : m_hideWhileEditing)
        b->hide();
}

void Dbase::MakVisible() {
    for (QPushButton* b : m_hideWhileEditing)
        b->show();
}

void Dbase::AddRecord_Click() {
    ValueDbState& state = valueDb();
    const double value = typedValue(box("InValue")->text());
    const auto date = readDate(box("InDate")->text());
    int message = 0;
    switch (state.EditMode) {
    case 1:
        message = correctRecord(db(), state.EditRecNo, date, value);
        break;
    case 2:
        message = insertRecord(db(), date, value);
        break;
    default:
        message = addRecord(db(), date, value);
        break;
    }
    if (message) {
        const QString detail = message == 10 ? dateText(db().records.front().date) : QString();
        showDbMessage(message, this, detail);
        return;
    }
    state.EditMode = 0;
    state.EditRecNo = 0;
    MakVisible();
    fillGrid();
    showNewRow();
}

void Dbase::CorrRecord_Click() {
    ValueDbState& state = valueDb();
    if (db().RecordCount() == 0) return showMessage(18, this);
    InRecNum dialog(this);
    dialog.exec();
    if (state.EditMode == 0 || state.EditRecNo == 0) {
        state.EditMode = 0;
        return;
    }
    if (state.EditRecNo > db().RecordCount()) {
        state.EditMode = 0;
        return showMessage(16, this);
    }
    const ValueRecord& r = db().records[state.EditRecNo - 1];
    switch (state.EditMode) {
    case 1:
        MakInvisible();
        m_new->setText(qs(Format(state.EditRecNo, "####")));
        box("InDate")->setText(dateText(r.date));
        box("InValue")->setText(qs(Format(r.value, "0.00")));
        break;
    case 2:
        MakInvisible();
        m_new->setText("Insert");
        box("InDate")->clear();
        box("InDate")->setFocus(Qt::OtherFocusReason);
        break;
    case 3:
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        deleteRecord(db(), state.EditRecNo);
        state.EditMode = 0;
        state.EditRecNo = 0;
        fillGrid();
        showNewRow();
        QGuiApplication::restoreOverrideCursor();
        break;
    }
}

void Dbase::NewFile_Click() {
    if (askYesNo(3, this)) return;
    const float factor = db().EarningsFactor;
    db() = ValueDatabase{};
    db().EarningsFactor = factor;
    program().shell.DbFileName.clear();
    fillEarnings();
    fillGrid();
    showNewRow();
}

void Dbase::ToRatios_Click() {
    if (db().RecordCount() <= 2) return showMessage(29, this);
    db().EarningsFactor = static_cast<float>(parseEntryText(ss(box("TEFName")->text()), ""));
    setCaption(" Averages and Ratios");
    frame()->replaceOver(new Averatios);
}

void Dbase::Printit_Click() {
    if (db().RecordCount() == 0) return showMessage(8, this);
    if (!askPrintHeader(this)) return;
    const ShellState& shell = program().shell;
    printAndReport(databasePrintout(db(), {*shell.PrintHeader, shell.CurrencySymbol, shell.PrinterFontChoice,
                                           shell.DateForm}),
                   qs(db().DbTitle.empty() ? "Value Database" : db().DbTitle), this);
}

void Dbase::Exitbut_Click() {
    valueDb().EditMode = 0;
    setCaption(kMenuCaption);
    frame()->closeOver();
    if (auto* menu = qobject_cast<Trendmenu*>(frame()->currentTask())) menu->updateInfoLabel();
}

QString Dbase::gridText(int row, int col) const {
    return m_grid->grid()->text(row, col);
}

// ---------------------------------------------------------------------------------------------
InRecNum::InRecNum(QWidget* parent) : QDialog(parent) {
    setObjectName("InRecNum");
    setWindowTitle("Input ");
    ValueDbState& state = valueDb();
    state.EditMode = 0;
    auto* frameBox = new QGroupBox(" Select Option", this);
    auto* options = new QButtonGroup(this);
    auto* frameLayout = new QVBoxLayout(frameBox);
    const char* captions[] = {" Correct", " Insert", " Delete"};
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(captions[i], frameBox);
        option->setObjectName(QString("CorInsDel%1").arg(i));
        options->addButton(option, i);
        frameLayout->addWidget(option);
    }
    auto* prompt = new QLabel(this);
    prompt->setWordWrap(true);
    auto* number = new EntryBox(EntryBox::Kind::Whole, this);
    number->setObjectName("CurVal");
    number->setFormat("####", 4);
    auto* acceptButton = commandButton(this, "Accept", "&OK");
    auto* cancel = commandButton(this, "NoAccept", "&Cancel");
    number->setNext(acceptButton);
    connect(options, &QButtonGroup::idClicked, this, [number, prompt](int index) {
        ValueDbState& state = valueDb();
        state.EditMode = index + 1;
        const char* prompts[] = {" Type in the record number       to correct.",
                                 " Type in 1. Automatic insertion   by date.",
                                 " Type in the record number        to delete."};
        prompt->setText(prompts[index]);
        if (index == 1)
            number->setText("1");
        else if (state.GridRecNo > 0)
            number->setText(QString::number(state.GridRecNo));
        else
            number->clear();
        number->setFocus(Qt::TabFocusReason);
        number->selectAll();
    });
    connect(acceptButton, &QPushButton::clicked, this, [this, number] {
        ValueDbState& state = valueDb();
        if (state.EditMode == 2) {
            state.EditRecNo = 1;
        } else {
            state.EditRecNo = toInt16(parseEntryText(ss(number->text()), "")).value_or(0);
            if (state.EditRecNo == 0) state.EditMode = 0;
        }
        state.GridRecNo = 0;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        ValueDbState& state = valueDb();
        state.EditMode = state.EditRecNo = state.GridRecNo = 0;
        reject();
    });
    connect(this, &QDialog::rejected, this, [] {
        ValueDbState& state = valueDb();
        state.EditMode = state.EditRecNo = state.GridRecNo = 0;
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(acceptButton);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frameBox);
    layout->addWidget(prompt);
    layout->addWidget(number);
    layout->addLayout(buttons);
}

// ---------------------------------------------------------------------------------------------
QLabel* Averatios::valueLabel(const QString& name) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_labels[name] = label;
    return label;
}

QString Averatios::labelText(const QString& name) const {
    return m_labels.contains(name) ? m_labels[name]->text() : QString();
}

Averatios::Averatios(QWidget* parent) : QWidget(parent) {
    setObjectName("Averatios");
    setCaption("  Averages and Ratios");
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
    m_weekPoints->setChecked(valueDb().WeekPointsMode == 1);
    connect(m_weekPoints, &QCheckBox::toggled, this, [this](bool checked) {
        valueDb().WeekPointsMode = checked ? 1 : 0;
        setPeriodLabels();
    });
    QPushButton* print = commandButton(this, "Print1", "To &Printer");
    QPushButton* graph = commandButton(this, "Graphshow", "&Show Graph");
    QPushButton* sheet = commandButton(this, "ShowSheet", "&Database");
    QPushButton* exit = commandButton(this, "ExitBut", "E&xit to Menu");
    graph->setEnabled(MenuMain::hasWindow("TrendGraph"));
    connect(print, &QPushButton::clicked, this, &Averatios::Print1_Click);
    connect(graph, &QPushButton::clicked, this, [this] {
        if (db().RecordCount() == 0) return showMessage(28, this);
        valueDb().TrendGraphCaller = 1;
        if (QWidget* trend = MenuMain::makeWindow("TrendGraph")) frame()->openOver(trend);
    });
    connect(sheet, &QPushButton::clicked, this, [] {
        setCaption(" Add and Edit Database");
        frame()->replaceOver(new Dbase);
    });
    connect(exit, &QPushButton::clicked, this, [] {
        frame()->closeOver();
        setCaption("  Brisklane Menu");
        if (auto* menu = qobject_cast<Trendmenu*>(frame()->currentTask())) menu->updateInfoLabel();
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

void Averatios::computeAndShow() {
    const ValueDbState& state = valueDb();
    m_labels["Label2"]->setText(qs(state.db.DbTitle));
    QPalette normal = m_labels["Label17"]->palette();
    normal.setColor(QPalette::WindowText, QGuiApplication::palette().color(QPalette::WindowText));
    m_labels["Label17"]->setPalette(normal);
    if (state.db.RecordCount() < 2) return;
    const SheetOutcome sheet = computeSheet(state.db, program().shell.DateForm);
    if (!sheet.figures) {
        if (sheet.figures.message == 27) showMessage(27, this, qs(sheet.detail));
        return;
    }
    for (const auto& [name, text] :
         sheetTexts(*sheet.figures.value, state.db, program().shell.CurrencySymbol, state.WeekPointsMode))
        if (m_labels.contains(qs(name))) m_labels[qs(name)]->setText(qs(text));
    if (sheet.figures->hasEarnings && sheet.figures->riskPct < 0) {
        QPalette red = m_labels["Label17"]->palette();
        red.setColor(QPalette::WindowText, QColor(255, 0, 0));
        m_labels["Label17"]->setPalette(red);
    }
}

void Averatios::setPeriodLabels() {
    for (const auto& [name, text] : periodTexts(db().RecordCount(), valueDb().WeekPointsMode)) {
        if (name == "WeekPoints")
            m_weekPoints->setText(qs(text));
        else if (m_labels.contains(qs(name)))
            m_labels[qs(name)]->setText(qs(text));
    }
}

void Averatios::Print1_Click() {
    if (db().RecordCount() == 0) return showMessage(8, this);
    if (!askYesNo(1, this)) return;
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

// ---------------------------------------------------------------------------------------------
Extract::Extract(QWidget* parent) : QDialog(parent) {
    setObjectName("Extract");
    setWindowTitle("Extract");
    setCaption(" Extract");
    ValueDbState& state = valueDb();
    const int count = state.db.RecordCount();
    state.ExtractLow = 1;
    state.ExtractHigh = count;
    auto* frameBox = new QGroupBox("Extract records from between two dates.", this);
    frameBox->setObjectName("Frame1");
    auto* low = new EntryBox(EntryBox::Kind::Whole, frameBox);
    low->setObjectName("LowRecNo");
    low->setFormat("####", 4);
    low->setValue(1);
    auto* high = new EntryBox(EntryBox::Kind::Whole, frameBox);
    high->setObjectName("HighRecNo");
    high->setFormat("####", 4);
    high->setValue(count);
    // A number outside 1 to the record count: message 43, and a number inside goes back.
    auto limit = [this, count](EntryBox& box) {
        const QString text = box.text().trimmed();
        const double n = text.isEmpty() ? 1 : parseEntryText(ss(text), "");
        if (n < 1 || n > count) {
            showMessage(43, this, QString::number(count), " 1");
            box.setText(QString::number(n < 1 ? 1 : count));
            program().shell.entry.EntryEdited = 1;
        } else if (text.isEmpty()) {
            box.setText("1");
            program().shell.entry.EntryEdited = 1;
        }
    };
    low->setLimitCheck(limit);
    high->setLimitCheck(limit);
    connect(low, &EntryBox::stored, this, [](double v) { valueDb().ExtractLow = static_cast<int>(v); });
    connect(high, &EntryBox::stored, this, [](double v) { valueDb().ExtractHigh = static_cast<int>(v); });
    auto* ok = commandButton(this, "ExtractOk", "&Extract Records");
    auto* cancel = commandButton(this, "ExitExtract", "&Cancel");
    auto* helpButton = commandButton(this, "HelpBut1", "Quick &Help");
    auto* help = new TextArea(this);
    help->setObjectName("HelpBoxE");
    help->hide();
    low->setNext(high);
    high->setNext(ok);
    connect(ok, &QPushButton::clicked, this, &Extract::ExtractOk_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [helpButton, help] {
        if (helpButton->text() == "Quick &Help") {
            helpButton->setText("Close &Help");
            help->setPlainText(QStringList{
                "To view a group of records between any two dates, a new database is created with records "
                "from "
                "the existing database.",
                "Using the record numbers from beside the dates you want to include. Type these record "
                "numbers "
                "in the green input boxes.",
                "Click 'Extract Records' and the new file will be created and shown.",
                "This is to prevent you overwriting the original database file on disk if the same name was "
                "retained for the new database.",
                "The original database in memory is deleted."}
                                   .join("\r\n\r\n"));
            help->show();
            help->setFocus();
        } else {
            helpButton->setText("Quick &Help");
            help->clear();
            help->hide();
        }
    });
    auto* form = new QGridLayout(frameBox);
    form->addWidget(new QLabel(" Starting record number (Low)", frameBox), 0, 0);
    form->addWidget(low, 0, 1);
    form->addWidget(new QLabel(" Ending record number (High)", frameBox), 1, 0);
    form->addWidget(high, 1, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {ok, cancel, helpButton})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frameBox);
    layout->addLayout(buttons);
    layout->addWidget(help);
}

void Extract::ExtractOk_Click() {
    ValueDbState& state = valueDb();
    const auto kept = extractRecords(state.db, state.ExtractLow, state.ExtractHigh);
    if (!kept) return showMessage(kept.message, this);
    const int changed = state.db.DbChanged; // the extract leaves the changed flag as it was
    state.db = *kept.value;
    state.db.DbChanged = changed;
    program().shell.DbFileName = "Extract.zrk";
    accept();
}

} // namespace brisk
