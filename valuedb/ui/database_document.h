// The value database one database menu works on: the records in memory, the file they came from,
// whether they changed since, and what the menu's windows share about them.
#pragma once

#include <QObject>
#include <QString>

#ifndef Q_MOC_RUN
#include "valuedb/core/averages.h"
#include "valuedb/core/value_database.h"
#endif

namespace brisk {

class DatabaseDocument : public QObject {
    Q_OBJECT
  public:
    explicit DatabaseDocument(QObject* parent = nullptr);

    const ValueDatabase& database() const { return m_db; }
    // For edits in place; edited() tells the windows afterwards.
    ValueDatabase& database() { return m_db; }
    void edited();
    // Records loaded, extracted or started anew, and the file they now belong to (empty for none).
    void replace(ValueDatabase db, const QString& fileName);

    QString fileName() const { return m_fileName; }
    void setFileName(const QString& fileName) { m_fileName = fileName; }

    // Unsaved changes since the file was loaded or saved.
    bool isModified() const { return m_db.DbChanged == 1; }
    void setModified(bool modified) { m_db.DbChanged = modified ? 1 : 0; }

    // The sheet counts its periods in weeks or in data values, kept while the sheet is closed.
    SheetPeriods sheetPeriods() const { return m_sheetPeriods; }
    void setSheetPeriods(SheetPeriods periods) { m_sheetPeriods = periods; }

  signals:
    void changed();

  private:
    ValueDatabase m_db;
    QString m_fileName;
    SheetPeriods m_sheetPeriods = SheetPeriods::Weeks;
};

} // namespace brisk
