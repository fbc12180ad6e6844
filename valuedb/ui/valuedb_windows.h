// The value database's windows: the database menu, the editor with its record-number dialog, the
// averages and ratios sheet, and the extract dialog.
#pragma once

#include <QDialog>
#include <QMap>
#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace brisk {

class EntryBox;
class ResultGrid;
class TextArea;

class Trendmenu : public QWidget {
    Q_OBJECT
  public:
    explicit Trendmenu(QWidget* parent = nullptr);
    bool loadFile(const QString& path); // false (message 13 shown) leaves an empty database
    bool saveFile(const QString& path); // false (message 25 shown) leaves the earlier file whole
    void LoadaFile_Click();
    void Saveafile_Click();
    void ExitMenu_Click();
    void SortDBase_Click();
    void updateInfoLabel();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    bool leaveAllowed();
    QLabel* m_info;
};

class Dbase : public QWidget {
    Q_OBJECT
  public:
    explicit Dbase(QWidget* parent = nullptr);
    void AddRecord_Click();
    void CorrRecord_Click();
    void NewFile_Click();
    void ToRatios_Click();
    void Printit_Click();
    void Exitbut_Click();
    QString gridText(int row, int col) const;
    EntryBox* box(const QString& name) const;

  private:
    void fillGrid();
    void fillEarnings();
    void MakInvisible();
    void MakVisible();
    void showNewRow();

    ResultGrid* m_grid;
    QLabel* m_new;
    QList<QPushButton*> m_hideWhileEditing;
};

class InRecNum : public QDialog {
    Q_OBJECT
  public:
    explicit InRecNum(QWidget* parent = nullptr);
};

class Averatios : public QWidget {
    Q_OBJECT
  public:
    explicit Averatios(QWidget* parent = nullptr);
    QString labelText(const QString& name) const;
    void Print1_Click();

  private:
    void computeAndShow();
    void setPeriodLabels();
    QLabel* valueLabel(const QString& name);
    QMap<QString, QLabel*> m_labels;
    QCheckBox* m_weekPoints;
};

class Extract : public QDialog {
    Q_OBJECT
  public:
    explicit Extract(QWidget* parent = nullptr);
    void ExtractOk_Click();
};

} // namespace brisk
