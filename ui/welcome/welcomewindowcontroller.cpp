#include "welcomewindowcontroller.h"

#include "desktoppreferences.h"
#include "glyphs.h"
#include "localizedtext.h"
#include "sudokugame.h"

#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QScreen>
#include <QtMath>

#include <cstdio>

namespace pondrel {

namespace {

constexpr char kViewSource[] = "qrc:/Pondrel/welcome/WelcomeView.qml";

} // namespace

void showWelcomeIfNeeded(SudokuGame &game, DesktopPreferences *desktop)
{
    if (game.hasSeenWelcome()) {
        return;
    }
    // Stored before the window opens, so that the welcome is shown at most
    // once even when the program ends before the user answers it.
    game.setHasSeenWelcome(true);
    WelcomeWindowController::shared().showWelcome(menuBarSymbolName(game.menuBarIcon()), desktop);
}

WelcomeWindowController &WelcomeWindowController::shared()
{
    // Deliberately never destroyed: a window torn down after the
    // application object has gone would crash, and the process ends anyway.
    static auto *const controller = new WelcomeWindowController;
    return *controller;
}

WelcomeWindowController::WelcomeWindowController() = default;

WelcomeWindowController::~WelcomeWindowController() = default;

void WelcomeWindowController::showWelcome(const QString &iconName, DesktopPreferences *desktop)
{
    if (m_window) {
        return;
    }
    auto window = std::make_unique<QQuickView>();
    window->setObjectName(QStringLiteral("welcomeWindow"));
    // Titled and closable only: no minimise or maximise button.
    window->setFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowCloseButtonHint);
    window->setTitle(localizedText(QStringLiteral("Welcome")));
    window->setResizeMode(QQuickView::SizeViewToRootObject);
    // Qt 6.4 keeps the module's files at qrc:/Pondrel/.
    window->engine()->addImportPath(QStringLiteral("qrc:/"));
    window->engine()->addImageProvider(QString::fromLatin1(GlyphImageProvider::kProviderId),
                                       new GlyphImageProvider);
    QVariantMap properties{{QStringLiteral("iconName"), iconName}};
    if (desktop) {
        properties.insert(QStringLiteral("desktop"), QVariant::fromValue(desktop));
    }
    window->setInitialProperties(properties);
    window->setSource(QUrl(QString::fromLatin1(kViewSource)));
    for (const QQmlError &error : window->errors()) {
        std::fprintf(stderr, "%s\n", qPrintable(error.toString()));
    }

    // The view's "Got it". Connected by signature because the signal is
    // declared in QML; with the controller as the receiver, the connection
    // ends with the controller, so a press after that does nothing.
    if (QQuickItem *view = window->rootObject()) {
        connect(view, SIGNAL(dismissed()), this, SLOT(closeWindow()));
        // The view's size is what its content needs; the window keeps it.
        const QSize fitting(qCeil(view->implicitWidth()), qCeil(view->implicitHeight()));
        window->resize(fitting);
        window->setMinimumSize(fitting);
        window->setMaximumSize(fitting);
    }
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame({}, window->size());
        frame.moveCenter(screen->availableGeometry().center());
        window->setPosition(frame.topLeft());
    }
    // Closing by the title bar, by Return or by "Got it" all end in a hidden
    // window.
    connect(window.get(), &QWindow::visibleChanged, this, [this](bool visible) {
        if (!visible) {
            windowWillClose();
        }
    });

    m_window = std::move(window);
    m_window->show();
    m_window->raise();
    // On X the activation waits for the window to be mapped.
    m_window->requestActivate();
}

void WelcomeWindowController::closeWindow()
{
    if (m_window) {
        m_window->close();
    }
}

void WelcomeWindowController::windowWillClose()
{
    if (!m_window) {
        return;
    }
    // Called from the window's own signal, so it is deleted once that
    // returns.
    m_window.release()->deleteLater();
    emit windowClosed();
}

} // namespace pondrel
