#include "platform/AppLook.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>
#include <cmath>

#include "platform/DialogUnits.h"

namespace platform {

namespace {

QString& StoredProgramName() {
    static QString name;
    return name;
}

// Relative luminance and contrast ratio, as the accessibility guidelines
// define them.
double Luminance(const QColor& color) {
    auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
           0.0722 * channel(color.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Texts need 4.5:1; a little more leaves room for the rounding of the colour
// channels and for antialiased edges, which never reach the full colour on
// thin strokes (a placeholder in the small dialog font).
constexpr double kWantedContrast = 5.0;

// `color` itself when it already stands out enough from `background`,
// otherwise the least change of it towards black or white that does.
QColor Readable(const QColor& color, const QColor& background) {
    if (ContrastRatio(color, background) >= kWantedContrast)
        return color;
    const QColor target = ContrastRatio(Qt::white, background) > ContrastRatio(Qt::black, background)
                              ? QColor(Qt::white)
                              : QColor(Qt::black);
    for (int step = 1; step <= 20; ++step) {
        const double t = step / 20.0;
        const QColor mixed = QColor::fromRgbF(float(color.redF() + (target.redF() - color.redF()) * t),
                                              float(color.greenF() + (target.greenF() - color.greenF()) * t),
                                              float(color.blueF() + (target.blueF() - color.blueF()) * t));
        if (ContrastRatio(mixed, background) >= kWantedContrast)
            return mixed;
    }
    return target;
}

// A translucent colour (Qt draws placeholders in the text colour at half
// opacity) as it shows over its background.
QColor Over(const QColor& color, const QColor& background) {
    const float a = color.alphaF();
    return QColor::fromRgbF(color.redF() * a + background.redF() * (1 - a),
                            color.greenF() * a + background.greenF() * (1 - a),
                            color.blueF() * a + background.blueF() * (1 - a));
}

// A desktop palette (dark ones especially) may grey disabled text out until
// it can hardly be read, and keeps the light palette's blue links and grey
// placeholders on a dark background: every text role keeps its contrast with
// the background it is drawn on, in every colour group.
QPalette ReadablePalette(QPalette palette) {
    static const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
        {QPalette::WindowText, QPalette::Window},
        {QPalette::ButtonText, QPalette::Button},
        {QPalette::Text, QPalette::Base},
        {QPalette::HighlightedText, QPalette::Highlight},
        {QPalette::ToolTipText, QPalette::ToolTipBase},
        {QPalette::Link, QPalette::Base},
        {QPalette::LinkVisited, QPalette::Base},
        {QPalette::PlaceholderText, QPalette::Base},
    };
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto& [text, background] : pairs) {
            const QColor behind = palette.color(group, background);
            const QColor shown = Over(palette.color(group, text), behind);
            const QColor wanted = Readable(shown, behind);
            if (wanted != shown)
                palette.setColor(group, text, wanted);
        }
    }
    return palette;
}

// Fusion draws the ring of a radio button and the box of a check box a shade
// darker than the window: on a dark window nearly black on black. The ring
// is drawn again in a colour that stands out from the window.
class ReadableStyle : public QProxyStyle {
  public:
    explicit ReadableStyle(QStyle* base) : QProxyStyle(base) {}

    void polish(QPalette& palette) override {
        QProxyStyle::polish(palette);
        palette = ReadablePalette(palette);
    }
    using QProxyStyle::polish;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (element != PE_IndicatorRadioButton && element != PE_IndicatorCheckBox)
            return;
        const QPalette::ColorGroup group =
            (option->state & State_Enabled) ? QPalette::Active : QPalette::Disabled;
        const QColor window = option->palette.color(group, QPalette::Window);
        // Halfway from the window to its text, then as much further as it takes.
        const QColor text = option->palette.color(group, QPalette::WindowText);
        const QColor ring = Readable(QColor::fromRgbF(float((window.redF() + text.redF()) / 2),
                                                      float((window.greenF() + text.greenF()) / 2),
                                                      float((window.blueF() + text.blueF()) / 2)),
                                     window);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(ring, 1));
        const QRectF box = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
        if (element == PE_IndicatorRadioButton) {
            // Fusion's ring: a circle inside the indicator's square.
            const qreal side = std::min(box.width(), box.height());
            painter->drawEllipse(
                QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side));
        } else {
            painter->drawRect(box);
        }
        painter->restore();
    }
};

// Keeps the palette readable when the desktop or the program sets a new one.
class PaletteGuard : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange && !fixing_) {
            const QPalette readable = ReadablePalette(QApplication::palette());
            if (readable != QApplication::palette()) {
                fixing_ = true;
                QApplication::setPalette(readable);
                fixing_ = false;
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool fixing_ = false;
};

}  // namespace

void SetProgramName(const QString& name) {
    StoredProgramName() = name;
}

QString ProgramName() {
    return StoredProgramName().isEmpty() ? QCoreApplication::applicationName() : StoredProgramName();
}

void InitApplicationLook(QApplication& app) {
    QApplication::setStyle(new ReadableStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    app.setFont(DialogFont(nullptr, 8));
    // The desktop's own palette passes through the style's polish; one the
    // program or a test sets later, through the guard.
    app.installEventFilter(new PaletteGuard(&app));
}

}  // namespace platform
