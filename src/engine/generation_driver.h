#pragma once
// The generation walk: draws every enabled field of the layout file onto the
// page canvas, in file order, then runs the after-generation actions. Each
// step that fails is reported and the walk goes on with the next step.

#include "field_key_reader.h"
#include "field_kinds.h"
#include "field_record.h"
#include "kwpnd/font_rotate.h"

#include <QString>
#include <memory>
#include <span>

namespace kwpnd {

class GenerationHost;

inline constexpr int kMaxSections = 255;

class GenerationDriver {
public:
    explicit GenerationDriver(GenerationHost& host);
    ~GenerationDriver();

    void PreviewGenerate();
    void BeforePreviewGenerate() {}
    void AfterPreviewGenerate();

    QString ReadLayoutValue(const QString& section, const QString& key);
    QString ReadDataValue(const QString& section, const QString& key);
    void WriteLayoutValue(const QString& section, const QString& key, const QString& text);
    void WriteDataValue(const QString& section, const QString& key, const QString& text);

    FieldRecord& record() { return record_; }
    const FieldRecord& record() const { return record_; }
    // The window's rotated-text object, created on first use.
    clsKWPNDFontRotateA& fontRotate();
    // How many writes to the data file failed since the driver was made.
    int failedDataWrites() const { return failedDataWrites_; }

private:
    void generateSection(const QString& name, int index);
    void readKindKeys(std::span<const FieldKindKey> keys);
    void readFieldKeys();
    void drawField(FieldRenderer render);
    void resetCanvas();
    template <typename Step>
    bool step(Step&& s);

    GenerationHost& host_;
    FieldRecord record_;
    FieldKeyReader keys_;  // the keys of the section being generated
    std::unique_ptr<clsKWPNDFontRotateA> fontRotate_;
    int failedDataWrites_ = 0;
};

}  // namespace kwpnd
