#include "kwpnd/ini_file_handler.h"

#include "ini_cache.h"
#include "ini_lookup.h"
#include "kwpnd/error.h"

#include <array>

namespace kwpnd {

namespace {
struct WriteRule {
    bool (*breaks)(const QString& section, const QString& key, const QString& value);
    const char* description;
};

bool hasLineBreak(const QString& text) { return text.contains(u'\n') || text.contains(u'\r'); }

// What a write must not contain, so that the file reads back what was written.
const WriteRule kWriteRules[] = {
    {[](const QString& s, const QString&, const QString&) { return s.trimmed().isEmpty(); },
     "An INI section name cannot be empty"},
    {[](const QString&, const QString& k, const QString&) { return k.trimmed().isEmpty(); },
     "An INI key name cannot be empty"},
    {[](const QString& s, const QString& k, const QString& v) {
         return hasLineBreak(s) || hasLineBreak(k) || hasLineBreak(v);
     },
     "An INI name or value cannot hold a line break"},
    {[](const QString& s, const QString& k, const QString& v) {
         return s.contains(QChar(u'\0')) || k.contains(QChar(u'\0')) || v.contains(QChar(u'\0'));
     },
     "An INI name or value cannot hold a NUL character (U+0000)"},
    {[](const QString&, const QString& k, const QString&) { return k.contains(u'='); },
     "An INI key name cannot hold '='"},
    {[](const QString&, const QString& k, const QString&) {
         const QString name = k.trimmed();
         return name.startsWith(u';') || name.startsWith(u'#') || name.startsWith(u'[');
     },
     "An INI key name cannot begin with ';', '#' or '['"},
};

void checkWrite(const QString& section, const QString& key, const QString& value)
{
    for (const WriteRule& rule : kWriteRules)
        if (rule.breaks(section, key, value))
            throw Error::detailed(ErrorNumber::InvalidProcedureCall, QString::fromLatin1(rule.description));
}
}  // namespace

// A handler's state: the named file and section, and the keys named lately.
class KWPND10_NO_EXPORT IniFileHandler::Private {
public:
    static Private& of(IniFileHandler& handler) { return *handler.d; }
    static const Private& of(const IniFileHandler& handler) { return *handler.d; }

    void setPath(const QString& fullPath);
    void setSection(const QString& name);
    void setKey(const QString& name);
    void setKey(const IniName& name);
    QString value() const;
    std::uint64_t readKeys(const IniKeyTable& table, IniKeyValues& values) const;
    std::uint64_t loadedSerial() const { return file_ ? file_->loadedDocument().serial() : 0; }
    void setValue(const QString& text);
    void enumerateAllSections(QStringList& names, std::int32_t& count) const;
    void enumerateCurrentSection(QStringList& names, std::int32_t& count) const;

    const QString& currentSection() const { return sectionListed_ >= 0 ? listed_[sectionListed_] : section_; }
    const IniName& currentKey() const;

    QString path_;

private:
    IniFile* file() const;
    // The current section's index in `document`, -1 when it has none.
    int sectionIndex(const IniDocument& document) const;
    // Makes `name` one of the keys_ and returns its index.
    int rememberKey(const IniName& name);

    // Null while no path is named. A file that did not exist yet when named
    // is looked up again at each access (once per look-up pass), as its
    // canonical path may differ.
    mutable std::shared_ptr<IniFile> file_;
    mutable bool fileExisted_ = false;
    mutable std::uint64_t resolvedInPass_ = 0;

