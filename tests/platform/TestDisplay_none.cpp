#include "TestDisplay.h"

struct TestDisplay::Connection
{};

TestDisplay::TestDisplay() = default;
TestDisplay::~TestDisplay() = default;

bool TestDisplay::isValid() const
{
    return false;
}

QString TestDisplay::name() const
{
    return {};
}

bool TestDisplay::becomeWindowManager()
{
    return false;
}

QList<TestDisplay::Request> TestDisplay::takeRequests()
{
    return {};
}
