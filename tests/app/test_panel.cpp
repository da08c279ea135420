#include "panelhost.h"
#include "panelplacement.h"
#include "panelview.h"
#include "shelltestsupport.h"

#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <QWindow>

namespace pondrel {
namespace {

using test::ShellTest;

const QRect kIcon(400, 0, 22, 24);

class Panel : public ShellTest
{
protected:
    void openAndActivate()
    {
        m_panel->open(kIcon);
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_panel->view()));
    }

    void pressAt(QPoint position)
    {
        QTest::mousePress(m_panel->view(), Qt::LeftButton, {}, position);
        QTest::mouseRelease(m_panel->view(), Qt::LeftButton, {}, position);
    }
};

TEST_F(Panel, madeOnFirstOpenAndKeptForLater)
{
    EXPECT_EQ(m_panel->view(), nullptr);
    m_panel->open(kIcon);
    PanelView *view = m_panel->view();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(m_panel->isOpen());
    EXPECT_EQ(view->status(), QQuickView::Ready);

    m_panel->hide();
    EXPECT_FALSE(view->isVisible());
    m_panel->open(kIcon);
    EXPECT_EQ(m_panel->view(), view);
}

// Made ahead, the board is only shown by the first open: it is neither on
// screen nor counting play time before.
TEST_F(Panel, preparedAheadWithoutOpening)
{
    m_panel->prepare();
    PanelView *view = m_panel->view();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->status(), QQuickView::Ready);
    EXPECT_FALSE(view->isVisible());
    EXPECT_FALSE(m_game->isPlayActive());
    m_panel->open(kIcon);
    EXPECT_EQ(m_panel->view(), view);
    EXPECT_TRUE(m_game->isPlayActive());
}

// The board's Quit only asks; the host's quit path stops the clock (and
// writes the game) once.
TEST_F(Panel, theBoardsQuitGoesDownTheHostsQuitPath)
{
    m_panel->setSource(QUrl(QStringLiteral("qrc:/Pondrel/board/SudokuView.qml")));
    openAndActivate();
    ASSERT_TRUE(m_game->isPlayActive());
    QSignalSpy asked(m_panel->view()->engine(), &QQmlEngine::quit);
    ASSERT_TRUE(QMetaObject::invokeMethod(m_panel->view()->rootObject(), "quit"));
    EXPECT_EQ(asked.size(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !m_game->isPlayActive(); }));
}

TEST_F(Panel, hangsUnderTheIconAsATrayPopup)
{
    m_panel->open(kIcon);
    const PanelView *view = m_panel->view();
    EXPECT_EQ(view->size(), QSize(200, 100));
    EXPECT_EQ(
        view->position(),
        panelPosition(kIcon, view->size(), QGuiApplication::primaryScreen()->availableGeometry()));
    EXPECT_EQ(view->position().y(), kIcon.bottom() + 1 + kPanelGap);
    const Qt::WindowFlags flags = view->flags();
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::BypassWindowManagerHint));
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
}

TEST_F(Panel, staysAttachedWhenTheBoardChangesSize)
{
    m_panel->open(kIcon);
    PanelView *view = m_panel->view();
    view->rootObject()->setWidth(300);
    view->rootObject()->setHeight(150);
    // The window system confirms a resize with an event of its own.
    EXPECT_TRUE(QTest::qWaitFor([view] { return view->size() == QSize(300, 150); }));
    EXPECT_TRUE(QTest::qWaitFor([view] {
        return view->position().x() + 150 == kIcon.center().x();
    })) << view->position().x();
    EXPECT_EQ(view->position().y(), kIcon.bottom() + 1 + kPanelGap);
}

TEST_F(Panel, toggleOpensAndHides)
{
    m_panel->toggle(kIcon);
    EXPECT_TRUE(m_panel->isOpen());
    m_panel->toggle(kIcon);
    EXPECT_FALSE(m_panel->isOpen());
}

TEST_F(Panel, gameGetsTheViewAsItsRequiredProperty)
{
    m_panel->open(kIcon);
    EXPECT_EQ(m_panel->view()->rootObject()->property("game").value<SudokuGame *>(), m_game.get());
}

TEST_F(Panel, escapeHidesWhenNothingInTheBoardTakesIt)
{
    openAndActivate();
    QTest::keyClick(m_panel->view(), Qt::Key_Escape);
    EXPECT_FALSE(m_panel->isOpen());
}

