#pragma once
// DoubleClickBridge: tells the window of each double-click in the page. A
// script in a world of its own (the page's scripts cannot see it or call
// through it) listens to the page's double-clicks, cancels the browser's own
// handling of them (no word gets selected) and calls doubleClicked() through
// a web channel that only that world reaches.

#include <QObject>

class QWebEnginePage;

namespace kwpnd::stationery {

class DoubleClickBridge : public QObject {
    Q_OBJECT

public:
    // Installs the script and the channel on `page`.
    explicit DoubleClickBridge(QWebEnginePage* page, QObject* parent = nullptr);

public slots:
    void doubleClicked();

signals:
    void doubleClick();
};

}  // namespace kwpnd::stationery
