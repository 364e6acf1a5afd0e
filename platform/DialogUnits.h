#pragma once
// Dialog units to pixels, from the dialog font's metrics, with the classic
// rounding: x in quarters of the average character width, y in eighths of
// the font height.

#include <QFont>
#include <QRect>

namespace platform {

class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);
    DialogUnits(int baseX, int baseY) : baseX_(baseX), baseY_(baseY) {}

    int X(int units) const { return (units * baseX_ + 2) / 4; }
    int Y(int units) const { return (units * baseY_ + 4) / 8; }
    QRect Rect(int x, int y, int cx, int cy) const { return QRect(X(x), Y(y), X(cx), Y(cy)); }
    int BaseX() const { return baseX_; }
    int BaseY() const { return baseY_; }

  private:
    int baseX_;
    int baseY_;
};

// The stand-in on this platform for a template's font ("MS Sans Serif" 8).
QFont DialogFont(const char* templateFontName, int points);

}  // namespace platform
