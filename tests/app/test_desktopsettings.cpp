#include "desktopsettings.h"
#include "panelview.h"
#include "shelltestsupport.h"

#include <QColor>
#include <QDBusVariant>
#include <QFile>
#include <QGuiApplication>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pondrel;

namespace {

// Writes the file the way KConfig and editors do: a new file renamed over
// the old one, which ends any watch on the old one.
void replaceFile(const QString &path, const QByteArray &content)
{
    const QString temporary = path + QStringLiteral(".new");
    QFile file(temporary);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();
    ASSERT_TRUE(QFile::remove(path) || !QFile::exists(path));
    ASSERT_TRUE(QFile::rename(temporary, path));
}

DesktopSettingsMonitor::Sources kdeglobalsOnly(const QString &path)
{
    DesktopSettingsMonitor::Sources sources;
    sources.kdeglobalsPath = path;
    sources.portal = false;
    sources.gsettings = false;
    return sources;
}

constexpr int kWatchWaitMs = 3000;

} // namespace

TEST(DesktopSettings, readsGsettingsBooleansOnly)
{
    EXPECT_EQ(parseGsettingsBool(QStringLiteral("true\n")), true);
    EXPECT_EQ(parseGsettingsBool(QStringLiteral("false")), false);
    EXPECT_EQ(parseGsettingsBool(QString()), std::nullopt);
    EXPECT_EQ(parseGsettingsBool(QStringLiteral("No such schema")), std::nullopt);
    EXPECT_EQ(parseGsettingsBool(QStringLiteral("'true'")), std::nullopt);
}

TEST(DesktopSettings, kdeglobalsGivesAnimationsOffOnlyAtFactorZeroAndTheSchemeByItsWindowColour)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("kdeglobals"));
    const auto read = [&](const QByteArray &content) {
        replaceFile(path, content);
        return readKdeglobals(path);
    };
    EXPECT_EQ(read("[KDE]\nAnimationDurationFactor=0\n").reduceMotion, true);
    EXPECT_EQ(read("[KDE]\nAnimationDurationFactor=0.5\n").reduceMotion, false);
    EXPECT_EQ(read("[KDE]\nAnimationDurationFactor=fast\n").reduceMotion, std::nullopt);
    EXPECT_EQ(read("[Colors:Window]\nBackgroundNormal=32,35,38\n").colorScheme, ColorScheme::dark);
    EXPECT_EQ(read("[Colors:Window]\nBackgroundNormal=239,240,241\n").colorScheme,
              ColorScheme::light);
    EXPECT_EQ(read("[General]\nColorScheme=BreezeDark\n").colorScheme, std::nullopt);
    EXPECT_EQ(readKdeglobals(QString()).reduceMotion, std::nullopt);
    EXPECT_EQ(readKdeglobals(dir.filePath(QStringLiteral("missing"))).colorScheme, std::nullopt);
}

TEST(DesktopSettings, portalKeysMapToSettingsAndTheAppearanceKeysLead)
{
    PortalSettings portal;
    const QString appearance = QStringLiteral("org.freedesktop.appearance");
    const QString gnome = QStringLiteral("org.gnome.desktop.interface");
    EXPECT_TRUE(portal.apply(gnome, QStringLiteral("color-scheme"), QStringLiteral("prefer-dark")));
    EXPECT_TRUE(portal.apply(appearance, QStringLiteral("color-scheme"), 0u));
    // No preference from the portal's own key leaves GNOME's word standing.
    EXPECT_EQ(portal.source().colorScheme, ColorScheme::dark);
    // Older portals wrap the value in a variant once more.
    EXPECT_TRUE(portal.apply(appearance,
                             QStringLiteral("color-scheme"),
                             QVariant::fromValue(QDBusVariant(QVariant(2u)))));
    EXPECT_EQ(portal.source().colorScheme, ColorScheme::light);
    EXPECT_FALSE(portal.apply(appearance, QStringLiteral("color-scheme"), 7u));
    EXPECT_FALSE(portal.apply(appearance, QStringLiteral("accent-color"), 1u));
    EXPECT_EQ(portal.source().increasedContrast, std::nullopt);
    EXPECT_TRUE(portal.apply(appearance, QStringLiteral("contrast"), 1u));
    EXPECT_EQ(portal.source().increasedContrast, true);

    EXPECT_FALSE(portal.apply(gnome, QStringLiteral("enable-animations"), QStringLiteral("false")));
    EXPECT_EQ(portal.source().reduceMotion, std::nullopt);
    EXPECT_TRUE(portal.apply(gnome, QStringLiteral("enable-animations"), false));
    EXPECT_EQ(portal.source().reduceMotion, true);
    EXPECT_TRUE(portal.apply(gnome, QStringLiteral("enable-animations"), true));
    EXPECT_TRUE(portal.apply(QStringLiteral("org.kde.kdeglobals.KDE"),
                             QStringLiteral("AnimationDurationFactor"),
                             QStringLiteral("0")));
    EXPECT_EQ(portal.source().reduceMotion, true);
}

