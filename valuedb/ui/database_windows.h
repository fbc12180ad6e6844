// The value database's registration with the main menu, and the small helpers its windows share.
#pragma once

#include "app/core/dates.h"
#include "app/core/messages.h"

#include <QString>

#include <optional>
#include <string>

class QWidget;

namespace brisk {

struct ProgramState;

// EditMode: what the editor's Add Record does with the record typed.
enum class EditAction { Adding = 0, Correcting = 1, Inserting = 2, Deleting = 3 };
struct RecordChoice {
    EditAction action;
    int record; // from 1
};

// Makes the main menu's "Brisklane Menu" open the database menu, and .zrk files open in it.
void registerValueDbWindows();

// Shared by the database windows.
void setCaption(const ProgramState& program, const QString& caption);
// The numbered messages and the database's own, in the shared message box's place.
void showDbMessage(Msg message, QWidget* parent, const QString& detail = {});
std::string todayText(const ProgramState& program);
std::optional<Date> readDate(const ProgramState& program, const QString& text);
QString dateText(const ProgramState& program, Date date);
// The value typed: cut after two decimals as text, so what was typed is what is kept.
double typedValue(const ProgramState& program, const QString& text);

} // namespace brisk
