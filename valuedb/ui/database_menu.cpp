#include "valuedb/ui/database_menu.h"

#include "app/core/atomic_file.h"
#include "app/ui/calculator_parts.h"
#include "app/ui/file_dialog.h"
#include "app/ui/main_menu.h"
#include "app/ui/main_window.h"
#include "app/ui/message_box.h"
#include "app/ui/program_state.h"
#include "app/ui/twips.h"
#include "valuedb/core/price_import.h"
#include "valuedb/ui/averages_window.h"
#include "valuedb/ui/database_document.h"
#include "valuedb/ui/database_windows.h"
#include "valuedb/ui/editor_window.h"
#include "valuedb/ui/extract_dialog.h"
#include "valuedb/ui/price_import_dialog.h"
#include "valuedb/ui/trend_graph_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace brisk {

DatabaseMenu::DatabaseMenu(ProgramState& program, QWidget* parent)
    : QWidget(parent), m_program(program), m_document(new DatabaseDocument(this)) {
    setObjectName("Trendmenu");
    setCaption(m_program, kMenuCaption);
    connect(m_document, &DatabaseDocument::changed, this, &DatabaseMenu::updateInfoLabel);
    m_info = new QLabel(this);
    m_info->setObjectName("InfoLabel");
    m_info->setAlignment(Qt::AlignCenter);
    m_info->hide();
    struct Button {
        const char* name;
        const char* caption;
        int row, column;
    };
    const Button buttons[] = {{"LoadaFile", "&Open a File from Disk", 0, 0},
                              {"OpenDbase", "&Add and Edit Database", 1, 0},
                              {"ShowRatios", "&View Averages and Ratios", 2, 0},
                              {"SelectRec", "&Extract between two Dates", 3, 0},
                              {"ImportCsv", "&Import Values from a CSV File", 4, 0},
                              {"Saveafile", "&Save a File to Disk", 0, 1},
                              {"SortDBase", "Sort &Database", 1, 1},
                              {"ShowTGraph", "Show Trend &Graph", 2, 1},
                              {"ExitMenu", "E&xit to Main Menu", 3, 1}};
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
    for (std::size_t i = 0; i + 1 < std::size(buttons); ++i)
        setTabOrder(made[buttons[i].name], made[buttons[i + 1].name]);
    connect(made["LoadaFile"], &QPushButton::clicked, this, &DatabaseMenu::openFile);
    connect(made["Saveafile"], &QPushButton::clicked, this, &DatabaseMenu::saveFileAs);
    connect(made["OpenDbase"], &QPushButton::clicked, this,
            [this] { m_program.frame->openOver(new DatabaseEditor(m_program, *m_document)); });
    connect(made["ShowRatios"], &QPushButton::clicked, this,
            [this] { m_program.frame->openOver(new AveragesWindow(m_program, *m_document)); });
    connect(made["SelectRec"], &QPushButton::clicked, this, &DatabaseMenu::extractRange);
    connect(made["ImportCsv"], &QPushButton::clicked, this, &DatabaseMenu::importPriceFile);
    connect(made["SortDBase"], &QPushButton::clicked, this, &DatabaseMenu::sortDatabase);
    connect(made["ShowTGraph"], &QPushButton::clicked, this, &DatabaseMenu::showTrendGraph);
    connect(made["ExitMenu"], &QPushButton::clicked, this, &DatabaseMenu::exitToMenu);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(1395), twips(300), twips(1395), twips(300));
    layout->addWidget(programTitle(this));
    layout->addWidget(m_info);
    layout->addSpacing(twips(300));
    layout->addLayout(grid);
    layout->addStretch();
}

void DatabaseMenu::updateInfoLabel() {
    const QString title = qs(m_document->database().DbTitle);
    m_info->setText(" File in Memory = " + title + " ");
    m_info->setVisible(!title.isEmpty());
}

bool DatabaseMenu::loadFile(const QString& path) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto bytes = readFileStart(ss(path), 1 << 20);
    const auto loaded = bytes ? parseZrk(*bytes) : Outcome<ValueDatabase>::failure(Msg::BadFile);
    QGuiApplication::restoreOverrideCursor();
    if (!loaded) {
        showMessage(Msg::BadFile, this);
        m_document->setSheetPeriods(SheetPeriods::Weeks);
        m_document->replace({}, {}); // nothing of a half-read file is kept
        return false;
    }
    m_document->replace(*loaded.value, QFileInfo(path).fileName());
    rememberFolder(path);
    return true;
}

