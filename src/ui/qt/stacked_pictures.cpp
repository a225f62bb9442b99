// Naming the pictures of a stack by what is seen of it.
#include "stacked_pictures.h"

#include <QWidget>

#include <algorithm>

namespace tarvelon::qt {

void StackedPictures::add(const Image& image, QWidget* widget) {
    for (Picture& behind : pictures_)
        if (behind.image->Container == image.Container && behind.image->Left == image.Left &&
            behind.image->Top == image.Top)
            behind.inFront.push_back(&image);
    pictures_.push_back({&image, widget, widget->accessibleName(), {}});
}

void StackedPictures::rename() {
    for (const Picture& picture : pictures_) {
        const bool covered = std::any_of(picture.inFront.begin(), picture.inFront.end(),
                                         [](const Image* front) { return front->Visible; });
        const QString name = covered ? QString() : picture.name;
        if (picture.widget->accessibleName() != name)
            picture.widget->setAccessibleName(name);
    }
}

} // namespace tarvelon::qt
