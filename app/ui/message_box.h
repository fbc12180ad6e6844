// The shared message box (numbered messages) and yes/no box (numbered questions).
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace brisk {

// Shows the message in MsgNumber (with MsgDetail and MsgLowText) until the user exits it.
class AMsgbox : public QDialog {
    Q_OBJECT
  public:
    explicit AMsgbox(QWidget* parent = nullptr);
    QString messageText() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPlainTextEdit* m_text;
};

// Asks the question in AskNumber; AskNumber comes back 6 for yes, 0 for no.
class AllYesNo : public QDialog {
    Q_OBJECT
  public:
    explicit AllYesNo(QWidget* parent = nullptr);
    QString questionText() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* m_label;
};

// The caller's side: set the request, show the box modally, read the answer.
void showMessage(int number, QWidget* parent = nullptr, const QString& detail = {},
                 const QString& lowText = {});
bool askYesNo(int askNumber, QWidget* parent = nullptr, const QString& detail = {});

} // namespace brisk
