#pragma once

#include "platform/WebFetcher.h"

#include <QObject>

class QNetworkAccessManager;

// The network module's entry point: fetches with Qt Network.
class NetworkFetcher : public QObject, public WebFetcher {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QUILLET_WEB_FETCHER_IID)
    Q_INTERFACES(WebFetcher)
public:
    void fetch(const QUrl& address, Limits limits, QObject* receiver, Done done) override;

private:
    QNetworkAccessManager* m_network = nullptr; // made on the first fetch
};
