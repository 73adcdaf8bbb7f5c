#pragma once
// Recording: the display list a surface keeps beside its raster.
//
// It holds what was drawn since the last erase, in pixels of the inner area,
// together with what lies beneath it (the back colour and the background
// picture). Painting it one to one gives back the raster exactly (the same
// code draws both); painting it on a printer or a PDF redraws every line and
// every letter at the device's own resolution.
//
// Geometry follows the raster's conventions: strokes run through integer
// pixel positions (a pixel is the cell right of and below its point), fills
// and images cover whole pixel cells, text is placed by the top-left of its
// text cell.

#include "kwpnd/picture.h"

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QLineF>
#include <QPainterPath>
#include <QPen>
#include <QRawFont>
#include <QRect>
#include <QRectF>
#include <QStringList>
#include <array>
#include <span>
#include <variant>
#include <vector>

class QPainter;

namespace kwpnd {

struct Stroke {
    QColor colour;
    int width = 1;  // pixels
};

struct SegmentOp {
    QLineF line;
    Stroke stroke;
};

struct BoxOutlineOp {
    QRectF rect;  // through the centres of its corner pixels
    Stroke stroke;
};

struct FillOp {
    QRectF cells;
    QColor colour;
};

// Fills of whole pixel cells, each in its own opaque colour, in order: the
// bars and gaps of a symbol in one entry.
struct FillRunOp {
    struct Fill {
        QRect cells;
        QRgb colour;
    };
    std::vector<Fill> fills;
};

struct ArcOp {
    QPainterPath path;
    Stroke stroke;
};

struct TextOp {
    QPointF topLeft;
    QStringList lines;
    QFont font;  // points at 96 dpi
    QColor colour;
    qreal ascent = 0;  // pixels at 96 dpi, to keep lines where the raster has them
    qreal lineSpacing = 0;
    qreal angleDegrees = 0;  // counter-clockwise about topLeft
    // The glyphs of a text of one line, from the left end of its baseline,
    // for painting one to one (far cheaper than laying the text out again);
    // empty when the text must be drawn as text.
    QList<QGlyphRun> glyphs;
    // The bounds of those glyphs' outlines, from the same point.
    QRectF glyphOutlines;
};

// Characters drawn one by one along a line (a justified line): each exactly
// as a text of that character alone would be drawn with its text cell's
// top-left at topLefts[i].
struct PlacedTextOp {
    QString chars;
    std::vector<QPointF> topLefts;  // whole pixels
    QFont font;                     // points at 96 dpi
    QColor colour;
    qreal ascent = 0;
    // The glyphs those texts draw, already placed, for painting one to one
    // (far cheaper than a text per character); empty when the characters
    // must be drawn as texts.
    QList<QGlyphRun> glyphs;
};

struct PictureOp {
    QRectF target;  // whole pixel cells
    kwpnd::Picture picture;
    QRectF source;  // pixels of the picture
};

// After a resize only the part of the old content that fitted both sizes is
// kept; everything else returns to the background.
struct KeepOnlyOp {
    QRect keep;
};

using DrawOp =
    std::variant<SegmentOp, BoxOutlineOp, FillOp, FillRunOp, ArcOp, TextOp, PlacedTextOp, PictureOp, KeepOnlyOp>;

// The operations in order, kept in chunks (small at first, then of a fixed
// size): thousands of Line calls append without ever moving what is already
// recorded.
class OpList {
public:
    void push_back(DrawOp op);
    std::size_t size() const { return size_; }
    DrawOp* last() { return size_ == 0 ? nullptr : &chunks_.back().back(); }
    bool empty() const { return size_ == 0; }

    template <class F>
    void forEach(F&& f) const
    {
        for (const std::vector<DrawOp>& chunk : chunks_)
            for (const DrawOp& op : chunk)
                f(op);
    }

private:
    static constexpr std::size_t kFirstChunk = 8;
    static constexpr std::size_t kChunk = 256;
    std::vector<std::vector<DrawOp>> chunks_;
    std::size_t size_ = 0;
};

// Where painting glyphs whose outlines have these bounds, in a font of
// `font`'s size, may change pixels.
QRectF glyphReach(const QRectF& outlines, const QFont& font);

// Paints single operations on a painter whose coordinates are inner pixels.
// `exact` means one inner pixel is one device pixel: strokes are then drawn
// as the raster draws them; otherwise they are moved onto the centre of their
// pixel cells so that they cover the same area at any resolution.
//
// On a surface's own raster, texts drawn as glyphs wait to be painted
// together with the texts after them (one call of the painter for all the
// digits of a symbol); an operation that could touch their pixels, and
// paintWaitingGlyphs(), paint them first. Painting them later than
// operations away from them leaves every pixel as painting them at once.
class OpPainter {
public:
    // `raster`: the image the painter paints on, untransformed and unclipped
    // (a surface's own raster), which fills of whole cells then write
    // directly.
    OpPainter(QPainter& painter, bool exact, QImage* raster = nullptr);
    OpPainter(const OpPainter&) = delete;
    OpPainter& operator=(const OpPainter&) = delete;

