#include "vantor/ui/Environment.hpp"

#include "vantor/ui/UnattendedEnvironment.hpp"

namespace vantor {

namespace {
thread_local Environment* tCurrent = nullptr;
} // namespace

Environment& Environment::Current() {
    if (tCurrent == nullptr) {
        thread_local UnattendedEnvironment fallback;
        return fallback;
    }
    return *tCurrent;
}

int32_t Environment::FirstAnswer(int32_t buttons) {
    switch (buttons & 7) {
    case msgbox::AbortRetryIgnore:
        return msgbox::Abort;
    case msgbox::YesNoCancel:
    case msgbox::YesNo:
        return msgbox::Yes;
    case msgbox::RetryCancel:
        return msgbox::Retry;
    default:
        return msgbox::Ok;
    }
}

int32_t Environment::NegativeAnswer(int32_t buttons) {
    switch (buttons & 7) {
    case msgbox::OkCancel:
    case msgbox::YesNoCancel:
    case msgbox::RetryCancel:
        return msgbox::Cancel;
    case msgbox::YesNo:
        return msgbox::No;
    case msgbox::AbortRetryIgnore:
        return msgbox::Abort;
    default:
        return msgbox::Ok;
    }
}

void Environment::RunPosted() {
    size_t count = m_posted.size();
    while (count-- > 0 && !m_posted.empty()) {
        std::function<void()> work = std::move(m_posted.front());
        m_posted.pop_front();
        work();
    }
}

Environment* Environment::Install(Environment* env) {
    Environment* previous = tCurrent;
    tCurrent = env;
    return previous;
}

} // namespace vantor
