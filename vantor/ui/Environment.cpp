#include "vantor/ui/Environment.hpp"

#include "vantor/ui/HeadlessEnvironment.hpp"

namespace vantor {

namespace {
thread_local Environment* tCurrent = nullptr;
} // namespace

Environment& Environment::Current() {
    if (tCurrent == nullptr) {
        thread_local HeadlessEnvironment fallback;
        return fallback;
    }
    return *tCurrent;
}

Environment* Environment::Install(Environment* env) {
    Environment* previous = tCurrent;
    tCurrent = env;
    return previous;
}

} // namespace vantor
