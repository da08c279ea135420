#include "supplyfile.h"

#include "regularfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <nlohmann/json.hpp>

#include <algorithm>

namespace pondrel {

namespace {

using Json = nlohmann::json;

// Builds a SavedState straight from the parser's events instead of from a
// parsed document: the shape is checked as it streams by, and a hostile file
// (deep nesting, millions of tiny values in an ignored key) costs no memory
// beyond what the state itself keeps.
//
//   start ─{─> top ──"ready"──{─> readyObject ──name──[─> readyList  (strings only)
//               │ ────"played"─[─> playedList  (unsigned integers only)
//               └ ────other key──> skipping    (any value, nesting counted)
//
// A repeated key replaces the earlier value, as a document parser would.
class SavedStateReader final : public nlohmann::json_sax<Json>
{
public:
    std::optional<SavedState> result()
    {
        if (m_place != Place::done || !m_sawReady || !m_sawPlayed) {
            return std::nullopt;
        }
        return std::move(m_state);
    }

    bool null() override { return scalar(); }
    bool boolean(bool) override { return scalar(); }
    bool number_integer(number_integer_t) override
    {
        // Only negative numbers arrive here; non-negative ones are unsigned.
        return scalar();
    }
    bool number_unsigned(number_unsigned_t value) override
    {
        if (m_place == Place::playedList) {
            m_state.played.push_back(value);
            return true;
        }
        return scalar();
    }
    bool number_float(number_float_t, const string_t &) override
    {
        // Fractions, exponents and integers of 2^64 or more all land here.
        return scalar();
    }
    bool string(string_t &value) override
    {
        if (m_place == Place::readyList) {
            m_currentList->push_back(std::move(value));
            return true;
        }
        return scalar();
    }
    bool binary(binary_t &) override { return false; }

    bool start_object(std::size_t) override
    {
        switch (m_place) {
        case Place::start:
            m_place = Place::top;
            return true;
        case Place::top:
            if (m_pending == Pending::ready) {
                m_sawReady = true;
                m_state.ready.clear();
                m_place = Place::readyObject;
                return true;
            }
            return startValueAtTop();
        case Place::skipping:
            ++m_skipDepth;
            return true;
        default:
            return false;
        }
    }

    bool start_array(std::size_t) override
    {
        switch (m_place) {
        case Place::top:
            if (m_pending == Pending::played) {
                m_sawPlayed = true;
                m_state.played.clear();
                m_place = Place::playedList;
                return true;
            }
            return startValueAtTop();
        case Place::readyObject:
            m_currentList = &m_state.ready[m_currentName];
            m_currentList->clear();
            m_place = Place::readyList;
            return true;
        case Place::skipping:
            ++m_skipDepth;
            return true;
        default:
            return false;
        }
    }

    bool key(string_t &name) override
    {
        if (m_place == Place::top) {
            m_pending = name == "ready"    ? Pending::ready
                        : name == "played" ? Pending::played
                                           : Pending::other;
        } else if (m_place == Place::readyObject) {
            m_currentName = std::move(name);
        }
        return true;
    }

    bool end_object() override
    {
        switch (m_place) {
        case Place::top:
            m_place = Place::done;
            return true;
        case Place::readyObject:
            m_place = Place::top;
            return true;
        case Place::skipping:
            return endSkipped();
        default:
            return false;
        }
    }

    bool end_array() override
    {
        switch (m_place) {
        case Place::readyList:
            m_place = Place::readyObject;
            return true;
        case Place::playedList:
            m_place = Place::top;
            return true;
        case Place::skipping:
            return endSkipped();
        default:
            return false;
        }
    }

    bool parse_error(std::size_t, const std::string &, const nlohmann::detail::exception &) override
    {
        return false;
    }

private:
    enum class Place { start, top, readyObject, readyList, playedList, skipping, done };
    enum class Pending { ready, played, other };

    // A value that is neither an object nor an array.
    bool scalar()
    {
        return m_place == Place::skipping || (m_place == Place::top && m_pending == Pending::other);
    }

    // An object or array as the value of a top-level key; only ignored keys
    // may hold one that is not their expected type.
    bool startValueAtTop()
    {
        if (m_pending != Pending::other) {
            return false;
        }
        m_place = Place::skipping;
        m_skipDepth = 1;
        return true;
    }

