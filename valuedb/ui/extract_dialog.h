// The extract dialog: the records between two record numbers become the database.
#pragma once

#include <QDialog>

#ifndef Q_MOC_RUN
#include "valuedb/core/value_database.h"
#endif

#include <optional>

namespace brisk {

class DatabaseDocument;
struct ProgramState;

class ExtractDialog : public QDialog {
    Q_OBJECT
  public:
    ExtractDialog(ProgramState& program, const DatabaseDocument& document, QWidget* parent = nullptr);
    // The records kept, as a database of their own; nothing when cancelled. The document is the
    // caller's to change.
    static std::optional<ValueDatabase> ask(ProgramState& program, const DatabaseDocument& document,
                                            QWidget* parent);
    void setRange(int low, int high);
    void extractRecords();
    const std::optional<ValueDatabase>& extracted() const { return m_extracted; }

  private:
    ProgramState& m_program;
    const DatabaseDocument& m_document;
    int m_low = 1, m_high = 0;
    std::optional<ValueDatabase> m_extracted;
};

} // namespace brisk
