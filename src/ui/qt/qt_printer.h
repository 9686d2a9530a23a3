// Prints an image of a window: on the default printer, or, on a machine
// without one, into a PDF file the person names ("Tintara.pdf" in the working
// folder is offered). It never waits on anything but the person, reports every
// failure with a reason, and says which file a PDF went into.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "datafiles/whole_file.h"
#include "ui/services.h"

namespace tintara::ui::qt {

class QtWindowView;

class QtPrinter : public Printer {
public:
    QtPrinter();

    // Makes a shown window printable; the view may go away before the printer.
    void attach(QtWindowView& view);

    PrintOutcome printWindow(Window& window) override;
    // Prints straight into a PDF file, with no dialog.
    bool printToPdf(Window& window, const std::string& path, std::string& error);

    // Asks where the PDF goes when there is no printer; nothing when the person
    // cancels. A file-save dialog offering suggestedPdfFile() unless replaced.
    std::function<std::optional<std::string>(const Window&)> choosePdfFile;
    // "Tintara.pdf" in the working folder.
    static std::string suggestedPdfFile();
    // Every byte of a PDF passes here on its way to the disk; none in the program.
    datafiles::WriteSeam* writeSeam = nullptr;
    // The PDF's resolution: that of a high-resolution printer.
    static constexpr int pdfDotsPerInch = 1200;

private:
    QWidget* widgetOf(const Window& window) const;
    std::vector<std::pair<const Window*, QPointer<QWidget>>> views_;
};

}  // namespace tintara::ui::qt
