// The record-number dialog of the editor: which record to correct, insert before or delete.
#pragma once

#include <QDialog>

namespace brisk {

class InRecNum : public QDialog {
    Q_OBJECT
  public:
    explicit InRecNum(QWidget* parent = nullptr);
};

} // namespace brisk
