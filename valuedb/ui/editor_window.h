// The database editor: the records in a grid, the earnings, adding, correcting, inserting and deleting
// records.
#pragma once

#include "valuedb/ui/database_windows.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace brisk {

class DatabaseDocument;
class EntryBox;
class ResultGrid;
struct ProgramState;
struct ValueDatabase;

class DatabaseEditor : public QWidget {
    Q_OBJECT
  public:
    DatabaseEditor(ProgramState& program, DatabaseDocument& document, QWidget* parent = nullptr);
    void addRecord();
    void correctRecord();
    void startNewFile();
    void showAverages();
    void print();
    void closeEditor();
    QString gridText(int row, int col) const;
    EntryBox* box(const QString& name) const;
    EditAction editMode() const { return m_editMode; }
    // The record clicked in the grid, offered by Correct Record (0 for none).
    void chooseGridRecord(int record) { m_gridRecNo = record; }

  private:
    void countEarnings();
    void fillGrid();
    void fillEarnings();
    void hideCommandsWhileEditing();
    void showCommands();
    void showNewRow();

    ValueDatabase& db() const;

    ProgramState& m_program;
    DatabaseDocument& m_document;
    EditAction m_editMode = EditAction::Adding;
    int m_editRecNo = 0;
    int m_gridRecNo = 0;
    ResultGrid* m_grid;
    QLabel* m_new;
    QList<QPushButton*> m_hideWhileEditing;
};

} // namespace brisk