TEST_F(Panel, escapeTakenByTheBoardKeepsThePanelOpen)
{
    openAndActivate();
    m_panel->view()->rootObject()->setProperty("takesEscape", true);
    QTest::keyClick(m_panel->view(), Qt::Key_Escape);
    EXPECT_TRUE(m_panel->isOpen());
    // Escape with a modifier is some other shortcut, never a dismissal.
    m_panel->view()->rootObject()->setProperty("takesEscape", false);
    QTest::keyClick(m_panel->view(), Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_TRUE(m_panel->isOpen());
}

// Hiding the panel keeps an open screen and its question. Once the panel
// shows again Return and Escape answer the question; Escape must not hide the
// panel as it does when nothing is open.
TEST_F(Panel, reopenedPanelGivesTheKeysToTheOpenQuestion)
{
    m_panel->setSource(QUrl(QStringLiteral("qrc:/Pondrel/board/SudokuView.qml")));
    openAndActivate();
    QQuickItem *board = m_panel->view()->rootObject();
    ASSERT_NE(board, nullptr);
    board->setProperty("presentedScreen", QStringLiteral("Statistics"));
    m_game->setShowingScreen(true);
    QQuickItem *screen = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        screen = board->findChild<QQuickItem *>(QStringLiteral("modalScreen"));
        return screen != nullptr;
    }));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        screen->setProperty("isConfirmingReset", true);
        m_panel->hide();
        openAndActivate();
        QTest::keyClick(m_panel->view(), key);
        EXPECT_FALSE(screen->property("isConfirmingReset").toBool()) << key;
        EXPECT_TRUE(m_panel->isOpen()) << key;
    }
}

TEST_F(Panel, pressOutsideHidesAndPressInsideDoesNot)
{
    openAndActivate();
    pressAt({100, 50});
    EXPECT_TRUE(m_panel->isOpen());
    pressAt({-5, 40});
    EXPECT_FALSE(m_panel->isOpen());
}

// With the pointer grabbed, the press on the tray icon that closes the panel
// reaches the panel first; the icon's own click must not open it again.
TEST_F(Panel, pressOnTheIconThatHidesThePanelDoesNotReopenIt)
{
    openAndActivate();
    pressAt(m_panel->view()->mapFromGlobal(kIcon.center()));
    EXPECT_FALSE(m_panel->isOpen());
    m_panel->toggle(kIcon);
    EXPECT_FALSE(m_panel->isOpen());

    QTest::qWait(int(ReopenGuard::kWindow.count()) + 50);
    m_panel->toggle(kIcon);
    EXPECT_TRUE(m_panel->isOpen());
}

TEST_F(Panel, iconClickRightAfterAClickElsewhereOpens)
{
    openAndActivate();
    pressAt({-100, 300});
    EXPECT_FALSE(m_panel->isOpen());
    m_panel->toggle(kIcon);
    EXPECT_TRUE(m_panel->isOpen());
}

TEST_F(Panel, playIsActiveWhileOpen)
{
    EXPECT_FALSE(m_game->isPlayActive());
    m_panel->open(kIcon);
    EXPECT_TRUE(m_game->isPlayActive());
    m_panel->hide();
    EXPECT_FALSE(m_game->isPlayActive());
}

// Under XWayland a click on a Wayland window never reaches the X grab; the
// focus leaving is all the panel learns.
TEST_F(Panel, losingTheFocusHidesThePanelAndStopsPlay)
{
    openAndActivate();
    ASSERT_TRUE(m_game->isPlayActive());
    QWindow other;
    other.resize(50, 50);
    other.show();
    other.requestActivate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(m_panel->isOpen());
    EXPECT_FALSE(m_game->isPlayActive());
}

TEST_F(Panel, standaloneWindowPausesPlayWhileInTheBackground)
{
    m_panel->setTrayAvailable(false);
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_panel->view()));
    QWindow other;
    other.resize(50, 50);
    other.show();
    other.requestActivate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_TRUE(m_panel->isOpen());
    EXPECT_FALSE(m_game->isPlayActive());

    m_panel->view()->requestActivate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_panel->view()));
    EXPECT_TRUE(m_game->isPlayActive());
}

// The welcome window may become active while the board is closed; that must
// not start the clock of a game nobody sees.
TEST_F(Panel, otherWindowsDoNotStartPlayWhileClosed)
{
    openAndActivate();
    m_panel->hide();
    QWindow other;
    other.resize(50, 50);
    other.show();
    other.requestActivate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(m_game->isPlayActive());
}

TEST_F(Panel, standaloneIsAnOrdinaryWindow)
{
    m_panel->setTrayAvailable(false);
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_panel->view()));
    PanelView *view = m_panel->view();
    EXPECT_FALSE(view->flags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(view->flags().testFlag(Qt::BypassWindowManagerHint));
    EXPECT_EQ(view->minimumSize(), view->size());
    EXPECT_EQ(view->maximumSize(), view->size());
    EXPECT_TRUE(m_game->isPlayActive());

    // Nothing would bring it back: Escape and clicks elsewhere leave it.
    QTest::keyClick(view, Qt::Key_Escape);
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_TRUE(m_panel->isOpen());
}

TEST_F(Panel, switchingToStandaloneKeepsAnOpenPanelOpen)
{
    m_panel->open(kIcon);
    m_panel->setTrayAvailable(false);
    EXPECT_TRUE(m_panel->isOpen());
    EXPECT_FALSE(m_panel->view()->flags().testFlag(Qt::BypassWindowManagerHint));
}

} // namespace
} // namespace pondrel
