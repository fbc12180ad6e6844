// The yardstick of the command line's start: a QtCore program that starts, prints a line and ends.
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << "bare\n";
    return 0;
}
