// Printing from the preview window: the "Printer" section, the print dialog,
// copy titles, the printer check, and copies landing as separate jobs in a
// real CUPS queue.

#include "cups_queue.h"
#include "kwpnd/error.h"
#include "kwpnd/preview.h"
#include "preview_window.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <QClipboard>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace kwpnd::test {
namespace {

// Headless answers that choose an output in the print dialog, as a person
// picking "Print to File (PDF)" there would.
class ChoosingDialogs : public HeadlessDialogs {
public:
    using HeadlessDialogs::HeadlessDialogs;
    QString pdfFile;  // empty: the dialog is accepted as offered
    bool runModal(QObject& window, const std::function<bool()>& exec) override
    {
        auto* print = qobject_cast<QPrintDialog*>(&window);
        if (print && !pdfFile.isEmpty()) {
            print->printer()->setOutputFormat(QPrinter::PdfFormat);
            print->printer()->setOutputFileName(pdfFile);
        }
        return HeadlessDialogs::runModal(window, exec);
    }
};

class Printing : public ::testing::Test {
protected:
    static void SetUpTestSuite() { queue_ = new CupsQueue; }
    static void TearDownTestSuite()
    {
        delete queue_;
        queue_ = nullptr;
        useCupsServer(QString());
    }

    void SetUp() override
    {
        dialogs = std::make_shared<ChoosingDialogs>(true);
        Dialogs::setCurrent(dialogs);
        data = writeFile(dir, QStringLiteral("data.ini"), "[Hello]\nData=Hello\n");
        noPrinter();
    }

    // Points printing at a scheduler that does not exist.
    void noPrinter() { useCupsServer(dir.filePath(QStringLiteral("no-cups.sock"))); }

    // The real queue; skips the test when it cannot run on this machine.
    bool realQueue()
    {
        if (!queue_->running())
            return false;
        useCupsServer(queue_->server());
        return true;
    }

    // A generated page whose layout has the given "Printer" section.
    std::shared_ptr<clsKWPNDPreviewA> page(const QByteArray& printerSection, const QByteArray& preview = "")
    {
        const QString layout =
            writeFile(dir, QStringLiteral("layout.ini"),
                      "[PreviewWindow]\nTitle=Print test\nHeight=4500\nWidth=3000\n" + printerSection + preview +
                          "[Hello]\nEnabled=1\nXLeft=2\nYTop=1\nFontSize=12\n");
        auto c = clsKWPNDPreviewA::create();
        c->SettingFile(layout);
        c->DataFile(data);
        c->PreviewGenerate(true);
        c->InitialiseForm();
        c->Generate();
        dialogs->clearShown();
        return c;
    }

    QStringList shown() const
    {
        QStringList texts;
        for (const auto& s : dialogs->shown())
            texts << s.caption + QLatin1Char('|') + s.text;
        return texts;
    }

