// The averages and ratios sheet.
#pragma once

#include <QMap>
#include <QWidget>

class QCheckBox;
class QLabel;

namespace brisk {

class DatabaseDocument;
struct PeriodTexts;
struct ProgramState;

class AveragesWindow : public QWidget {
    Q_OBJECT
  public:
    AveragesWindow(ProgramState& program, DatabaseDocument& document, QWidget* parent = nullptr);
    QString labelText(const QString& name) const;
    void print();

  private:
    void computeAndShow();
    void setPeriodLabels();
    void showPeriods(const PeriodTexts& texts);
    QLabel* valueLabel(const QString& name);
    ProgramState& m_program;
    DatabaseDocument& m_document;
    QMap<QString, QLabel*> m_labels;
    QCheckBox* m_weekPoints;
};

} // namespace brisk
