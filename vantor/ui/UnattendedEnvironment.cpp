#include "vantor/ui/UnattendedEnvironment.hpp"

#include <iostream>

namespace vantor {

int32_t UnattendedEnvironment::MessageBox(const std::string& prompt, int32_t buttons,
                                          const std::string& /*title*/) {
    if (!m_bReported) {
        m_bReported = true;
        std::cerr << "vantor: no Environment is installed on this thread; message boxes are answered "
                     "with their negative button (first: \""
                  << prompt << "\")\n";
    }
    return NegativeAnswer(buttons);
}

} // namespace vantor
