#pragma once

class QNetworkReply;

/// How every request of the wizard is sent. Certificate errors fail the request unless the
/// product sets the extended parameter "uninstallStrictTls" to 0.
class RequestPolicy
{
public:
    // Reads the product's parameters: call in the main thread, hand copies to other threads.
    static RequestPolicy fromProduct();

    bool strictTls() const { return m_strictTls; }
    // The same policy with certificate errors failing the request.
    RequestPolicy strict() const;

    // Applies the certificate rule to a reply at once.
    void apply(QNetworkReply *reply) const;

private:
    bool m_strictTls = true;
};
