#include "vantor/pages/app/BrowseFolder.hpp"

#include "vantor/ui/Environment.hpp"

namespace vantor {

std::string SelectFolder(const std::string& initialPath, const std::string& title) {
    const std::optional<std::string> chosen =
        Environment::Current().BrowseForFolder(title, initialPath);
    return chosen && !chosen->empty() ? *chosen : initialPath;
}

} // namespace vantor
