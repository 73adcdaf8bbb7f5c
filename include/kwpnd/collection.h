#pragma once
// Collection: an ordered keyed collection, addressed by position (1-based) or
// by key. Keys are unique without regard to letter case. The content
// registries of the preview component are collections shared by reference:
// the host and the library see the same live object.

#include "kwpnd/picture.h"

#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

Q_DECLARE_METATYPE(kwpnd::Picture)

namespace kwpnd {

class Collection {
public:
    // Adds under `key`. A key already present (in any letter case): error 457,
    // the collection unchanged.
    void Add(const QVariant& item, const QString& key);
    // Position 1..Count or a registered key; anything else: error 5.
    QVariant Item(int index) const;
    QVariant Item(const QString& key) const;
    void Remove(int index);
    void Remove(const QString& key);
    int Count() const { return static_cast<int>(items_.size()); }
    bool Contains(const QString& key) const { return find(key) >= 0; }
    QString KeyAt(int index) const;

private:
    int find(const QString& key) const;  // 0-based, -1 when absent
    int checkedIndex(int index) const;

    struct Entry {
        QString key;
        QVariant item;
    };
    std::vector<Entry> items_;
};

using CollectionRef = std::shared_ptr<Collection>;

// Typed views of registry items.
Picture pictureOf(const QVariant& item);
QObject* objectOf(const QVariant& item);

}  // namespace kwpnd
