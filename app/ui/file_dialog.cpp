#include "app/ui/file_dialog.h"

#include "app/ui/program_state.h"

#include <QDir>
#include <QFileDialog>

namespace brisk {

std::optional<FileOperation> fileOperation(int fileOp) {
    const ShellState& s = program().shell;
    const QString zrk = "Investment Manager Database (*.zrk)";
    const QString umd = "Mortgage Database (*.umd)";
    const QString uld = "Loan Database (*.uld)";
    switch (fileOp) {
    case 1:
        return FileOperation{false, zrk, "zrk", qs(s.DbFileName)};
    case 2:
        return FileOperation{true, zrk, "zrk", qs(s.DbFileName)};
    case 5:
        return FileOperation{false, umd, "umd", qs(s.MortFileName)};
    case 6:
        return FileOperation{true, umd, "umd", qs(s.MortFileName)};
    case 7:
        return FileOperation{false, uld, "uld", qs(s.LoanFileName)};
    case 8:
        return FileOperation{true, uld, "uld", qs(s.LoanFileName)};
    default:
        return std::nullopt;
    }
}

void FileDirectory(QWidget* parent) {
    ShellState& s = program().shell;
    const auto op = fileOperation(s.FileOp);
    if (!op) return;
    QFileDialog dialog(parent, "Folders");
    dialog.setObjectName("FileDir");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(op->save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(op->save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(op->filter);
    dialog.setDefaultSuffix(op->suffix);
    const QFileInfo initial(op->initialName);
    dialog.setDirectory(initial.isAbsolute() ? initial.absolutePath() : program().dataFolder);
    if (!op->initialName.isEmpty()) dialog.selectFile(initial.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        s.FileOp = kFileOpCancelled;
        s.ChosenFile.clear();
        return;
    }
    s.ChosenFile = ss(QDir::toNativeSeparators(dialog.selectedFiles().first()));
}

} // namespace brisk
