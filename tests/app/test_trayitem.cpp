#include "dbusmenu.h"
#include "glyphs.h"
#include "panelplacement.h"
#include "shelltestsupport.h"
#include "statusnotifieritem.h"
#include "trayitem.h"

#include <QAction>
#include <QCursor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServer>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

#include <climits>
#include <string_view>

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

// The themed icons are made by CMake, from the same list as the glyph table:
// each setting's icon name must have a file made from that setting's glyph.
TEST(TrayIconFiles, eachSettingsThemedIconIsMadeFromItsGlyph)
{
    // The shapes' geometry, whatever their colours.
    const auto geometry = [](const QString &fileName) {
        QFile file(fileName);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(fileName);
        static const QRegularExpression attribute(
            QStringLiteral(R"(\s(?:cx|cy|r|x|y|width|height|d)="[^"]*")"));
        QStringList attributes;
        for (const QRegularExpressionMatch &match :
             attribute.globalMatch(QString::fromUtf8(file.readAll()))) {
            attributes << match.captured();
        }
        return attributes;
    };
    for (const MenuBarIconOption option : allMenuBarIconOptions) {
        const QStringList glyph = geometry(glyphPath(menuBarSymbolName(option)));
        ASSERT_FALSE(glyph.isEmpty()) << rawValue(option);
        for (const char *suffix : {".svg", "-symbolic.svg"}) {
            EXPECT_EQ(geometry(QStringLiteral(PONDREL_TRAY_ICON_DIR "/") + menuBarIconName(option) +
                               QLatin1String(suffix)),
                      glyph)
                << rawValue(option);
        }
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

TEST_F(TrayIcon, withoutATrayAStartByHandGivesUpAtOnceAndOneAtLoginWaits)
{
    ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable());
    TrayItem tray(*m_game, *m_panel);
    QSignalSpy unavailable(&tray, &TrayItem::trayUnavailable);
    tray.show();
    EXPECT_TRUE(unavailable.isEmpty()) << "before the caller's event loop turns";
    EXPECT_TRUE(unavailable.wait(500));
    EXPECT_EQ(unavailable.size(), 1);

    TrayItem atLogin(*m_game, *m_panel);
    atLogin.setStartedAtLogin(true);
    QSignalSpy waits(&atLogin, &TrayItem::trayUnavailable);
    atLogin.show();
    EXPECT_FALSE(waits.wait(500));
}

TEST_F(TrayIcon, unplacedIconAnchorsAtThePointer)
{
    TrayItem tray(*m_game, *m_panel);
    // Offscreen there is no tray: the icon has no place of its own.
    const QRect anchor = tray.anchor();
    EXPECT_EQ(anchor.size(), QSize(1, 1));
    EXPECT_EQ(anchor.topLeft(), QCursor::pos());
}

TEST_F(TrayIcon, statusNotifierClickAnchorsAtItsPointOrTheLastOneOrElseTheBarsTrayEnd)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    TrayItem tray(*m_game, *m_panel);
    const QRect trayEnd = trayEndAnchor(
        screen->geometry(), screen->availableGeometry(), QGuiApplication::layoutDirection());
    EXPECT_EQ(tray.anchorForActivation(std::nullopt), trayEnd);
    // A point relative to the icon is none, nor is one off every screen.
    EXPECT_EQ(tray.anchorForActivation(QPoint(10, 12)), trayEnd);
    EXPECT_EQ(tray.anchorForActivation(QPoint(-5000, 12)), trayEnd);
    // Not the pointer, which XWayland does not move for a click on a bar.
    const QPoint click(700, 12);
    ASSERT_NE(click, QCursor::pos());
    const QRect clicked = pointAnchor(click, screen->geometry(), screen->availableGeometry());
    EXPECT_EQ(tray.anchorForActivation(click), clicked);
    // From then on, activations without a screen point hang from it.
    EXPECT_EQ(tray.anchorForActivation(QPoint(11, 11)), clicked);
    EXPECT_EQ(tray.statusNotifierAnchor(std::nullopt), clicked);

    // Hosts that do not know where the icon is pass 0,0.
    StatusNotifierItem item;
    QSignalSpy activated(&item, &StatusNotifierItem::activated);
    item.activate(0, 0);
    item.activate(700, 12);
    ASSERT_EQ(activated.size(), 2);
    EXPECT_FALSE(activated[0][0].value<std::optional<QPoint>>().has_value());
    EXPECT_EQ(activated[1][0].value<std::optional<QPoint>>(), std::optional<QPoint>(click));
}

// Some hosts' menus take the focus from the board as they close, just after
// "Open" was chosen: the board ends up open all the same.
TEST_F(TrayIcon, menuOpenNeverLeavesTheBoardClosed)
{
    TrayItem tray(*m_game, *m_panel);
    m_panel->open(QRect(700, 0, 22, 22));
    ASSERT_TRUE(m_panel->isOpen());
    tray.openFromMenu();
    m_panel->hide();
    QTest::qWait(int(TrayItem::kMenuSettleTime.count()) + 100);
    EXPECT_TRUE(m_panel->isOpen());
    tray.openFromMenu();
    QTest::qWait(int(TrayItem::kMenuSettleTime.count()) + 100);
    EXPECT_TRUE(m_panel->isOpen());
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

    // The X embedded icon's menu says the same; it never opens over the
    // board, and its Open brings the board back.
    TrayItem tray(*m_game, *m_panel);
    QStringList trayLabels;
    for (const QAction *action : tray.menu().actions()) {
        trayLabels << action->text();
    }
    EXPECT_EQ(trayLabels, labels);
    m_panel->open(QRect(700, 0, 22, 22));
    ASSERT_TRUE(m_panel->isOpen());
    tray.menu().popup(QPoint(700, 22));
    EXPECT_FALSE(m_panel->isOpen());
    tray.menu().close();
    tray.menu().actions().constFirst()->trigger();
    QTest::qWait(int(TrayItem::kMenuSettleTime.count()) + 100);
    EXPECT_TRUE(m_panel->isOpen());
}

// The item and its menu on a private peer-to-peer bus, called with extreme
// values as any client on the session bus could: each call gets its answer
// (far sooner than the 25 s a caller waits by default), and nothing
// overflows on the way to the panel's place (the sanitizer build aborts).
TEST_F(TrayIcon, everyBusCallIsAnsweredEvenWithExtremeValues)
{
    StatusNotifierItem item;
    bool served = false;
    QDBusServer server(QStringLiteral("unix:dir=") + m_dir.path());
    QObject::connect(&server, &QDBusServer::newConnection, [&](QDBusConnection side) {
        side.registerObject(StatusNotifierItem::kItemPath, &item, QDBusConnection::ExportAdaptors);
        side.registerObject(
            StatusNotifierItem::kMenuPath, &item.menu(), QDBusConnection::ExportAdaptors);
        served = true;
    });
    QDBusConnection client = QDBusConnection::connectToPeer(server.address(), "client");
    const auto call = [&client](const char *path, const char *method, const QVariantList &args) {
        const bool isMenu = std::string_view(path) == StatusNotifierItem::kMenuPath;
        QDBusMessage message = QDBusMessage::createMethodCall(
            {}, path, isMenu ? "com.canonical.dbusmenu" : "org.kde.StatusNotifierItem", method);
        message.setArguments(args);
        return client.call(message, QDBus::BlockWithGui, 2000);
    };
    TrayItem tray(*m_game, *m_panel);
    QSignalSpy activated(&item, &StatusNotifierItem::activated);
    QObject::connect(&item, &StatusNotifierItem::activated, [&tray](std::optional<QPoint> point) {
        panelPosition(tray.anchorForActivation(point), QSize(375, 520), QRect(0, 0, 1280, 800));
    });
    ASSERT_TRUE(QTest::qWaitFor([&served] { return served; }));

    for (const int extreme : {INT_MAX, INT_MIN}) {
        for (const char *method : {"Activate", "SecondaryActivate"}) {
            EXPECT_EQ(call(StatusNotifierItem::kItemPath, method, {extreme, extreme}).type(),
                      QDBusMessage::ReplyMessage);
        }
    }
    EXPECT_EQ(activated.size(), 4) << "a middle click toggles as a left click does";

    const QStringList none;
    const QVariant ids = QVariant::fromValue(QList<int>{INT_MIN, 1, INT_MAX});
    const QVariant events = QVariant::fromValue(
        QList<DBusMenuEvent>{{INT_MIN, QStringLiteral("clicked"), QDBusVariant(0), UINT_MAX}});
    const QDBusVariant zero(0);
    // The signature of the answer; "" for the error InvalidArgs.
    const std::tuple<const char *, QVariantList, std::string> calls[] = {
        {"GetLayout", {0, INT_MIN, none}, "u(ia{sv}av)"},
        {"GetLayout", {INT_MAX, -1, none}, ""},
        {"GetGroupProperties", {ids, none}, "a(ia{sv})"},
        {"GetProperty", {1, "label"}, "v"},
        {"GetProperty", {INT_MIN, "label"}, ""},
        {"GetProperty", {1, "no-such-property"}, ""},
        {"Event", {INT_MAX, "clicked", QVariant::fromValue(zero), UINT_MAX}, ""},
        {"EventGroup", {events}, "ai"},
        {"AboutToShow", {INT_MIN}, "b"},
        {"AboutToShowGroup", {ids}, "aiai"},
    };
    for (const auto &[method, arguments, signature] : calls) {
        const QDBusMessage reply = call(StatusNotifierItem::kMenuPath, method, arguments);
        EXPECT_EQ(signature.empty() ? reply.errorName().toStdString()
                                    : reply.signature().toStdString(),
                  signature.empty() ? "org.freedesktop.DBus.Error.InvalidArgs" : signature)
            << method << " " << qPrintable(reply.errorMessage());
    }
    // The entries an event group does not know come back.
    const QDBusMessage unknown = call(StatusNotifierItem::kMenuPath, "EventGroup", {events});
    EXPECT_EQ(qdbus_cast<QList<int>>(unknown.arguments().value(0)), QList<int>{INT_MIN});
    QDBusConnection::disconnectFromPeer("client");
}

} // namespace
} // namespace pondrel
