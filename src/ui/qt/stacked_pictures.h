// Pictures stacked in one place speak for the one in front only: the start signal
// names only the light the player sees.
#pragma once

#include "ui/toolkit/controls.h"

#include <QString>

#include <vector>

class QWidget;

namespace tarvelon::qt {

class StackedPictures {
public:
    // Adds `image`, shown by `widget` and named for a screen reader; images come back
    // to front, so this one lies in front of any added before in the same place.
    void add(const Image& image, QWidget* widget);

    // After a picture was shown or hidden: a picture hidden behind a visible one says
    // nothing. A name is set only when it changes, since each change is announced.
    void rename();

private:
    struct Picture {
        const Image* image;
        QWidget* widget;
        QString name;
        std::vector<const Image*> inFront;
    };
    std::vector<Picture> pictures_;
};

} // namespace tarvelon::qt
