#pragma once

#include "savedsudoku.h"

#include <functional>
#include <optional>

class QObject;
class QSettings;

namespace pondrel {

// The game in progress in the preference store (the record is described in
// savedsudoku.h), and the queued save that writes it.
//
// A save is queued for the next turn of the event loop, so one move that
// changes several properties is written once. The queued call is posted to
// `context`, so it is dropped if the context is destroyed first; `save` is
// the owner's writer, which reads the game as it stands then.
class SavedGameStore
{
public:
    SavedGameStore(QSettings *store, QObject *context, std::function<void()> save);

    // Queues one call of `save`; nothing when one is already queued.
    void schedule();
    // Runs the queued save now instead of on the next turn of the event loop,
    // for a quit that ends the loop first. Nothing when none is queued.
    void saveNow();

    // The fields a restore gives back are the ones written.
    void write(const RestoredGame &game);
    void remove();
    // The stored game, or nothing when there is none. A record that cannot
    // be read or fails validation is removed, so it is not tried again.
    std::optional<RestoredGame> read();

private:
    QSettings *m_store;
    QObject *m_context;
    std::function<void()> m_save;
    bool m_isScheduled = false;
};

} // namespace pondrel
