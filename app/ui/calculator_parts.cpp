#include "app/ui/calculator_parts.h"

#include "app/ui/twips.h"

namespace brisk {

QLabel* fieldCaption(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    if (buddy) label->setBuddy(buddy);
    return label;
}

QPushButton* commandButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel* programTitle(QWidget* parent) {
    auto* title = new QLabel("Brisklane", parent);
    title->setObjectName("Label2");
    QFont serif("MS Serif");
    serif.setStyleHint(QFont::Serif);
    serif.setPixelSize(twips(480));
    serif.setBold(true);
    title->setFont(serif);
    title->setAlignment(Qt::AlignCenter);
    title->setMinimumSize(twipSize(7815, 675));
    return title;
}

QLabel* resultFigure(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(twips(1300));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace brisk
