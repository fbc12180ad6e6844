// The value database's program-wide values (the database in memory and the editor's, the sheet's
// and the extract's state), and the small helpers its windows share.
#pragma once

#include "app/core/dates.h"
#include "valuedb/core/averages.h"
#include "valuedb/core/value_database.h"

#include <QString>

#include <optional>
#include <string>

class QWidget;

namespace brisk {

class MainFrame;

// EditMode: what the editor's Add Record does with the record typed.
enum class EditAction { Adding = 0, Correcting = 1, Inserting = 2, Deleting = 3 };
struct RecordChoice {
    EditAction action;
    int record; // from 1
};

// TrendGraphCaller: the window the trend graph returns to.
enum class TrendCaller { None = 0, Averages = 1, Menu = 2 };

struct ValueDbState {
    ValueDatabase db;
    SheetPeriods WeekPointsMode = SheetPeriods::Weeks;
    TrendCaller TrendGraphCaller = TrendCaller::None;
    EditAction EditMode = EditAction::Adding;
    int EditRecNo = 0;
    int GridRecNo = 0;
    int ExtractLow = 0, ExtractHigh = 0;
};

ValueDbState& valueDb();

// Makes the main menu's "Brisklane Menu" open the database menu, and its windows the trend graph.
void registerValueDbWindows();

// Shared by the database windows.
ValueDatabase& db();
MainFrame* frame();
void setCaption(const QString& caption);
// The numbered messages and the database's own, in the shared message box's place.
void showDbMessage(Msg message, QWidget* parent, const QString& detail = {});
std::string todayText();
std::optional<Date> readDate(const QString& text);
QString dateText(Date date);
// The value typed: cut after two decimals as text, so what was typed is what is kept.
double typedValue(const QString& text);

} // namespace brisk
