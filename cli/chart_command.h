// brisklane-calc chart: a calculator's chart drawn into an image or PDF file, headless.
#pragma once

#include "cli/command.h"

namespace brisk {

struct ChartData;

// The endings of the files a chart is written to: the image formats Qt writes here, pdf and json.
QStringList chartOutputKinds();
// Draws the chart into `path`: a PDF page for a .pdf name, its figures for a .json name, otherwise
// an image in the format its name ends in; a name of any other kind is refused, naming the kinds.
// Gives the exit status: 2, with the reason on standard error, when nothing was written.
int writeChartOutput(const ChartData& chart, const QString& path);
// Runs `calculator` with the options given, then draws the chart of --kind (its first chart when
// none is given) into --output.
int runChart(const CliCommand& calculator, const QCommandLineParser& parser, CliContext& context);
void addChartOptions(QCommandLineParser& parser);

} // namespace brisk
