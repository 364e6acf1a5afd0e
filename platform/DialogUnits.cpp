#include "platform/DialogUnits.h"

#include <QFontMetrics>
#include <cstring>

namespace platform {

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX_ = (width / 26 + 1) / 2;
    baseY_ = metrics.height();
}

QFont DialogFont(const char* templateFontName, int points) {
    // "MS Sans Serif" does not exist here; Liberation Sans has the same metrics class.
    const bool classic = templateFontName == nullptr || std::strcmp(templateFontName, "MS Sans Serif") == 0;
    QFont font(classic ? QStringLiteral("Liberation Sans") : QString::fromUtf8(templateFontName));
    font.setPointSize(points);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace platform
