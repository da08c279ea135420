#pragma once

#include "menubariconoption.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QQuickImageProvider>
#include <QString>
#include <QtQml/qqml.h>

namespace pondrel {

// Symbol images are our own monochrome SVGs, one per symbol name, compiled
// in as :/icons/<symbol name>.svg and tinted when drawn (the files are black
// on transparent; only their coverage is used).

// The tray glyph of each icon setting: the symbol drawn (the welcome window
// and Preferences draw the same one), and the name of the themed icon
// installed from that symbol for StatusNotifier hosts that look the icon up
// in the theme. Both come from one list in ui/CMakeLists.txt, from which
// app/CMakeLists.txt also makes those icon files.
QString menuBarSymbolName(MenuBarIconOption option);
QString menuBarIconName(MenuBarIconOption option);

// The same map for QML, as the singleton `Glyphs`, so Preferences shows
// each option with the glyph the tray will draw:
//
//     GlyphImage { symbol: Glyphs.menuBarSymbolName("Corner Grid") }
class Glyphs : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit Glyphs(QObject *parent = nullptr);

    // The symbol of the option with this raw value ("Dots"); empty for a
    // text that is no option's raw value.
    Q_INVOKABLE static QString menuBarSymbolName(const QString &rawValue);
};

// ":/icons/<symbolName>.svg".
QString glyphPath(const QString &symbolName);

// The glyph as a square image of `pixelSize` pixels in `color`. A visible
// `haloColor` rims the glyph with about a pixel of it (more on large
// images), so the glyph stays legible on a background of its own colour.
// A null image when there is no such symbol.
QImage renderGlyph(const QString &symbolName,
                   int pixelSize,
                   const QColor &color,
                   const QColor &haloColor = Qt::transparent);

// Tinted glyphs for QML, since Qt Quick's software renderer has no shader to
// recolour an image:
//
//     Image { source: "image://glyph/xmark/" + palette.text.toString().slice(1) }
//
// The id is "<symbol name>/<colour as hex without '#'>" (RRGGBB or AARRGGBB);
// without a colour the glyph is black. Install once per engine as "glyph".
class GlyphImageProvider : public QQuickImageProvider
{
public:
    static constexpr char kProviderId[] = "glyph";
    // Drawn when QML gives no sourceSize.
    static constexpr int kDefaultPixelSize = 24;

    GlyphImageProvider();

    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;
};

} // namespace pondrel
