#pragma once

#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QVariantList>
#include <QVariantMap>
#include <QtQml/qqml.h>

class QQuickItem;

namespace pondrel {

class SudokuGame;

namespace test {

// What the QML tests need from C++, as the singleton `TestGames` of the
// module Pondrel.Testing:
//
//     property SudokuGame game: TestGames.makeGame()
//     TestGames.sendKey(view, Qt.Key_unknown, 0, "\uf728", false)
//
// Every game deals the same known puzzle: it lives on its own throw-away
// preference file with an in-memory supply whose built-in list holds only
// that puzzle, and it never generates in the background.
class TestGames : public QObject
{
    Q_OBJECT

    // The dealt puzzle and its solution as 81-digit texts, "0" for empty.
    Q_PROPERTY(QString puzzle READ puzzle CONSTANT)
    Q_PROPERTY(QString solution READ solution CONSTANT)

public:
    explicit TestGames(QObject *parent = nullptr);

    static void registerType();

    QString puzzle() const;
    QString solution() const;

    // A fresh game owned by this object. Its clock ticks every
    // `tickMilliseconds` once play is active and the game has started. The
    // preference file holds `stored` before the game reads it, as if a
    // player (or a stray edit) had left those values there.
    Q_INVOKABLE pondrel::SudokuGame *makeGame(int tickMilliseconds = 1000,
                                              const QVariantMap &stored = {});
    // Destroys a game made here, once the event loop turns; views that
    // still show it must be gone by then.
    Q_INVOKABLE void discard(pondrel::SudokuGame *game);

    // One line of every kind a Next Step or a hint shows, for each
    // technique that reads it, as the model hands them to the board ({key,
    // technique, arguments}): the longest digits and numbers in every place.
    Q_INVOKABLE static QVariantList stepLineSamples();

    // The links a chain step by hand draws at its reason stage
    // (SudokuGame.shownLinks), on the known puzzle's first rows: three
    // strong links and two weak ones over six candidates, one link within a
    // cell and one that passes another candidate's place.
    Q_INVOKABLE static QVariantList chainLinksSample();

    // A key press (and its release, unless `autoRepeat`) as the window
    // system would send it to `item`'s window, with any text: Qt Quick
    // Test's own key functions accept only Latin-1 characters and never
    // mark a press as repeated.
    Q_INVOKABLE void
    sendKey(QQuickItem *item, int key, int modifiers, const QString &text, bool autoRepeat = false);

private:
    QTemporaryDir m_dir;
    int m_gamesMade = 0;
};

} // namespace test
} // namespace pondrel
