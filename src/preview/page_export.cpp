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
}  // namespace

void savePagePdf(const Picture& page, const QString& path)
{
    if (page.isEmpty())
        throw Error(ErrorNumber::InvalidPicture);
    requireFolder(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        cannotWrite(path);
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        const QSizeF points(page.widthTwips() / 20.0, page.heightTwips() / 20.0);
        writer.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setCreator(QStringLiteral("KWPND10"));
        QPainter painter(&writer);
        if (!painter.isActive())
            cannotWrite(path);
        painter.setRenderHint(QPainter::LosslessImageRendering);
        page.draw(painter, QRectF(0, 0, writer.width(), writer.height()));
        painter.end();
    }
    if (!file.commit())
        cannotWrite(path);
}

void savePagePng(const Picture& page, const QString& path)
{
    if (page.isEmpty())
        throw Error(ErrorNumber::InvalidPicture);
    requireFolder(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !page.image().save(&file, "PNG") || !file.commit())
        cannotWrite(path);
}

}  // namespace kwpnd
