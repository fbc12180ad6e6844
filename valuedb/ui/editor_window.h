// The database editor: the records in a grid, the earnings, adding, correcting, inserting and deleting
// records.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace brisk {

class EntryBox;
class ResultGrid;

class DatabaseEditor : public QWidget {
    Q_OBJECT
  public:
    explicit DatabaseEditor(QWidget* parent = nullptr);
    void addRecord();
    void correctRecord();
    void startNewFile();
    void showAverages();
    void print();
    void closeEditor();
    QString gridText(int row, int col) const;
    EntryBox* box(const QString& name) const;

  private:
    void fillGrid();
    void fillEarnings();
    void hideCommandsWhileEditing();
    void showCommands();
    void showNewRow();

    ResultGrid* m_grid;
    QLabel* m_new;
    QList<QPushButton*> m_hideWhileEditing;
};

} // namespace brisk
