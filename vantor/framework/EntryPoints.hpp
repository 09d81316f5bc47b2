#pragma once
#include <cstdint>

// The library's entry points. Results: 0 success, 1 "false", negative values
// failure codes.
namespace vantor::result {
constexpr int32_t Ok = 0;
constexpr int32_t False = 1;
constexpr int32_t Fail = static_cast<int32_t>(0x80004005);
constexpr int32_t NoInterface = static_cast<int32_t>(0x80004002);
constexpr int32_t Pointer = static_cast<int32_t>(0x80004003);
constexpr int32_t ClassNotAvailable = static_cast<int32_t>(0x80040111);
constexpr int32_t RegisterClassFailed = static_cast<int32_t>(0x80040201);
} // namespace vantor::result

extern "C" {

// Writes every class of the library under Software\Classes of the current
// user's key store.
int32_t DllRegisterServer(void);
// Removes what DllRegisterServer wrote.
int32_t DllUnregisterServer(void);
// The class factory (a vantor::ClassFactory*) of the class identity, asked
// for by the interface identity of a class factory or of the base interface.
int32_t DllGetClassObject(const char* classId, const char* interfaceId, void** factory);
// 0 when no object of the library is alive, 1 otherwise.
int32_t DllCanUnloadNow(void);
}
