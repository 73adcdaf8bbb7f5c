#pragma once
// The field kinds: the Type of a layout section names the kind that draws its
// field. A kind is its type name, the keys of its own it reads from the
// field's section (its key table) and its renderer. The engine's own kinds
// are there from the first look-up; another folder adds its kinds with
// registerFieldKind, called by whoever owns the window before it generates.
// A Type that names no kind prints the field's data as plain text.

#include <QString>
#include <QStringList>
#include <optional>
#include <span>

namespace kwpnd {

struct FieldContext;
struct FieldRecord;

using FieldRenderer = void (*)(FieldContext&);

// One key of a kind's key table. `store` converts the key's text into the
// record (a kind keeps its own members in its kind state, see kindState) and
// throws when the text does not convert.
struct FieldKindKey {
    const char* name;
    void (*store)(FieldRecord& record, const QString& text);
};

// A kind's own keys are read before the keys every field has, each on its
// own: one that does not convert is reported with the section name and
// leaves its member as it was. Empty texts are converted too, so a missing
// number is reported rather than silently taken as 0.
struct FieldKind {
    QString type;                        // compared exactly
    std::span<const FieldKindKey> keys;  // a table that lives as long as the process
    FieldRenderer render = nullptr;
};

// Adds `kind`, or replaces the kind registered under the same type.
void registerFieldKind(const FieldKind& kind);

// The kind registered under `type`, if there is one.
std::optional<FieldKind> findFieldKind(const QString& type);

// Every key name a field section can hold, each once: Enabled and Type, the
// keys every field has in reading order, then the keys of the registered
// kinds (those registered so far) by type. For completing key names.
QStringList knownFieldKeyNames();

// The renderer of kinds without one of their own: the field's data as plain
// text at the drawing position.
void drawPlainText(FieldContext& ctx);

}  // namespace kwpnd
