// What one open calculator works on: the inputs its boxes show, the last result with the inputs it
// was calculated from, the file they came from, and whether they changed since. Its window owns it;
// the window's dialogs are handed what they edit from it and give back what they edited.
#pragma once

#include <QObject>
#include <QString>

// moc reads no further than the class; the core header's C++20 library includes are beyond it.
#ifndef Q_MOC_RUN
#include "charts/core/chart_handover.h"
#endif

#include <optional>
#include <utility>

namespace brisk {

class CalculatorDocument : public QObject {
    Q_OBJECT
  public:
    QString file;          // the file the inputs were read from or saved to, its whole path
    bool modified = false; // the inputs changed since they were read, saved or first shown
    ChartHandover chart;   // the last result's chart; no points while there is no result

    // An input was edited.
    void markChanged() {
        modified = true;
        emit changed();
    }

  signals:
    void changed();
    void calculated();
};

// A calculator's inputs and, once calculated, its result and the inputs it came from (the printout,
// the file and the chart read those, not what the boxes show since).
template <class Inputs, class Result> class Document : public CalculatorDocument {
  public:
    explicit Document(Inputs start = {}) : inputs(std::move(start)) {}

    Inputs inputs;
    std::optional<Result> result;
    Inputs calculated;

    void setResult(Result value, const Inputs& from) {
        result = std::move(value);
        calculated = from;
        emit CalculatorDocument::calculated(); // the member `calculated` hides the signal
    }
    void setResult(Result value) { setResult(std::move(value), inputs); }
};

} // namespace brisk
