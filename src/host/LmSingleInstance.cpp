#include "host/LmSingleInstance.h"

#include "host/LmProductInfo.h"
#include "platform/NamedLock.h"

namespace {

std::unique_ptr<LmSingleInstance> &singleton()
{
    static std::unique_ptr<LmSingleInstance> object;
    return object;
}

} // namespace

LmSingleInstance::LmSingleInstance()
    : m_lock(std::make_unique<platform::NamedLock>(
        LmProductInfo::instance()->productName(QString()).toStdString()))
{}

LmSingleInstance::~LmSingleInstance() = default;

LmSingleInstance *LmSingleInstance::instance()
{
    if (!singleton())
        singleton().reset(new LmSingleInstance);
    return singleton().get();
}

void LmSingleInstance::release()
{
    singleton().reset();
}

bool LmSingleInstance::isAppRunnabled()
{
    // A lock that cannot be taken counts as a running product.
    return m_lock->tryAcquire() == platform::NamedLock::Result::Acquired;
}
