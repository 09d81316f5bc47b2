// The settings store's file parser. Whatever it accepts it must give back byte
// for byte, and a value written into it must read back after a parse of the result.
#include "vantor/automation/AutomationError.hpp"
#include "vantor/ui/RegFile.hpp"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    vantor::RegFile file;
    try {
        file = vantor::RegFile::Parse(text, "input");
    } catch (const vantor::AutomationError&) {
        return 0; // no registry file at all: refused whole
    }
    const bool blank = text.find_first_not_of(" \t\r\n") == std::string::npos;
    if (!blank && file.Serialize() != text) {
        std::abort(); // a file read and not changed must stay as it was
    }
    constexpr const char* Key = "HKEY_CURRENT_USER\\Software\\Fuzz";
    const std::string value = "a \"quoted\" \\ value";
    file.SetString(Key, "Name", value);
    file.SetString("HKEY_CURRENT_USER\\Software", "", "default");
    try {
        const vantor::RegFile again = vantor::RegFile::Parse(file.Serialize(), "output");
        if (again.QueryString(Key, "name") != value || again.QueryString("HKEY_CURRENT_USER\\Software", "") != "default") {
            std::abort(); // a written value was lost
        }
    } catch (const vantor::AutomationError&) {
        std::abort(); // a rewrite made the file unreadable
    }
    return 0;
}
