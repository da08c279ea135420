#include "glyphs.h"
#include "shelltestsupport.h"
#include "trayitem.h"

#include <QCursor>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QSystemTrayIcon>

namespace pondrel {
namespace {

using test::ShellTest;

QImage iconImage(const QIcon &icon)
{
    return icon.pixmap(22, 22).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

using TrayIcon = ShellTest;

TEST_F(TrayIcon, showsTheGlyphOfTheSettingAndFollowsItAtOnce)
{
    TrayItem tray(*m_game, *m_panel);
    const QPalette palette = QGuiApplication::palette();
    EXPECT_EQ(iconImage(tray.trayIcon().icon()),
              iconImage(TrayItem::glyphIcon(m_game->menuBarIcon(), palette)));

    for (const MenuBarIconOption option : {MenuBarIconOption::numberSquare,
                                           MenuBarIconOption::cornerGrid,
                                           MenuBarIconOption::dots}) {
        m_game->setMenuBarIcon(option);
        EXPECT_EQ(iconImage(tray.trayIcon().icon()),
                  iconImage(TrayItem::glyphIcon(option, palette)))
            << rawValue(option);
    }
}

TEST_F(TrayIcon, glyphIsDrawnInThePalettesTextColour)
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, QColor(240, 240, 240));
    const QImage image = iconImage(TrayItem::glyphIcon(MenuBarIconOption::dots, dark));
    int lightPixels = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.alpha() == 255 && colour.lightness() > 200) {
                ++lightPixels;
            }
        }
    }
    EXPECT_GT(lightPixels, 20);
}

TEST_F(TrayIcon, followsADesktopPaletteChange)
{
    TrayItem tray(*m_game, *m_panel);
    const QPalette original = QGuiApplication::palette();
    QPalette dark = original;
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, QColor(240, 240, 240));
    QGuiApplication::setPalette(dark);
    const QImage shown = iconImage(tray.trayIcon().icon());
    QGuiApplication::setPalette(original);

    EXPECT_EQ(shown, iconImage(TrayItem::glyphIcon(m_game->menuBarIcon(), dark)));
    EXPECT_NE(shown, iconImage(TrayItem::glyphIcon(m_game->menuBarIcon(), original)));
}

TEST_F(TrayIcon, titleIsTheTooltip)
{
    TrayItem tray(*m_game, *m_panel);
    EXPECT_EQ(tray.trayIcon().toolTip(), QStringLiteral("Pondrel Sudoku"));
}

TEST_F(TrayIcon, withoutATrayItGivesUpAfterWaiting)
{
    ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable());
    TrayItem tray(*m_game, *m_panel);
    tray.setTrayWaitForTesting(std::chrono::milliseconds(300));
    QSignalSpy unavailable(&tray, &TrayItem::trayUnavailable);
    tray.show();
    EXPECT_TRUE(unavailable.isEmpty());
    EXPECT_TRUE(unavailable.wait(3000));
    EXPECT_EQ(unavailable.size(), 1);
}

TEST_F(TrayIcon, unplacedIconAnchorsAtThePointer)
{
    TrayItem tray(*m_game, *m_panel);
    // Offscreen there is no tray: the icon has no place of its own.
    const QRect anchor = tray.anchor();
    EXPECT_EQ(anchor.size(), QSize(1, 1));
    EXPECT_EQ(anchor.topLeft(), QCursor::pos());
}

} // namespace
} // namespace pondrel
