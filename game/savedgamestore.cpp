#include "savedgamestore.h"

#include "preferencevalues.h"

#include <QByteArray>
#include <QLatin1String>
#include <QObject>
#include <QSettings>

#include <string>
#include <string_view>
#include <utility>

namespace pondrel {

SavedGameStore::SavedGameStore(QSettings *store, QObject *context, std::function<void()> save)
    : m_store(store), m_context(context), m_save(std::move(save))
{}

void SavedGameStore::schedule()
{
    if (m_isScheduled) {
        return;
    }
    m_isScheduled = true;
    // A save written early by saveNow() leaves nothing for this one to do.
    QMetaObject::invokeMethod(
        m_context, [this] { saveNow(); }, Qt::QueuedConnection);
}

void SavedGameStore::saveNow()
{
    if (m_isScheduled) {
        m_isScheduled = false;
        m_save();
    }
}

void SavedGameStore::write(const RestoredGame &game)
{
    SavedSudoku record;
    record.difficulty = game.puzzle.difficulty;
    record.givens = gridText(game.puzzle.givens);
    record.values = gridText(game.values);
    record.notes.assign(game.notes.begin(), game.notes.end());
    record.elapsed = game.elapsed;
    record.hintsUsed = game.hintsUsed;
    record.hasStarted = game.hasStarted;
    record.pasted = game.pasted;
    if (const std::optional<std::string> json = encodeSavedSudoku(record)) {
        m_store->setValue(QLatin1String(kSavedSudokuKey), QByteArray::fromStdString(*json));
    }
}

void SavedGameStore::remove()
{
    m_store->remove(QLatin1String(kSavedSudokuKey));
}

std::optional<RestoredGame> SavedGameStore::read()
{
    const QString key = QLatin1String(kSavedSudokuKey);
    if (!m_store->contains(key)) {
        return std::nullopt;
    }
    // Only a byte array is a record; text or anything else stored under the
    // key is as unreadable as broken JSON and is discarded the same way.
    std::optional<RestoredGame> game;
    if (const std::optional<QByteArray> bytes = storedData(m_store->value(key))) {
        if (const std::optional<SavedSudoku> record = decodeSavedSudoku(
                std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())))) {
            game = validateSavedSudoku(*record);
        }
    }
    if (!game) {
        m_store->remove(key);
    }
    return game;
}

} // namespace pondrel
