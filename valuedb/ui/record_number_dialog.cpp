#include "valuedb/ui/record_number_dialog.h"
#include "app/core/figure_format.h"

#include "app/core/mask_format.h"
#include "app/core/numeric_parse.h"
#include "app/ui/calculator_parts.h"
#include "app/ui/entry_box.h"
#include "app/ui/program_state.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace brisk {

namespace {

// The record number typed, rounded; one too large for an int stays beyond every record, so that
// the editor answers it as a record that does not exist.
int typedRecordNumber(const QString& text) {
    const double n = std::nearbyint(parseEntryText(ss(text), ""));
    if (!(n < std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    return n > std::numeric_limits<int>::min() ? static_cast<int>(n) : std::numeric_limits<int>::min();
}

} // namespace

RecordNumberDialog::RecordNumberDialog(int gridRecNo, QWidget* parent) : QDialog(parent) {
    setObjectName("InRecNum");
    setWindowTitle("Input ");
    auto* frameBox = new QGroupBox(" Select Option", this);
    auto* options = new QButtonGroup(this);
    auto* frameLayout = new QVBoxLayout(frameBox);
    const char* captions[] = {" Correct", " Insert", " Delete"};
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(captions[i], frameBox);
        option->setObjectName(QString("CorInsDel%1").arg(i));
        options->addButton(option, i);
        frameLayout->addWidget(option);
    }
    auto* prompt = new QLabel(this);
    prompt->setWordWrap(true);
    auto* number = new EntryBox(EntryBox::Kind::Whole, this);
    number->setObjectName("CurVal");
    number->setFormat(mask::Number, 4);
    number->setAccessibleName("Record number");
    auto* acceptButton = commandButton(this, "Accept", "&OK");
    auto* cancel = commandButton(this, "NoAccept", "&Cancel");
    number->setNext(acceptButton);
    connect(options, &QButtonGroup::idClicked, this, [number, prompt, gridRecNo](int index) {
        const char* prompts[] = {" Type in the record number       to correct.",
                                 " Type in 1. Automatic insertion   by date.",
                                 " Type in the record number        to delete."};
        prompt->setText(prompts[index]);
        if (index == 1)
            number->setText("1");
        else if (gridRecNo > 0)
            number->setText(QString::number(gridRecNo));
        else
            number->clear();
        number->setFocus(Qt::TabFocusReason);
        number->selectAll();
    });
    connect(acceptButton, &QPushButton::clicked, this, [this, number, options] {
        const int option = options->checkedId();
        const auto action = EditAction(option + 1);
        // Insertion goes by date: the number is always 1.
        const int record = action == EditAction::Inserting ? 1 : typedRecordNumber(number->text());
        if (option >= 0 && record != 0) m_choice = RecordChoice{action, record};
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(acceptButton);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frameBox);
    layout->addWidget(prompt);
    layout->addWidget(number);
    layout->addLayout(buttons);
}

std::optional<RecordChoice> RecordNumberDialog::ask(int gridRecNo, QWidget* parent) {
    RecordNumberDialog dialog(gridRecNo, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.choice();
}

} // namespace brisk
