#include "valuedb/ui/database_document.h"

namespace brisk {

DatabaseDocument::DatabaseDocument(QObject* parent) : QObject(parent) {}

void DatabaseDocument::edited() {
    emit changed();
}

void DatabaseDocument::replace(ValueDatabase db, const QString& fileName) {
    m_db = std::move(db);
    m_fileName = fileName;
    emit changed();
}

} // namespace brisk
