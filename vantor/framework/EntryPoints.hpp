#pragma once
#include "vantor/framework/EntryPoints.h"

#include <cstdint>

// The results of the entry points, for C++ hosts.
namespace vantor::result {
constexpr int32_t Ok = VANTOR_OK;
constexpr int32_t False = VANTOR_FALSE;
constexpr int32_t Fail = VANTOR_E_FAIL;
constexpr int32_t NoInterface = VANTOR_E_NOINTERFACE;
constexpr int32_t Pointer = VANTOR_E_POINTER;
constexpr int32_t ClassNotAvailable = VANTOR_E_CLASSNOTAVAILABLE;
constexpr int32_t RegisterClassFailed = VANTOR_E_REGISTERCLASS;
} // namespace vantor::result
