// The database menu: open and save the file, sort it, and open the editor, the sheet, extract and the trend
// graph.
#pragma once

#include <QString>
#include <QWidget>

#include <optional>

class QLabel;

namespace brisk {

class DatabaseDocument;
enum class FileOp;
struct ProgramState;

class DatabaseMenu : public QWidget {
    Q_OBJECT
  public:
    // The menu makes the document its windows work on, and owns it.
    explicit DatabaseMenu(ProgramState& program, QWidget* parent = nullptr);
    DatabaseDocument& document() const { return *m_document; }
    bool loadFile(const QString& path); // false (message 13 shown) leaves an empty database
    bool saveFile(const QString& path); // false (message 25 shown) leaves the earlier file whole
    void openFile();
    void saveFileAs();
    void exitToMenu();
    void sortDatabase();
    void extractRange();
    void showTrendGraph();
    void importPriceFile();
    // False (cancelled, or message 13 shown) leaves the database as it was.
    bool importPrices(const QString& path);
    void updateInfoLabel();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    bool leaveAllowed();
    std::optional<QString> chooseFile(FileOp op);
    void rememberFolder(const QString& path);

    ProgramState& m_program;
    DatabaseDocument* m_document;
    QLabel* m_info;
};

} // namespace brisk