TEST(DesktopSettings, anySourceAsksForLessMotionOrMoreContrastAndTheFirstSchemeWins)
{
    const DesktopSource portal{false, std::nullopt, ColorScheme::light};
    const DesktopSource kde{true, false, ColorScheme::dark};
    const DesktopSettings merged = mergeDesktopSources({portal, kde}, 12.5);
    EXPECT_TRUE(merged.reduceMotion);
    EXPECT_FALSE(merged.increasedContrast);
    EXPECT_EQ(merged.colorScheme, ColorScheme::light);
    EXPECT_DOUBLE_EQ(merged.textScale, 1.25);
    EXPECT_EQ(mergeDesktopSources({DesktopSource{}, kde}, 10).colorScheme, ColorScheme::dark);
    // Small text is drawn at the default size, very large text held where
    // the panel still fits a laptop screen.
    EXPECT_DOUBLE_EQ(mergeDesktopSources({}, 8).textScale, 1.0);
    EXPECT_DOUBLE_EQ(mergeDesktopSources({}, 24).textScale, 1.65);
}

TEST(DesktopSettingsMonitor, followsKdeglobalsAcrossReplacementsAndItsFirstAppearance)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("kdeglobals"));
    DesktopSettingsMonitor monitor(kdeglobalsOnly(path));
    EXPECT_FALSE(monitor.settings().reduceMotion);
    QSignalSpy changed(&monitor, &DesktopSettingsMonitor::changed);

    replaceFile(path, "[KDE]\nAnimationDurationFactor=0\n");
    ASSERT_TRUE(changed.wait(kWatchWaitMs));
    EXPECT_TRUE(monitor.settings().reduceMotion);
    for (const QByteArray factor : {"1", "0", "1"}) {
        changed.clear();
        replaceFile(path, "[KDE]\nAnimationDurationFactor=" + factor + "\n");
        ASSERT_TRUE(changed.wait(kWatchWaitMs)) << factor.constData();
        EXPECT_EQ(monitor.settings().reduceMotion, factor == "0");
    }
}

TEST(DesktopSettingsMonitor, followsQtsFontAndSetsAPaletteTheDesktopAsksFor)
{
    const QFont font = QGuiApplication::font();
    DesktopSettingsMonitor monitor(kdeglobalsOnly(QString()));
    QSignalSpy changed(&monitor, &DesktopSettingsMonitor::changed);
    QFont larger = font;
    larger.setPointSizeF(13);
    QGuiApplication::setFont(larger);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_DOUBLE_EQ(monitor.settings().textScale, 1.3);
    QGuiApplication::setFont(font);

    // The offscreen platform's palette is light and does not follow the
    // desktop, so a dark preference brings a dark palette of our own.
    ASSERT_FALSE(isDarkPalette(QGuiApplication::palette()));
    const QString appearance = QStringLiteral("org.freedesktop.appearance");
    monitor.applyPortalSetting(appearance, QStringLiteral("color-scheme"), 1u);
    EXPECT_EQ(monitor.settings().colorScheme, ColorScheme::dark);
    EXPECT_TRUE(isDarkPalette(QGuiApplication::palette()));
    monitor.applyPortalSetting(appearance, QStringLiteral("color-scheme"), 0u);
    EXPECT_FALSE(isDarkPalette(QGuiApplication::palette()));
    EXPECT_FALSE(QCoreApplication::testAttribute(Qt::AA_SetPalette));
}

using DesktopSettingsOnTheBoard = test::ShellTest;

TEST_F(DesktopSettingsOnTheBoard, aChangeReachesTheBoardWhileItRuns)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    m_panel->setDesktopSources(kdeglobalsOnly(dir.filePath(QStringLiteral("kdeglobals"))));
    m_panel->open(QRect(400, 0, 22, 24));
    DesktopSettingsMonitor *monitor = m_panel->desktopSettings();
    ASSERT_NE(monitor, nullptr);
    QQuickItem *root = m_panel->view()->rootObject();
    ASSERT_NE(root, nullptr);
    // What the board binds to.
    const QObject *board = root->property("desktop").value<QObject *>();
    ASSERT_NE(board, nullptr);
    const QString appearance = QStringLiteral("org.freedesktop.appearance");
    for (const uint contrast : {1u, 0u}) {
        monitor->applyPortalSetting(appearance, QStringLiteral("contrast"), contrast);
        EXPECT_EQ(board->property("increasedContrast").toBool(),
                  monitor->settings().increasedContrast);
        EXPECT_EQ(monitor->settings().increasedContrast, contrast == 1);
    }
    const QString gnome = QStringLiteral("org.gnome.desktop.interface");
    monitor->applyPortalSetting(gnome, QStringLiteral("enable-animations"), false);
    EXPECT_TRUE(board->property("reduceMotion").toBool());

    // The offscreen platform's palette is light and does not follow.
    monitor->applyPortalSetting(appearance, QStringLiteral("color-scheme"), 1u);
    EXPECT_LT(root->property("windowColour").value<QColor>().lightnessF(), 0.5);
    monitor->applyPortalSetting(appearance, QStringLiteral("color-scheme"), 2u);
    EXPECT_GE(root->property("windowColour").value<QColor>().lightnessF(), 0.5);

    const QFont font = QGuiApplication::font();
    QFont larger = font;
    larger.setPointSizeF(14);
    QGuiApplication::setFont(larger);
    EXPECT_DOUBLE_EQ(board->property("textScale").toDouble(), 1.4);
    QGuiApplication::setFont(font);
}
