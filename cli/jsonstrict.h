// What the JSON reader lets pass and a drawing must not: a key twice in one
// object (the last one would silently win) and raw control characters
// inside strings.
#pragma once

#include <QByteArray>
#include <QString>

// Checks JSON that has already parsed. False with *pstrError naming the
// figure (by its index) and the key.
bool CheckJsonStrict(const QByteArray& json, QString* pstrError);

// A name as it may be quoted in a message: control characters (a NUL
// above all) written as \uXXXX, so the message reaches its end.
QString EscapeForMessage(const QString& strName);