    static CupsQueue* queue_;
    QTemporaryDir dir;
    QString data;
    std::shared_ptr<ChoosingDialogs> dialogs;
};

CupsQueue* Printing::queue_ = nullptr;

#define REQUIRE_QUEUE()                                                   \
    do {                                                                  \
        if (!realQueue()) {                                               \
            if (queue_->skipReason().startsWith(QLatin1String("FAILED"))) \
                FAIL() << queue_->skipReason().toStdString();             \
            GTEST_SKIP() << queue_->skipReason().toStdString();           \
        }                                                                 \
    } while (false)

TEST_F(Printing, WithoutAPrinterSectionNothingIsPrinted)
{
    auto c = page("");
    windowOf(*c).PreviewPrintDirect();
    EXPECT_EQ(shown(), (QStringList{"0|print direct"}));
    dialogs->clearShown();
    c->PrintNow();  // no print dialog either
    EXPECT_EQ(shown(), (QStringList{"0|print direct"}));
}

TEST_F(Printing, NoPrinterIsAPrinterErrorShownByTheCommand)
{
    auto c = page("[Printer]\ncopies=2\ncopytitle1=Customer copy\ncopytitle2=File copy\n");
    EXPECT_NO_THROW(windowOf(*c).PreviewPrintDirect());
    const QString app = Dialogs::defaultCaption();
    ASSERT_EQ(shown().size(), 3);
    EXPECT_EQ(shown()[0], QStringLiteral("2|print direct"));
    EXPECT_EQ(shown()[1], app + QStringLiteral("|Customer copy"));
    EXPECT_EQ(dialogs->shown()[2].caption, QStringLiteral("482"));
    // The box shows the description alone; what went wrong is its detail.
    EXPECT_EQ(dialogs->shown()[2].text, QStringLiteral("Printer error"));
    EXPECT_FALSE(dialogs->shown()[2].detail.isEmpty());
    EXPECT_EQ(dialogs->shown()[2].icon, MsgIcon::Information);
}

TEST_F(Printing, ThousandCopiesHeadlessNeverBlock)
{
    auto c = page("[Printer]\ncopies=1000\n");
    c->PrintNow();                 // never waits for an answer: the test simply ends
    ASSERT_EQ(shown().size(), 3);  // print direct, the first title, the printer error
    EXPECT_EQ(shown()[0], QStringLiteral("1000|print direct"));
    EXPECT_EQ(windowOf(*c).printCopies(), 1000);
}

TEST_F(Printing, CopiesBeyondSixteenBitsOverflow)
{
    auto c = page("[Printer]\ncopies=40000\n");
    EXPECT_EQ(errorOf([&] { windowOf(*c).PreviewPrintDirect(); }), 6);  // before its own handling
    EXPECT_NO_THROW(c->PrintNow());                                    // PreviewPrint ends silently
    EXPECT_TRUE(shown().isEmpty());

    // From the after-generation action, generation reports it.
    auto after = page("[Printer]\ncopies=40000\n", "[Preview]\nPrintAfterGenerate=1\nCopyToClipboard=0\n");
    after->Generate();
    ASSERT_FALSE(dialogs->shown().empty());
    EXPECT_EQ(dialogs->shown().back().caption, QStringLiteral("6"));
}

TEST_F(Printing, ShowDialogOneOffersThePrintDialogFirst)
{
    const std::pair<const char*, bool> cases[] = {{"1", true}, {"2", false}, {"-1", false}, {"", false}};
    for (const auto& [value, offered] : cases) {
        auto c = page(QByteArray("[Printer]\ncopies=0\nShowDialog=") + value + "\n");
        c->PrintNow();
        const QStringList expected =
            offered ? QStringList{"Print From Preview|", "0|print direct"} : QStringList{"0|print direct"};
        EXPECT_EQ(shown(), expected) << value;
    }
    // Cancelling the dialog prints nothing.
    auto c = page("[Printer]\ncopies=1\nShowDialog=1\n");
    dialogs->scriptReply(MsgReply::Cancel);
    c->PrintNow();
    EXPECT_EQ(shown(), (QStringList{"Print From Preview|"}));
}

TEST_F(Printing, AfterGenerationCopiesToTheClipboard)
{
    auto c = page("", "[Preview]\nPrintAfterGenerate=0\nCopyToClipboard=1\n");
    QGuiApplication::clipboard()->clear();
    c->Generate();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              windowOf(*c).CerPrvC().retainedImage().convertToFormat(QImage::Format_RGB32));
}

TEST_F(Printing, PrintToFileInTheDialogWritesThePdfThere)
{
    // No printer at all: the file is all the output there is.
    const QString pdf = dir.filePath(QStringLiteral("chosen.pdf"));
    dialogs->pdfFile = pdf;
    auto c = page("[Printer]\ncopies=1\nShowDialog=1\n");
    c->PrintNow();
    EXPECT_EQ(shown(), (QStringList{"Print From Preview|", "1|print direct", Dialogs::defaultCaption() + "|"}));
    EXPECT_EQ(windowOf(*c).chosenOutput().pdfFile, pdf);
    ASSERT_TRUE(QFileInfo(pdf).isFile());
    const QImage printed = pdfPage(pdf, 96);
    ASSERT_FALSE(printed.isNull());
    const QRect expected = inkBounds(windowOf(*c).CerPrvC().retainedImage());
    const QRect ink = inkBounds(printed);
    EXPECT_NEAR(ink.left(), expected.left(), 2);
    EXPECT_NEAR(ink.top(), expected.top(), 2);

    // The choice holds for the next print, offered again in the dialog.
    QFile::remove(pdf);
    dialogs->pdfFile.clear();
    c->PrintNow();
    EXPECT_TRUE(QFileInfo(pdf).isFile());

    // A file that cannot be written is the command's printer error.
    dialogs->pdfFile = dir.filePath(QStringLiteral("no-such-folder/chosen.pdf"));
    dialogs->clearShown();
    c->PrintNow();
    ASSERT_EQ(dialogs->shown().size(), 4u);
    EXPECT_EQ(dialogs->shown()[3].caption, QStringLiteral("482"));
    EXPECT_TRUE(dialogs->shown()[3].detail.contains(QStringLiteral("no-such-folder")))
        << dialogs->shown()[3].detail.toStdString();
}

// ---- A real queue --------------------------------------------------------------

