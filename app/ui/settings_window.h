// The personal settings window: currency symbol, user name and printer font, kept in "Personal.zkp".
#pragma once

#include <QDialog>

class QButtonGroup;

namespace brisk {

class EntryBox;

class SettingsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit SettingsDialog(QWidget* parent = nullptr);

    // Saves the settings and closes; a failed save is reported and the window stays open.
    void saveAndClose();

  private:
    EntryBox* m_currency;
    EntryBox* m_name;
    QButtonGroup* m_fonts;
};

} // namespace brisk
