// The record-number dialog of the editor: which record to correct, insert before or delete.
#pragma once

#include "valuedb/ui/database_windows.h"

#include <QDialog>

#include <optional>

namespace brisk {

class RecordNumberDialog : public QDialog {
    Q_OBJECT
  public:
    // `gridRecNo` is the record clicked in the grid, offered as the number (0 for none).
    RecordNumberDialog(int gridRecNo, QWidget* parent = nullptr);
    // The option chosen with its record number; nothing when cancelled or no number was given.
    std::optional<RecordChoice> choice() const { return m_choice; }
    static std::optional<RecordChoice> ask(int gridRecNo, QWidget* parent);

  private:
    std::optional<RecordChoice> m_choice;
};

} // namespace brisk
