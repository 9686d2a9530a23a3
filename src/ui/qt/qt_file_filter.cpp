#include "ui/qt/qt_file_filter.h"

#include <QStringList>

#include "ui/qt/qt_text.h"

namespace tintara::ui::qt {

namespace {

// Patterns are separated by ";"; "*.*" means every file, which in Qt is "*".
QString qtPatterns(const QString& patterns) {
    QStringList out;
    for (QString p : patterns.split(QChar(';'), Qt::SkipEmptyParts)) {
        p = p.trimmed();
        out << (p == QStringLiteral("*.*") ? QStringLiteral("*") : p);
    }
    return out.isEmpty() ? QStringLiteral("*") : out.join(QChar(' '));
}

}  // namespace

QString qtFileFilter(const std::string& filter) {
    const QStringList parts = toQString(filter).split(QChar('|'));
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        // A description without a pattern stands for itself.
        const QString patterns = qtPatterns(i + 1 < parts.size() ? parts[i + 1] : description);
        if (description.isEmpty() && patterns == QStringLiteral("*")) continue;
        const QString wrapped = QStringLiteral("(") + patterns + QStringLiteral(")");
        if (description.isEmpty() || description == patterns)
            entries << patterns + QChar(' ') + wrapped;
        else if (description.contains(QChar('(')))
            entries << description.left(description.indexOf(QChar('('))).trimmed() + QChar(' ') + wrapped;
        else
            entries << description + QChar(' ') + wrapped;
    }
    if (entries.isEmpty()) entries << QStringLiteral("All files (*)");
    return entries.join(QStringLiteral(";;"));
}

}  // namespace tintara::ui::qt
