#include "platform/office/xml_util.h"

#include <QDomNamedNodeMap>

namespace office {

QString localName(const QDomElement& e)
{
    const QString tag = e.tagName();
    const qsizetype colon = tag.indexOf(QLatin1Char(':'));
    return colon < 0 ? tag : tag.mid(colon + 1);
}

QString prefixOf(const QDomElement& e)
{
    const QString tag = e.tagName();
    const qsizetype colon = tag.indexOf(QLatin1Char(':'));
    return colon < 0 ? QString() : tag.left(colon + 1);
}

QDomElement child(const QDomElement& parent, const QString& local)
{
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        if (localName(e) == local)
            return e;
    return {};
}

QList<QDomElement> children(const QDomElement& parent, const QString& local)
{
    QList<QDomElement> list;
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        if (localName(e) == local)
            list.append(e);
    return list;
}

void walk(const QDomElement& root, const std::function<bool(QDomElement&)>& visit)
{
    QDomElement e = root.firstChildElement();
    while (!e.isNull()) {
        if (!visit(e))
            return;
        QDomElement next = e.firstChildElement();
        if (next.isNull()) {
            for (QDomElement up = e; !up.isNull() && up != root; up = up.parentNode().toElement()) {
                next = up.nextSiblingElement();
                if (!next.isNull())
                    break;
            }
        }
        e = next;
    }
}

QString attributeAnyPrefix(const QDomElement& e, const QString& local)
{
    const QDomNamedNodeMap attrs = e.attributes();
    for (int i = 0; i < attrs.count(); ++i) {
        const QString name = attrs.item(i).nodeName();
        if (name == local || name.endsWith(QLatin1Char(':') + local))
            return attrs.item(i).nodeValue();
    }
    return {};
}

} // namespace office
