// The shared message box (numbered messages) and yes/no box (numbered questions).
#pragma once

// moc reads no further than the class; the core header's C++20 library includes are beyond it.
#ifndef Q_MOC_RUN
#include "app/core/messages.h"
#endif

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace brisk {

// Shows a numbered message until the user exits it.
class MessageDialog : public QDialog {
    Q_OBJECT
  public:
    MessageDialog(Msg message, const QString& detail, const QString& lowText, QWidget* parent = nullptr);
    QString messageText() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPlainTextEdit* m_text;
};

// Asks a numbered question: Yes accepts, No rejects, closing the box cancels.
class QuestionDialog : public QDialog {
    Q_OBJECT
  public:
    QuestionDialog(Question question, const QString& detail, QWidget* parent = nullptr);
    QString questionText() const;
    enum class Answer { Yes, No, Cancel };
    Answer answer() const { return m_answer; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* m_label;
    Answer m_answer = Answer::Cancel;
};

void showMessage(Msg message, QWidget* parent = nullptr, const QString& detail = {},
                 const QString& lowText = {});
// The answer to the question; a box closed without one is Cancel.
QuestionDialog::Answer ask(Question question, QWidget* parent = nullptr, const QString& detail = {});
// True for Yes alone.
bool askYesNo(Question question, QWidget* parent = nullptr, const QString& detail = {});

} // namespace brisk
