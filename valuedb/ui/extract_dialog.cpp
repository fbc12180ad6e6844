#include "valuedb/ui/extract_dialog.h"
#include "app/core/figure_format.h"

#include "app/core/mask_format.h"
#include "app/core/numeric_parse.h"
#include "app/core/whole_number.h"
#include "app/ui/calculator_parts.h"
#include "app/ui/entry_box.h"
#include "app/ui/message_box.h"
#include "app/ui/program_state.h"
#include "app/ui/text_area.h"
#include "valuedb/ui/database_document.h"
#include "valuedb/ui/database_windows.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace brisk {

ExtractDialog::ExtractDialog(ProgramState& program, const DatabaseDocument& document, QWidget* parent)
    : QDialog(parent), m_program(program), m_document(document) {
    setObjectName("Extract");
    setWindowTitle("Extract");
    setCaption(m_program, " Extract");
    const int count = m_document.database().RecordCount();
    m_high = count;
    auto* frameBox = new QGroupBox("Extract records from between two dates.", this);
    frameBox->setObjectName("Frame1");
    auto* low = new EntryBox(EntryBox::Kind::Whole, frameBox);
    low->setObjectName("LowRecNo");
    low->setFormat(mask::Number, 4);
    low->setValue(1);
    low->setAccessibleName("Extract from record");
    auto* high = new EntryBox(EntryBox::Kind::Whole, frameBox);
    high->setObjectName("HighRecNo");
    high->setFormat(mask::Number, 4);
    high->setValue(count);
    high->setAccessibleName("Extract to record");
    // A number outside 1 to the record count: message 43, and a number inside goes back.
    auto limit = [this, count](EntryBox& box) {
        const QString text = box.text().trimmed();
        const double n = text.isEmpty() ? 1 : parseEntryText(ss(text), "");
        if (n < 1 || n > count) {
            showMessage(Msg::OutOfRange, this, QString::number(count), " 1");
            box.setText(QString::number(n < 1 ? 1 : count));
            typingState().EntryEdited = 1;
        } else if (text.isEmpty()) {
            box.setText("1");
            typingState().EntryEdited = 1;
        }
    };
    low->setLimitCheck(limit);
    high->setLimitCheck(limit);
    connect(low, &EntryBox::stored, this, [this](double v) { m_low = static_cast<int>(v); });
    connect(high, &EntryBox::stored, this, [this](double v) { m_high = static_cast<int>(v); });
    auto* ok = commandButton(this, "ExtractOk", "&Extract Records");
    auto* cancel = commandButton(this, "ExitExtract", "&Cancel");
    auto* helpButton = commandButton(this, "HelpBut1", "Quick &Help");
    auto* help = new TextArea(this);
    help->setObjectName("HelpBoxE");
    help->hide();
    low->setNext(high);
    high->setNext(ok);
    connect(ok, &QPushButton::clicked, this, &ExtractDialog::extractRecords);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [helpButton, help] {
        if (helpButton->text() == "Quick &Help") {
            helpButton->setText("Close &Help");
            help->setPlainText(QStringList{
                "To view a group of records between any two dates, a new database is created with records "
                "from "
                "the existing database.",
                "Using the record numbers from beside the dates you want to include. Type these record "
                "numbers "
                "in the green input boxes.",
                "Click 'Extract Records' and the new file will be created and shown.",
                "This is to prevent you overwriting the original database file on disk if the same name was "
                "retained for the new database.",
                "The original database in memory is deleted."}
                                   .join("\r\n\r\n"));
            help->show();
            help->setFocus();
        } else {
            helpButton->setText("Quick &Help");
            help->clear();
            help->hide();
        }
    });
    auto* form = new QGridLayout(frameBox);
    form->addWidget(new QLabel(" Starting record number (Low)", frameBox), 0, 0);
    form->addWidget(low, 0, 1);
    form->addWidget(new QLabel(" Ending record number (High)", frameBox), 1, 0);
    form->addWidget(high, 1, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {ok, cancel, helpButton})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frameBox);
    layout->addLayout(buttons);
    layout->addWidget(help);
}

void ExtractDialog::setRange(int low, int high) {
    m_low = low;
    m_high = high;
}

void ExtractDialog::extractRecords() {
    const auto kept = brisk::extractRecords(m_document.database(), m_low, m_high);
    if (!kept) return showMessage(kept.message, this);
    m_extracted = *kept.value;
    accept();
}

std::optional<ValueDatabase> ExtractDialog::ask(ProgramState& program, const DatabaseDocument& document,
                                                QWidget* parent) {
    ExtractDialog dialog(program, document, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.extracted();
}

} // namespace brisk
