// The extract dialog: the records between two record numbers become the database.
#pragma once

#include <QDialog>

namespace brisk {

class ExtractDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ExtractDialog(QWidget* parent = nullptr);
    void extractRecords();
};

} // namespace brisk
