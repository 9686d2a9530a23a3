#include "ui/qt/qt_fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <map>

#include "ui/qt/qt_text.h"

namespace tintara::ui::qt {

namespace {

struct StandIn {
    const char* family;
    double scale;  // point-size factor that brings its widths near the original's
};

// Metric-compatible families first, then the DejaVu faces the set-up installs.
constexpr StandIn sansStandIns[] = {{"Liberation Sans", 1.0}, {"Arimo", 1.0}, {"Helvetica", 1.0}, {"DejaVu Sans", 0.9}};
constexpr StandIn serifStandIns[] = {{"Liberation Serif", 1.0}, {"Tinos", 1.0}, {"DejaVu Serif", 0.9}};
constexpr StandIn monoStandIns[] = {{"Liberation Mono", 1.0}, {"Cousine", 1.0}, {"DejaVu Sans Mono", 1.0}};

QFont::StyleHint styleHintFor(const QString& family) {
    const QString f = family.toLower();
    if (f.contains(QStringLiteral("courier")) || f.contains(QStringLiteral("mono")) ||
        f.contains(QStringLiteral("fixed")))
        return QFont::TypeWriter;
    if (f.contains(QStringLiteral("times")) || f.contains(QStringLiteral("roman")) ||
        (f.contains(QStringLiteral("serif")) && !f.contains(QStringLiteral("sans"))))
        return QFont::Serif;
    return QFont::SansSerif;
}

template <std::size_t N>
bool pickStandIn(const StandIn (&standIns)[N], QString& family, double& scale) {
    for (const StandIn& s : standIns) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(s.family))) {
            family = QString::fromLatin1(s.family);
            scale = s.scale;
            return true;
        }
    }
    return false;
}

struct Resolved {
    QString family;  // empty: Qt's default for the style
    double scale = 1.0;
};

// Asking the font database takes about a millisecond, and the palette viewer
// measures and draws text thousands of times a second: each family named is
// looked up once.
const Resolved& resolvedFamily(const QString& named, QFont::StyleHint hint) {
    static std::map<QString, Resolved> known;
    if (const auto it = known.find(named); it != known.end()) return it->second;
    Resolved r{named, 1.0};
    if (!QFontDatabase::hasFamily(named)) {
        bool found = false;
        if (hint == QFont::TypeWriter)
            found = pickStandIn(monoStandIns, r.family, r.scale);
        else if (hint == QFont::Serif)
            found = pickStandIn(serifStandIns, r.family, r.scale);
        else
            found = pickStandIn(sansStandIns, r.family, r.scale);
        if (!found) r.family.clear();
    }
    return known.emplace(named, r).first->second;
}

}  // namespace

QFont toQFont(const Font& font) {
    const QString named = toQString(font.family);
    const QFont::StyleHint hint = styleHintFor(named);
    const Resolved& resolved = resolvedFamily(named, hint);
    const QString& family = resolved.family;
    const double scale = resolved.scale;
    QFont qfont;
    if (!family.isEmpty()) qfont.setFamilies(QStringList{family});
    qfont.setStyleHint(hint);
    qfont.setPointSizeF(font.points > 0 ? font.points * scale : qfont.pointSizeF());
    qfont.setBold(font.bold);
    return qfont;
}

}  // namespace tintara::ui::qt