    // Paints the glyphs that wait; before the raster is read or painted
    // otherwise.
    void paintWaitingGlyphs();
    // Forgets them: the raster is about to be painted again from the
    // recording, which holds them.
    void dropWaitingGlyphs();

    void paint(const DrawOp& op);
    void paint(const SegmentOp& op);
    void paint(const BoxOutlineOp& op);
    void paint(const FillOp& op);
    void paint(const FillRunOp& op) { paintFills(op.fills); }
    void paintFills(std::span<const FillRunOp::Fill> fills);
    void paint(const ArcOp& op);
    void paint(const TextOp& op);
    void paint(const PlacedTextOp& op);
    void paint(const PictureOp& op);

private:
    void usePen(const Stroke& stroke, Qt::PenJoinStyle join);
    // Whether opaque fills of whole cells can be written to the raster
    // directly.
    bool writesCellsDirectly() const;
    // Paints the waiting glyphs when `cells` may touch their pixels.
    void paintWaitingGlyphsNear(const QRectF& cells);
    bool waits(const TextOp& op) const;

    // Glyphs of one font, already placed.
    struct GlyphBatch {
        QRawFont font;
        QList<quint32> indexes;
        QList<QPointF> positions;
    };
    struct WaitingGlyphs {
        QColor colour;
        std::vector<GlyphBatch> batches;
        std::vector<QRectF> cells;  // where their painting may change pixels
        QRectF reach;               // all of those
    };
    qreal strokeShift(const Stroke& stroke) const;

    // Pens made lately: bars of alternating colours then need no new pen.
    struct PenEntry {
        QRgb colour = 0;
        int width = 0;
        Qt::PenJoinStyle join = Qt::RoundJoin;
        QPen pen;
    };
    static constexpr int kPens = 4;

    QPainter& painter_;
    bool exact_;
    QImage* raster_;
    int current_ = -1;  // the entry the painter holds, -1 for none
    int nextFree_ = 0;
    std::array<PenEntry, kPens> pens_;
    WaitingGlyphs waiting_;
};

class Recording {
public:
    Recording(QSize innerSize, QColor back, kwpnd::Picture background);

    QSize innerSize() const { return innerSize_; }
    const QColor& back() const { return back_; }
    const kwpnd::Picture& background() const { return background_; }
    const OpList& ops() const { return ops_; }

    void add(DrawOp op) { ops_.push_back(std::move(op)); }
    // Fills, added to the operation before them when that is fills too.
    void addFills(std::span<const FillRunOp::Fill> fills);
    void setBackground(kwpnd::Picture background) { background_ = std::move(background); }
    // The inner area now has another size; content outside `keep` is gone.
    void resize(QSize innerSize, QRect keep);

    // Back colour and background picture within `area` (inner pixels).
    void paintBackground(QPainter& painter, const QRect& area) const;
    // Sets the pixels of a raster of 32-bit pixels to the back colour when
    // that is the whole background (opaque, no picture): what painting the
    // background gives, without a painter. Pixels of the `kept` area at the
    // top-left corner are left alone. False, and nothing done, otherwise.
    bool setBackColour(QImage& raster, QSize kept = {}) const;
    // The operations alone, in order, on a painter in inner pixels.
    void paintOps(QPainter& painter, OpPainter& ops) const;

    // Everything (background, then operations) so that the inner area maps
    // onto `target` in the painter's coordinates.
    void replay(QPainter& painter, const QRectF& target) const;

private:
    QSize innerSize_;
    QColor back_;
    kwpnd::Picture background_;
    OpList ops_;
};

// Whether painting `size` pixels onto `target` maps each pixel onto exactly
// one device pixel of the painter.
bool isOneToOne(const QPainter& painter, const QRectF& target, QSize size);

// A snapshot picture: the raster and the recording it was drawn from. A null
// image gives the empty picture.
Picture pictureWithRecording(QImage image, std::shared_ptr<const Recording> recording);

// The recording a picture carries; null for a picture from a file or a host
// image.
const std::shared_ptr<const Recording>& recordingOf(const Picture& picture);

}  // namespace kwpnd
