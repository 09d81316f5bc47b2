#pragma once
#include <string>

// The folder chooser of the platform, with a folder preselected.
namespace vantor {

// The folder the user chose, or the initial path unchanged when the user
// cancels or chooses something that is no folder of the file system.
std::string SelectFolder(const std::string& initialPath, const std::string& title);

} // namespace vantor
