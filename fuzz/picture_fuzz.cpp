// Pictures handed to the image window, read by the Qt loader from a file. A
// picture the loader refuses comes back as a message naming the file; one it
// takes has at least one pixel, no more than the loader's limit, and the size
// its PNG or JPEG header declares (turned a quarter when the photograph's
// orientation says so). Qt itself is the system's, built without the fuzzer's
// coverage: the runs are guided by the loader's own code, and a fault inside
// the decoders still ends a run.
#include <unistd.h>

#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>

#include "fuzz_check.h"
#include "ui/qt/qt_picture_source.h"

using namespace tintara;
using tintara::fuzz::require;

namespace {

using Size = std::pair<long long, long long>;  // width, height

long long bigEndian(const std::uint8_t* at, int bytes) {
    long long value = 0;
    for (int i = 0; i < bytes; ++i) value = value * 256 + at[i];
    return value;
}

// The size in a PNG's header chunk.
std::optional<Size> pngSize(const std::uint8_t* data, std::size_t size) {
    static const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size < 24 || !std::equal(signature, signature + 8, data) || std::string(data + 12, data + 16) != "IHDR")
        return std::nullopt;
    return Size{bigEndian(data + 16, 4), bigEndian(data + 20, 4)};
}

// The size in a JPEG's first start-of-frame segment, found by walking the
// segments from the start-of-image marker.
std::optional<Size> jpegSize(const std::uint8_t* data, std::size_t size) {
    if (size < 4 || data[0] != 0xFF || data[1] != 0xD8) return std::nullopt;
    for (std::size_t at = 2; at + 4 <= size;) {
        if (data[at] != 0xFF) return std::nullopt;
        const std::uint8_t marker = data[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2;
            continue;
        }
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (at + 9 > size) return std::nullopt;
            return Size{bigEndian(data + at + 7, 2), bigEndian(data + at + 5, 2)};
        }
        if (marker == 0xDA || marker == 0xD9) return std::nullopt;  // coded data before any frame
        at += 2 + std::size_t(bigEndian(data + at + 2, 2));
    }
    return std::nullopt;
}

std::filesystem::path pictureFile() {
    // A memory-backed folder where there is one: the picture is written anew
    // for every run.
    std::error_code ec;
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : std::filesystem::temp_directory_path();
    const auto folder = base / ("tintara-fuzz-picture-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    return folder / "picture";
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The image plugins are found through the application; it is given no
    // arguments of the fuzzer's.
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    static QCoreApplication application(qtArgc, qtArgv);
    // The decoders' complaints about damaged files, one or more a run, would
    // bury the fuzzer's own report.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    (void)argc;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path file = pictureFile();
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }
    ui::qt::QtPictureSource source;
    std::string error;
    const auto picture = source.loadPicture(file.string(), error);
    if (!picture) {
        require(error.find(file.string()) != std::string::npos, "a refusal names the file");
        return 0;
    }
    const long long width = picture->width(), height = picture->height();
    require(width >= 1 && height >= 1, "a picture has pixels");
    require(width * height <= ui::qt::QtPictureSource::largestPixelCount, "within the loader's limit");
    auto declared = pngSize(data, size);
    if (!declared) declared = jpegSize(data, size);
    if (declared)
        require(Size{width, height} == *declared || Size{height, width} == *declared, "the size its header declares");
    return 0;
}
