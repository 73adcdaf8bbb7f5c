#pragma once
// The process's one parsed copy of each INI file. Every handler naming the
// same file shares one IniFile, so a write through any of them is seen by all
// at once. A stat notices changes made by other writers: before every access,
// or, while a look-up pass is open (IniLookupPass), at the first access in the
// pass only. Used on the user-interface thread only: nothing here is locked.

#include "ini_document.h"
#include "ini_file_io.h"
#include "kwpnd/error.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

namespace kwpnd {

class IniFile {
public:
    explicit IniFile(const QString& path);

    const QString& path() const { return path_; }

    // The parsed file as it is on disk now, or as it was at the first access
    // in the open look-up pass (empty for a missing file); re-read when its
    // stamp changed. The reference stays valid until the next call. Throws
    // Error 75 for a file that is not a readable text file.
    const IniDocument& document();
    // The document as last loaded, without looking at the disk.
    const IniDocument& loadedDocument() const { return document_; }

    // Stores `value` and replaces the file on disk at once.
    void setValue(const IniName& section, const IniName& key, const QString& value);

private:
    enum class Check { OncePerPass, Always };
    void refresh(Check check);

    QString path_;
    QByteArray nativePath_;
    bool loaded_ = false;
    std::uint64_t checkedInPass_ = 0;
    FileStamp stamp_;
    IniDocument document_;
    std::optional<Error> failure_;  // why the file as stamped cannot be read
};

// The look-up pass now open (see IniLookupPass), 0 while none is.
std::uint64_t currentIniPass();

// A path resolved to the name the cache knows it by: the canonical path of an
// existing file, else the absolute clean path.
struct ResolvedIniPath {
    QString path;
    bool existed = false;
};
ResolvedIniPath resolveIniPath(const QString& path);

// The shared copy of the file at a resolved path. It lives while a handler
// holds it; the next handler after that parses the file afresh.
std::shared_ptr<IniFile> sharedIniFile(const QString& resolvedPath);

}  // namespace kwpnd
