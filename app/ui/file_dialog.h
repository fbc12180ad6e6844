// The file-type dialog: the open or save dialog for the operation in FileOp, with that database
// type's filter; the chosen path comes back in ChosenFile, a cancel as FileOp 9.
#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace brisk {

inline constexpr int kFileOpCancelled = 9;

struct FileOperation {
    bool save;
    QString filter; // as the dialog shows it: "Mortgage Database (*.umd)"
    QString suffix; // the filter's extension, given to a name typed without one
    QString initialName;
};

// The dialog for a FileOp of 1, 2 or 5 to 8; nothing for any other value.
std::optional<FileOperation> fileOperation(int fileOp);

// Shows the dialog (Qt's own, the same on every desktop) and sets ChosenFile and FileOp.
void FileDirectory(QWidget* parent = nullptr);

} // namespace brisk
