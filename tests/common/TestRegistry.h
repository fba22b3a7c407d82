#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// Every test class of a test program registers itself here; the shared main() runs them all.
namespace TestRegistry {

using Factory = std::function<std::unique_ptr<QObject>()>;

std::vector<Factory> &factories();

struct Registration
{
    explicit Registration(Factory factory) { factories().push_back(std::move(factory)); }
};

} // namespace TestRegistry

#define ZEL_REGISTER_TEST(Class) \
    static const TestRegistry::Registration registration##Class( \
            [] { return std::unique_ptr<QObject>(new Class); });
