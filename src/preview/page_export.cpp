#include "page_export.h"

#include "kwpnd/error.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace kwpnd {

namespace {
constexpr int kPdfResolution = 1200;

[[noreturn]] void cannotWrite(const QString& path)
{
    throw Error::detailed(ErrorNumber::PathFileAccess, QStringLiteral("cannot write %1").arg(path));
}

void requireFolder(const QString& path)
{
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
        throw Error::detailed(ErrorNumber::PathNotFound, path);
}

QPageSize pageSizeOf(const Picture& page)
{
    const QSizeF points(page.widthTwips() / 20.0, page.heightTwips() / 20.0);
    return QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch);
}
}  // namespace

void savePagesPdf(const std::vector<Picture>& pages, const QString& path)
{
    if (pages.empty())
        throw Error(ErrorNumber::InvalidPicture);
    for (const Picture& page : pages)
        if (page.isEmpty())
            throw Error(ErrorNumber::InvalidPicture);
    requireFolder(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        cannotWrite(path);
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setPageSize(pageSizeOf(pages.front()));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setCreator(QStringLiteral("KWPND10"));
        QPainter painter(&writer);
        if (!painter.isActive())
            cannotWrite(path);
        painter.setRenderHint(QPainter::LosslessImageRendering);
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (i > 0) {
                writer.setPageSize(pageSizeOf(pages[i]));
                if (!writer.newPage())
                    cannotWrite(path);
            }
            pages[i].draw(painter, QRectF(0, 0, writer.width(), writer.height()));
        }
        painter.end();
    }
    if (!file.commit())
        cannotWrite(path);
}

void savePagePdf(const Picture& page, const QString& path) { savePagesPdf({page}, path); }

void savePagePng(const Picture& page, const QString& path)
{
    if (page.isEmpty())
        throw Error(ErrorNumber::InvalidPicture);
    requireFolder(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !page.image().save(&file, "PNG") || !file.commit())
        cannotWrite(path);
}

void savePageByExtension(const Picture& page, const QString& path, bool pdf)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("png"))
        savePagePng(page, path);
    else if (ext == QLatin1String("bmp"))
        SavePicture(page, path);
    else if (ext == QLatin1String("pdf") && pdf)
        savePagePdf(page, path);
    else
        throw Error::detailed(
            ErrorNumber::InvalidProcedureCall,
            QStringLiteral("%1 is not a %2 file")
                .arg(path, pdf ? QStringLiteral(".png, .bmp or .pdf") : QStringLiteral(".png or .bmp")));
}

}  // namespace kwpnd
