// Any executable path through the autostart entry's Exec quoting, then back
// through a launcher's reading of the Exec value: it must come back as one
// argument equal to the path, and never break the entry's line.

#include "desktopexecparser.h"
#include "loginitem.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>

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
    const std::optional<QStringList> arguments =
        pondrel::test::splitExec(pondrel::test::unescapeStringValue(argument));
    if (!arguments || *arguments != QStringList{path}) {
        std::abort();
    }
    return 0;
}
