#include "ini_cache.h"

#include "ini_lookup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace kwpnd {

namespace {
std::uint64_t lastPass = 0;
std::uint64_t openPass = 0;
}  // namespace

std::uint64_t currentIniPass() { return openPass; }

IniLookupPass::IniLookupPass() : outer_(openPass) { openPass = ++lastPass; }

IniLookupPass::~IniLookupPass() { openPass = outer_; }

IniFile::IniFile(const QString& path) : path_(path), nativePath_(QFile::encodeName(path)) {}

const IniDocument& IniFile::document()
{
    refresh(Check::OncePerPass);
    return document_;
}

void IniFile::refresh(Check check)
{
    const std::uint64_t pass = currentIniPass();
    if (check == Check::OncePerPass && loaded_ && pass != 0 && pass == checkedInPass_) {
        if (failure_)
            throw *failure_;
        return;
    }
    checkedInPass_ = pass;
    const FileStamp now = statFile(nativePath_);
    if (!loaded_ || now != stamp_) {
        document_ = IniDocument();
        failure_.reset();
        stamp_ = now;
        if (now.exists) {
            try {
                IniFileContent content = readIniFile(path_);
                stamp_ = content.stamp;
                document_ = IniDocument(std::move(content.decoded.text), content.decoded.encoding);
            } catch (const Error& e) {
                // Kept, so that a bad file costs a stat per access, not a read.
                failure_ = e;
            }
        }
        loaded_ = true;
    }
    if (failure_)
        throw *failure_;
}

void IniFile::setValue(const IniName& section, const IniName& key, const QString& value)
{
    // A write starts from the file as it is now, even inside a pass, so that
    // it never puts back what another writer has just changed.
    refresh(Check::Always);
    if (document_.hasKey(section, key) && document_.value(section, key) == value.trimmed())
        return;  // already on disk as asked; leave the file untouched

    QString text = document_.textWithValue(section, key, value);
    const EncodedIniText encoded = encodeIniText(text, document_.encoding());
    writeIniFile(path_, encoded.bytes);
    document_ = IniDocument(std::move(text), encoded.encoding);
    stamp_ = statFile(nativePath_);
}

ResolvedIniPath resolveIniPath(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return {canonical, true};
    return {QDir::cleanPath(info.absoluteFilePath()), false};
}

std::shared_ptr<IniFile> sharedIniFile(const QString& resolvedPath)
{
    static QHash<QString, std::weak_ptr<IniFile>> files;
    static qsizetype sweepAt = 64;

    std::weak_ptr<IniFile>& slot = files[resolvedPath];
    if (std::shared_ptr<IniFile> file = slot.lock())
        return file;
    auto file = std::make_shared<IniFile>(resolvedPath);
    slot = file;

    // Forget files no handler holds any more, now and then.
    if (files.size() >= sweepAt) {
        files.removeIf([](const auto& item) { return item.value().expired(); });
        sweepAt = std::max<qsizetype>(64, files.size() * 2);
    }
    return file;
}

}  // namespace kwpnd
