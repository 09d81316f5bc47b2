#pragma once
#include "vantor/Export.h"
#include "vantor/ui/HeadlessEnvironment.hpp"

namespace vantor {

// What a thread without an installed environment gets: headless, but a
// message box nobody can see is answered with its negative button (Cancel,
// No; OK when it has only OK), so that a question guarding against loss is
// never silently accepted. The first box is reported once on standard error,
// since the host forgot to install an environment.
class VANTOR_API UnattendedEnvironment : public HeadlessEnvironment {
public:
    int32_t MessageBox(const std::string& prompt, int32_t buttons, const std::string& title) override;

private:
    bool m_bReported = false;
};

} // namespace vantor
