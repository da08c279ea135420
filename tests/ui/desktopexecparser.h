#pragma once

// A Desktop Entry reader for the Exec key as a launcher applies it, shared
// by the login item's tests and its fuzz target.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace pondrel::test {

// A Desktop Entry reader for the Exec key as a launcher applies it: first
// the string-value escapes (\\ \s \n \t \r), then the argument rules
// (double quotes with \" \` \$ \\ inside, %% for %). Written from the rules,
// not from the code under test, so the two meet only in the file.
inline QString unescapeStringValue(const QString &value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        switch (next.unicode()) {
        case 's':
            out += u' ';
            break;
        case 'n':
            out += u'\n';
            break;
        case 't':
            out += u'\t';
            break;
        case 'r':
            out += u'\r';
            break;
        case '\\':
            out += u'\\';
            break;
        default:
            out += u'\\';
            out += next;
            break;
        }
    }
    return out;
}

// nullopt for a malformed command line.
inline std::optional<QStringList> splitExec(const QString &command)
{
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < command.size(); ++i) {
        const QChar c = command[i];
        // Field codes are expanded before the line is split, quotes or not.
        if (c == u'%') {
            if (i + 1 < command.size() && command[i + 1] == u'%') {
                current += u'%';
                inArgument = true;
                ++i;
                continue;
            }
            // A field code; our entry must not have any.
            return std::nullopt;
        }
        if (quoted) {
            if (c == u'"') {
                quoted = false;
            } else if (c == u'\\' && i + 1 < command.size() &&
                       QStringView(u"\"`$\\").contains(command[i + 1])) {
                current += command[++i];
            } else if (c == u'\\') {
                return std::nullopt;
            } else {
                current += c;
            }
            continue;
        }
        if (c == u' ') {
            if (inArgument) {
                arguments << current;
                current.clear();
                inArgument = false;
            }
            continue;
        }
        inArgument = true;
        if (c == u'"') {
            quoted = true;
        } else if (QStringView(u"\t\n\"'\\><~|&;$*?#()`").contains(c)) {
            // A reserved character outside quotes is malformed.
            return std::nullopt;
        } else {
            current += c;
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    if (inArgument) {
        arguments << current;
    }
    return arguments;
}

} // namespace pondrel::test
