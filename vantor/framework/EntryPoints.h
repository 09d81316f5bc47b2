/* The library's entry points, for C (C11) and C++ alike. Results: 0 success,
 * 1 "false", negative values failure codes. A C host cannot call the class
 * factory's C++ methods: it creates and releases objects through
 * VantorCreateInstance and VantorRelease. */
#ifndef VANTOR_FRAMEWORK_ENTRYPOINTS_H
#define VANTOR_FRAMEWORK_ENTRYPOINTS_H

#include "vantor/Export.h"

#include <stdint.h>

/* The interface identities DllGetClassObject hands a class factory out for. */
#define VANTOR_IID_CLASS_FACTORY "{00000001-0000-0000-C000-000000000046}"
#define VANTOR_IID_BASE_INTERFACE "{00000000-0000-0000-C000-000000000046}"

#define VANTOR_OK ((int32_t)0)
#define VANTOR_FALSE ((int32_t)1)
#define VANTOR_E_FAIL ((int32_t)0x80004005)
#define VANTOR_E_NOINTERFACE ((int32_t)0x80004002)
#define VANTOR_E_POINTER ((int32_t)0x80004003)
#define VANTOR_E_CLASSNOTAVAILABLE ((int32_t)0x80040111)
#define VANTOR_E_REGISTERCLASS ((int32_t)0x80040201)

#ifdef __cplusplus
extern "C" {
#endif

/* Writes every class of the library under Software\Classes of the current
 * user's key store. */
VANTOR_API int32_t DllRegisterServer(void);
/* Removes what DllRegisterServer wrote. */
VANTOR_API int32_t DllUnregisterServer(void);
/* The class factory of the class identity in *factory (for C++, a
 * vantor::ClassFactory*), asked for by
 * VANTOR_IID_CLASS_FACTORY or VANTOR_IID_BASE_INTERFACE. The factory lives as
 * long as the library and is never released. */
VANTOR_API int32_t DllGetClassObject(const char* classId, const char* interfaceId, void** factory);
/* VANTOR_OK when no object of the library is alive, VANTOR_FALSE otherwise. */
VANTOR_API int32_t DllCanUnloadNow(void);

/* A new object of the factory's class in *object, owned by the caller until
 * VantorRelease. VANTOR_E_CLASSNOTAVAILABLE when the class cannot be created. */
VANTOR_API int32_t VantorCreateInstance(void* factory, void** object);
/* The class identity of the object ("{7DC6D336-...}"), valid as long as the
 * library is loaded; NULL for NULL. */
VANTOR_API const char* VantorClassId(const void* object);
/* Releases an object from VantorCreateInstance; NULL is ignored. */
VANTOR_API void VantorRelease(void* object);

/* The same functions as pointers, for hosts that load the library with dlopen. */
typedef int32_t (*VantorDllGetClassObjectFunction)(const char*, const char*, void**);
typedef int32_t (*VantorDllCanUnloadNowFunction)(void);
typedef int32_t (*VantorCreateInstanceFunction)(void*, void**);
typedef const char* (*VantorClassIdFunction)(const void*);
typedef void (*VantorReleaseFunction)(void*);

#ifdef __cplusplus
}
#endif

#endif
