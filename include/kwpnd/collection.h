#pragma once
/// @file
/// Collection: an ordered keyed collection, addressed by position (1-based)
/// or by key. Keys are unique without regard to letter case. The content
/// registries of the preview component are collections shared by reference:
/// the host and the library see the same live object.

#include "kwpnd/kwpnd10_export.h"
#include "kwpnd/picture.h"

#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>

Q_DECLARE_METATYPE(kwpnd::Picture)

namespace kwpnd {

/// An ordered collection of values, each under a key of its own.
class KWPND10_EXPORT Collection {
public:
    /// An empty collection.
    Collection();
    ~Collection();
    Collection(const Collection&) = delete;
    Collection& operator=(const Collection&) = delete;

    /// Adds `item` at the end under `key`. A key already present (in any
    /// letter case): error 457, the collection unchanged.
    void Add(const QVariant& item, const QString& key);
    /// The item at position 1..Count; any other position: error 5.
    QVariant Item(int index) const;
    /// The item under `key` (any letter case); a missing key: error 5.
    QVariant Item(const QString& key) const;
    /// Removes the item at position 1..Count; any other position: error 5.
    void Remove(int index);
    /// Removes the item under `key`; a missing key: error 5.
    void Remove(const QString& key);
    /// The number of items.
    int Count() const;
    /// Whether an item is held under `key` (any letter case).
    bool Contains(const QString& key) const;
    /// The key of the item at position 1..Count; any other position: error 5.
    QString KeyAt(int index) const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

/// A collection shared between the host and the library.
using CollectionRef = std::shared_ptr<Collection>;

/// The picture a registry item holds (a Picture or a QImage); anything
/// else: error 13.
KWPND10_EXPORT Picture pictureOf(const QVariant& item);
/// The object a registry item holds; none: error 91.
KWPND10_EXPORT QObject* objectOf(const QVariant& item);

}  // namespace kwpnd
