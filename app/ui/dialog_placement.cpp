#include "app/ui/dialog_placement.h"

#include "app/ui/main_window.h"
#include "app/ui/program_state.h"
#include "app/ui/twips.h"

namespace brisk {

// Placed from the frame of the window that opens the dialog, by the frame's layout.
void placeDialog(QWidget* dialog, const DialogOffsets& offsets) {
    // The opener may itself be a dialog over the frame.
    const MainFrame* frame = nullptr;
    for (QWidget* opener = dialog->parentWidget(); opener && !frame;
         opener = opener->window()->parentWidget())
        frame = qobject_cast<const MainFrame*>(opener->window());
    const QPoint origin = frame ? frame->frameGeometry().topLeft() : QPoint(0, 0);
    const int layout = frame ? frame->program().shell.LayoutClass : 0;
    dialog->move(origin + twipPoint(offsets.forLayout(layout)));
}

} // namespace brisk
