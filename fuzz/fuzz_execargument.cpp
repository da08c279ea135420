// Any executable path through the autostart entry's Exec quoting, then back
// through a launcher's reading of the Exec value: it must come back as one
// argument equal to the path, and never break the entry's line.

#include "loginitem.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

// The Desktop Entry reading of the Exec key, the same as the login item's
// test uses: string-value escapes first, then the argument rules.
QString unescapeStringValue(const QString &value)
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

// Nothing for a malformed command line.
std::optional<QStringList> splitExec(const QString &command)
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString argument = pondrel::LoginItem::execArgument(path);
    // The entry is read line by line; a raw line break would end the value.
    if (argument.contains(u'\n')) {
        std::abort();
    }
    // An empty path is no argument at all; the login item never writes one.
    if (path.isEmpty()) {
        return 0;
    }
    const std::optional<QStringList> arguments = splitExec(unescapeStringValue(argument));
    if (!arguments || *arguments != QStringList{path}) {
        std::abort();
    }
    return 0;
}
