#include "mortgage/ui/mortgage_dialogs.h"
#include "app/core/figure_format.h"

#include "app/core/mask_format.h"
#include "app/core/numeric_parse.h"
#include "app/core/text_align.h"
#include "app/ui/entry_box.h"
#include "app/ui/message_box.h"
#include "app/ui/program_state.h"
#include "app/ui/result_grid.h"
#include "app/ui/twips.h"
#include "mortgage/core/mortgage_inputs.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace brisk {

namespace {

QString extraPaymentText(Currency amount) {
    return qs(Format(amount.toDouble(), mask::Amount));
}

// Amount cells take digits and one point with up to two decimals.
class AmountDelegate : public QStyledItemDelegate {
  public:
    explicit AmountDelegate(QAbstractItemView* view) : QStyledItemDelegate(view), m_view(view) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* editor = new QLineEdit(parent);
        editor->setValidator(
            new QRegularExpressionValidator(QRegularExpression("[0-9]{0,11}(\\.[0-9]{0,2})?"), editor));
        editor->setAlignment(Qt::AlignRight);
        return editor;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        const double value = parseEntryText(ss(index.data().toString()), "");
        static_cast<QLineEdit*>(editor)->setText(value > 0 ? QString::number(value, 'f', 2) : QString());
        static_cast<QLineEdit*>(editor)->selectAll();
    }

  protected:
    // Tab and Shift+Tab keep the amount typed and leave the grid, as they do when no cell is edited.
    // Left to the view they would move on to the year column, which takes no keys.
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint); // the focus is back on the grid
                QCoreApplication::sendEvent(m_view, key);                // which passes it on
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

  private:
    QAbstractItemView* m_view;
};

} // namespace

ExtraPaymentsDialog::~ExtraPaymentsDialog() = default;

ExtraPaymentsDialog::ExtraPaymentsDialog(const MortgageInputs& inputs, QWidget* parent)
    : QDialog(parent), m_edited(std::make_unique<MortgageInputs>(inputs)) {
    MortgageInputs& edited = *m_edited;
    setObjectName("MortPrePay");
    setWindowTitle("Additional Payments");
    m_years = edited.extraYears();
    edited.numberExtraYears();

    auto* yearsFrame = new QGroupBox("Apply a payment to year/s", this);
    m_grid = new ResultGrid(yearsFrame);
    m_grid->setObjectName("PGrid");
    m_grid->setAccessibleName("Additional payments by year");
    GridModel* g = m_grid->grid();
    g->setCols(2);
    g->setRows(m_years + 1);
    g->setText(0, 0, "Year");
    g->setText(0, 1, "Amount");
    g->setColAlignment(0, 2);
    g->setColAlignment(1, 1);
    g->setFixedAlignment(0, 2);
    g->setFixedAlignment(1, 2);
    g->setEditableCol(1, true);
    m_grid->setItemDelegateForColumn(1, new AmountDelegate(m_grid));
    m_grid->setEnterMovesDown(true);
    m_grid->setColWidthTwips(0, 700);
    m_grid->setColWidthTwips(1, 1500);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    connect(g, &GridModel::cellEdited, this, [this, g](int row, int col) {
        MortgageInputs& edited = *m_edited;
        if (col != 1 || row < 1 || row > m_years) return;
        const auto amount = Currency::fromDouble(parseEntryText(ss(g->text(row, col)), ""));
        edited.ExtraPayments[row].amount = amount.value_or(Currency());
        g->setText(row, col, extraPaymentText(edited.ExtraPayments[row].amount));
    });
    auto* yearsLayout = new QVBoxLayout(yearsFrame);
    yearsLayout->addWidget(m_grid);

    auto* percentFrame = new QGroupBox("Increase P+I by percentage", this);
    m_percent = new EntryBox(EntryBox::Kind::Rate, percentFrame);
    m_percent->setObjectName("InPercent");
    m_percent->setFormat(mask::RateWithZero, 9, 3);
    m_percent->setValue(edited.ExtraPercent * 100.0);
    m_percent->setLimitCheck([this](EntryBox& box) {
        if (typingState().EntryEdited && parseEntryText(ss(box.text()), "") > 100) {
            showMessage(Msg::PercentLimit, this);
            box.setText("100");
        }
    });
    connect(m_percent, &EntryBox::stored, this,
            [this](double v) { m_edited->ExtraPercent = static_cast<float>(v / 100); });
    auto* percentLayout = new QVBoxLayout(percentFrame);
    percentLayout->addWidget(m_percent);
    percentLayout->addStretch();

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("UsePrePay");
    ok->setAutoDefault(false);
    auto* erase = new QPushButton("&Erase all", this);
    erase->setObjectName("DoNotUse");
    erase->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &ExtraPaymentsDialog::keepExtraPayments);
    connect(erase, &QPushButton::clicked, this, &ExtraPaymentsDialog::clearExtraPayments);
    m_percent->setNext(ok);

    auto* frames = new QHBoxLayout;
    frames->addWidget(yearsFrame, 1);
    frames->addWidget(percentFrame);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel("Use either one or both as methods of pre-payment", this), 1);
    buttons->addWidget(ok);
    buttons->addWidget(erase);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames, 1);
    layout->addLayout(buttons);
    resize(twipSize(6600, 4800));
    showRows();
}

