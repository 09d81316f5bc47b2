#pragma once

// The library's version information and type library identity.
namespace vantor::library {

// The product name; it names the diagnostic log file.
constexpr const char* ProductName = "Tabo Vantor";
constexpr const char* TypeLibraryName = "Vantor";
constexpr const char* TypeLibraryId = "{6B53D555-7633-441F-B3EE-EE45064C0503}";
constexpr int VersionMajor = 1;
constexpr int VersionMinor = 0;

} // namespace vantor::library
