// The mortgage and loan calculator window.
#pragma once

#include "app/ui/calculator_window.h"
#include "mortgage/ui/mortgage_document.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace brisk {

class MortgageWindow : public CalculatorWindow {
    Q_OBJECT
  public:
    // The window owns `document`, a mortgage's or a loan's.
    MortgageWindow(ProgramState& program, MortgageDocument* document, QWidget* parent = nullptr);
    MortgageDocument& document() const { return *m_doc; }

    // The mortgage window's own commands, as their buttons run them.
    void saveFileAs();
    void openFile();
    void switchDatesAndNumbers();
    void editExtraPayments();
    void chooseDaysInYear();

    // Reads a file into the window and calculates; false (message 13 shown) when it is refused.
    bool loadFile(const QString& path);
    bool saveFile(const QString& path);

  protected:
    void computeResults() override;
    void dropResults() override;
    bool hasResults() const override;
    std::pair<Printout, QString> printout(const PrintContext& context) const override;
    QString helpText() const override;

  private:
    void showInputs();
    void showResults();
    void fillGrid();
    void recalculateIfShown();
    void updateExtraIndicator();
    bool isLoan() const { return m_doc->isLoan(); }

    MortgageDocument* m_doc;
    EntryBox* m_principal;
    EntryBox* m_rate;
    EntryBox* m_term;
    EntryBox* m_compounding;
    EntryBox* m_frequency;
    QRadioButton* m_all;
    QRadioButton* m_annual;
    QPushButton* m_dateNumber;
    QLabel* m_extraIndicator;
    QLabel* m_includes;
};

} // namespace brisk
