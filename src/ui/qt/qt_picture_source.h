// Pictures through Qt: files read by QImageReader, the clipboard's picture and
// the primary screen's size. A picture file is read only when it is a regular
// file, its size is checked from its header before anything is decoded, and
// decoding runs under an allocation limit, so a damaged or hostile file gives
// a message naming it instead of exhausting memory. Without a display (the
// command line) files still load; there is no clipboard, and the screen is
// taken to be 1920 x 1080.
#pragma once

#include "ui/services.h"

namespace tintara::ui::qt {

class QtPictureSource : public PictureSource {
public:
    // The largest picture shown: 64 million pixels (256 MB as 32-bit pixels),
    // a 9,000 x 7,000 photograph and more.
    static constexpr long long largestPixelCount = 64LL * 1024 * 1024;
    // A file larger than this cannot hold a picture of that size that Qt reads.
    static constexpr long long largestFileBytes = 512LL * 1024 * 1024;

    std::optional<Image> loadPicture(const std::string& path, std::string& error) override;
    std::optional<Image> clipboardPicture(std::string& error) override;
    ScreenSize screenSize() override;
};

}  // namespace tintara::ui::qt
