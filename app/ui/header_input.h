// The printout header window: one line of header text, or a cancel, for the printout about to start.
#pragma once

#include <QDialog>

#include <optional>
#include <string>

namespace brisk {

class EntryBox;

class PrintHeaderDialog : public QDialog {
    Q_OBJECT
  public:
    explicit PrintHeaderDialog(QWidget* parent = nullptr);
    QString header() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    EntryBox* m_header;
};

// Shows the window modally: the header typed, or nothing when the user cancelled (any text, even
// an empty one or "1", can be a header).
std::optional<std::string> askPrintHeader(QWidget* parent = nullptr);

} // namespace brisk