// The open and save dialogs start in the folder of the last database file, offering this one's name.
std::optional<QString> DatabaseMenu::chooseFile(FileOp op) {
    const QString name = m_document->fileName();
    return FileDirectory(op, this,
                         name.isEmpty() ? QString() : QDir(qs(m_program.shell.DbFolder)).filePath(name));
}

void DatabaseMenu::rememberFolder(const QString& path) {
    m_program.shell.DbFolder = ss(QFileInfo(path).absolutePath());
}

// The file chosen replaces the records in memory: unsaved ones are asked about as leaving does,
// and going back to save them keeps the menu.
void DatabaseMenu::openFile() {
    const auto chosen = chooseFile(FileOp::OpenDatabase);
    if (chosen && !leaveAllowed()) return;
    if (chosen) loadFile(*chosen);
    m_program.frame->openOver(new DatabaseEditor(m_program, *m_document));
}

bool DatabaseMenu::saveFile(const QString& path) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto written = writeFileAtomically(ss(path), zrkBytes(m_document->database()));
    QGuiApplication::restoreOverrideCursor();
    if (!written) {
        showMessage(Msg::BadDatabaseName, this, QFileInfo(path).fileName()); // message 25 names the file
        return false;
    }
    m_document->setFileName(QFileInfo(path).fileName());
    m_document->setModified(false);
    rememberFolder(path);
    return true;
}

void DatabaseMenu::saveFileAs() {
    if (m_document->database().RecordCount() == 0) return showMessage(Msg::NoRecords, this);
    if (const auto chosen = chooseFile(FileOp::SaveDatabase)) saveFile(*chosen);
}

// The records chosen replace the database in memory, which then shows in the editor; the editor
// opens after a cancel too.
void DatabaseMenu::extractRange() {
    if (m_document->database().RecordCount() == 0) return showMessage(Msg::NoDatabase, this);
    if (auto kept = ExtractDialog::ask(m_program, *m_document, this)) {
        kept->DbChanged = m_document->database().DbChanged; // the extract leaves the changed flag as it was
        m_document->replace(std::move(*kept), "Extract.zrk");
    }
    m_program.frame->openOver(new DatabaseEditor(m_program, *m_document));
}

void DatabaseMenu::showTrendGraph() {
    if (m_document->database().RecordCount() == 0) return showMessage(Msg::NoDatabase, this);
    m_program.frame->openOver(new TrendGraphWindow(m_program, *m_document, TrendCaller::Menu));
}

// Weekly values from a price file merged into the database in memory, unsaved like any edit, once
// the user has seen what they will do.
bool DatabaseMenu::importPrices(const QString& path) {
    const auto imported = previewPriceImport(m_program, m_document->database(), path, this);
    if (!imported) return false;
    m_document->replace(imported->db, m_document->fileName());
    QMessageBox box(QMessageBox::Information, "Import Values from a CSV File",
                    qs(importSummary(imported->counts)), QMessageBox::Ok, this);
    box.setObjectName("ImportSummary");
    box.exec();
    return true;
}

// Nothing is asked first: the preview shows which records the imported weeks replace, and the
// database stays in memory, unsaved.
void DatabaseMenu::importPriceFile() {
    if (const auto chosen = FileDirectory(FileOp::OpenPrices, this)) importPrices(*chosen);
}

void DatabaseMenu::sortDatabase() {
    if (m_document->database().RecordCount() == 0) return showMessage(Msg::NoDatabase, this);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    sortRecords(m_document->database());
    m_document->edited();
    QGuiApplication::restoreOverrideCursor();
}

// Unsaved records: question 3 asks whether to go back and save them. Only No lets them go: a box
// closed without an answer keeps them.
bool DatabaseMenu::leaveAllowed() {
    if (!m_document->isModified() || m_document->database().RecordCount() == 0) return true;
    if (ask(Question::SaveDatabaseFirst, this, m_document->fileName()) != QuestionDialog::Answer::No)
        return false;
    m_document->setModified(false);
    return true;
}

void DatabaseMenu::exitToMenu() {
    if (!leaveAllowed()) return;
    m_program.frame->returnToMenu();
    setCaption(m_program, "  Brisklane Menu");
}

void DatabaseMenu::closeEvent(QCloseEvent* event) {
    if (leaveAllowed())
        event->accept();
    else
        event->ignore();
}

} // namespace brisk
