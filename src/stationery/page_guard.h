#pragma once
// PageGuard: what a shown page may load. Files in the page's own folder (and
// below it, links resolved) and content the page already holds (data:,
// blob:, about:) load; other local files never do; remote content only when
// the host allows it. The first blocked load of each page is told once
// through `blocked`, later ones are only counted.

#include <QString>
#include <QUrl>
#include <QWebEngineUrlRequestInterceptor>

namespace kwpnd::stationery {

class PageGuard : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT

public:
    explicit PageGuard(QObject* parent = nullptr);

    // A new page from `folder` is about to load: the report is armed again.
    void startPage(const QString& folder, bool allowRemote);
    int blockedCount() const { return blockedCount_; }

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

signals:
    // Delivered through the event loop, never from inside the browser's request.
    void blocked(const QUrl& url);

private:
    bool allowed(const QUrl& url) const;

    QString folderPrefix_;
    bool allowRemote_ = false;
    bool reported_ = false;
    int blockedCount_ = 0;
};

}  // namespace kwpnd::stationery
