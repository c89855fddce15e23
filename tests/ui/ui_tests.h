#pragma once
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace qav::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<TestFactory>& AllTestObjects();

template <typename T>
struct RegisterTest {
    RegisterTest() { AllTestObjects().push_back([] { return std::make_unique<T>(); }); }
};

}  // namespace qav::test