    bool endSkipped()
    {
        if (--m_skipDepth == 0) {
            m_place = Place::top;
        }
        return true;
    }

    SavedState m_state;
    Place m_place = Place::start;
    Pending m_pending = Pending::other;
    std::string m_currentName;
    std::vector<std::string> *m_currentList = nullptr;
    long m_skipDepth = 0;
    bool m_sawReady = false;
    bool m_sawPlayed = false;
};

bool isLineBreak(char16_t c)
{
    switch (c) {
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case u'\u0085':
    case u'\u2028':
    case u'\u2029':
        return true;
    default:
        return false;
    }
}

// Length in code points: a digit outside the Basic Multilingual Plane (for
// example a mathematical bold digit) is one character, not two.
qsizetype characterCount(QStringView text)
{
    return text.size() -
           std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLowSurrogate(); });
}

void parseBundledLine(QStringView line, BundledPuzzles &bundled)
{
    const QList<QStringView> fields = line.split(u' ', Qt::SkipEmptyParts);
    if (fields.size() != 2 || fields[0].size() != 1 || fields[0][0].unicode() > 0x7F) {
        return;
    }
    const std::optional<Difficulty> difficulty =
        difficultyFromListLetter(static_cast<char>(fields[0][0].unicode()));
    if (!difficulty || characterCount(fields[1]) != kCellCount) {
        return;
    }
    bundled[*difficulty].push_back(fields[1].toUtf8().toStdString());
}

} // namespace

std::optional<SavedState> decodeSavedState(std::string_view json)
{
    SavedStateReader reader;
    try {
        if (!Json::sax_parse(json.begin(), json.end(), &reader)) {
            return std::nullopt;
        }
    } catch (...) {
        // Out of memory, or anything else the parser throws: the file is
        // treated as unreadable like any other bad file.
        return std::nullopt;
    }
    return reader.result();
}

std::optional<std::string> encodeSavedState(const SavedState &state)
{
    try {
        Json ready = Json::object();
        for (const auto &[name, texts] : state.ready) {
            ready[name] = texts;
        }
        const Json document = {{"ready", std::move(ready)}, {"played", state.played}};
        return document.dump();
    } catch (...) {
        // dump() refuses text that is not valid UTF-8.
        return std::nullopt;
    }
}

std::optional<SavedState> readSupplyFile(const QString &path)
{
    const std::optional<QByteArray> bytes = readRegularFile(path, kMaxSupplyFileBytes);
    if (!bytes || bytes->size() > kMaxSupplyFileBytes) {
        return std::nullopt;
    }
    return decodeSavedState(std::string_view(bytes->constData(), std::size_t(bytes->size())));
}

bool writeSupplyFile(const SavedState &state, const QString &path)
{
    // The save would replace a device or a FIFO (or a link's target) with a
    // regular file.
    if (isSpecialFile(path)) {
        reportSpecialFile(path);
        return false;
    }
    const std::optional<std::string> bytes = encodeSavedState(state);
    if (!bytes) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const auto size = static_cast<qint64>(bytes->size());
    // A short file sits in the device's buffer until commit() flushes it,
    // and Qt 6.4's commit() renames the temporary file even when that flush
    // fails (QTBUG-75077): on a full disk an empty file would replace the
    // good one. Flushing here catches the failure while it can still cancel.
    if (file.write(bytes->data(), size) != size || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

BundledPuzzles parseBundledList(QByteArrayView utf8)
{
    // Stateless: a multi-byte sequence cut off at the end is an error too.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(utf8);
    if (decoder.hasError()) {
        return {};
    }

    BundledPuzzles bundled;
    const QStringView view(text);
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i <= view.size(); ++i) {
        if (i == view.size() || isLineBreak(view[i].unicode())) {
            if (i > lineStart) {
                parseBundledLine(view.sliced(lineStart, i - lineStart), bundled);
            }
            lineStart = i + 1;
        }
    }
    return bundled;
}

BundledPuzzles loadBundledList(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return {};
    }
    return parseBundledList(bytes);
}

} // namespace pondrel
