// The database menu: open and save the file, sort it, and open the editor, the sheet, extract and the trend
// graph.
#pragma once

#include <QWidget>

class QLabel;

namespace brisk {

class DatabaseMenu : public QWidget {
    Q_OBJECT
  public:
    explicit DatabaseMenu(QWidget* parent = nullptr);
    bool loadFile(const QString& path); // false (message 13 shown) leaves an empty database
    bool saveFile(const QString& path); // false (message 25 shown) leaves the earlier file whole
    void openFile();
    void saveFileAs();
    void exitToMenu();
    void sortDatabase();
    void importPriceFile();
    // False (cancelled, or message 13 shown) leaves the database as it was.
    bool importPrices(const QString& path);
    void updateInfoLabel();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    bool leaveAllowed();
    QLabel* m_info;
};

} // namespace brisk
