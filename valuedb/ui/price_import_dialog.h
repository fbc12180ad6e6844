// Before prices from a file are merged: the weeks as they will be stored, what each does to the
// database, and the choices of columns and date order; Import or Cancel.
#pragma once

#include <QDialog>

#ifndef Q_MOC_RUN
#include "valuedb/core/price_import.h"
#endif

#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;

namespace brisk {

class ResultGrid;
struct ProgramState;

class PriceImportDialog : public QDialog {
    Q_OBJECT
  public:
    // `csv` is the file's text; `db` the database the weeks merge into.
    PriceImportDialog(const ProgramState& program, const ValueDatabase& db, const QString& fileName,
                      std::string csv, QWidget* parent = nullptr);
    // The merged database when Import was pressed.
    const std::optional<PriceImport>& imported() const { return m_import; }

  private:
    // Reads the file again with the choices as they stand and shows what the import would do.
    void preview();
    PriceImportOptions chosenOptions() const;

    const ProgramState& m_program;
    const ValueDatabase& m_db;
    std::string m_csv;
    std::optional<PriceImport> m_import;
    QComboBox* m_dateColumn;
    QComboBox* m_valueColumn;
    QComboBox* m_dateOrder;
    QLabel* m_plan;
    ResultGrid* m_weeks;
    QPushButton* m_importButton;
};

// Reads the file and lets the user look before the import: the merged database, or nothing when the
// file cannot be read (message 13 shown) or the user cancels.
std::optional<PriceImport> previewPriceImport(const ProgramState& program, const ValueDatabase& db,
                                              const QString& path, QWidget* parent);

} // namespace brisk
