#pragma once
// PropertySheet: the settings editor's typed view of the common keys of the
// chosen field, under the category "Field": Description, Enabled, XLeft,
// YTop, the font (FontName, FontSize, FontBold, FontItalic, FontUnderline)
// and Forecolor. Filling it writes nothing; each edit a user makes is handed
// to the writer as the texts to store, so the editor writes them the way it
// writes every value.

#include <QGroupBox>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;

namespace kwpnd {

class PropertySheet : public QGroupBox {
    Q_OBJECT
public:
    // Texts to store, key by key, in the shown section.
    using KeyTexts = std::vector<std::pair<QString, QString>>;
    using Writer = std::function<void(const KeyTexts&)>;

    explicit PropertySheet(QWidget* parent = nullptr);

    // The keys the sheet shows, in the order it reads them.
    static const QStringList& keys();

    // Shows the section's texts of keys() (a missing key as ""). Writes
    // nothing.
    void fill(const QString& section, const QString& type, const QMap<QString, QString>& texts);
    // No section: everything empty and disabled.
    void clear();

    void setWriter(Writer writer) { writer_ = std::move(writer); }

    QString section() const { return section_; }

    QLineEdit* description = nullptr;
    QCheckBox* enabled = nullptr;
    QDoubleSpinBox* xLeft = nullptr;
    QDoubleSpinBox* yTop = nullptr;
    QPushButton* font = nullptr;
    QPushButton* forecolor = nullptr;

private:
    QDoubleSpinBox* makePosition(const QString& key, const QString& help);
    void write(const KeyTexts& texts);
    void chooseFont();
    void chooseForecolor();
    void showFont();
    void showForecolor();

    Writer writer_;
    QString section_;
    QMap<QString, QString> texts_;
    bool filling_ = false;
};

}  // namespace kwpnd
