#include "app/ui/quick_help.h"

#include "app/ui/text_area.h"

#include <QPushButton>
#include <QStackedWidget>

namespace brisk {

QuickHelp::QuickHelp(QPushButton* button, QStackedWidget* stack, QWidget* grid, TextArea* area,
                     QList<QPushButton*> disabledWhileOpen, std::function<QString()> text)
    : QObject(button), m_button(button), m_stack(stack), m_grid(grid), m_area(area), m_text(std::move(text)) {
    for (QPushButton* b : disabledWhileOpen)
        m_disabled << b;
    connect(button, &QPushButton::clicked, this, &QuickHelp::toggle);
}

bool QuickHelp::isOpen() const {
    return m_stack->currentWidget() == m_area;
}

void QuickHelp::toggle() {
    if (isOpen()) {
        close();
        return;
    }
    m_button->setText("Close &Help");
    m_area->setPlainText(m_text());
    m_stack->setCurrentWidget(m_area);
    for (auto& b : m_disabled)
        if (b) b->setEnabled(false);
}

void QuickHelp::close() {
    if (!isOpen()) return;
    m_button->setText("Quick &Help");
    m_area->clear();
    m_stack->setCurrentWidget(m_grid);
    for (auto& b : m_disabled)
        if (b) b->setEnabled(true);
}

} // namespace brisk
