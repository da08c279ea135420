#include "glyphs.h"
#include "localizedtext.h"
#include "testgames.h"

#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest>

Q_IMPORT_QML_PLUGIN(PondrelPlugin)

// What every QML test needs from the application's set-up: the module's
// import path, the glyph images and the string table of the languages the
// test's environment prefers; and games on a known puzzle.
class Setup : public QObject
{
    Q_OBJECT

public slots:
    void applicationAvailable()
    {
        // The screens reach the real autostart entry and settings through
        // these folders: a throw-away directory, never the user's own.
        if (!m_home.isValid()) {
            qFatal("no temporary folder for the tests' XDG folders");
        }
        for (const char *variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
            qputenv(variable, m_home.path().toLocal8Bit());
        }
        pondrel::installStringTable();
        pondrel::test::TestGames::registerType();
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        // Qt 6.4 keeps the module's files at qrc:/Pondrel/.
        engine->addImportPath(QStringLiteral("qrc:/"));
        engine->addImageProvider(QString::fromLatin1(pondrel::GlyphImageProvider::kProviderId),
                                 new pondrel::GlyphImageProvider);
    }

private:
    QTemporaryDir m_home;
};

QUICK_TEST_MAIN_WITH_SETUP(pondrel, Setup)

#include "qmltestmain.moc"
