// The printout header window: one line of header text, or a cancel, for the printout about to start.
#pragma once

#include <QDialog>

namespace brisk {

class EntryBox;

class PrinterHeaderInput : public QDialog {
    Q_OBJECT
  public:
    explicit PrinterHeaderInput(QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    EntryBox* m_header;
};

// Shows the window modally; true when the user chose to print (the text is in PrintHeader).
bool askPrintHeader(QWidget* parent = nullptr);

} // namespace brisk
