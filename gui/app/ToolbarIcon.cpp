#include "ToolbarIcon.h"
#include <QImage>
#include <QString>

namespace {

// Grey levels are squeezed into the light half and the cover is cut to this share.
constexpr int s_nAlphaPercent = 45;

} // namespace

QPixmap DisabledPixmap(const QPixmap& pixmap) {
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* pLine = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = pLine[x];
            const int nGrey = 128 + qGray(rgb) / 2;
            pLine[x] = qRgba(nGrey, nGrey, nGrey, qAlpha(rgb) * s_nAlphaPercent / 100);
        }
    }
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(pixmap.devicePixelRatio());
    return result;
}

QIcon ToolbarIcon(const char* pszName) {
    QIcon icon;
    for (const char* pszSuffix : {"", "@2x"}) {
        const QPixmap pixmap(QStringLiteral(":/icons/%1%2.png")
                                 .arg(QLatin1String(pszName), QLatin1String(pszSuffix)));
        if (pixmap.isNull())
            continue;
        icon.addPixmap(pixmap, QIcon::Normal);
        icon.addPixmap(DisabledPixmap(pixmap), QIcon::Disabled);
    }
    return icon;
}
