// How well the texts of a window read: the WCAG 2 contrast of each text against its
// background, measured from the window's pixels as the player sees them.
#pragma once

#include "ui/qt/painted_widgets.h"
#include "ui/qt/readable_colors.h"

#include <QImage>
#include <QRadioButton>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>

namespace tarvelon::testing {

// The contrast of the text in `area` of `shot`: the area's most frequent colour is its
// background, and the text is the pixel that stands out from it most.
inline double textContrast(const QImage& shot, QRect area) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[shot.pixel(x, y)];
    const auto background = std::max_element(counts.begin(), counts.end(),
                                             [](auto a, auto b) { return a.second < b.second; });
    double ratio = 1;
    for (const auto& [rgb, count] : counts)
        ratio = std::max(ratio, qt::contrastRatio(QColor(background->first), QColor(rgb)));
    return ratio;
}

// The texts that `window`, shown as `shot`, reads too poorly, each with its contrast; "" when
// all read. Enabled text needs 4.5:1, a disabled option (the chosen car during a race) 3:1;
// other disabled text keeps the desktop's colours and is left out. A text is measured inside
// its widget's frame and bevel, right of an option's circle, over a frame's first letters.
// `worst` gets the lowest contrast of an enabled text.
inline std::string unreadableTexts(QWidget& window, const QImage& shot, double* worst = nullptr) {
    std::ostringstream out;
    for (QWidget* part : window.findChildren<QWidget*>()) {
        const auto* frame = dynamic_cast<qt::FrameWidget*>(part);
        const QString text = frame ? frame->caption() : part->property("text").toString();
        const bool option = qobject_cast<QRadioButton*>(part);
        if (text.isEmpty() || !part->isVisibleTo(&window) || (!part->isEnabled() && !option))
            continue;
        const QRect place(part->mapTo(&window, QPoint()), part->size());
        const double ratio =
            textContrast(shot, frame    ? QRect(place.topLeft() + QPoint(10, 1), QSize(12, 11))
                               : option ? place.adjusted(20, 0, 0, 0)
                                        : place.adjusted(4, 4, -4, -4));
        if (ratio < (part->isEnabled() ? 4.5 : 3))
            out << part->objectName().toStdString() << " \"" << text.toStdString() << "\" " << ratio
                << "; ";
        if (worst && part->isEnabled())
            *worst = std::min(*worst, ratio);
    }
    return out.str();
}

} // namespace tarvelon::testing
