// brisklane-calc chart: a calculator's chart drawn into a PNG or PDF file, headless.
#pragma once

#include "cli/command.h"

namespace brisk {

struct ChartData;

// Draws the chart into `path`: a PDF page for a .pdf name, its figures for a .json name, otherwise
// an image (PNG).
int writeChartFile(const ChartData& chart, const QString& path);
// Runs `calculator` with the options given, then draws the chart of --kind (its first chart when
// none is given) into --output.
int runChart(const CliCommand& calculator, const QCommandLineParser& parser, CliContext& context);
void addChartOptions(QCommandLineParser& parser);

} // namespace brisk
