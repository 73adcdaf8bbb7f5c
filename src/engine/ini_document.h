#pragma once
// IniDocument: the parsed text of one INI file, immutable once built.
//
// Reading rules: lines end at CR LF, LF or a CR alone; a line whose first
// non-blank character is ';' or '#' is a comment; "[name]" opens a section;
// "name = value" sets a key of the current section; any other line, and keys
// before the first section, are ignored.
// Names match without regard to case and lose their surrounding blanks, as do
// values. When a section or a key appears twice, the first one is the one
// that counts, as with the classic profile functions: the keys of a repeated
// section are not seen.
//
// The parse keeps offsets into the text rather than copies of it, so that a
// file of tens of megabytes costs one pass and little memory; a value becomes
// a string of its own when it is first read, and later reads share it. A
// change builds the text of a new document that keeps every other line,
// comment and line ending as it was.

#include "ini_text_codec.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace kwpnd {

// A section or key name as selected by a caller, with what look-ups need of
// it worked out once rather than at every look-up.
class IniName {
public:
    IniName() = default;
    explicit IniName(const QString& name);

    const QString& text() const { return text_; }  // as given
    const QString& trimmed() const { return trimmed_; }
    const QString& folded() const { return folded_; }  // case-folded
    std::uint32_t hash() const { return hash_; }       // of the folded name
    bool isEmpty() const { return trimmed_.isEmpty(); }

private:
    QString text_;
    QString trimmed_;
    QString folded_;
    std::uint32_t hash_ = 0;
};

// Key names read together from one section (IniDocument::readKeys). Each
// distinct name, ignoring case and surrounding blanks, has one slot.
class IniKeyTable {
public:
    // The slot of `name`: a new one unless the table already holds the name.
    int add(const IniName& name);
    int size() const { return static_cast<int>(names_.size()); }
    const IniName& name(int slot) const { return names_[slot]; }
    // The slot of a trimmed name whose folded hash is `hash`, -1 for none.
    int find(std::uint32_t hash, QStringView trimmedName) const;

private:
    void rehash();

    std::vector<IniName> names_;
    // Open addressing by hash: slot + 1, 0 for a free bucket. A power of
    // two, at most half full.
    std::vector<std::int32_t> buckets_;
};

// The values one IniDocument::readKeys found, by slot of its table. Kept
// from read to read, so that a read allocates nothing once it has run.
class IniKeyValues {
public:
    // The value in `slot`, "" for a key the section does not hold.
    const QString& operator[](int slot) const;

private:
    friend class IniDocument;
    void begin(int size);  // forgets the last read
    bool has(int slot) const { return readIn_[slot] == read_; }
    void set(int slot, const QString& value)
    {
        values_[slot] = value;
        readIn_[slot] = read_;
    }

    std::vector<QString> values_;
    std::vector<std::uint32_t> readIn_;  // the read that set each value
    std::uint32_t read_ = 0;
};

class IniDocument {
public:
    IniDocument();  // an empty (or missing) file
    IniDocument(QString text, IniEncoding encoding);

    const QString& text() const { return text_; }
    IniEncoding encoding() const { return encoding_; }
    // Tells documents apart for the life of the process: a new parse, a new
    // serial. Lets a handler keep what it looked up in this document.
    std::uint64_t serial() const { return serial_; }

    // The index of a section, -1 when there is none. A name handed out by
    // sectionNames() (or a copy of it) is found without folding its case.
    int sectionIndex(const QString& name) const;
    int sectionIndex(const IniName& name) const;
    // Only a name handed out by sectionNames(), found by its data; -1 else.
    int sharedSectionIndex(const QString& name) const;

    // The value of a key, "" when the section or the key does not exist.
    QString value(int section, const IniName& key) const;
    QString value(const IniName& section, const IniName& key) const;
    bool hasKey(const IniName& section, const IniName& key) const;
    // Every key of `table` from `section` in one pass over its keys: each
    // slot gets what value(section, name) gives.
    void readKeys(int section, const IniKeyTable& table, IniKeyValues& values) const;

    // Distinct names in order of first appearance.
    const QStringList& sectionNames() const { return sectionNames_; }
    QStringList keyNames(int section) const;

    // The text of this file with `key` of `section` set to `value`: an
    // existing key keeps its line up to the value, a new key goes after the
    // last key line of its section, a new section goes at the end.
    QString textWithValue(const IniName& section, const IniName& key, const QString& value) const;

private:
    // Offsets into text_; a file is at most 32 MB, so 32 bits suffice.
    struct Key {
        std::uint32_t nameHash = 0;
        std::int32_t nameStart = 0, nameLength = 0;
        std::int32_t valueStart = 0, valueLength = 0;  // trimmed value
        std::int32_t replaceStart = 0;                 // where a new value goes
        std::int32_t lineContentEnd = 0;               // before the line break
    };
    struct Section {
        // Key lines of the section's first occurrence, repeats included:
        // keys_[firstKey, endKey). A look-up takes the first match.
        std::int32_t firstKey = 0, endKey = 0;
        // Offset just past the last key line (or the header while there is
        // none), and whether that line ends in a line break.
        std::int32_t appendAt = 0;
        bool appendAtLineBreak = false;
    };

    void parse();
    const Section* findSection(const IniName& section) const;
    const Key* findKey(const Section* section, const IniName& key) const;
    QStringView keyName(const Key& key) const;
    // The value of keys_[index], made a string at its first read.
    const QString& valueAt(std::size_t index) const;

    QString text_;
    IniEncoding encoding_ = IniEncoding::Utf8;
    QString lineBreak_ = QStringLiteral("\n");  // the file's first line break: CR LF, LF or CR
    std::vector<Key> keys_;
    std::vector<Section> sections_;
    QHash<QString, int> sectionIndex_;  // by folded name
    QStringList sectionNames_;
    // By the character data of the names in sectionNames_: a caller's copy
    // of a handed-out name shares that data, so it is found by address.
    QHash<const QChar*, int> sectionBySharedName_;
    // Values read so far, by key index (empty until the first read).
    mutable std::vector<QString> values_;
    std::uint64_t serial_ = 0;
};

}  // namespace kwpnd
