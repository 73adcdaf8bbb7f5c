#include "kwpnd/collection.h"

#include "kwpnd/error.h"

namespace kwpnd {

int Collection::find(const QString& key) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].key.compare(key, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

int Collection::checkedIndex(int index) const
{
    if (index < 1 || index > Count())
        throw Error(ErrorNumber::InvalidProcedureCall);
    return index - 1;
}

void Collection::Add(const QVariant& item, const QString& key)
{
    if (find(key) >= 0)
        throw Error(ErrorNumber::DuplicateKey);
    items_.push_back({key, item});
}

QVariant Collection::Item(int index) const { return items_[checkedIndex(index)].item; }

QVariant Collection::Item(const QString& key) const
{
    const int i = find(key);
    if (i < 0)
        throw Error(ErrorNumber::InvalidProcedureCall);
    return items_[i].item;
}

QString Collection::KeyAt(int index) const { return items_[checkedIndex(index)].key; }

void Collection::Remove(int index) { items_.erase(items_.begin() + checkedIndex(index)); }

void Collection::Remove(const QString& key)
{
    const int i = find(key);
    if (i < 0)
        throw Error(ErrorNumber::InvalidProcedureCall);
    items_.erase(items_.begin() + i);
}

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
