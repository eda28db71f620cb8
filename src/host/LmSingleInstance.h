#pragma once

#include <memory>

namespace platform {
class NamedLock;
}

/// The product's own instance lock, named after the product.
class LmSingleInstance
{
public:
    static LmSingleInstance *instance();
    // Destroys the object and gives up the lock; instance() makes a new one.
    static void release();
    ~LmSingleInstance();

    // True when the lock could be taken without waiting (the product is not running); the lock
    // is then kept until release(), so the product cannot start meanwhile.
    bool isAppRunnabled();

private:
    LmSingleInstance();
    std::unique_ptr<platform::NamedLock> m_lock;
};
