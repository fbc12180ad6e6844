// The personal settings window: currency symbol, user name and printer font, kept in "Personal.zkp".
#pragma once

#include <QDialog>

class QButtonGroup;

namespace brisk {

struct ProgramState;

class EntryBox;

class SettingsDialog : public QDialog {
    Q_OBJECT
  public:
    // Edits and saves the personal settings of `program`.
    explicit SettingsDialog(ProgramState& program, QWidget* parent = nullptr);

    // Saves the settings and closes; a failed save is reported and the window stays open.
    void saveAndClose();

  private:
    EntryBox* m_currency;
    EntryBox* m_name;
    QButtonGroup* m_fonts;
    ProgramState& m_program;
};

} // namespace brisk
