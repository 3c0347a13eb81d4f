// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapfont.h"

#include "model/filetext.h"

#include <QFontDatabase>
#include <algorithm>

namespace vantrel {

QString mapFontFamily()
{
    static const QString family = [] {
        const QString pinned = QStringLiteral("DejaVu Sans");
        if (QFontDatabase::hasFamily(pinned))
            return pinned;
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

int mapFontPixelSize(int points)
{
    return std::max(1, roundHalfEven(points * static_cast<double>(MapDpi) / 72.0));
}

QFont mapFont(int points)
{
    QFont font(mapFontFamily());
    font.setPixelSize(mapFontPixelSize(points));
    font.setKerning(false);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

TextExtent mapTextExtent(const QFontMetrics& metrics, const std::string& utf8)
{
    return {metrics.horizontalAdvance(QString::fromStdString(utf8)), metrics.height()};
}

} // namespace vantrel
