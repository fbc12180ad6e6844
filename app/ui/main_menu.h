// The main menu: fourteen buttons that open the calculators, the value database, the help files,
// the settings and the about box; and the reading of the personal settings at start.
#pragma once

#include <QMap>
#include <QWidget>

#include <functional>

class QDialog;
class QLabel;
class QPushButton;

namespace brisk {

class MainFrame;

class MainMenu : public QWidget {
    Q_OBJECT
  public:
    explicit MainMenu(MainFrame* frame);

    // Each subsystem registers how its task windows are made, by window name ("MortgageCalc").
    using Opener = std::function<QWidget*()>;
    static void registerWindow(const QString& windowName, Opener opener);
    static bool hasWindow(const QString& windowName);
    static QWidget* makeWindow(const QString& windowName);

    // Each subsystem registers the files it opens, by suffix ("zrk"): the window that opens them
    // (after `prepare`, which sets its mode) and how it loads one, as its Open File does; false
    // when the file could not be read (its message shown).
    struct FileOpener {
        QString windowName;
        std::function<void()> prepare;
        std::function<bool(QWidget* window, const QString& path)> load;
    };
    static void registerFileOpener(const QString& suffix, FileOpener opener);
    // Opens a file named on the command line or by the desktop in its window; a file that cannot be
    // read gives message 13 and leaves the main menu shown.
    bool openFile(const QString& path);

    // Reads "Personal.zkp" into the settings and shows the user's name when there is one.
    void loadPersonalSettings();
    void showUserName();
    QPushButton* button(const QString& name) const;

  private:
    void addButton(const QString& name, const QString& caption, int row, int column);
    void openWindow(const QString& windowName);
    void runModal(QDialog* dialog);

    MainFrame* m_frame;
    QLabel* m_name;
    QMap<QString, QPushButton*> m_buttons;
};

} // namespace brisk
