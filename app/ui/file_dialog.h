// The file-type dialog: the open or save dialog of one kind of file, with that type's filter.
#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace brisk {

enum class FileOp {
    OpenDatabase,
    SaveDatabase,
    OpenMortgage,
    SaveMortgage,
    OpenLoan,
    SaveLoan,
    OpenPrices,
    SaveTable
};

struct FileOperation {
    bool save;
    QString filter; // as the dialog shows it: "Mortgage Database (*.umd)"; ";;" between several
    QString suffix; // the filter's extension, given to a name typed without one
    QString initialName;
    QString folder; // of the file in memory; empty for the user's data folder
};

// `current`: the file in memory of the window asking (its whole path), where the dialog starts.
FileOperation fileOperation(FileOp op, const QString& current = {});

// Shows the dialog (the desktop's own where there is one), in the folder of the file in memory or
// the one last used for the kind, offering the folders of its recent files: the chosen path, or
// nothing when the user cancelled.
std::optional<QString> FileDirectory(FileOp op, QWidget* parent = nullptr, const QString& current = {});

} // namespace brisk
