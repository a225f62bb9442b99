// Fonts, the compiled-in pictures, and text colours chosen by contrast.
#include "look.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <array>
#include <iterator>

namespace tarvelon::qt {

// Font substitutes: Arial's metric twin, Liberation Sans, serves for both fonts the
// layout names; the old system font's narrow sans is closer to it than to wider
// faces, and the captions were sized for that width.
QFont toQFont(const FontSpec& spec) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(static_cast<int>(std::lround(spec.Size * 96.0f / 72.0f)));
    font.setBold(spec.Bold);
    // Hinting snaps small text to the pixel grid, keeping it sharp at 96 dpi.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont defaultFont() {
    return toQFont(FontSpec{"MS Sans Serif", 8.25f, false});
}

namespace {

// Where the build put each picture, as the picture list names it.
constexpr const char* resources[] = {
#define TARVELON_PICTURE(name, file) ":/pictures/" file ".png",
#include "picture_list.h"
#undef TARVELON_PICTURE
};

QString resourceOf(PictureId id) {
    return QString::fromLatin1(resources[static_cast<std::size_t>(id)]);
}

QIcon iconOf(std::initializer_list<PictureId> sizes) {
    QIcon icon;
    for (PictureId id : sizes)
        icon.addFile(resourceOf(id));
    return icon;
}

} // namespace

// Each picture is loaded once, at its first showing.
const QImage& picture(PictureId id) {
    static std::array<QImage, std::size(resources)> loaded;
    QImage& image = loaded[static_cast<std::size_t>(id)];
    if (image.isNull())
        image = QImage(resourceOf(id)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return image;
}

QCursor handPointer() {
    return QCursor(QPixmap(resourceOf(PictureId::HandPointer)), 5, 0);
}

QIcon mainWindowIcon() {
    return iconOf(
        {PictureId::WindowIcon, PictureId::WindowIconLarger, PictureId::WindowIconLargest});
}

QIcon statusWindowIcon() {
    return iconOf({PictureId::TwoCarsSmall, PictureId::TwoCars});
}

namespace {

// Relative luminance as WCAG 2 defines it, from the sRGB channels.
double luminance(QColor color) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

QColor blend(QColor from, QColor to, double share) {
    const auto mix = [share](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * share));
    };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                  mix(from.blue(), to.blue()));
}

// Gives a widget the desktop's window and text colours, again whenever the desktop changes them.
class DesktopColors : public QObject {
public:
    using QObject::QObject;

    static void paint(QWidget* widget) {
        QPalette palette = widget->palette();
        const QPalette desktop = QApplication::palette();
        for (QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText})
                palette.setColor(group, role, desktop.color(group, role));
        widget->setPalette(palette);
    }

    // Watches the application, which hears of a new palette; the widget is its parent.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
            paint(static_cast<QWidget*>(parent()));
        return false;
    }
};

} // namespace

double contrastRatio(QColor a, QColor b) {
    const double first = luminance(a), second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

TextColors textColorsFor(QColor background) {
    const QColor black(Qt::black), white(Qt::white);
    const QColor text =
        contrastRatio(background, black) >= contrastRatio(background, white) ? black : white;
    // Disabled text fades into the background only as far as it still reads.
    double share = 0.5;
    while (share < 1 && contrastRatio(background, blend(background, text, share)) < 3.5)
        share += 0.05;
    return {text, blend(background, text, std::min(share, 1.0))};
}

void paintInOwnColor(QWidget* widget, QColor background, bool filled) {
    const TextColors text = textColorsFor(background);
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), background);
    palette.setColor(QPalette::Window, background);
    palette.setColor(widget->foregroundRole(), text.enabled);
    palette.setColor(QPalette::Disabled, widget->foregroundRole(), text.disabled);
    widget->setPalette(palette);
    widget->setAutoFillBackground(filled);
}

void paintInDesktopColors(QWidget* widget) {
    DesktopColors::paint(widget);
    widget->setAutoFillBackground(true);
    qApp->installEventFilter(new DesktopColors(widget));
}

} // namespace tarvelon::qt
