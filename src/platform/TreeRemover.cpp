#include "platform/TreeRemover.h"

#include <utility>

namespace platform {

namespace {

std::function<void(const std::string &)> &hookSlot()
{
    static std::function<void(const std::string &)> hook;
    return hook;
}

} // namespace

void TreeRemover::setBeforeEnterHook(std::function<void(const std::string &)> hook)
{
    hookSlot() = std::move(hook);
}

bool TreeRemover::hasBeforeEnterHook()
{
    return bool(hookSlot());
}

void TreeRemover::beforeEnter(const std::string &relativePath)
{
    if (hookSlot())
        hookSlot()(relativePath);
}

} // namespace platform
