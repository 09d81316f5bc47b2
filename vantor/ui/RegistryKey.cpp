#include "vantor/ui/RegistryKey.hpp"

#include "vantor/automation/AutomationError.hpp"
#include "vantor/ui/KeyStore.hpp"

namespace vantor {

namespace {

void CheckText(std::string_view text) {
    if (const std::optional<std::string> problem = RegFile::TextProblem(text)) {
        throw AutomationError(err::InvalidCall, "Invalid registry text: " + *problem);
    }
}

} // namespace

RegistryKey::RegistryKey(std::shared_ptr<const KeyStore> store, std::string path, KeyAccess access)
    : m_store(std::move(store)), m_path(std::move(path)), m_access(access) {}

std::optional<std::string> RegistryKey::QueryString(std::string_view name) const {
    return Store().Read().QueryString(m_path, name);
}

void RegistryKey::SetString(std::string_view name, std::string_view value) {
    const KeyStore& store = StoreForWrite();
    CheckText(name);
    CheckText(value);
    store.Update([&](RegFile& file) {
        if (!file.HasKey(m_path)) {
            throw AutomationError(err::ApplicationDefined, "Key " + m_path + " has been deleted");
        }
        if (file.QueryString(m_path, name) == value) {
            return false; // unchanged: spare the rewrite
        }
        file.SetString(m_path, name, value);
        return true;
    });
}

bool RegistryKey::DeleteValue(std::string_view name) {
    bool removed = false;
    StoreForWrite().Update([&](RegFile& file) {
        if (!file.HasKey(m_path)) {
            throw AutomationError(err::ApplicationDefined, "Key " + m_path + " has been deleted");
        }
        removed = file.DeleteValue(m_path, name);
        return removed;
    });
    return removed;
}

std::vector<std::string> RegistryKey::ValueNames() const { return Store().Read().ValueNames(m_path); }

void RegistryKey::Close() noexcept { m_store.reset(); }

const KeyStore& RegistryKey::Store() const {
    if (m_store == nullptr) {
        throw AutomationError(err::InvalidCall, "The key handle is closed");
    }
    return *m_store;
}

const KeyStore& RegistryKey::StoreForWrite() const {
    const KeyStore& store = Store();
    if (m_access != KeyAccess::Write) {
        throw AutomationError(err::InvalidCall, "Key " + m_path + " was opened for reading");
    }
    return store;
}

} // namespace vantor
