#include "loginitem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace pondrel {

namespace {

// The characters that force an Exec argument into double quotes.
constexpr QStringView kReservedCharacters = u" \t\n\"'\\><~|&;$*?#()`";
// The characters that need a backslash inside the double quotes.
constexpr QStringView kQuotedEscapes = u"\"`$\\";

// True when the [Desktop Entry] group switches the entry off, the two ways
// desktops record a disabled autostart entry.
bool isDisabled(QFile &file)
{
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith('[')) {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        if (!inMainGroup) {
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals < 0) {
            continue;
        }
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        if ((key == "Hidden" && value == "true") ||
            (key == "X-GNOME-Autostart-enabled" && value == "false")) {
            return true;
        }
    }
    return false;
}

} // namespace

LoginItem::LoginItem(QObject *parent) : LoginItem(QCoreApplication::applicationFilePath(), parent)
{}

LoginItem::LoginItem(const QString &executablePath, QObject *parent)
    : QObject(parent), m_executablePath(executablePath)
{}

QString LoginItem::entryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/pondrel-sudoku.desktop");
}

QString LoginItem::execArgument(const QString &path)
{
    QString argument;
    const bool needsQuotes = std::any_of(
        path.cbegin(), path.cend(), [](QChar c) { return kReservedCharacters.contains(c); });
    if (needsQuotes) {
        argument += u'"';
        for (const QChar c : path) {
            if (kQuotedEscapes.contains(c)) {
                argument += u'\\';
            }
            argument += c;
        }
        argument += u'"';
    } else {
        argument = path;
    }
    // The Exec value is a string value too, whose own escape is the
    // backslash: every backslash of the quoted argument is written twice.
    argument.replace(u'\\', QStringLiteral("\\\\"));
    // % starts a field code; a literal one is doubled.
    argument.replace(u'%', QStringLiteral("%%"));
    // A string value cannot hold a raw line break.
    argument.replace(u'\n', QStringLiteral("\\n"));
    argument.replace(u'\t', QStringLiteral("\\t"));
    return argument;
}

QString LoginItem::tryExecValue(const QString &path)
{
    // A plain string value: only the string escapes apply, no quoting.
    QString value = path;
    value.replace(u'\\', QStringLiteral("\\\\"));
    value.replace(u'\n', QStringLiteral("\\n"));
    value.replace(u'\t', QStringLiteral("\\t"));
    value.replace(u'\r', QStringLiteral("\\r"));
    return value;
}

QByteArray LoginItem::entryText(const QString &executablePath)
{
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Pondrel Sudoku\n"
                                        "Exec=%1 %2\n"
                                        "TryExec=%3\n"
                                        "Icon=pondrel-sudoku\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(execArgument(executablePath),
                                  QString::fromLatin1(kAutostartArgument),
                                  tryExecValue(executablePath));
    return text.toUtf8();
}

int LoginItem::status() const
{
    if (m_executablePath.isEmpty()) {
        return NotFound;
    }
    QFile file(entryPath());
    if (!file.exists()) {
        return NotRegistered;
    }
    // An entry we cannot read still exists; the desktop reads it, not us.
    if (!file.open(QIODevice::ReadOnly)) {
        return Enabled;
    }
    return isDisabled(file) ? RequiresApproval : Enabled;
}

bool LoginItem::registerItem()
{
    if (m_executablePath.isEmpty()) {
        return false;
    }
    const QString path = entryPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    // Written whole or not at all: a half-written entry would launch
    // nothing, or something else.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(entryText(m_executablePath));
    return file.commit();
}

bool LoginItem::upgradeEarlierEntry()
{
    if (m_executablePath.isEmpty()) {
        return false;
    }
    const QString path = entryPath();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bareExec = "Exec=" + execArgument(m_executablePath).toUtf8();
    const QByteArray currentExec = bareExec + ' ' + kAutostartArgument;
    QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    // Only the main group, and only when its Exec line names this
    // executable alone or with kAutostartArgument, as earlier versions
    // wrote it.
    bool inMainGroup = false;
    qsizetype execLine = -1;
    bool hasTryExec = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray &line = lines[i];
        if (line.startsWith('[')) {
            inMainGroup = line.trimmed() == "[Desktop Entry]";
        } else if (inMainGroup && line.startsWith("TryExec")) {
            hasTryExec = true;
        } else if (inMainGroup && line.startsWith("Exec") && execLine < 0) {
            if (line != bareExec && line != currentExec) {
                return false;
            }
            execLine = i;
        }
    }
    if (execLine < 0 || (lines[execLine] == currentExec && hasTryExec)) {
        return false;
    }
    lines[execLine] = currentExec;
    if (!hasTryExec) {
        lines.insert(execLine + 1, "TryExec=" + tryExecValue(m_executablePath).toUtf8());
    }
    QSaveFile rewritten(path);
    if (!rewritten.open(QIODevice::WriteOnly)) {
        return false;
    }
    rewritten.write(lines.join('\n'));
    return rewritten.commit();
}

bool LoginItem::unregisterItem()
{
    QFile file(entryPath());
    return !file.exists() || file.remove();
}

} // namespace pondrel
