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

AMsgbox::AMsgbox(QWidget* parent) : QDialog(parent) {
    setObjectName("AMsgbox");
    setWindowTitle("Help");
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName("TextMsg");
    m_text->setReadOnly(true);
    m_text->setPlainText(messageText());
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

QString AMsgbox::messageText() const {
    const ShellState& s = program().shell;
    const std::string todayText = shortDateText(today(), s.DateForm);
    return qs(MessageText(s.MsgNumber, {.detail = s.MsgDetail,
                                        .lowText = s.MsgLowText,
                                        .graphTitle = program().chart.GraphTitle,
                                        .today = todayText}));
}

void AMsgbox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    placeDialog(this, kMessageBoxOffsets);
}

AllYesNo::AllYesNo(QWidget* parent) : QDialog(parent) {
    setObjectName("AllYesNo");
    setWindowTitle("Help");
    m_label = new QLabel(questionText(), this);
    m_label->setObjectName("Label1");
    m_label->setWordWrap(true);
    auto* yes = new QPushButton("&Yes", this);
    yes->setObjectName("AllYes");
    yes->setDefault(true);
    auto* no = new QPushButton("&No", this);
    no->setObjectName("AllNo");
    connect(yes, &QPushButton::clicked, this, [this] {
        program().shell.AskNumber = kAnswerYes;
        accept();
    });
    connect(no, &QPushButton::clicked, this, [this] {
        program().shell.AskNumber = kAnswerNo;
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

QString AllYesNo::questionText() const {
    const ShellState& s = program().shell;
    return qs(QuestionText(s.AskNumber, s.DbFileName, s.MsgDetail));
}

void AllYesNo::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    placeDialog(this, kYesNoOffsets);
}

void showMessage(int number, QWidget* parent, const QString& detail, const QString& lowText) {
    ShellState& s = program().shell;
    s.MsgNumber = number;
    s.MsgDetail = ss(detail);
    s.MsgLowText = ss(lowText);
    AMsgbox box(parent);
    box.exec();
}

bool askYesNo(int askNumber, QWidget* parent, const QString& detail) {
    ShellState& s = program().shell;
    s.AskNumber = askNumber;
    s.MsgDetail = ss(detail);
    AllYesNo box(parent);
    box.exec();
    return s.AskNumber == kAnswerYes; // closing the box unanswered leaves the question number: no
}

} // namespace brisk
