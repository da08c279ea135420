#include "glyphs.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace pondrel {
namespace {

int countPixels(const QImage &image, const std::function<bool(QColor)> &matches)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (matches(image.pixelColor(x, y))) {
                ++count;
            }
        }
    }
    return count;
}

bool isOpaque(QColor colour)
{
    return colour.alpha() > 200;
}

// Preferences shows each choice with the glyph the tray will draw.
TEST(Glyphs, qmlNamesTheTraysSymbolByRawValue)
{
    for (const MenuBarIconOption option : allMenuBarIconOptions) {
        const QString raw = QString::fromUtf8(rawValue(option).data(), rawValue(option).size());
        EXPECT_EQ(Glyphs::menuBarSymbolName(raw), menuBarSymbolName(option));
    }
    EXPECT_TRUE(Glyphs::menuBarSymbolName(QStringLiteral("dots")).isEmpty());
}

TEST(Glyphs, everyTrayIconSettingHasADrawnGlyph)
{
    for (const MenuBarIconOption option : allMenuBarIconOptions) {
        const QString symbol = menuBarSymbolName(option);
        SCOPED_TRACE(symbol.toStdString());
        const QImage image = renderGlyph(symbol, 16, Qt::black);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(16, 16));
        // A real shape at the smallest tray size: neither blank nor a block.
        const int opaque = countPixels(image, isOpaque);
        EXPECT_GT(opaque, 16 * 16 / 8);
        EXPECT_LT(opaque, 16 * 16 * 4 / 5);
    }
}

TEST(Glyphs, theThreeTrayGlyphsDiffer)
{
    const QImage dots = renderGlyph(menuBarSymbolName(MenuBarIconOption::dots), 22, Qt::black);
    const QImage grid =
        renderGlyph(menuBarSymbolName(MenuBarIconOption::cornerGrid), 22, Qt::black);
    const QImage number =
        renderGlyph(menuBarSymbolName(MenuBarIconOption::numberSquare), 22, Qt::black);
    EXPECT_NE(dots, grid);
    EXPECT_NE(grid, number);
    EXPECT_NE(dots, number);
}

TEST(Glyphs, unknownSymbolGivesNoImage)
{
    EXPECT_TRUE(renderGlyph(QStringLiteral("no.such.symbol"), 16, Qt::black).isNull());
}

TEST(Glyphs, tintIsTheOnlyColour)
{
    const QImage image =
        renderGlyph(QStringLiteral("circle.grid.3x3.fill"), 24, QColor(200, 30, 10));
    const int offTint = countPixels(image, [](QColor colour) {
        return isOpaque(colour) &&
               (colour.red() != 200 || colour.green() != 30 || colour.blue() != 10);
    });
    EXPECT_EQ(offTint, 0);
}

// A light glyph with a dark rim shows on white and on black panels alike.
TEST(Glyphs, haloGivesContrastOnEitherBackground)
{
    const QImage image =
        renderGlyph(QStringLiteral("number.square.fill"), 22, Qt::white, Qt::black);
    for (const QColor background : {QColor(Qt::white), QColor(Qt::black)}) {
        QImage onPanel(image.size(), QImage::Format_ARGB32_Premultiplied);
        onPanel.fill(background);
        QPainter(&onPanel).drawImage(0, 0, image);
        const int light = countPixels(onPanel, [](QColor c) { return c.lightness() > 200; });
        const int dark = countPixels(onPanel, [](QColor c) { return c.lightness() < 55; });
        const int differing = background == Qt::white ? dark : light;
        EXPECT_GT(differing, 22) << "on " << background.name().toStdString();
    }
}

TEST(Glyphs, providerTintsWithTheColourInTheId)
{
    GlyphImageProvider provider;
    QSize size;
    const QImage image =
        provider.requestImage(QStringLiteral("circle.grid.3x3.fill/ff0000"), &size, QSize(32, 32));
    EXPECT_EQ(size, QSize(32, 32));
    EXPECT_GT(countPixels(image,
                          [](QColor c) { return isOpaque(c) && c.red() == 255 && c.green() == 0; }),
              0);

    const QImage translucent =
        provider.requestImage(QStringLiteral("circle.grid.3x3.fill/800000ff"), &size, QSize());
    EXPECT_EQ(size,
              QSize(GlyphImageProvider::kDefaultPixelSize, GlyphImageProvider::kDefaultPixelSize));
    EXPECT_EQ(countPixels(translucent, isOpaque), 0);
    EXPECT_GT(countPixels(translucent, [](QColor c) { return c.alpha() > 100 && c.blue() == 255; }),
              0);
}

} // namespace
} // namespace pondrel
