#pragma once

#include "boardsize.h"
#include "difficulty.h"
#include "menubariconoption.h"
#include "preferencevalues.h"
#include "qtforms.h"

#include <QLatin1String>
#include <QSettings>
#include <QString>
#include <QVariant>

#include <optional>
#include <string>
#include <type_traits>
#include <utility>

namespace pondrel {

// The stored forms: bools and integers as themselves, the enumerations as
// their raw value text, matched exactly. A value of any other form reads as
// nothing, so the owner keeps its default.
inline std::optional<bool> fromStore(const QVariant &value, std::type_identity<bool>)
{
    return storedBool(value);
}

inline std::optional<qint64> fromStore(const QVariant &value, std::type_identity<qint64>)
{
    return storedInteger(value);
}

// The enumerations' raw value texts, parsed by their own exact matchers.
template <typename Parse> auto fromStoredText(const QVariant &value, Parse parse)
{
    const std::optional<QString> text = storedText(value);
    return text ? parse(text->toStdString()) : std::nullopt;
}

inline std::optional<Difficulty> fromStore(const QVariant &value, std::type_identity<Difficulty>)
{
    return fromStoredText(value, difficultyFromRawValue);
}

inline std::optional<BoardSize> fromStore(const QVariant &value, std::type_identity<BoardSize>)
{
    return fromStoredText(value, boardSizeFromRawValue);
}

inline std::optional<MenuBarIconOption> fromStore(const QVariant &value,
                                                  std::type_identity<MenuBarIconOption>)
{
    return fromStoredText(value, menuBarIconOptionFromRawValue);
}

inline QVariant toStore(bool value)
{
    return value;
}

inline QVariant toStore(qint64 value)
{
    return value;
}

template <typename Enum>
requires std::is_enum_v<Enum> QVariant toStore(Enum value)
{
    return toQString(rawValue(value));
}

// One value the model mirrors into the preference store under its own key: a
// setting or a statistics counter. It holds the value in memory and leaves
// the order of taking, announcing and writing to its owner, which is why
// assign() and write() are separate: the owner announces a change between
// the two, and writes also when nothing changed.
template <typename T> class StoredValue
{
public:
    StoredValue(const char *key, T fallback) : m_key(key), m_value(std::move(fallback)) {}

    const T &value() const { return m_value; }

    // Takes the stored value, or keeps the current one (the fallback) when
    // nothing readable is stored. Writes nothing back.
    void load(const QSettings &store)
    {
        if (const std::optional<T> stored =
                fromStore(store.value(QLatin1String(m_key)), std::type_identity<T>{})) {
            m_value = *stored;
        }
    }

    // Returns whether the value changed.
    bool assign(T value)
    {
        if (m_value == value) {
            return false;
        }
        m_value = std::move(value);
        return true;
    }

    void write(QSettings &store) const { store.setValue(QLatin1String(m_key), toStore(m_value)); }

private:
    const char *m_key;
    T m_value;
};

} // namespace pondrel
