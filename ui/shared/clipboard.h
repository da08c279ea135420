#pragma once

#include "puzzletext.h"

#include <QObject>
#include <QString>
#include <QtQml/qqml.h>

#include <optional>

namespace pondrel {

// The desktop's clipboard as plain text, as the singleton `Clipboard` for
// QML; the game model reads and writes puzzles as text and never touches
// the clipboard itself.
//
//     Clipboard.setText(game.puzzleText())
//     game.checkPuzzleText(Clipboard.text())
class Clipboard : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    // Texts longer than this come back cut to this length: still too long to
    // be a puzzle, so it is turned down, without carrying megabytes into
    // QML. One more than any puzzle text the game accepts.
    static constexpr qsizetype kTextLimit = kMaxPuzzleTextLength + 1;

    // Reads at most `maxBytes` + 1 bytes of the clipboard's UTF-8 text, or
    // nothing when it cannot, for the platform's own bounded reader.
    using BoundedReader = std::optional<QByteArray> (*)(qsizetype maxBytes);

    explicit Clipboard(QObject *parent = nullptr);

    // QClipboard reads the whole clipboard before anything can look at its
    // size: a platform that can stop early sets its reader here at start.
    static void setBoundedReader(BoundedReader reader);

    // The clipboard's plain text, or an empty text when it holds none.
    Q_INVOKABLE QString text() const;
    Q_INVOKABLE void setText(const QString &text);
};

} // namespace pondrel
