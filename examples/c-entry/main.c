/* Loads libvantor as an in-process server is loaded, gets the factory of the
 * alignment page by its class identity, creates the page, prints its class
 * identity and releases it. */
#include "vantor/framework/EntryPoints.h"

#include <dlfcn.h>
#include <stdio.h>

#define ALIGNMENT_PAGE "{7DC6D336-3DF2-494F-B77E-E472A834CA69}"

int main(int argc, char** argv) {
    const char* path = argc > 1 ? argv[1] : VANTOR_LIBRARY;
    void* library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (library == NULL) {
        fprintf(stderr, "cannot load %s: %s\n", path, dlerror());
        return 1;
    }
    VantorDllGetClassObjectFunction getClassObject =
        (VantorDllGetClassObjectFunction)dlsym(library, "DllGetClassObject");
    VantorDllCanUnloadNowFunction canUnloadNow = (VantorDllCanUnloadNowFunction)dlsym(library, "DllCanUnloadNow");
    VantorCreateInstanceFunction createInstance = (VantorCreateInstanceFunction)dlsym(library, "VantorCreateInstance");
    VantorClassIdFunction classId = (VantorClassIdFunction)dlsym(library, "VantorClassId");
    VantorReleaseFunction release = (VantorReleaseFunction)dlsym(library, "VantorRelease");
    if (!getClassObject || !canUnloadNow || !createInstance || !classId || !release) {
        fprintf(stderr, "%s lacks an entry point\n", path);
        return 1;
    }

    void* factory = NULL;
    void* page = NULL;
    int32_t hr = getClassObject(ALIGNMENT_PAGE, VANTOR_IID_CLASS_FACTORY, &factory);
    if (hr == VANTOR_OK) {
        hr = createInstance(factory, &page);
    }
    if (hr != VANTOR_OK) {
        fprintf(stderr, "cannot create the page: 0x%08x\n", (unsigned)hr);
        return 1;
    }
    printf("created %s\n", classId(page));
    printf("can unload while it lives: %s\n", canUnloadNow() == VANTOR_OK ? "yes" : "no");
    release(page);
    printf("can unload after release: %s\n", canUnloadNow() == VANTOR_OK ? "yes" : "no");
    return canUnloadNow() == VANTOR_OK ? dlclose(library) : 1;
}
