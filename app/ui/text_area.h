// The read-only result and quick-help text area of the calculators: it takes no typing; Enter
// moves to the window's first entry box, any other key beeps.
#pragma once

#include <QPlainTextEdit>
#include <QPointer>

namespace brisk {

class TextArea : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit TextArea(QWidget* parent = nullptr);
    void setFirstBox(QWidget* box) { m_firstBox = box; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QPointer<QWidget> m_firstBox;
};

} // namespace brisk
