#include "ui/qt/qt_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "ui/qt/qt_dialog_parent.h"
#include "ui/qt/qt_file_filter.h"
#include "ui/qt/qt_text.h"

namespace tintara::ui::qt {

namespace {

// An untitled box carries the program's name, as the windows expect.
QString dialogTitle(const std::string& title) {
    if (!title.empty()) return toQString(title);
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("Tintara") : name;
}

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OK: return QMessageBox::Ok;
    case MessageButtons::OKCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// A box closed without a button press (Escape, the frame) gives the answer of
// its escape button: Cancel where there is one, otherwise OK or No.
Answer escapeAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OK: return Answer::OK;
    case MessageButtons::YesNo: return Answer::No;
    default: return Answer::Cancel;
    }
}

}  // namespace

Answer QtDialogs::messageBox(const std::string& prompt, MessageButtons buttons, MessageIcon icon,
                             const std::string& title) {
    QMessageBox box(qtIcon(icon), dialogTitle(title), displayText(prompt), qtButtons(buttons), dialogParent());
    box.setTextFormat(Qt::PlainText);
    if (buttons == MessageButtons::YesNo) box.setEscapeButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::OK;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return escapeAnswer(buttons);
    }
}

std::optional<std::string> QtDialogs::inputBox(const std::string& prompt, const std::string& title,
                                               const std::string& defaultText) {
    // Qt opens a dialog centred on its parent window.
    QInputDialog dialog(dialogParent());
    dialog.setWindowTitle(dialogTitle(title));
    dialog.setLabelText(displayText(prompt));
    dialog.setTextValue(toQString(defaultText));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return fromQString(dialog.textValue());
}

std::optional<std::string> QtDialogs::openFile(const std::string& filter, const std::string& title) {
    // The files the program reads and writes live in the working directory;
    // whatever the dialog does, that directory stays the same.
    const QString workingDirectory = QDir::currentPath();
    const QString chosen =
        QFileDialog::getOpenFileName(dialogParent(), title.empty() ? QStringLiteral("Open") : toQString(title),
                                     workingDirectory, qtFileFilter(filter));
    if (QDir::currentPath() != workingDirectory) QDir::setCurrent(workingDirectory);
    if (chosen.isEmpty()) return std::nullopt;
    return QFile::encodeName(chosen).toStdString();
}

}  // namespace tintara::ui::qt
