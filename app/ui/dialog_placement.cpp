#include "app/ui/dialog_placement.h"

#include "app/ui/main_window.h"
#include "app/ui/program_state.h"
#include "app/ui/twips.h"

namespace brisk {

void placeDialog(QWidget* dialog, const DialogOffsets& offsets) {
    const QWidget* frame = program().frame;
    const QPoint origin = frame ? frame->frameGeometry().topLeft() : QPoint(0, 0);
    dialog->move(origin + twipPoint(offsets.forLayout(program().shell.LayoutClass)));
}

} // namespace brisk
