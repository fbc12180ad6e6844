// Small pieces the windows are built from: field captions, command buttons and result figures.
#pragma once

#include <QLabel>
#include <QPushButton>

namespace brisk {

// A caption above its field, wrapped as the fixed-width captions were; its mnemonic targets `buddy`.
QLabel* fieldCaption(QWidget* parent, const QString& text, QWidget* buddy = nullptr);
// A command button that does not take Enter from the entry boxes (Enter moves between boxes).
QPushButton* commandButton(QWidget* parent, const QString& name, const QString& caption);
// The "Brisklane" title of the two menus, in the serif face.
QLabel* programTitle(QWidget* parent);

// A read-only result figure in a sunken frame.
QLabel* resultFigure(QWidget* parent, const QString& name);

} // namespace brisk
