#include "ui/qt/qt_printer.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>

#include "datafiles/whole_file.h"
#include "ui/qt/qt_dialog_parent.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_window_view.h"
#include "ui/window.h"

namespace tintara::ui::qt {

namespace {

// The window keeps its size on paper (96 logical pixels to the inch) unless it
// is larger than the page, when it is scaled down to fit.
void paintImage(QPainter& painter, const QRectF& page, int resolution, const QPixmap& image) {
    const QSizeF logical = image.deviceIndependentSize();
    const double dotsPerPixel = resolution / 96.0;
    QSizeF size = logical * dotsPerPixel;
    if (size.width() > page.width() || size.height() > page.height()) size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(QPointF(0, 0), size), image, QRectF(image.rect()));
}

QPageLayout::Orientation orientationFor(const QPixmap& image) {
    return image.width() > image.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

bool printImage(QPrinter& printer, const QPixmap& image, const QString& device, std::string& error) {
    printer.setPageOrientation(orientationFor(image));
    QPainter painter;
    if (!painter.begin(&printer)) {
        error = "Printing to " + fromQString(device) + " could not be started";
        return false;
    }
    paintImage(painter, printer.pageRect(QPrinter::DevicePixel), printer.resolution(), image);
    if (!painter.end()) {
        error = "Printing to " + fromQString(device) + " did not finish";
        return false;
    }
    return true;
}

bool printerAvailable() {
    return !QPrinterInfo::availablePrinters().isEmpty() && !QPrinterInfo::defaultPrinter().isNull();
}

std::optional<std::string> askForPdf(const Window&) {
    const QString workingDirectory = QDir::currentPath();
    const QString suggested = QFile::decodeName(QtPrinter::suggestedPdfFile().c_str());
    QString chosen = QFileDialog::getSaveFileName(dialogParent(), QStringLiteral("No printer found - save as PDF"),
                                                  suggested, QStringLiteral("PDF files (*.pdf)"));
    if (QDir::currentPath() != workingDirectory) QDir::setCurrent(workingDirectory);
    if (chosen.isEmpty()) return std::nullopt;
    if (!chosen.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) chosen += QStringLiteral(".pdf");
    return QFile::encodeName(chosen).toStdString();
}

}  // namespace

QtPrinter::QtPrinter() : choosePdfFile(askForPdf) {}

std::string QtPrinter::suggestedPdfFile() {
    return QFile::encodeName(QDir(QDir::currentPath()).filePath(QStringLiteral("Tintara.pdf"))).toStdString();
}

void QtPrinter::attach(QtWindowView& view) {
    for (auto& entry : views_) {
        if (entry.first == &view.window()) {
            entry.second = &view.widget();
            return;
        }
    }
    views_.emplace_back(&view.window(), &view.widget());
}

QWidget* QtPrinter::widgetOf(const Window& window) const {
    for (const auto& [model, widget] : views_)
        if (model == &window) return widget.data();
    return nullptr;
}

PrintOutcome QtPrinter::printWindow(Window& window) {
    PrintOutcome outcome;
    QWidget* widget = widgetOf(window);
    if (!widget) {
        outcome.ok = false;
        outcome.error = "The window " + window.name() + " is not on the screen and cannot be printed";
        return outcome;
    }
    if (!printerAvailable()) {
        const std::optional<std::string> path = choosePdfFile ? choosePdfFile(window) : std::nullopt;
        if (!path) return outcome;  // the person chose not to print
        outcome.ok = printToPdf(window, *path, outcome.error);
        outcome.pdfFile = *path;
        return outcome;
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid()) {
        outcome.ok = false;
        outcome.error = "The printer " + fromQString(info.printerName()) + " cannot be used";
        return outcome;
    }
    outcome.ok = printImage(printer, widget->grab(), info.printerName(), outcome.error);
    return outcome;
}

bool QtPrinter::printToPdf(Window& window, const std::string& path, std::string& error) {
    QWidget* widget = widgetOf(window);
    if (!widget) {
        error = "The window " + window.name() + " is not on the screen and cannot be printed";
        return false;
    }
    // The document is made in memory and written by the program's one writer
    // of whole files: a PDF that does not reach the disk whole is no PDF, and
    // an earlier file of that name stays as it was.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QPixmap image = widget->grab();
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(pdfDotsPerInch);
        pdf.setPageOrientation(orientationFor(image));
        QPainter painter;
        if (!painter.begin(&pdf)) {
            error = "The file " + path + " could not be written: the PDF could not be started";
            return false;
        }
        paintImage(painter, pdf.pageLayout().paintRectPixels(pdf.resolution()), pdf.resolution(), image);
        if (!painter.end()) {
            error = "The file " + path + " could not be written: the PDF could not be finished";
            return false;
        }
    }
    return datafiles::replaceFile(path, std::string_view(bytes.constData(), std::size_t(bytes.size())), error,
                                  writeSeam);
}

}  // namespace tintara::ui::qt
