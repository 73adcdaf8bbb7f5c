#include "ini_document.h"

#include <QSet>

#include <algorithm>

namespace kwpnd {

namespace {
bool isCommentStart(QChar c) { return c == u';' || c == u'#'; }

// FNV-1a over the case-folded characters: the same for every spelling that a
// case-insensitive comparison takes as equal.
std::uint32_t foldedHash(QStringView name)
{
    std::uint32_t hash = 2166136261u;
    for (QChar c : name) {
        const char16_t unit = c.unicode();
        const char16_t folded =
            unit < 0x80 ? (unit >= u'A' && unit <= u'Z' ? unit + 32 : unit) : c.toCaseFolded().unicode();
        hash = (hash ^ folded) * 16777619u;
    }
    return hash;
}

bool sameName(QStringView a, QStringView b)
{
    return a.size() == b.size() && (a == b || a.compare(b, Qt::CaseInsensitive) == 0);
}

std::uint64_t nextSerial()
{
    static std::uint64_t serial = 0;
    return ++serial;
}
}  // namespace

IniName::IniName(const QString& name)
    : text_(name), trimmed_(name.trimmed()), folded_(trimmed_.toCaseFolded()), hash_(foldedHash(trimmed_))
{
}

int IniKeyTable::add(const IniName& name)
{
    if (const int slot = find(name.hash(), name.trimmed()); slot >= 0)
        return slot;
    names_.push_back(name);
    if (buckets_.size() < names_.size() * 2)
        rehash();
    else {
        std::size_t bucket = name.hash() & (buckets_.size() - 1);
        while (buckets_[bucket] != 0)
            bucket = (bucket + 1) & (buckets_.size() - 1);
        buckets_[bucket] = static_cast<std::int32_t>(names_.size());
    }
    return size() - 1;
}

void IniKeyTable::rehash()
{
    std::size_t size = 16;
    while (size < names_.size() * 2)
        size *= 2;
    buckets_.assign(size, 0);
    for (std::size_t slot = 0; slot < names_.size(); ++slot) {
        std::size_t bucket = names_[slot].hash() & (size - 1);
        while (buckets_[bucket] != 0)
            bucket = (bucket + 1) & (size - 1);
        buckets_[bucket] = static_cast<std::int32_t>(slot + 1);
    }
}

int IniKeyTable::find(std::uint32_t hash, QStringView trimmedName) const
{
    if (buckets_.empty())
        return -1;
    const std::size_t mask = buckets_.size() - 1;
    for (std::size_t bucket = hash & mask; buckets_[bucket] != 0; bucket = (bucket + 1) & mask) {
        const int slot = buckets_[bucket] - 1;
        const IniName& name = names_[slot];
        if (name.hash() == hash && sameName(name.trimmed(), trimmedName))
            return slot;
    }
    return -1;
}

const QString& IniKeyValues::operator[](int slot) const
{
    static const QString none;
    return slot >= 0 && slot < static_cast<int>(readIn_.size()) && has(slot) ? values_[slot] : none;
}

void IniKeyValues::begin(int size)
{
    if (static_cast<int>(readIn_.size()) < size) {
        values_.resize(size);
        readIn_.resize(size, 0);
    }
    if (++read_ == 0) {  // the count went round: no stale mark may match
        std::fill(readIn_.begin(), readIn_.end(), 0);
        read_ = 1;
    }
}

IniDocument::IniDocument() : serial_(nextSerial()) {}

IniDocument::IniDocument(QString text, IniEncoding encoding)
    : text_(std::move(text)), encoding_(encoding), serial_(nextSerial())
{
    parse();
    sectionBySharedName_.reserve(sectionNames_.size());
    for (int i = 0; i < sectionNames_.size(); ++i)
        sectionBySharedName_.insert(sectionNames_[i].constData(), i);
}

void IniDocument::parse()
{
    const QStringView all(text_);
    const auto size = static_cast<std::int32_t>(all.size());
    bool lineBreakSeen = false;
    Section* current = nullptr;  // null before the first section and inside repeats

    for (std::int32_t lineStart = 0; lineStart < size;) {
        // A line ends at CR LF, LF or a CR alone.
        std::int32_t contentEnd = lineStart;
        while (contentEnd < size && all[contentEnd] != u'\n' && all[contentEnd] != u'\r')
            ++contentEnd;
        const bool hasLineBreak = contentEnd < size;
        std::int32_t next = contentEnd;
        if (hasLineBreak)
            next += all[contentEnd] == u'\r' && contentEnd + 1 < size && all[contentEnd + 1] == u'\n' ? 2 : 1;
        if (hasLineBreak && !lineBreakSeen) {
            lineBreak_ = all.sliced(contentEnd, next - contentEnd).toString();
            lineBreakSeen = true;
        }

        const QStringView line = all.sliced(lineStart, contentEnd - lineStart);
        const QStringView trimmed = line.trimmed();

        if (trimmed.isEmpty() || isCommentStart(trimmed.front())) {
            // blank line or comment
        } else if (const qsizetype close = trimmed.lastIndexOf(u']'); trimmed.front() == u'[' && close > 0) {
            const QString name = trimmed.sliced(1, close - 1).trimmed().toString();
            const QString folded = name.toCaseFolded();
            current = nullptr;
            if (!name.isEmpty() && !sectionIndex_.contains(folded)) {
                sectionIndex_.insert(folded, static_cast<int>(sections_.size()));
                sectionNames_.append(name);
                current = &sections_.emplace_back();
                current->firstKey = current->endKey = static_cast<std::int32_t>(keys_.size());
                current->appendAt = next;
                current->appendAtLineBreak = hasLineBreak;
            }
        } else if (const qsizetype equals = line.indexOf(u'='); equals >= 0 && current) {
            const QStringView rawName = line.first(equals);
            const QStringView name = rawName.trimmed();
            if (!name.isEmpty()) {
                const QStringView rawValue = line.sliced(equals + 1);
                const QStringView value = rawValue.trimmed();
                Key& key = keys_.emplace_back();
                key.nameHash = foldedHash(name);
                key.nameStart = static_cast<std::int32_t>(name.data() - all.data());
                key.nameLength = static_cast<std::int32_t>(name.size());
                key.valueStart = static_cast<std::int32_t>(value.data() - all.data());
                key.valueLength = static_cast<std::int32_t>(value.size());
                // An empty value is written right after the equals sign.
                key.replaceStart =
                    value.isEmpty() ? static_cast<std::int32_t>(rawValue.data() - all.data()) : key.valueStart;
                key.lineContentEnd = contentEnd;
                current->endKey = static_cast<std::int32_t>(keys_.size());
                current->appendAt = next;
                current->appendAtLineBreak = hasLineBreak;
            }
        }
        lineStart = next;
    }
}

QStringView IniDocument::keyName(const Key& key) const
{
    return QStringView(text_).sliced(key.nameStart, key.nameLength);
}

int IniDocument::sectionIndex(const IniName& name) const { return sectionIndex_.value(name.folded(), -1); }

int IniDocument::sharedSectionIndex(const QString& name) const
{
    const auto shared = sectionBySharedName_.constFind(name.constData());
    return shared != sectionBySharedName_.cend() && sectionNames_[*shared].size() == name.size() ? *shared : -1;
}

int IniDocument::sectionIndex(const QString& name) const
{
    const int shared = sharedSectionIndex(name);
    return shared >= 0 ? shared : sectionIndex(IniName(name));
}

const IniDocument::Section* IniDocument::findSection(const IniName& section) const
{
    const int index = sectionIndex(section);
    return index < 0 ? nullptr : &sections_[index];
}

const IniDocument::Key* IniDocument::findKey(const Section* section, const IniName& key) const
{
    if (!section)
        return nullptr;
    for (std::int32_t i = section->firstKey; i < section->endKey; ++i) {
        const Key& k = keys_[i];
        if (k.nameHash == key.hash() && sameName(keyName(k), key.trimmed()))
            return &k;
    }
    return nullptr;
}

const QString& IniDocument::valueAt(std::size_t index) const
{
    if (values_.empty())
        values_.resize(keys_.size());
    QString& value = values_[index];
    const Key& k = keys_[index];
    if (value.isNull() && k.valueLength > 0)
        value = text_.mid(k.valueStart, k.valueLength);
    return value;
}

QString IniDocument::value(int section, const IniName& key) const
{
    if (section < 0 || section >= static_cast<int>(sections_.size()))
        return {};
    const Key* k = findKey(&sections_[section], key);
    return k ? valueAt(static_cast<std::size_t>(k - keys_.data())) : QString();
}

void IniDocument::readKeys(int section, const IniKeyTable& table, IniKeyValues& values) const
{
    values.begin(table.size());
    if (section < 0 || section >= static_cast<int>(sections_.size()))
        return;
    const Section& s = sections_[section];
    int unread = table.size();
    for (std::int32_t i = s.firstKey; i < s.endKey && unread > 0; ++i) {
        const Key& k = keys_[i];
        const int slot = table.find(k.nameHash, keyName(k));
        // The first line of a name is the one that counts.
        if (slot >= 0 && !values.has(slot)) {
            values.set(slot, valueAt(static_cast<std::size_t>(i)));
            --unread;
        }
    }
}

QString IniDocument::value(const IniName& section, const IniName& key) const
{
    return value(sectionIndex(section), key);
}

bool IniDocument::hasKey(const IniName& section, const IniName& key) const
{
    return findKey(findSection(section), key) != nullptr;
}

QStringList IniDocument::keyNames(int section) const
{
    QStringList names;
    if (section < 0 || section >= static_cast<int>(sections_.size()))
        return names;
    const Section* s = &sections_[section];
    QSet<QString> seen;
    for (std::int32_t i = s->firstKey; i < s->endKey; ++i) {
        const QString name = keyName(keys_[i]).toString();
        const QString folded = name.toCaseFolded();
        if (!seen.contains(folded)) {
            seen.insert(folded);
            names.append(name);
        }
    }
    return names;
}

QString IniDocument::textWithValue(const IniName& section, const IniName& key, const QString& value) const
{
    if (const Key* k = findKey(findSection(section), key))
        return text_.left(k->replaceStart) + value + text_.mid(k->lineContentEnd);

    const QString keyLine = key.trimmed() + u'=' + value;
    if (const Section* s = findSection(section)) {
        const QString inserted = s->appendAtLineBreak ? keyLine + lineBreak_ : lineBreak_ + keyLine;
        return text_.left(s->appendAt) + inserted + text_.mid(s->appendAt);
    }
    QString result = text_;
    if (!result.isEmpty() && !result.endsWith(u'\n') && !result.endsWith(u'\r'))
        result += lineBreak_;
    return result + u'[' + section.trimmed() + u']' + lineBreak_ + keyLine + lineBreak_;
}

}  // namespace kwpnd
