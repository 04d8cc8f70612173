#include "window/picture_pane.h"

#include "app/document.h"
#include "base/path_case.h"
#include "picture/picture_name.h"
#include "window/control_layout.h"
#include "window/picture_box.h"
#include "window/tga_reader.h"
#include "window/window_fonts.h"

#include <QGroupBox>
#include <QRadioButton>

namespace wed {
namespace {

constexpr qreal kOptionPoints = 15.75;

} // namespace

PicturePane::PicturePane(QWidget* client, const Document& document)
    : QObject(client), document_(document) {
    auto* options = placed(new QGroupBox(objectNameOf(Control::PictureOptions), client),
                           Control::PictureOptions);
    small_ = placed(new QRadioButton(options), Control::SmallPicture);
    large_ = placed(new QRadioButton(options), Control::LargePicture);
    for (QRadioButton* option : {small_, large_}) {
        option->setFont(songFont(kOptionPoints));
        // Like the option buttons they stand for, they cover the frame's caption.
        option->setAutoFillBackground(true);
    }
    small_->setChecked(true);
    connect(small_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            emit smallChosen();
    });
    connect(large_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            emit largeChosen();
    });
    box_ = placed(new PictureBox(client), Control::Picture);
}

std::optional<QString> PicturePane::pathOf(CategoryId category, QStringView id,
                                           QStringView vidMenu) const {
    const PictureSize size = large_->isChecked() ? PictureSize::Large : PictureSize::Small;
    const std::optional<QString> name = pictureFileName(vidMenu, size, bareHands(category, id));
    const QString folder = document_.game().pictureFolder();
    if (!name || folder.isEmpty())
        return std::nullopt;
    return resolvePathIgnoringCase(folder, *name);
}

void PicturePane::show(const std::optional<QString>& path) {
    box_->showImage(path ? readTgaImage(*path) : QImage());
}

} // namespace wed