    // The current section's name as given: either listed_[sectionListed_],
    // a name of the last enumeration (selected without copying it), or
    // section_. (Enumerating replaces the list, hence mutable.)
    mutable QString section_;
    mutable int sectionListed_ = -1;
    mutable QStringList listed_;  // the names EnumerateAllSections handed out last
    mutable std::uint64_t listedSerial_ = 0;  // of the document they came from
    // Key names given lately, the current one (key_, -1 for none) among
    // them: callers alternate between a few keys (the walk between a field's
    // thirty), and finding a name here costs less than preparing it again.
    static constexpr int kKeys = 48;
    std::array<IniName, kKeys> keys_;
    int keyCount_ = 0;
    int nextKey_ = 0;  // the one replaced next once all are in use
    int key_ = -1;
    // Where the current section was last found: its index in the document
    // of that serial (0: not looked up since the section was named).
    mutable std::uint64_t sectionSerial_ = 0;
    mutable int sectionAt_ = -1;
};

IniFileHandler::IniFileHandler() : d(std::make_unique<Private>()) {}
IniFileHandler::~IniFileHandler() = default;
IniFileHandler::IniFileHandler(const IniFileHandler& other) : d(std::make_unique<Private>(*other.d)) {}
IniFileHandler& IniFileHandler::operator=(const IniFileHandler& other)
{
    *d = *other.d;
    return *this;
}

void IniFileHandler::Path(const QString& fullPath) { d->setPath(fullPath); }
QString IniFileHandler::Path() const { return d->path_; }
void IniFileHandler::section(const QString& name) { d->setSection(name); }
QString IniFileHandler::section() const { return d->currentSection(); }
void IniFileHandler::Key(const QString& name) { d->setKey(name); }
QString IniFileHandler::Key() const { return d->currentKey().text(); }
QString IniFileHandler::Value() const { return d->value(); }
void IniFileHandler::Value(const QString& text) { d->setValue(text); }
void IniFileHandler::EnumerateAllSections(QStringList& names, std::int32_t& count) const
{
    d->enumerateAllSections(names, count);
}
void IniFileHandler::EnumerateCurrentSection(QStringList& names, std::int32_t& count) const
{
    d->enumerateCurrentSection(names, count);
}

void setIniKey(IniFileHandler& handler, const IniName& name) { IniFileHandler::Private::of(handler).setKey(name); }

std::uint64_t readIniKeys(const IniFileHandler& handler, const IniKeyTable& table, IniKeyValues& values)
{
    return IniFileHandler::Private::of(handler).readKeys(table, values);
}

std::uint64_t loadedIniSerial(const IniFileHandler& handler)
{
    return IniFileHandler::Private::of(handler).loadedSerial();
}

void IniFileHandler::Private::setPath(const QString& fullPath)
{
    if (fullPath == path_)
        return;  // the common case: callers name the file before every access

    std::shared_ptr<IniFile> next;
    bool existed = false;
    if (!fullPath.isEmpty()) {
        const ResolvedIniPath resolved = resolveIniPath(fullPath);
        next = sharedIniFile(resolved.path);
        existed = resolved.existed;
    }
    if (next != file_) {
        section_ = QString();
        sectionListed_ = -1;
        listed_ = QStringList();
        listedSerial_ = 0;
        key_ = -1;
        sectionSerial_ = 0;
    }
    path_ = fullPath;
    file_ = std::move(next);
    fileExisted_ = existed;
}

void IniFileHandler::Private::setSection(const QString& name)
{
    const QString& current = currentSection();
    if (name.constData() == current.constData() && name.size() == current.size())
        return;
    // A name of the last enumeration, while its document is the file's: the
    // section is known by the name's data, without copying or folding it.
    if (file_ && listedSerial_ != 0 && file_->loadedDocument().serial() == listedSerial_) {
        const int index = file_->loadedDocument().sharedSectionIndex(name);
        if (index >= 0 && listed_[index].constData() == name.constData()) {
            sectionListed_ = index;
            sectionAt_ = index;
            sectionSerial_ = listedSerial_;
            return;
        }
    }
    if (name != current) {
        section_ = name;
        sectionSerial_ = 0;
    } else if (sectionListed_ >= 0) {
        section_ = name;
    }
    sectionListed_ = -1;
}

const IniName& IniFileHandler::Private::currentKey() const
{
    static const IniName none;
    return key_ < 0 ? none : keys_[key_];
}

int IniFileHandler::Private::rememberKey(const IniName& name)
{
    if (keyCount_ < kKeys) {
        keys_[keyCount_] = name;
        return keyCount_++;
    }
    const int slot = nextKey_;
    keys_[slot] = name;
    nextKey_ = (nextKey_ + 1) % kKeys;
    return slot;
}

void IniFileHandler::Private::setKey(const QString& name)
{
    if (key_ >= 0 && keys_[key_].text() == name)
        return;
    for (int i = 0; i < keyCount_; ++i) {
        if (keys_[i].text() == name && !keys_[i].text().isNull()) {
            key_ = i;
            return;
        }
    }
    key_ = rememberKey(IniName(name));
}

void IniFileHandler::Private::setKey(const IniName& name)
{
    // The caller's prepared name, or a copy of it, is found by its data.
    for (int i = 0; i < keyCount_; ++i) {
        if (keys_[i].text().constData() == name.text().constData() &&
            keys_[i].folded().constData() == name.folded().constData() && keys_[i].text().size() == name.text().size()) {
            key_ = i;
            return;
        }
    }
    key_ = rememberKey(name);
}

IniFile* IniFileHandler::Private::file() const
{
    const std::uint64_t pass = currentIniPass();
    if (file_ && !fileExisted_ && (pass == 0 || pass != resolvedInPass_)) {
        const ResolvedIniPath resolved = resolveIniPath(path_);
        if (resolved.path != file_->path())
            file_ = sharedIniFile(resolved.path);
        fileExisted_ = resolved.existed;
        resolvedInPass_ = pass;
    }
    return file_.get();
}

int IniFileHandler::Private::sectionIndex(const IniDocument& document) const
{
    if (sectionSerial_ != document.serial()) {
        sectionAt_ = document.sectionIndex(currentSection());
        sectionSerial_ = document.serial();
    }
    return sectionAt_;
}

QString IniFileHandler::Private::value() const
{
    IniFile* f = file();
    if (!f)
        return {};
    const IniDocument& document = f->document();
    return document.value(sectionIndex(document), currentKey());
}

std::uint64_t IniFileHandler::Private::readKeys(const IniKeyTable& table, IniKeyValues& values) const
{
    static const IniDocument none;
    IniFile* f = file();
    if (!f) {
        none.readKeys(-1, table, values);
        return 0;
    }
    try {
        const IniDocument& document = f->document();
        document.readKeys(sectionIndex(document), table, values);
        return document.serial();
    } catch (...) {
        none.readKeys(-1, table, values);  // no value of an earlier read stays
        throw;
    }
}

void IniFileHandler::Private::setValue(const QString& text)
{
    IniFile* f = file();
    if (!f)
        throw Error::detailed(ErrorNumber::PathFileAccess, QStringLiteral("No INI file is named"));
    checkWrite(currentSection(), currentKey().text(), text);
    f->setValue(IniName(currentSection()), currentKey(), text);
}

void IniFileHandler::Private::enumerateAllSections(QStringList& names, std::int32_t& count) const
{
    IniFile* f = file();
    if (!f) {
        names = QStringList();
    } else {
        const IniDocument& document = f->document();
        names = document.sectionNames();
        if (listedSerial_ != document.serial()) {
            // Still naming the current section after the list is replaced.
            if (sectionListed_ >= 0)
                section_ = listed_[sectionListed_];
            sectionListed_ = -1;
            listed_ = names;
            listedSerial_ = document.serial();
        }
    }
    count = static_cast<std::int32_t>(names.size());
}

void IniFileHandler::Private::enumerateCurrentSection(QStringList& names, std::int32_t& count) const
{
    IniFile* f = file();
    if (!f) {
        names = QStringList();
    } else {
        const IniDocument& document = f->document();
        names = document.keyNames(sectionIndex(document));
    }
    count = static_cast<std::int32_t>(names.size());
}

}  // namespace kwpnd
