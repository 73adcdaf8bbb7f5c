// The output a host gets through the public headers alone: the page by file
// extension, every page as one PDF, a picture of the window, the status of
// the last print.

#include <kwpnd/dialogs.h>
#include <kwpnd/error.h>
#include <kwpnd/preview.h>

#include "support/test_support.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>

namespace kwpnd::test {
namespace {

// A 200 x 300 pixel page (3000 x 4500 twips) with one black box, or a page
// of no height.
QString layoutFile(const QTemporaryDir& dir, const char* name = "l.ini", int heightTwips = 4500)
{
    return writeFile(dir, QLatin1String(name),
                     QStringLiteral("[PreviewWindow]\nHeight=%1\nWidth=3000\n"
                                    "[Preview]\nPrintAfterGenerate=0\nCopyToClipboard=0\n"
                                    "[Printer]\ncopies=1\nShowDialog=0\n"
                                    "[Box]\nEnabled=1\nType=Line\nBF=F\nXLeft=2\nYTop=2\nWidth=10\nHeight=10\n")
                         .arg(heightTwips)
                         .toUtf8());
}

struct Document {
    std::shared_ptr<HeadlessDialogs> dialogs = std::make_shared<HeadlessDialogs>(true);
    std::shared_ptr<clsKWPNDPreviewA> component = clsKWPNDPreviewA::create();

    explicit Document(const QString& layout)
    {
        Dialogs::setCurrent(dialogs);
        component->GenerateOnLoad(false);
        component->SettingFile(layout);
        component->PreviewGenerate(true);
        component->InitialiseForm();
        component->Generate();
    }
};

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Pages of a PDF file: its page objects.
int pdfPages(const QString& path)
{
    return int(QString::fromLatin1(contentOf(path)).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

TEST(HostOutput, PageByExtension)
{
    QTemporaryDir dir;
    Document doc(layoutFile(dir));
    struct Case {
        const char* file;
        QByteArray format;  // empty: PDF
    } cases[] = {{"p.png", "png"}, {"p.BMP", "bmp"}, {"p.pdf", {}}};
    for (const Case& c : cases) {
        const QString path = dir.filePath(QLatin1String(c.file));
        doc.component->writePage(path);
        if (c.format.isEmpty()) {
            EXPECT_TRUE(contentOf(path).startsWith("%PDF")) << c.file;
            EXPECT_EQ(pdfPages(path), 1);
            continue;
        }
        QImageReader reader(path);
        EXPECT_EQ(reader.format(), c.format) << c.file;
        const QImage page = reader.read();
        EXPECT_EQ(page.size(), QSize(200, 300)) << c.file;
        EXPECT_FALSE(inkBounds(page).isEmpty()) << c.file;
    }
}

TEST(HostOutput, PageErrors)
{
    QTemporaryDir dir;
    Document doc(layoutFile(dir));
    EXPECT_EQ(errorOf([&] { doc.component->writePage(dir.filePath(QStringLiteral("p.gif"))); }),
              ErrorNumber::InvalidProcedureCall);
    EXPECT_EQ(errorOf([&] { doc.component->writePage(dir.filePath(QStringLiteral("none/p.png"))); }),
              ErrorNumber::PathNotFound);
    EXPECT_EQ(errorOf([&] { doc.component->writePage(dir.path()); }), ErrorNumber::InvalidProcedureCall);
    const QString folderNamedPdf = dir.filePath(QStringLiteral("f.pdf"));
    ASSERT_TRUE(QDir().mkdir(folderNamedPdf));
    EXPECT_EQ(errorOf([&] { doc.component->writePage(folderNamedPdf); }), ErrorNumber::PathFileAccess);

    Document empty(layoutFile(dir, "flat.ini", 0));
    for (const char* file : {"e.png", "e.pdf"})
        EXPECT_EQ(errorOf([&] { empty.component->writePage(dir.filePath(QLatin1String(file))); }),
                  ErrorNumber::InvalidPicture)
            << file;
    EXPECT_EQ(errorOf([&] { empty.component->writePagesPdf(dir.filePath(QStringLiteral("all.pdf"))); }),
              ErrorNumber::InvalidPicture);
}

TEST(HostOutput, EveryPageInOnePdf)
{
    QTemporaryDir dir;
    Document doc(layoutFile(dir));
    const QString pdf = dir.filePath(QStringLiteral("all.pdf"));
    doc.component->writePagesPdf(pdf);
    EXPECT_EQ(pdfPages(pdf), 1);

    // The page on the canvas is registered as "a": it is written once.
    doc.component->AddToPages(QStringLiteral("a"));
    doc.component->writePagesPdf(pdf);
    EXPECT_EQ(pdfPages(pdf), 1);

    // A fresh page on the canvas, then both registered pages.
    doc.component->Clear();
    doc.component->Generate();
    doc.component->AddToPages(QStringLiteral("b"));
    doc.component->Clear();
    doc.component->writePagesPdf(pdf);
    EXPECT_EQ(pdfPages(pdf), 3);

    doc.component->mcolPages()->Add(QStringLiteral("not a picture"), QStringLiteral("c"));
    EXPECT_EQ(errorOf([&] { doc.component->writePagesPdf(pdf); }), ErrorNumber::TypeMismatch);
}

TEST(HostOutput, WindowPicture)
{
    QTemporaryDir dir;
    Document doc(layoutFile(dir));
    const QImage shot = doc.component->grabWindow();
    ASSERT_FALSE(shot.isNull());
    EXPECT_GT(shot.width(), 200);
    EXPECT_GT(shot.height(), 300);
    ASSERT_NE(doc.component->PreviewForm(), nullptr);
    EXPECT_TRUE(doc.component->PreviewForm()->isVisible());

    const QString png = dir.filePath(QStringLiteral("w.png"));
    doc.component->writeWindowImage(png);
    EXPECT_EQ(QImage(png).size(), shot.size());
    EXPECT_EQ(errorOf([&] { doc.component->writeWindowImage(dir.filePath(QStringLiteral("w.pdf"))); }),
              ErrorNumber::InvalidProcedureCall);

    doc.component->closeWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(doc.component->PreviewForm(), nullptr);
}

TEST(HostOutput, LastPrintErrorSaysWhetherThePrintFailed)
{
    QTemporaryDir dir;
    Document doc(layoutFile(dir));
    EXPECT_EQ(doc.component->lastPrintError(), 0);
    // No scheduler at this address: there is no printer to hand the page to.
    const QByteArray server = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", QFile::encodeName(dir.filePath(QStringLiteral("nobody.sock"))));
    doc.component->PrintNow();
    qputenv("CUPS_SERVER", server);
    EXPECT_EQ(doc.component->lastPrintError(), ErrorNumber::PrinterError);
}

}  // namespace
}  // namespace kwpnd::test
