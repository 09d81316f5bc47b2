#include "vantor/framework/EntryPoints.hpp"

#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/TextFunctions.hpp"
#include "vantor/framework/ClassFactory.hpp"
#include "vantor/framework/LibraryInfo.hpp"
#include "vantor/ui/KeyStore.hpp"

#include <dlfcn.h>

#include <deque>
#include <memory>

using namespace vantor;

namespace {

constexpr const char* ClassesKey = "HKEY_CURRENT_USER\\Software\\Classes";

std::string LibraryPath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&DllRegisterServer), &info) != 0 && info.dli_fname != nullptr) {
        return info.dli_fname;
    }
    return "";
}

std::string Version() {
    return std::to_string(library::VersionMajor) + "." + std::to_string(library::VersionMinor);
}

} // namespace

extern "C" int32_t DllRegisterServer(void) {
    try {
        const std::string classes = ClassesKey;
        const std::string typeLib = classes + "\\TypeLib\\" + library::TypeLibraryId + "\\" + Version();
        const std::string server = LibraryPath();
        KeyStore::Default().Update([&](RegFile& file) {
            file.CreateKey(typeLib);
            file.SetString(typeLib, "", library::TypeLibraryName);
            for (const ClassInfo& info : ClassTable::Classes()) {
                const std::string clsidKey = classes + "\\CLSID\\" + info.classId;
                file.CreateKey(clsidKey);
                file.SetString(clsidKey, "", info.ProgId());
                file.CreateKey(clsidKey + "\\ProgID");
                file.SetString(clsidKey + "\\ProgID", "", info.ProgId());
                file.CreateKey(clsidKey + "\\InprocServer32");
                file.SetString(clsidKey + "\\InprocServer32", "", server);
                file.CreateKey(clsidKey + "\\TypeLib");
                file.SetString(clsidKey + "\\TypeLib", "", library::TypeLibraryId);
                file.CreateKey(clsidKey + "\\Version");
                file.SetString(clsidKey + "\\Version", "", Version());
                const std::string progIdKey = classes + "\\" + info.ProgId();
                file.CreateKey(progIdKey + "\\CLSID");
                file.SetString(progIdKey, "", info.ProgId());
                file.SetString(progIdKey + "\\CLSID", "", info.classId);
                for (const auto& [iid, name] : {std::pair{info.defaultIid, "_" + info.name},
                                                 std::pair{info.eventIid, "__" + info.name}}) {
                    const std::string interfaceKey = classes + "\\Interface\\" + iid;
                    file.CreateKey(interfaceKey);
                    file.SetString(interfaceKey, "", name);
                }
            }
            return true;
        });
        return result::Ok;
    } catch (...) {
        return result::RegisterClassFailed;
    }
}

extern "C" int32_t DllUnregisterServer(void) {
    try {
        const std::string classes = ClassesKey;
        KeyStore::Default().Update([&](RegFile& file) {
            bool changed = file.DeleteKey(classes + "\\TypeLib\\" + library::TypeLibraryId);
            for (const ClassInfo& info : ClassTable::Classes()) {
                changed |= file.DeleteKey(classes + "\\CLSID\\" + info.classId);
                changed |= file.DeleteKey(classes + "\\" + info.ProgId());
                changed |= file.DeleteKey(classes + "\\Interface\\" + info.defaultIid);
                changed |= file.DeleteKey(classes + "\\Interface\\" + info.eventIid);
            }
            return changed;
        });
        return result::Ok;
    } catch (...) {
        return result::Fail;
    }
}

extern "C" int32_t DllGetClassObject(const char* classId, const char* interfaceId, void** factory) {
    if (factory == nullptr) {
        return result::Pointer;
    }
    *factory = nullptr;
    if (classId == nullptr || interfaceId == nullptr) {
        return result::Pointer;
    }
    try {
        const ClassInfo* info = ClassTable::Find(classId);
        // Only class identities are accepted here; names go through ClassTable.
        if (info == nullptr || !EqualsIgnoreCase(info->classId, classId)) {
            return result::ClassNotAvailable;
        }
        if (!EqualsIgnoreCase(interfaceId, VANTOR_IID_CLASS_FACTORY) &&
            !EqualsIgnoreCase(interfaceId, VANTOR_IID_BASE_INTERFACE)) {
            return result::NoInterface;
        }
        static std::deque<ClassFactory> factories = [] {
            std::deque<ClassFactory> all;
            for (const ClassInfo& c : ClassTable::Classes()) {
                all.emplace_back(c);
            }
            return all;
        }();
        for (ClassFactory& f : factories) {
            if (&f.Info() == info) {
                *factory = &f;
                return result::Ok;
            }
        }
        return result::ClassNotAvailable;
    } catch (...) {
        return result::Fail;
    }
}

extern "C" int32_t DllCanUnloadNow(void) { return LibraryObject::Alive() == 0 ? result::Ok : result::False; }

namespace {

// What a C host holds for an object: its share of the object.
struct ObjectHandle {
    std::shared_ptr<LibraryObject> object;
    const ClassInfo& info;
};

} // namespace

extern "C" int32_t VantorCreateInstance(void* factory, void** object) {
    if (object == nullptr) {
        return result::Pointer;
    }
    *object = nullptr;
    if (factory == nullptr) {
        return result::Pointer;
    }
    try {
        const auto& classFactory = *static_cast<const ClassFactory*>(factory);
        auto handle = std::make_unique<ObjectHandle>(ObjectHandle{classFactory.CreateInstance(), classFactory.Info()});
        *object = handle.release();
        return result::Ok;
    } catch (const AutomationError&) {
        return result::ClassNotAvailable;
    } catch (...) {
        return result::Fail;
    }
}

extern "C" const char* VantorClassId(const void* object) {
    return object == nullptr ? nullptr : static_cast<const ObjectHandle*>(object)->info.classId.c_str();
}

extern "C" void VantorRelease(void* object) {
    const std::unique_ptr<ObjectHandle> owned(static_cast<ObjectHandle*>(object));
}
