#pragma once

class QNetworkAccessManager;
class QNetworkReply;
class QString;

/// How every request of the wizard is sent. Certificate errors are ignored unless the product
/// sets the extended parameter "uninstallStrictTls" to 1; then they fail the request.
class RequestPolicy
{
public:
    // Reads the product's parameters: call in the main thread, hand copies to other threads.
    static RequestPolicy fromProduct();

    bool strictTls() const { return m_strictTls; }

    // A GET for the address parsed in tolerant mode and used as it stands; a transfer that
    // moves no data for transferTimeoutMs (0: no limit) fails with a cancellation.
    QNetworkReply *get(QNetworkAccessManager *manager,
                       const QString &address,
                       int transferTimeoutMs = 0) const;
    // For a request sent elsewhere: applies the certificate rule to its reply at once.
    void apply(QNetworkReply *reply) const;

private:
    bool m_strictTls = false;
};
