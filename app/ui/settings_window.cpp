#include "app/ui/settings_window.h"

#include "app/core/atomic_file.h"
#include "app/core/personal_settings.h"
#include "app/ui/entry_box.h"
#include "app/ui/program_state.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brisk {

SettingsDialog::SettingsDialog(ProgramState& program, QWidget* parent) : QDialog(parent), m_program(program) {
    setObjectName("ChangeFnt");
    setWindowTitle("Personalize");
    ShellState& shell = m_program.shell;

    m_currency = new EntryBox(EntryBox::Kind::Text, this);
    m_currency->setObjectName("InCurrency");
    m_currency->setText(qs(shell.CurrencySymbol));
    auto* currencyLabel = new QLabel("  Change Currency Symbol.", this);
    currencyLabel->setBuddy(m_currency);

    m_name = new EntryBox(EntryBox::Kind::FreeText, this);
    m_name->setObjectName("InMyName");
    m_name->setText(qs(shell.UserName));
    auto* nameLabel = new QLabel("Type in your name", this);
    nameLabel->setBuddy(m_name);

    auto* fontFrame = new QGroupBox("Change Printer Font", this);
    auto* fontLayout = new QVBoxLayout(fontFrame);
    m_fonts = new QButtonGroup(this);
    const char* fontCaptions[] = {"Standard Printer Font", "Courier New 10 point font",
                                  "Courier New 11 point font", "Courier New 12 point font"};
    for (int index = 3; index >= 0; --index) {
        auto* option = new QRadioButton(fontCaptions[index], fontFrame);
        option->setObjectName(QString("PtrFt%1").arg(index));
        m_fonts->addButton(option, index);
        fontLayout->addWidget(option);
    }
    const int choice =
        shell.PrinterFontChoice >= 0 && shell.PrinterFontChoice <= 3 ? shell.PrinterFontChoice : 0;
    m_fonts->button(choice)->setChecked(true);
    connect(m_fonts, &QButtonGroup::idClicked, this,
            [this](int id) { m_program.shell.PrinterFontChoice = id; });

    auto* exit = new QPushButton("E&xit to Menu", this);
    exit->setObjectName("ExitFonts");
    exit->setAutoDefault(false);
    m_currency->setNext(m_name);
    m_name->setNext(exit);
    connect(m_name, &EntryBox::stored, this, [this] { m_program.shell.UserName = ss(m_name->text()); });
    connect(exit, &QPushButton::clicked, this, &SettingsDialog::saveAndClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(currencyLabel);
    layout->addWidget(m_currency);
    layout->addWidget(nameLabel);
    layout->addWidget(m_name);
    layout->addWidget(fontFrame);
    layout->addWidget(exit, 0, Qt::AlignRight);
    m_currency->setFocus();
}

void SettingsDialog::saveAndClose() {
    ShellState& shell = m_program.shell;
    // An empty symbol shows as "$" now, as it will after the next start.
    const QString symbol = m_currency->text().trimmed();
    shell.CurrencySymbol = symbol.isEmpty() ? "$" : ss(symbol);
    shell.UserName = ss(m_name->text());
    const PersonalSettings settings{ss(symbol), shell.PrinterFontChoice, shell.UserName};
    if (const auto written =
            writeFileAtomically(ss(m_program.settingsPath()), personalSettingsBytes(settings));
        !written) {
        QMessageBox::warning(
            this, "Personalize",
            QString("The settings could not be saved in %1: %2.\nThe settings saved before are "
                    "kept there.")
                .arg(m_program.settingsPath(), qs(written.error())));
        return;
    }
    accept();
}

} // namespace brisk
