#pragma once

#include <QByteArray>
#include <QtPlugin>
#include <functional>

class QObject;
class QUrl;

// Fetches what lies at web addresses, in the background. Its one implementation links Qt
// Network and lives in a module of its own (NetworkFetcher), loaded by load() on the first
// fetch, so a session that fetches nothing never maps the network libraries.
class WebFetcher {
public:
    struct Limits {
        int timeoutMs;
        qint64 maxBytes; // a longer answer is cut off and fails
    };
    // The bytes fetched; empty when the fetch failed.
    using Done = std::function<void(const QByteArray& bytes)>;

    virtual ~WebFetcher() = default;

    // Starts fetching address; done runs once, later, unless receiver is gone by then.
    virtual void fetch(const QUrl& address, Limits limits, QObject* receiver, Done done) = 0;

    // The module's fetcher, loaded on the first call; nullptr when it cannot be loaded.
    static WebFetcher* load();

    static constexpr char kModuleFileName[] = "libquillet_network.so";
};

#define QUILLET_WEB_FETCHER_IID "example.vornet.quillet.WebFetcher/1.0"
Q_DECLARE_INTERFACE(WebFetcher, QUILLET_WEB_FETCHER_IID)
