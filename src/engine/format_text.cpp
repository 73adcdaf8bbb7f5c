// String patterns: @ (a character or a blank), & (a character or nothing),
// < (lower case), > (upper case), ! (fill placeholders from the left).
#include "format_parts.h"

namespace kwpnd::format_detail {

QString formatText(const QString& text, const QString& pattern)
{
    // A second section formats empty text.
    const QStringList sections = splitSections(pattern);
    const QString& section = text.isEmpty() && sections.size() > 1 ? sections[1] : sections[0];
    const PatternPieces pieces = patternPieces(section);

    // The last of < and > decides the case; the text is converted once.
    QChar caseMark;
    bool fromLeft = false;
    qsizetype placeholders = 0;
    for (const PatternPiece& piece : pieces) {
        if (piece.literal)
            continue;
        for (QChar c : piece.text) {
            if (c == u'<' || c == u'>')
                caseMark = c;
            else if (c == u'!')
                fromLeft = true;
            else if (c == u'@' || c == u'&')
                ++placeholders;
        }
    }
    const QString source = caseMark == u'<' ? text.toLower() : caseMark == u'>' ? text.toUpper() : text;

    // Index into `source` of the character each placeholder takes; the
    // characters that find no placeholder go with the first (from the right)
    // or the last (from the left) one.
    const qsizetype offset = fromLeft ? 0 : source.size() - placeholders;
    QString out;
    qsizetype slot = 0;
    for (const PatternPiece& piece : pieces) {
        if (piece.literal) {
            out += piece.text;
            continue;
        }
        for (QChar c : piece.text) {
            if (c == u'@' || c == u'&') {
                if (!fromLeft && slot == 0 && offset > 0)
                    out += source.left(offset);
                const qsizetype index = offset + slot;
                if (index >= 0 && index < source.size())
                    out += source[index];
                else if (c == u'@')
                    out += u' ';
                if (fromLeft && slot == placeholders - 1)
                    out += source.mid(placeholders);
                ++slot;
            } else if (c != u'<' && c != u'>' && c != u'!') {
                out += c;
            }
        }
    }
    if (placeholders == 0)
        out += source;
    return out;
}

}  // namespace kwpnd::format_detail
