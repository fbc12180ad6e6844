#include "valuedb/ui/valuedb_state.h"

#include "app/core/numeric_parse.h"
#include "app/ui/main_menu.h"
#include "app/ui/main_window.h"
#include "app/ui/message_box.h"
#include "app/ui/program_state.h"
#include "valuedb/ui/database_menu.h"
#include "valuedb/ui/trend_graph_window.h"

#include <QMessageBox>

namespace brisk {

ValueDbState& valueDb() {
    static ValueDbState state;
    return state;
}

void registerValueDbWindows() {
    MainMenu::registerWindow(TaskWindow::DatabaseMenu, [](ProgramState&) { return new DatabaseMenu; });
    MainMenu::registerWindow(TaskWindow::TrendGraph, [](ProgramState&) { return new TrendGraphWindow; });
    // A .zrk opens in the database menu, in memory.
    MainMenu::registerFileOpener("zrk", {TaskWindow::DatabaseMenu, [](QWidget* window, const QString& path) {
                                             return static_cast<DatabaseMenu*>(window)->loadFile(path);
                                         }});
}

ValueDatabase& db() {
    return valueDb().db;
}
MainFrame* frame() {
    return program().frame;
}
void setCaption(const QString& caption) {
    if (frame()) frame()->setWindowTitle(caption);
}

void showDbMessage(Msg message, QWidget* parent, const QString& detail) {
    if (message == Msg::DatabaseFull) {
        QMessageBox::warning(parent, "Help", qs(valueDbMessageText(message)));
        return;
    }
    showMessage(message, parent, detail);
}

std::string todayText() {
    return shortDateText(today(), program().shell.DateForm);
}
std::optional<Date> readDate(const QString& text) {
    return parseDate(ss(text.trimmed()), program().shell.DateForm);
}
QString dateText(Date date) {
    return qs(shortDateText(date, program().shell.DateForm));
}

double typedValue(const QString& text) {
    QString plain = text.trimmed();
    const int point = plain.indexOf('.');
    if (point >= 0) plain = plain.left(point + 3);
    return parseEntryText(ss(plain), program().shell.CurrencySymbol);
}

} // namespace brisk