void ExtraPaymentsDialog::showRows() {
    MortgageInputs& edited = *m_edited;
    GridModel* g = m_grid->grid();
    for (int y = 1; y <= m_years; ++y) {
        g->setText(y, 0, qs(Format(edited.ExtraPayments[y].year.toDouble(), mask::Years)));
        g->setText(y, 1, qs(Format(edited.ExtraPayments[y].amount.toDouble(), mask::Amount)));
    }
}

void ExtraPaymentsDialog::clearExtraPayments() {
    MortgageInputs& edited = *m_edited;
    for (int y = 1; y <= m_years; ++y)
        edited.ExtraPayments[y].amount = Currency();
    edited.ExtraPaymentCount = 0;
    edited.ExtraPercent = 0;
    m_percent->setValue(0);
    showRows();
}

void ExtraPaymentsDialog::keepExtraPayments() {
    m_percent->store(); // a percentage typed and not left yet: OK pressed without moving the focus
    m_edited->ExtraPaymentCount = m_edited->countExtraPayments();
    accept();
}

std::optional<MortgageInputs> ExtraPaymentsDialog::ask() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return *m_edited;
}

DaysInYearDialog::DaysInYearDialog(int choice, QWidget* parent) : QDialog(parent) {
    setObjectName("MortIRFTable");
    setWindowTitle("Accelerated payments");
    auto* frame = new QGroupBox(" Change interest rate factor - days ", this);
    m_options = new QButtonGroup(this);
    auto* frameLayout = new QVBoxLayout(frame);
    for (int choice = 0; choice < static_cast<int>(kDaysChoices.size()); ++choice) {
        auto* option = new QRadioButton(kDaysChoices[choice].caption, frame);
        option->setObjectName(QString("IRFactor%1").arg(choice));
        m_options->addButton(option, choice);
        frameLayout->addWidget(option);
    }
    // The focus starts on the choice in use: Space keeps it, the arrows walk the others.
    QAbstractButton* current = m_options->button(choice);
    current->setChecked(true);
    current->setFocus();
    auto* exit = new QPushButton("E&xit", this);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(new QLabel("Most Financial Institutions use 365 days.", this));
    layout->addWidget(exit, 0, Qt::AlignRight);
}

std::optional<int> DaysInYearDialog::ask() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return m_options->checkedId();
}

StartDateDialog::StartDateDialog(std::optional<Date> date, Date today, const ShortDateForm& form,
                                 QWidget* parent)
    : QDialog(parent), m_startDate(date.value_or(today)), m_form(form) {
    setObjectName("MortDateInput");
    setWindowTitle("Date Input");
    m_date = new EntryBox(EntryBox::Kind::Date, this);
    m_date->setObjectName("InDate");
    m_date->setText(qs(shortDateText(m_startDate, m_form)));
    typingState().EntryEdited = 0;
    connect(m_date, &EntryBox::stored, this, [this] {
        if (const auto typed = parseDate(ss(m_date->text()), m_form))
            m_startDate = *typed;
        else
            showMessage(Msg::WrongDate, this); // and the date before stays
        m_date->setText(qs(shortDateText(m_startDate, m_form)));
    });
    auto* ok = new QPushButton("&OK", this);
    ok->setObjectName("OkExit");
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    m_date->setNext(ok);
    auto* label = new QLabel(" Type in the date of the    first payment", this);
    label->setBuddy(m_date);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_date);
    layout->addWidget(ok, 0, Qt::AlignRight);
    m_date->setFocus();
}

void StartDateDialog::accept() {
    m_date->store(); // a date typed and not left yet: OK pressed without moving the focus
    QDialog::accept();
}

std::optional<Date> StartDateDialog::ask() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return m_startDate;
}

} // namespace brisk
