#include "app/ui/message_box.h"

#include "app/core/messages.h"
#include "app/ui/dialog_placement.h"
#include "app/ui/program_state.h"
#include "app/ui/twips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brisk {

MessageDialog::MessageDialog(Msg message, const QString& detail, const QString& lowText, QWidget* parent)
    : QDialog(parent) {
    setObjectName("AMsgbox");
    setWindowTitle("Help");
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName("TextMsg");
    m_text->setAccessibleName("Message");
    m_text->setReadOnly(true);
    const std::string detailText = ss(detail), low = ss(lowText);
    const std::string todayText = shortDateText(today(), program().shell.DateForm);
    // Message 25 names the rejected file in front of its text.
    m_text->setPlainText(qs(MessageText(
        message, {.detail = detailText, .lowText = low, .fileName = detailText, .today = todayText})));
    auto* exit = new QPushButton("E&xit", this);
    exit->setObjectName("AMsgExit");
    exit->setDefault(true);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(exit, 0, Qt::AlignHCenter);
    resize(twipSize(4200, 2200));
    exit->setFocus();
}

QString MessageDialog::messageText() const {
    return m_text->toPlainText();
}

void MessageDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    placeDialog(this, kMessageBoxOffsets);
}

QuestionDialog::QuestionDialog(Question question, const QString& detail, QWidget* parent) : QDialog(parent) {
    setObjectName("AllYesNo");
    setWindowTitle("Help");
    // The detail names the file in memory in question 3, the record in question 4.
    m_label = new QLabel(qs(QuestionText(question, ss(detail), ss(detail))), this);
    m_label->setObjectName("Label1");
    m_label->setWordWrap(true);
    auto* yes = new QPushButton("&Yes", this);
    yes->setObjectName("AllYes");
    yes->setDefault(true);
    auto* no = new QPushButton("&No", this);
    no->setObjectName("AllNo");
    connect(yes, &QPushButton::clicked, this, [this] {
        m_answer = Answer::Yes;
        accept();
    });
    connect(no, &QPushButton::clicked, this, [this] {
        m_answer = Answer::No;
        reject();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addLayout(buttons);
    setMinimumWidth(twips(3600));
}

QString QuestionDialog::questionText() const {
    return m_label->text();
}

void QuestionDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    placeDialog(this, kYesNoOffsets);
}

void showMessage(Msg message, QWidget* parent, const QString& detail, const QString& lowText) {
    MessageDialog box(message, detail, lowText, parent);
    box.exec();
}

QuestionDialog::Answer ask(Question question, QWidget* parent, const QString& detail) {
    QuestionDialog box(question, detail, parent);
    box.exec();
    return box.answer();
}

bool askYesNo(Question question, QWidget* parent, const QString& detail) {
    return ask(question, parent, detail) == QuestionDialog::Answer::Yes;
}

} // namespace brisk
