#include "app/ui/file_dialog.h"

#include "app/ui/desktop_memory.h"
#include "app/ui/program_state.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>

namespace brisk {

FileOperation fileOperation(FileOp op, const QString& current) {
    const ShellState& s = program().shell;
    const QFileInfo file(current);
    const QString name = current.isEmpty() ? QString() : file.fileName();
    const QString folder = current.isEmpty() ? QString() : file.absolutePath();
    const QString zrk = "Investment Manager Database (*.zrk)";
    const QString umd = "Mortgage Database (*.umd)";
    const QString uld = "Loan Database (*.uld)";
    // Price exports arrive with the browser's downloads; tables go where documents do; after that,
    // both go where the last CSV file was, in this run or an earlier one.
    const auto csvFolder = [&s](QStandardPaths::StandardLocation first) {
        if (!s.CsvFolder.empty()) return qs(s.CsvFolder);
        const QString last = lastFolder("csv");
        return last.isEmpty() ? QStandardPaths::writableLocation(first) : last;
    };
    switch (op) {
    case FileOp::OpenDatabase:
        return FileOperation{false, zrk, "zrk", name, current.isEmpty() ? qs(s.DbFolder) : folder};
    case FileOp::SaveDatabase:
        return FileOperation{true, zrk, "zrk", name, current.isEmpty() ? qs(s.DbFolder) : folder};
    case FileOp::OpenMortgage:
        return FileOperation{false, umd, "umd", name, folder};
    case FileOp::SaveMortgage:
        return FileOperation{true, umd, "umd", name, folder};
    case FileOp::OpenLoan:
        return FileOperation{false, uld, "uld", name, folder};
    case FileOp::SaveLoan:
        return FileOperation{true, uld, "uld", name, folder};
    case FileOp::OpenPrices:
        return FileOperation{false,
                             "CSV Files (*.csv *.CSV *.txt);;All Files (*)",
                             "csv",
                             {},
                             csvFolder(QStandardPaths::DownloadLocation)};
    case FileOp::SaveTable:
        return FileOperation{
            true, "CSV Files (*.csv)", "csv", {}, csvFolder(QStandardPaths::DocumentsLocation)};
    }
    return FileOperation{false, zrk, "zrk", {}, {}};
}

std::optional<QString> FileDirectory(FileOp fileOp, QWidget* parent, const QString& current) {
    const std::optional<FileOperation> op = fileOperation(fileOp, current);
    QFileDialog dialog(parent, "Folders");
    dialog.setObjectName("FileDir");
    // The desktop's own dialog where it has one; Qt's where there is no desktop (the tests find its
    // widgets) or where BRISKLANE_QT_FILE_DIALOG asks for it.
    if (QGuiApplication::platformName() == "offscreen" ||
        qEnvironmentVariableIsSet("BRISKLANE_QT_FILE_DIALOG"))
        dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(op->save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(op->save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(op->filter.split(";;"));
    dialog.setDefaultSuffix(op->suffix);
    const QFileInfo initial(op->initialName);
    const QString last = lastFolder(op->suffix);
    dialog.setDirectory(!op->folder.isEmpty()  ? op->folder
                        : initial.isAbsolute() ? initial.absolutePath()
                        : !last.isEmpty()      ? last
                                               : program().dataFolder);
    // The folders of the files of this kind used lately, in the "Look in" list. Qt shows the history's
    // last entry first, so the newest goes last. (The side bar is left alone: Qt keeps it for every
    // program and file kind alike.)
    QStringList recentFolders;
    for (const QString& file : recentFiles(op->suffix))
        if (const QString folder = QFileInfo(file).absolutePath(); !recentFolders.contains(folder))
            recentFolders.prepend(folder);
    dialog.setHistory(recentFolders);
    if (!op->initialName.isEmpty()) dialog.selectFile(initial.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = QDir::toNativeSeparators(dialog.selectedFiles().first());
    rememberFile(op->suffix, chosen);
    if (fileOp == FileOp::OpenPrices || fileOp == FileOp::SaveTable)
        program().shell.CsvFolder = ss(QFileInfo(chosen).absolutePath());
    return chosen;
}

} // namespace brisk
