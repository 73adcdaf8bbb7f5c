#include "ini_file_handler.h"

#include "ini_cache.h"
#include "kwpnd/error.h"

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

IniFileHandler::IniFileHandler() = default;
IniFileHandler::~IniFileHandler() = default;
IniFileHandler::IniFileHandler(const IniFileHandler&) = default;
IniFileHandler& IniFileHandler::operator=(const IniFileHandler&) = default;

void IniFileHandler::Path(const QString& fullPath)
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

QString IniFileHandler::Path() const { return path_; }

void IniFileHandler::section(const QString& name)
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

QString IniFileHandler::section() const { return currentSection(); }

const IniName& IniFileHandler::currentKey() const
{
    static const IniName none;
    return key_ < 0 ? none : keys_[key_];
}

int IniFileHandler::rememberKey(const IniName& name)
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

void IniFileHandler::Key(const QString& name)
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

void IniFileHandler::Key(const IniName& name)
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

QString IniFileHandler::Key() const { return currentKey().text(); }

IniFile* IniFileHandler::file() const
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

int IniFileHandler::sectionIndex(const IniDocument& document) const
{
    if (sectionSerial_ != document.serial()) {
        sectionAt_ = document.sectionIndex(currentSection());
        sectionSerial_ = document.serial();
    }
    return sectionAt_;
}

QString IniFileHandler::Value() const
{
    IniFile* f = file();
    if (!f)
        return {};
    const IniDocument& document = f->document();
    return document.value(sectionIndex(document), currentKey());
}

void IniFileHandler::Value(const QString& text)
{
    IniFile* f = file();
    if (!f)
        throw Error::detailed(ErrorNumber::PathFileAccess, QStringLiteral("No INI file is named"));
    checkWrite(currentSection(), currentKey().text(), text);
    f->setValue(IniName(currentSection()), currentKey(), text);
}

void IniFileHandler::EnumerateAllSections(QStringList& names, std::int32_t& count) const
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

void IniFileHandler::EnumerateCurrentSection(QStringList& names, std::int32_t& count) const
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
