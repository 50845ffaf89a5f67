// Small helpers over Qt's DOM for parts read without namespace processing,
// where a tag carries its prefix ("w:p") or none ("row").
#pragma once

#include <QDomElement>
#include <QList>
#include <QString>
#include <functional>

namespace office {

// The tag without its prefix.
QString localName(const QDomElement& e);
// The prefix of e's tag with its colon ("w:"), or empty.
QString prefixOf(const QDomElement& e);
// The first child with this local name; null when none.
QDomElement child(const QDomElement& parent, const QString& local);
// Every child with this local name.
QList<QDomElement> children(const QDomElement& parent, const QString& local);
// Every element below `root` in document order, while `visit` returns true.
void walk(const QDomElement& root, const std::function<bool(QDomElement&)>& visit);
// The value of an attribute named `local` with any prefix ("r:id", "id").
QString attributeAnyPrefix(const QDomElement& e, const QString& local);

} // namespace office
