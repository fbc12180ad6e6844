// The quick help of a calculator: its button swaps the result grid for a help text and back, and
// printing and charting wait while the help shows.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QPushButton;
class QStackedWidget;
class QWidget;

namespace brisk {

class TextArea;

class QuickHelp : public QObject {
    Q_OBJECT
  public:
    // `text` makes the help text when it is opened (it may depend on the settings of the moment).
    QuickHelp(QPushButton* button, QStackedWidget* stack, QWidget* grid, TextArea* area,
              QList<QPushButton*> disabledWhileOpen, std::function<QString()> text);
    void toggle();
    void close();
    bool isOpen() const;

  private:
    QPushButton* m_button;
    QStackedWidget* m_stack;
    QWidget* m_grid;
    TextArea* m_area;
    QList<QPointer<QPushButton>> m_disabled;
    std::function<QString()> m_text;
};

} // namespace brisk
