#include "glyphs.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <optional>

namespace pondrel {

namespace {

struct MenuBarGlyph
{
    const char *symbol;
    const char *iconName;
};

// Indexed by MenuBarIconOption; the build makes the rows from the list that
// also names the themed icon files it installs.
constexpr std::array<MenuBarGlyph, allMenuBarIconOptions.size()> kMenuBarGlyphs{{
#include "menubarglyphs.inc"
}};
static_assert(std::ranges::none_of(kMenuBarGlyphs,
                                   [](const MenuBarGlyph &glyph) {
                                       return glyph.symbol == nullptr;
                                   }),
              "every tray icon setting has a glyph");

} // namespace

QString menuBarSymbolName(MenuBarIconOption option)
{
    return QString::fromLatin1(kMenuBarGlyphs[static_cast<int>(option)].symbol);
}

QString menuBarIconName(MenuBarIconOption option)
{
    return QString::fromLatin1(kMenuBarGlyphs[static_cast<int>(option)].iconName);
}

Glyphs::Glyphs(QObject *parent) : QObject(parent) {}

QString Glyphs::menuBarSymbolName(const QString &rawValue)
{
    const std::optional<MenuBarIconOption> option =
        menuBarIconOptionFromRawValue(rawValue.toStdString());
    return option ? pondrel::menuBarSymbolName(*option) : QString();
}

QString glyphPath(const QString &symbolName)
{
    return QStringLiteral(":/icons/") + symbolName + QStringLiteral(".svg");
}

QImage
renderGlyph(const QString &symbolName, int pixelSize, const QColor &color, const QColor &haloColor)
{
    if (pixelSize <= 0 || !QFile::exists(glyphPath(symbolName))) {
        return {};
    }
    QSvgRenderer renderer(glyphPath(symbolName));
    if (!renderer.isValid()) {
        return {};
    }

    const bool hasHalo = haloColor.alpha() > 0;
    // A one-pixel rim reads at tray sizes (16 to 24 px) without blurring the
    // shape; larger images get a proportionally wider one.
    const int haloWidth = hasHalo ? std::max(1, pixelSize / 24) : 0;

    QImage coverage(pixelSize, pixelSize, QImage::Format_ARGB32_Premultiplied);
    coverage.fill(Qt::transparent);
    {
        QPainter painter(&coverage);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(
            &painter,
            QRectF(haloWidth, haloWidth, pixelSize - 2 * haloWidth, pixelSize - 2 * haloWidth));
    }

    const auto tinted = [&coverage](const QColor &tint) {
        QImage image = coverage;
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(image.rect(), tint);
        return image;
    };

    if (!hasHalo) {
        return tinted(color);
    }
    QImage result(pixelSize, pixelSize, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    const QImage halo = tinted(haloColor);
    for (int dx = -haloWidth; dx <= haloWidth; ++dx) {
        for (int dy = -haloWidth; dy <= haloWidth; ++dy) {
            if (dx != 0 || dy != 0) {
                painter.drawImage(dx, dy, halo);
            }
        }
    }
    painter.drawImage(0, 0, tinted(color));
    return result;
}

GlyphImageProvider::GlyphImageProvider() : QQuickImageProvider(QQuickImageProvider::Image) {}

QImage GlyphImageProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    const qsizetype slash = id.lastIndexOf(u'/');
    const QString symbolName = slash < 0 ? id : id.left(slash);
    QColor color(Qt::black);
    if (slash >= 0) {
        const QColor requested = QColor::fromString(u'#' + id.mid(slash + 1));
        if (requested.isValid()) {
            color = requested;
        }
    }
    const int pixelSize = requestedSize.isValid() && !requestedSize.isEmpty()
                              ? std::max(requestedSize.width(), requestedSize.height())
                              : kDefaultPixelSize;
    QImage image = renderGlyph(symbolName, pixelSize, color);
    if (size != nullptr) {
        *size = image.size();
    }
    return image;
}

} // namespace pondrel
