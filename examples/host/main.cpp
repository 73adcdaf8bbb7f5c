// A host application: generates an invoice with the preview component and
// saves the page as a bitmap; with --show it also opens the preview window.
//
//   invoice_host LAYOUT DATA OUT.bmp [--show]

#include <kwpnd/error.h>
#include <kwpnd/preview.h>

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: invoice_host LAYOUT DATA OUT.bmp [--show]\n");
        return 2;
    }
    const bool show = argc > 4 && QByteArray(argv[4]) == "--show";
    if (!show && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // The host's application object: the library reads its members by name.
    QObject application;
    application.setProperty("ProductName", "Invoice Host");
    application.setProperty("Title", "Invoices");
    application.setProperty("Major", 1);
    application.setProperty("Minor", 0);

    try {
        auto preview = kwpnd::clsKWPNDPreviewA::create();
        preview->SettingFile(QString::fromLocal8Bit(argv[1]));
        preview->DataFile(QString::fromLocal8Bit(argv[2]));
        preview->Watermark(QString());
        preview->AddToStrings(QStringLiteral("Northwind Paper Co."), QStringLiteral("company"));
        preview->PreviewGenerate(true);
        preview->InitialiseForm(31, 22, {}, {}, &application);
        preview->Generate();
        preview->Save(QString::fromLocal8Bit(argv[3]));
        if (show)
            preview->ShowUI(&application, true);
    } catch (const kwpnd::Error& e) {
        std::fprintf(stderr, "invoice_host: %s (error %d)\n", e.what(), e.number());
        return 1;
    }
    return 0;
}
