// The averages and ratios sheet.
#pragma once

#include <QMap>
#include <QWidget>

class QCheckBox;
class QLabel;

namespace brisk {

struct PeriodTexts;

class AveragesWindow : public QWidget {
    Q_OBJECT
  public:
    explicit AveragesWindow(QWidget* parent = nullptr);
    QString labelText(const QString& name) const;
    void print();

  private:
    void computeAndShow();
    void setPeriodLabels();
    void showPeriods(const PeriodTexts& texts);
    QLabel* valueLabel(const QString& name);
    QMap<QString, QLabel*> m_labels;
    QCheckBox* m_weekPoints;
};

} // namespace brisk
