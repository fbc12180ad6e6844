// The about box.
#pragma once

#include <QDialog>

namespace brisk {

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent = nullptr);
};

} // namespace brisk
