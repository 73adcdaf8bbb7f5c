#include "kwpnd/collection.h"

#include "kwpnd/error.h"

#include <vector>

namespace kwpnd {

struct KWPND10_NO_EXPORT Collection::Private {
    struct Entry {
        QString key;
        QVariant item;
    };
    std::vector<Entry> items;

    // 0-based, -1 when absent.
    int find(const QString& key) const
    {
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i].key.compare(key, Qt::CaseInsensitive) == 0)
                return static_cast<int>(i);
        return -1;
    }
    int found(const QString& key) const
    {
        const int i = find(key);
        if (i < 0)
            throw Error(ErrorNumber::InvalidProcedureCall);
        return i;
    }
    int checkedIndex(int index) const
    {
        if (index < 1 || index > static_cast<int>(items.size()))
            throw Error(ErrorNumber::InvalidProcedureCall);
        return index - 1;
    }
};

Collection::Collection() : d(std::make_unique<Private>()) {}

Collection::~Collection() = default;

void Collection::Add(const QVariant& item, const QString& key)
{
    if (d->find(key) >= 0)
        throw Error(ErrorNumber::DuplicateKey);
    d->items.push_back({key, item});
}

QVariant Collection::Item(int index) const { return d->items[d->checkedIndex(index)].item; }

QVariant Collection::Item(const QString& key) const { return d->items[d->found(key)].item; }

QString Collection::KeyAt(int index) const { return d->items[d->checkedIndex(index)].key; }

void Collection::Remove(int index) { d->items.erase(d->items.begin() + d->checkedIndex(index)); }

void Collection::Remove(const QString& key) { d->items.erase(d->items.begin() + d->found(key)); }

int Collection::Count() const { return static_cast<int>(d->items.size()); }

bool Collection::Contains(const QString& key) const { return d->find(key) >= 0; }

Picture pictureOf(const QVariant& item)
{
    if (item.canConvert<Picture>())
        return item.value<Picture>();
    if (item.canConvert<QImage>())
        return Picture(item.value<QImage>());
    throw Error(ErrorNumber::TypeMismatch);
}

QObject* objectOf(const QVariant& item)
{
    QObject* object = item.value<QObject*>();
    if (!object)
        throw Error(ErrorNumber::ObjectNotSet);
    return object;
}

}  // namespace kwpnd
