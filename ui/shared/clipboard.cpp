#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace pondrel {

Clipboard::Clipboard(QObject *parent) : QObject(parent) {}

QString Clipboard::text() const
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText()) {
        return {};
    }
    QString text = data->text();
    if (text.size() > kTextLimit) {
        text.truncate(kTextLimit);
    }
    return text;
}

void Clipboard::setText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

} // namespace pondrel
