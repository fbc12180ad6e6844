// The light-green entry box of every window: key filters, first key empties, Enter moves on,
// leaving stores and re-formats; optionally with a drop-down list of items.
#pragma once

#ifndef Q_MOC_RUN // moc cannot read the standard library's concepts
#include "app/core/currency.h"
#include "app/core/key_filter.h"
#endif

#include <QLineEdit>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <string>

class QMenu;

namespace brisk {

class EntryBox : public QLineEdit {
    Q_OBJECT
  public:
    enum class Kind {
        Amount,   // money: currency symbol, money mask
        Rate,     // a percentage with its mask, followed by "%"
        Whole,    // a whole number: digits only
        Text,     // text: the first key empties it, a double quote is refused
        FreeText, // text edited as it stands, a double quote is refused
        Date,     // a date: digits and the separators . - /; the first key empties it
        Number,   // a decimal figure with its mask and no symbol (earnings, a record's value)
    };

    explicit EntryBox(Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return m_kind; }
    // A box whose meaning changes with a window's option (a rate in one, an amount in the other).
    void setKind(Kind kind);
    // The display mask and width of the stored value; for a rate also its decimals (2 or 3).
    void setFormat(const QString& mask, int width, int decimals = 2);
    // A box whose first key adds to the text instead of replacing it.
    void setEmptiesOnFirstKey(bool empties) { m_emptiesOnFirstKey = empties; }
    // Backspace and Delete empty the whole box (a small figure retyped, not edited).
    void setEraseEmpties(bool empties) { m_eraseEmpties = empties; }
    // A rate box that takes a minus sign: "-" empties the box and stays, for a negative rate.
    void setAllowMinus(bool allow) {
        m_allowMinus = allow;
        updateGeometry();
    }
    // Where Enter moves the focus; the next widget in the tab order when none is set.
    void setNext(QWidget* next) { m_next = next; }
    // A drop-down list of items; with listOnly the box takes no typing, only a choice.
    void setItems(const QStringList& items, bool listOnly = false);
    bool listOnly() const { return m_listOnly; }
    // Opens the list of items under the box; the item chosen is shown (and stored on leaving).
    void showList();
    QStringList items() const { return m_items; }
    // The item the box shows (items and text compared without their blanks); -1 for none.
    int currentItem() const;

    // Fills the box from a value without the edit handlers (defaults, files).
    void setValue(double value);
    double value() const { return m_value; }
    // The text of the value as the box shows it after storing.
    QString displayText(double value) const;

    // The symbol an amount is shown and typed with (the user's, from the personal settings).
    void setCurrencySymbol(const std::string& symbol) { m_symbol = symbol; }

    // Runs on leaving, before storing: a window's limit checks (it may put the limit back as text).
    void setLimitCheck(std::function<void(EntryBox&)> check) { m_limitCheck = std::move(check); }

    // The box is never narrower than `pixels`, and always wide enough for the widest text it can
    // show (the largest figure of its mask with the currency symbol, its longest list item) in its
    // own font: the layouts read this from the size hints.
    void setLeastWidth(int pixels);
    QString widestText() const;
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

    // Stores the box as leaving it does (the focused box: the edited flag is one for all boxes).
    void store();

  signals:
    void stale(); // the window's results no longer match the inputs
    void stored(double value);
    void refused(); // a key was refused (the box beeps)

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void markEdited();
    void refuse();
    void moveToNext();
    void chooseItem(const QString& item);
    int widthFor(const QString& text) const;
    bool filterCharacter(int code);
    bool typeCharacter(QChar character);
    void typeText(const QString& pasted);
    bool takesDecimals() const;

    Kind m_kind;
    QString m_mask;
    int m_width = 0;
    int m_decimals = 2;
    int m_leastWidth = 0;
    double m_value = 0;
    bool m_listOnly = false;
    bool m_allowMinus = false;
    bool m_emptiesOnFirstKey = true;
    bool m_eraseEmpties = false;
    bool m_storing = false;
    std::string m_symbol = "$";
    QStringList m_items;
    QPointer<QWidget> m_next;
    std::function<void(EntryBox&)> m_limitCheck;
};

#ifndef Q_MOC_RUN
// Whether the box with the focus was typed into: one for every box, as only one has the keyboard.
EntryState& typingState();

// Keeps the input equal to what the box stores (0 when the figure is out of range).
void bindFigure(EntryBox* box, FigureSlot slot);
#endif

} // namespace brisk
