// The picture: TestImage.jpg at start-up, a picture file chosen by the person,
// or the clipboard's picture, each shown at its own size.
#include <algorithm>

#include "imaging/form2.h"
#include "imaging/palette_name.h"
#include "imaging/pointer_block.h"

namespace tintara::imaging {

namespace {

// JPEG as ever, and PNG, which people's pictures often are; both cases of the
// endings, since file names on this system are case-sensitive.
constexpr const char* pictureFilter =
    "Pictures (*.jpg *.jpeg *.png)|*.jpg;*.jpeg;*.png;*.JPG;*.JPEG;*.PNG|JPEG (*.jpg)|*.jpg;*.jpeg;*.JPG;*.JPEG|"
    "PNG (*.png)|*.png;*.PNG";
constexpr const char* tooBig = "Picture too big - Resize or select a section with an external image editing program";
constexpr const char* noClipboardPicture = "Clipboard empty or Picture too big";
constexpr const char* clipboardName = "clipboard";

// The picture area's place in the window, and the margin kept to its right
// and below it when the window grows to show a large picture.
constexpr int pictureLeft = 120, pictureTop = 1080, margin = 120;
constexpr int designWidth = 15045, designHeight = 11220;

}  // namespace

void Form2::Form_Load() {
    clickMode_ = true;
    sampleHalf_ = sampleSizes[4].half;
    sampleCount_ = sampleSizes[4].count;
    mnuMouseClick.setChecked(true);
    mnuSample[4].setChecked(true);
    mnuMakePalette.setVisible(true);
    show();
    openPicture(true);
}

bool Form2::openPicture(bool preset) {
    if (preset) {
        if (!openPictureFile(files_.shipped(testImageName).string())) return false;
        // Found in the working folder or among the program's data, it goes by
        // its name.
        pictureFile_ = testImageName;
        Text2.setText(testImageName);
        return true;
    }
    const auto chosen = platform_.dialogs.openFile(pictureFilter, "Load Picture");
    if (!chosen || chosen->empty()) return false;
    return openPictureFile(*chosen);
}

bool Form2::openPictureFile(const std::string& path) {
    if (generating_) return false;
    std::string error;
    const auto picture = platform_.pictures.loadPicture(path, error);
    if (!picture || picture->empty()) {
        if (picture) error = "The picture " + path + " holds no pixels";
        platform_.dialogs.messageBox(error, ui::MessageButtons::OK, ui::MessageIcon::Critical, caption());
        return false;
    }
    pictureFile_ = path;
    Text2.setText(path);
    proposedPalette_ = proposedPaletteName(path);
    showPicture(*picture);
    platform_.events.doEvents();
    return true;
}

void Form2::mnuLoadPicture_Click() { openPicture(false); }

void Form2::mnuClipboard_Click() {
    if (generating_) return;
    std::string error;
    const auto picture = platform_.pictures.clipboardPicture(error);
    if (!picture || picture->empty()) {
        platform_.dialogs.messageBox(noClipboardPicture, ui::MessageButtons::OK, ui::MessageIcon::Exclamation,
                                     caption());
        return;
    }
    pictureFile_.clear();
    Text2.setText("Picture from the clipboard");
    proposedPalette_ = clipboardName;
    showPicture(*picture);
}

// A new picture has no palette yet and no block marked on it.
void Form2::showPicture(const ui::Image& picture) {
    blockTimer.setEnabled(false);
    marked_.reset();
    samplingBusy_ = false;
    picture_ = picture;
    Picture1.setPicture(picture_);
    Text3.setText(std::to_string(picture_.width()));
    Text4.setText(std::to_string(picture_.height()));
    mnuView3D.setVisible(false);
    paletteMade_ = false;
    paletteStatus("", ui::white);
    fitToPicture();
    const ui::ScreenSize screen = platform_.pictures.screenSize();
    if (warnsOfSize_ && (picture_.width() > screen.width || picture_.height() > screen.height))
        platform_.dialogs.messageBox(tooBig, ui::MessageButtons::OK, ui::MessageIcon::Exclamation, caption());
}

// The window keeps its designed size and grows, when the picture needs it, to
// show the whole picture with a margin.
void Form2::fitToPicture() {
    const long long width = pictureLeft + static_cast<long long>(picture_.width()) * ui::twipsPerPixel + margin;
    const long long height = pictureTop + static_cast<long long>(picture_.height()) * ui::twipsPerPixel + margin;
    setClientSize(int(std::clamp<long long>(width, designWidth, 1LL << 30)),
                  int(std::clamp<long long>(height, designHeight, 1LL << 30)));
}

}  // namespace tintara::imaging
