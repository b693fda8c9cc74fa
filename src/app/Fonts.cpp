#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {
// 8.25 point at 96 pixels per inch.
constexpr int NumberPixelSize = 11;

QString embeddedFamily()
{
    const int id =
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QStringLiteral("Sans Serif") : families.first();
}
} // namespace

QFont Fonts::numberFont()
{
    static const QString family = embeddedFamily();
    QFont font(family);
    font.setPixelSize(NumberPixelSize);
    // Pure colours keep the numbers crisp at this small size and leave the
    // surface's palette exact.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}
