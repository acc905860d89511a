#include "platform/qt/Pop3OnDemand.h"

#include <QCoreApplication>
#include <QTimer>

#include "platform/qt/OnDemandModule.h"

using namespace Qt::StringLiterals;

namespace
{
/// Stands in for the client of a module that is missing or does not load: the check fails as soon as it opens,
/// from the event loop as every outcome does.
class Pop3ClientMissing final : public Pop3Client
{
public:
    explicit Pop3ClientMissing(const QString& reason)
        : m_reason(reason)
    {
    }

    void open(const Pop3Account&) override
    {
        setError(Pop3Error::InvalidAccount, m_reason);
        QTimer::singleShot(0, this, [this] { Q_EMIT failed(errorCode(), errorText()); });
    }
    int messageCount() const override { return 0; }
    void retrieveHeaders(int, int) override {}
    void close() override {}
    void setPaused(bool) override {}

private:
    QString m_reason;
};
} // namespace

Pop3FactoryOnDemand::Pop3FactoryOnDemand(const QString& modulePath)
    : m_modulePath(modulePath)
{
}

std::unique_ptr<Pop3Client> Pop3FactoryOnDemand::create()
{
    if (!m_tried) {
        m_tried = true;
        m_create = resolveOnDemand<Create>(m_modulePath, "zendraCreatePop3Client", m_error);
    }
    if (m_create)
        return std::unique_ptr<Pop3Client>(m_create());
    return std::make_unique<Pop3ClientMissing>(
        QCoreApplication::translate("Pop3", "The mail support of Zendra 98 is not installed (%1).").arg(m_error));
}
