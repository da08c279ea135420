#include "dbusmenu.h"
#include "glyphs.h"
#include "panelplacement.h"
#include "shelltestsupport.h"
#include "statusnotifieritem.h"
#include "trayitem.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
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

TEST_F(TrayIcon, statusNotifierClickAnchorsAtItsPointOrElseTheTopRightCorner)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(TrayItem::statusNotifierAnchor(std::nullopt),
              cornerAnchor(screen->availableGeometry()));
    // Not the pointer, which XWayland does not move for a click on a bar.
    const QPoint click(700, 12);
    ASSERT_NE(click, QCursor::pos());
    EXPECT_EQ(TrayItem::statusNotifierAnchor(click),
              pointAnchor(click, screen->geometry(), screen->availableGeometry()));

    // Hosts that do not know where the icon is pass 0,0.
    StatusNotifierItem item;
    QSignalSpy activated(&item, &StatusNotifierItem::activated);
    item.activate(0, 0);
    item.activate(700, 12);
    ASSERT_EQ(activated.size(), 2);
    EXPECT_FALSE(activated[0][0].value<std::optional<QPoint>>().has_value());
    EXPECT_EQ(activated[1][0].value<std::optional<QPoint>>(), std::optional<QPoint>(click));
}

TEST_F(TrayIcon, itemImagesAreArgbInNetworkByteOrder)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0x11, 0x22, 0x33, 0xff));
    image.setPixel(1, 0, qRgba(0, 0, 0, 0));
    const SniPixmapList pixmaps = StatusNotifierItem::pixmapsOf(QIcon(QPixmap::fromImage(image)));
    ASSERT_EQ(pixmaps.size(), 1);
    EXPECT_EQ(pixmaps[0].width, 2);
    EXPECT_EQ(pixmaps[0].height, 1);
    EXPECT_EQ(pixmaps[0].argb, QByteArray::fromHex("ff11223300000000"));
}

TEST_F(TrayIcon, itemMenuOpensAndQuits)
{
    DBusMenu menu;
    const DBusMenuLayout root = menu.layout(DBusMenu::rootId, -1);
    QStringList labels;
    for (const QVariant &child : root.children) {
        labels
            << child.value<DBusMenuLayout>().properties.value(QStringLiteral("label")).toString();
    }
    EXPECT_EQ(labels,
              QStringList(
                  {QStringLiteral("Open Pondrel Sudoku"), QStringLiteral("Quit Pondrel Sudoku")}));
    EXPECT_TRUE(menu.layout(DBusMenu::rootId, 0).children.isEmpty());

    QSignalSpy open(&menu, &DBusMenu::openChosen);
    QSignalSpy quit(&menu, &DBusMenu::quitChosen);
    menu.handleEvent(DBusMenu::openId, QStringLiteral("hovered"));
    menu.handleEvent(DBusMenu::openId, QStringLiteral("clicked"));
    EXPECT_EQ(open.size(), 1);
    EXPECT_TRUE(quit.isEmpty());
    menu.handleEvent(DBusMenu::quitId, QStringLiteral("clicked"));
    EXPECT_EQ(quit.size(), 1);
}

} // namespace
} // namespace pondrel
