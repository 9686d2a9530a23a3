// Prints an image of a window: on the default printer, or, on a machine
// without one, into a PDF file the person names. It never waits on anything
// but the person, and reports every failure with a reason.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/services.h"

namespace tintara::ui::qt {

class QtWindowView;

class QtPrinter : public Printer {
public:
    QtPrinter();

    // Makes a shown window printable; the view may go away before the printer.
    void attach(QtWindowView& view);

    bool printWindow(Window& window, std::string& error) override;
    // Prints straight into a PDF file, with no dialog.
    bool printToPdf(Window& window, const std::string& path, std::string& error);

    // Asks where the PDF goes when there is no printer; nothing when the person
    // cancels. A file-save dialog in the working directory unless replaced.
    std::function<std::optional<std::string>(const Window&)> choosePdfFile;

private:
    QWidget* widgetOf(const Window& window) const;
    std::vector<std::pair<const Window*, QPointer<QWidget>>> views_;
};

}  // namespace tintara::ui::qt
