#include "app/ui/header_input.h"

#include "app/core/layout_rules.h"
#include "app/ui/dialog_placement.h"
#include "app/ui/entry_box.h"
#include "app/ui/program_state.h"
#include "app/ui/twips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace brisk {

PrintHeaderDialog::PrintHeaderDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("PrinterHeaderInput");
    setWindowTitle("Input");
    auto* label = new QLabel(" Type in one line header information.", this);
    m_header = new EntryBox(EntryBox::Kind::FreeText, this);
    m_header->setObjectName("InFName");
    label->setBuddy(m_header);
    auto* accept = new QPushButton("Continue &Printout", this);
    accept->setObjectName("Acept");
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("NAcept");
    m_header->setNext(accept);
    connect(accept, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(accept);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_header);
    layout->addLayout(buttons);
    setMinimumWidth(twips(4800));
    m_header->setFocus();
}

void PrintHeaderDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    placeDialog(this, kHeaderInputOffsets);
}

QString PrintHeaderDialog::header() const {
    return m_header->text();
}

std::optional<std::string> askPrintHeader(QWidget* parent) {
    PrintHeaderDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return ss(dialog.header());
}

} // namespace brisk
