#include "app/ui/twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace brisk {

namespace {
double logicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}
} // namespace

int twips(int length) {
    return static_cast<int>(std::lround(length * logicalDpi() / 1440.0));
}
int pixelsToTwips(int pixels) {
    return static_cast<int>(std::lround(pixels * 1440.0 / logicalDpi()));
}

} // namespace brisk
