#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqml.h>

namespace pondrel {

// Launching at login through an XDG autostart entry,
// $XDG_CONFIG_HOME/autostart/pondrel-sudoku.desktop, as the singleton
// `LoginItem` for QML:
//
//     LoginItem.status()          // one of the Status values
//     LoginItem.registerItem()    // false when the entry could not be written
//     LoginItem.unregisterItem()  // false when the entry could not be removed
//
// (`register` is a C++ keyword, hence the longer names.) The status is read
// from the file every time, never cached: the user may edit or remove the
// entry in the desktop's own settings while the game runs.
class LoginItem : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    enum Status {
        NotRegistered = 0,
        Enabled = 1,
        // The entry is ours but the desktop has switched it off.
        RequiresApproval = 2,
        // The running executable is unknown, so no entry can name it.
        NotFound = 3,
    };
    Q_ENUM(Status)

    // Tells the program it was started at login.
    static constexpr char kAutostartArgument[] = "--autostart";

    // The running executable (QCoreApplication::applicationFilePath()).
    explicit LoginItem(QObject *parent = nullptr);
    // Tests give their own executable path; empty means unknown.
    LoginItem(const QString &executablePath, QObject *parent);

    Q_INVOKABLE int status() const;
    Q_INVOKABLE bool registerItem();
    Q_INVOKABLE bool unregisterItem();

    // Where the entry lives, from XDG_CONFIG_HOME at the time of the call.
    static QString entryPath();
    // `path` as one argument of an Exec= value: quoted by the Desktop Entry
    // rules when it holds a reserved character, with the backslashes doubled
    // again because the value is also a string value, and % written %%.
    static QString execArgument(const QString &path);
    // The whole entry for `executablePath`, started with kAutostartArgument.
    static QByteArray entryText(const QString &executablePath);

    // `path` as a TryExec= value, with the string escapes of the Desktop
    // Entry rules. TryExec makes desktops skip the entry once the program
    // is gone, so an uninstall without turning the entry off leaves nothing
    // that starts.
    static QString tryExecValue(const QString &path);

    // Entries written by earlier versions start the program without
    // kAutostartArgument, or name it in no TryExec line. Adds what is
    // missing (the argument to the Exec line, a TryExec line after it) when
    // the entry is exactly such an entry for this executable, leaving every
    // other line (the desktop's Hidden=true among them) as it is; anything
    // else is left alone. True when the entry was rewritten.
    bool upgradeEarlierEntry();

private:
    QString m_executablePath;
};

} // namespace pondrel
