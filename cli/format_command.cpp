// brisklane-calc format: a number (or a date) formatted with a display mask.
#include "app/core/dates.h"
#include "app/core/mask_format.h"
#include "cli/command.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace brisk {

namespace {

// The text, as a line or, with --format json, as {"text": ...}.
int print(const CliContext& context, const std::string& text) {
    if (context.format == "json")
        printOut(QJsonDocument(QJsonObject{{"text", QString::fromStdString(text)}})
                     .toJson(QJsonDocument::Compact) +
                 '\n');
    else
        printOut(QString::fromStdString(text) + '\n');
    return 0;
}

int runFormat(const QCommandLineParser& parser, const CliContext& context) {
    const QStringList values = parser.positionalArguments().mid(1);
    const QString mask = parser.value("mask");
    if (mask.isEmpty()) return failWith(Msg::WrongEntry, "--mask");
    if (values.size() != 1) return failWith(Msg::WrongEntry, "value (one number or date)");
    const std::string value = values.first().trimmed().toStdString();
    // A mask without digit placeholders is a date mask, for a date given as yyyy-mm-dd.
    if (!mask.contains('#') && !mask.contains('0')) {
        const auto date = parseIsoDate(value);
        if (!date) return failWith(Msg::WrongDate, values.first());
        return print(context, FormatDate(*date, mask.toStdString()));
    }
    bool ok = false;
    const double number = values.first().trimmed().toDouble(&ok);
    // NaN, infinity and a percentage beyond the largest figure have no text.
    if (!ok || !std::isfinite(number) || !std::isfinite(mask.contains('%') ? number * 100 : number))
        return failWith(Msg::WrongEntry, values.first());
    return print(context, Format(number, mask.toStdString()));
}

} // namespace

CliCommand formatCommand() {
    return {
        "format",
        "Formats a number with a display mask (\"####,,###.00\", \"#,,###.000%\") or a yyyy-mm-dd date "
        "with a date mask (\"d-m-yy\").",
        [](QCommandLineParser& parser) {
            parser.addOption({"mask", "The display mask.", "MASK"});
            parser.addPositionalArgument("value", "The number or date to format.");
        },
        runFormat,
    };
}

} // namespace brisk
