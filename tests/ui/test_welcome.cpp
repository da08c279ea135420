#include "glyphs.h"
#include "sudokugame.h"
#include "testgames.h"
#include "welcomewindowcontroller.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickView>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

Q_IMPORT_QML_PLUGIN(PondrelPlugin)

namespace pondrel {
namespace {

QQuickItem *viewChild(QQuickView *window, const char *objectName)
{
    return window->rootObject()->findChild<QQuickItem *>(QString::fromLatin1(objectName));
}

QString highlightedGlyph(QQuickView *window)
{
    return viewChild(window, "welcomeHighlightedGlyph")->property("source").toUrl().toString();
}

// The controller is one per process, so every case leaves it closed.
class WelcomeWindow : public ::testing::Test
{
protected:
    void TearDown() override
    {
        if (QQuickView *window = controller().window()) {
            window->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static WelcomeWindowController &controller() { return WelcomeWindowController::shared(); }

    test::TestGames m_games;
};

TEST_F(WelcomeWindow, firstStartStoresTheFlagBeforeTheWindowOpens)
{
    SudokuGame *game = m_games.makeGame();
    game->setMenuBarIconText(QStringLiteral("Number Square"));
    ASSERT_FALSE(game->hasSeenWelcome());
    bool windowWasOpenWhenStored = true;
    QObject::connect(game, &SudokuGame::hasSeenWelcomeChanged, game, [&] {
        windowWasOpenWhenStored = controller().window() != nullptr;
    });

    showWelcomeIfNeeded(*game);

    EXPECT_TRUE(game->hasSeenWelcome());
    EXPECT_FALSE(windowWasOpenWhenStored);
    QQuickView *window = controller().window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    // The icon of the setting at the time the window opened.
    EXPECT_TRUE(highlightedGlyph(window).contains(QStringLiteral("/number.square.fill/")));
}

TEST_F(WelcomeWindow, laterStartOpensNothing)
{
    SudokuGame *game = m_games.makeGame();
    game->setHasSeenWelcome(true);

    showWelcomeIfNeeded(*game);

    EXPECT_EQ(controller().window(), nullptr);
}

TEST_F(WelcomeWindow, isAnOrdinaryFixedSizeTitledWindowInTheCentre)
{
    controller().showWelcome(menuBarSymbolName(MenuBarIconOption::dots));
    QQuickView *window = controller().window();
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(window->title(), QStringLiteral("Welcome"));
    EXPECT_EQ(window->flags() & (Qt::WindowMinMaxButtonsHint | Qt::FramelessWindowHint |
                                 Qt::WindowStaysOnTopHint),
              Qt::WindowFlags());
    EXPECT_TRUE(window->flags().testFlag(Qt::WindowCloseButtonHint));
    // The size the content needs, and not resizable.
    const QQuickItem *view = window->rootObject();
    EXPECT_EQ(window->size(), QSize(qCeil(view->implicitWidth()), qCeil(view->implicitHeight())));
    EXPECT_EQ(window->minimumSize(), window->size());
    EXPECT_EQ(window->maximumSize(), window->size());
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((window->geometry().center() - screenCentre).manhattanLength(), 2);
}

TEST_F(WelcomeWindow, secondShowWhileOpenLeavesTheWindowAlone)
{
    controller().showWelcome(QStringLiteral("circle.grid.3x3.fill"));
    QQuickView *first = controller().window();
    ASSERT_NE(first, nullptr);

    controller().showWelcome(QStringLiteral("number.square.fill"));

    EXPECT_EQ(controller().window(), first);
    EXPECT_TRUE(highlightedGlyph(first).contains(QStringLiteral("/circle.grid.3x3.fill/")));
}

struct CloseWay
{
    const char *name;
    std::function<void(QQuickView *)> close;
};

void PrintTo(const CloseWay &way, std::ostream *stream)
{
    *stream << way.name;
}

class WelcomeWindowClosing : public WelcomeWindow, public ::testing::WithParamInterface<CloseWay>
{
};

// Every way out clears the window, so that a later show opens a new one.
TEST_P(WelcomeWindowClosing, closesAndCanOpenAgain)
{
    controller().showWelcome(QStringLiteral("circle.grid.3x3.fill"));
    QQuickView *window = controller().window();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QSignalSpy closed(&controller(), &WelcomeWindowController::windowClosed);
    QSignalSpy destroyed(window, &QObject::destroyed);

    GetParam().close(window);

    EXPECT_EQ(controller().window(), nullptr);
    EXPECT_EQ(closed.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(destroyed.count(), 1);

    controller().showWelcome(QStringLiteral("circle.grid.3x3.fill"));
    EXPECT_NE(controller().window(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    ByEveryWay,
    WelcomeWindowClosing,
    ::testing::Values(
        CloseWay{"returnKey", [](QQuickView *window) { QTest::keyClick(window, Qt::Key_Return); }},
        CloseWay{"enterKey", [](QQuickView *window) { QTest::keyClick(window, Qt::Key_Enter); }},
        CloseWay{"gotItButton",
                 [](QQuickView *window) {
                     const QQuickItem *button = viewChild(window, "welcomeGotItButton");
                     ASSERT_NE(button, nullptr);
                     const QPointF centre =
                         button->mapToScene(QPointF(button->width() / 2, button->height() / 2));
                     QTest::mouseClick(window, Qt::LeftButton, {}, centre.toPoint());
                 }},
        // What the title bar's close button sends.
        CloseWay{"titleBar", [](QQuickView *window) { window->close(); }}),
    [](const ::testing::TestParamInfo<CloseWay> &info) { return std::string(info.param.name); });

} // namespace
} // namespace pondrel

// A window needs a GUI application; offscreen, so no display is needed.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_BACKEND", "software");
    qputenv("LANGUAGE", "en");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
