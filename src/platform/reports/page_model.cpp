#include "platform/reports/page_model.h"

#include <QHash>
#include <QMutex>
#include <algorithm>

namespace reports {

Name::Name(const QString& text)
{
    if (text.isEmpty())
        return;
    static QMutex mutex;
    static auto* kept = new QHash<QString, const QString*>;
    const QMutexLocker lock(&mutex);
    auto it = kept->constFind(text);
    if (it == kept->cend()) {
        // Its own copy of the characters, whatever the text given points at.
        const QString own(text.constData(), text.size());
        it = kept->insert(own, new QString(own));
    }
    mText = it.value();
}

const QString& Name::empty()
{
    static const QString none;
    return none;
}

const Page& PageModel::page(int index) const
{
    if (!source)
        return pages[index];
    if (mLast.index != index || !mLast.page) {
        mLast.page = std::make_shared<Page>(source->page(index));
        mLast.index = index;
    }
    return *mLast.page;
}

const Item* PageModel::find(int page, const QString& control, int row) const
{
    if (page < 0 || page >= pageCount())
        return nullptr;
    for (const Item& it : this->page(page).items) {
        if ((row < 0 || it.row == row) && it.control.compare(control, Qt::CaseInsensitive) == 0)
            return &it;
    }
    return nullptr;
}

QStringList PageModel::texts(const QString& control) const
{
    QStringList out;
    for (int i = 0; i < pageCount(); ++i) {
        QVector<const Item*> hits;
        for (const Item& it : page(i).items) {
            if (it.kind == Item::Kind::Text && it.control.compare(control, Qt::CaseInsensitive) == 0)
                hits.push_back(&it);
        }
        std::stable_sort(hits.begin(), hits.end(),
                         [](const Item* a, const Item* b) { return a->y < b->y; });
        for (const Item* it : hits)
            out << it->text;
    }
    return out;
}

QVector<const Item*> PageModel::sectionItems(int page, const QString& section) const
{
    QVector<const Item*> out;
    if (page < 0 || page >= pageCount())
        return out;
    for (const Item& it : this->page(page).items) {
        if (it.kind == Item::Kind::Text && it.section.compare(section, Qt::CaseInsensitive) == 0)
            out.push_back(&it);
    }
    std::stable_sort(out.begin(), out.end(), [](const Item* a, const Item* b) {
        return a->y != b->y ? a->y < b->y : a->x < b->x;
    });
    return out;
}

} // namespace reports
