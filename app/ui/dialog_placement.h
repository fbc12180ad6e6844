// Places a small dialog at its offset from the frame's left and top edges for the layout class.
#pragma once

#include "app/core/layout_rules.h"

class QWidget;

namespace brisk {

void placeDialog(QWidget* dialog, const DialogOffsets& offsets);

} // namespace brisk
