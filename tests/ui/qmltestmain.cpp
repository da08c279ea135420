#include "glyphs.h"
#include "localizedtext.h"
#include "testgames.h"

#include <QQmlEngine>
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
};

QUICK_TEST_MAIN_WITH_SETUP(pondrel, Setup)

#include "qmltestmain.moc"
