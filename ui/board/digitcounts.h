#pragma once

#include "sudokugame.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QtQml/qqml.h>

namespace pondrel {

// What the number pad shows per digit, as properties that notify when they
// change, so a pad button depends on exactly the values it shows:
//
//     DigitCounts { id: counts; game: root.game }
//     enabled: !counts.completeDigits.includes(digit)
//
// `remainingCounts[d - 1]` is SudokuGame::remainingCount(d) (how many more
// of d the board needs, 0 to 9); `completeDigits` lists, ascending, the
// digits whose nine placements are all correct (SudokuGame::isDigitComplete).
class DigitCounts : public QObject
{
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(pondrel::SudokuGame *game READ game WRITE setGame NOTIFY gameChanged)
    Q_PROPERTY(QList<int> remainingCounts READ remainingCounts NOTIFY remainingCountsChanged)
    Q_PROPERTY(QList<int> completeDigits READ completeDigits NOTIFY completeDigitsChanged)

public:
    explicit DigitCounts(QObject *parent = nullptr);

    SudokuGame *game() const { return m_game; }
    void setGame(SudokuGame *game);
    QList<int> remainingCounts() const { return m_remainingCounts; }
    QList<int> completeDigits() const { return m_completeDigits; }

signals:
    void gameChanged();
    void remainingCountsChanged();
    void completeDigitsChanged();

private:
    void refresh();

    QPointer<SudokuGame> m_game;
    QList<int> m_remainingCounts = QList<int>(9, 9);
    QList<int> m_completeDigits;
};

} // namespace pondrel