TEST_F(Printing, EachCopyIsAJobOfItsOwnAtPhysicalSize)
{
    REQUIRE_QUEUE();
    const int before = queue_->jobs().size();
    auto c = page("[Printer]\ncopies=2\ncopytitle1=Customer copy\ncopytitle2=File copy\n");
    windowOf(*c).PreviewPrintDirect();
    const QString app = Dialogs::defaultCaption();
    EXPECT_EQ(shown(), (QStringList{"2|print direct", app + "|Customer copy", app + "|File copy"}));

    const QStringList jobs = queue_->waitForJobs(before + 2);
    ASSERT_EQ(jobs.size(), before + 2);
    for (const QString& pdf : jobs.mid(before)) {
        EXPECT_TRUE(QFileInfo(pdf).fileName().startsWith(QStringLiteral("Print_test"))) << pdf.toStdString();
        const QSizeF paper = pdfPageSize(pdf);
        EXPECT_NEAR(paper.width(), 595, 2);  // the queue's A4 paper
        EXPECT_NEAR(paper.height(), 842, 2);
        // The text stays text (a font, not a picture of it), and the page
        // sits at its physical size in the paper's corner: seen at 96 dpi,
        // the ink is where the canvas has it.
        EXPECT_FALSE(pdfFonts(pdf).isEmpty()) << pdf.toStdString();
        const QImage printed = pdfPage(pdf, 96);
        ASSERT_EQ(printed.size(), QSize(794, 1123));
        const QRect expected = inkBounds(windowOf(*c).CerPrvC().retainedImage());
        const QRect ink = inkBounds(printed);
        EXPECT_NEAR(ink.left(), expected.left(), 2);
        EXPECT_NEAR(ink.top(), expected.top(), 2);
        EXPECT_NEAR(ink.right(), expected.right(), 2);
        EXPECT_NEAR(ink.bottom(), expected.bottom(), 2);
    }
}

TEST_F(Printing, ThePrinterChosenInTheDialogPrints)
{
    REQUIRE_QUEUE();
    const int before = queue_->jobs().size();
    auto c = page("[Printer]\ncopies=1\nShowDialog=1\n");
    c->PrintNow();
    EXPECT_EQ(windowOf(*c).chosenPrinter(), queue_->printer());
    EXPECT_EQ(shown().first(), QStringLiteral("Print From Preview|"));
    EXPECT_EQ(queue_->waitForJobs(before + 1).size(), before + 1);
}

TEST_F(Printing, AStoppedPrinterIsAPrinterError)
{
    REQUIRE_QUEUE();
    ASSERT_EQ(queue_->run(QStringLiteral("cupsdisable"), {queue_->printer()}), 0);
    auto c = page("[Printer]\ncopies=1\n");
    windowOf(*c).PreviewPrintDirect();
    queue_->run(QStringLiteral("cupsenable"), {queue_->printer()});
    ASSERT_EQ(dialogs->shown().size(), 3u);
    EXPECT_EQ(dialogs->shown()[2].caption, QStringLiteral("482"));
    EXPECT_TRUE(dialogs->shown()[2].detail.contains(QStringLiteral("stopped")));
}

TEST_F(Printing, AQueueThatTakesNoJobIsAPrinterError)
{
    REQUIRE_QUEUE();
    const QString queue = queue_->printer();
    // A queue that rejects jobs is seen before printing; one that refuses
    // this user's job (the fixture runs as root) only by the job it did not
    // queue.
    const struct {
        const char* tool;
        QStringList refuse, restore;
        const char* why;
    } cases[] = {
        {"cupsreject", {queue}, {queue}, "rejects jobs"},
        {"lpadmin", {"-p", queue, "-u", "deny:root"}, {"-p", queue, "-u", "allow:all"}, "not queued"},
    };
    for (const auto& k : cases) {
        const int before = queue_->jobs().size();
        ASSERT_EQ(queue_->run(QLatin1String(k.tool), k.refuse), 0) << k.tool;
        auto c = page("[Printer]\ncopies=1\n");
        windowOf(*c).PreviewPrintDirect();
        const QString restoreTool =
            QLatin1String(k.tool) == QLatin1String("cupsreject") ? QStringLiteral("cupsaccept") : QLatin1String(k.tool);
        ASSERT_EQ(queue_->run(restoreTool, k.restore), 0) << k.tool;
        ASSERT_EQ(dialogs->shown().size(), 3u) << k.why;
        EXPECT_EQ(dialogs->shown()[2].caption, QStringLiteral("482")) << k.why;
        EXPECT_EQ(dialogs->shown()[2].text, QStringLiteral("Printer error"));
        EXPECT_TRUE(dialogs->shown()[2].detail.contains(QLatin1String(k.why)))
            << dialogs->shown()[2].detail.toStdString();
        EXPECT_EQ(queue_->waitForJobs(before, 1000).size(), before) << k.why;
    }
}

}  // namespace
}  // namespace kwpnd::test
