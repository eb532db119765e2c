// Module resource tables (resources.h), the resource files linked into modules, and
// FindResourceA, LoadResource, LockResource, SizeofResource.
//
// A found resource is named by a serial number, not a pointer, so a handle kept across
// desktop::reset() (which empties every table) finds nothing instead of freed memory.
#include "kernel/resource_table.h"

#include <platform_modules.h>
#include <resources.h>
#include <winbase.h>

#include <strings.h>

#include <cstdlib>
#include <map>
#include <memory>

namespace kernel {

ResourceName ResourceName::From(LPCSTR name) {
    ResourceName n;
    if (IS_INTRESOURCE(name)) {
        n.id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
        return n;
    }
    n.isInteger = false;
    n.text = name;
    // "#123" names the integer resource 123, as in a resource script.
    if (n.text.size() > 1 && n.text[0] == '#') {
        char* end = nullptr;
        unsigned long value = std::strtoul(n.text.c_str() + 1, &end, 10);
        if (*end == '\0' && value <= 0xffff) {
            n.isInteger = true;
            n.id = static_cast<WORD>(value);
        }
    }
    return n;
}

bool ResourceName::Matches(const ResourceName& other) const {
    if (isInteger != other.isInteger)
        return false;
    return isInteger ? id == other.id : strcasecmp(text.c_str(), other.text.c_str()) == 0;
}

} // namespace kernel

namespace {

using kernel::ResourceName;

struct Entry {
    ResourceName type;
    ResourceName name;
    std::vector<BYTE> bytes;
    ULONG_PTR serial;
};

struct LinkedFile {
    const void* anchor;
    const void* data;
    size_t size;
    bool applied;
};

struct Registry {
    std::map<HINSTANCE, std::vector<std::unique_ptr<Entry>>> tables;
    std::map<ULONG_PTR, Entry*> bySerial;
    ULONG_PTR nextSerial = 0x10000;
    std::vector<LinkedFile> linked;
};

Registry& Resources() {
    static Registry registry;
    return registry;
}

HINSTANCE Owner(HINSTANCE module) {
    return module ? module : platform::HostModule();
}

bool ValidName(LPCSTR name) {
    return IS_INTRESOURCE(name) || name != nullptr;
}

// Linked resource files join their module's table the first time any table is used, and again
// after a reset, as if they were part of the image.
void ApplyLinkedFiles() {
    for (LinkedFile& file : Resources().linked) {
        if (file.applied)
            continue;
        file.applied = true;
        HMODULE module = nullptr;
        if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                    GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                static_cast<LPCSTR>(file.anchor), &module))
            module = platform::HostModule();
        resources::LoadResFile(module, file.data, file.size);
    }
}

std::vector<std::unique_ptr<Entry>>* TableOf(HINSTANCE module) {
    ApplyLinkedFiles();
    auto& tables = Resources().tables;
    auto it = tables.find(Owner(module));
    return it == tables.end() ? nullptr : &it->second;
}

Entry* FromSerial(const void* handle) {
    auto& bySerial = Resources().bySerial;
    auto it = bySerial.find(reinterpret_cast<ULONG_PTR>(handle));
    return it == bySerial.end() ? nullptr : it->second;
}

} // namespace

namespace kernel {

void StoreResource(HINSTANCE module, const ResourceName& type, const ResourceName& name,
                   std::vector<BYTE> bytes) {
    ApplyLinkedFiles();
    Registry& r = Resources();
    auto& table = r.tables[Owner(module)];
    auto entry = std::make_unique<Entry>();
    entry->type = type;
    entry->name = name;
    entry->bytes = std::move(bytes);
    entry->serial = r.nextSerial++;
    for (auto& existing : table) {
        if (existing->type.Matches(type) && existing->name.Matches(name)) {
            r.bySerial.erase(existing->serial);
            existing = std::move(entry);
            r.bySerial[existing->serial] = existing.get();
            return;
        }
    }
    r.bySerial[entry->serial] = entry.get();
    table.push_back(std::move(entry));
}

const std::vector<BYTE>* FindResourceBytes(HINSTANCE module, const ResourceName& type,
                                           const ResourceName& name) {
    auto* table = TableOf(module);
    if (!table)
        return nullptr;
    for (const auto& entry : *table)
        if (entry->type.Matches(type) && entry->name.Matches(name))
            return &entry->bytes;
    return nullptr;
}

} // namespace kernel

namespace resources {

void AddResource(HINSTANCE module, LPCSTR type, LPCSTR name, std::vector<BYTE> bytes) {
    if (!ValidName(type) || !ValidName(name))
        return;
    kernel::StoreResource(module, ResourceName::From(type), ResourceName::From(name),
                          std::move(bytes));
}

void LinkResFile(const void* anyAddressInModule, const void* data, size_t size) {
    Resources().linked.push_back(LinkedFile{anyAddressInModule, data, size, false});
}

size_t BytesAvailableAt(const void* p) {
    const BYTE* at = static_cast<const BYTE*>(p);
    for (const auto& [serial, entry] : Resources().bySerial) {
        const std::vector<BYTE>& bytes = entry->bytes;
        if (!bytes.empty() && at >= bytes.data() && at < bytes.data() + bytes.size())
            return static_cast<size_t>(bytes.data() + bytes.size() - at);
    }
    return 0;
}

// Serial numbers keep counting, so a handle from before is never mistaken for a new resource.
void ClearAll() {
    Resources().tables.clear();
    Resources().bySerial.clear();
    for (LinkedFile& file : Resources().linked)
        file.applied = false;
}

} // namespace resources

HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) {
    if (!ValidName(name) || !ValidName(type)) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    auto* table = TableOf(module);
    if (!table) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    ResourceName wantedType = ResourceName::From(type);
    ResourceName wanted = ResourceName::From(name);
    bool typeSeen = false;
    for (const auto& entry : *table) {
        if (!entry->type.Matches(wantedType))
            continue;
        typeSeen = true;
        if (entry->name.Matches(wanted))
            return reinterpret_cast<HRSRC>(entry->serial);
    }
    SetLastError(typeSeen ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND);
    return nullptr;
}

HGLOBAL WINAPI LoadResource(HMODULE, HRSRC resource) {
    if (!FromSerial(resource)) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<HGLOBAL>(resource);
}

LPVOID WINAPI LockResource(HGLOBAL data) {
    Entry* entry = FromSerial(data);
    if (!entry)
        return nullptr;
    return entry->bytes.empty() ? nullptr : entry->bytes.data();
}

DWORD WINAPI SizeofResource(HMODULE, HRSRC resource) {
    Entry* entry = FromSerial(resource);
    if (!entry) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return 0;
    }
    return static_cast<DWORD>(entry->bytes.size());
}

// Resources live as long as their module's table; there is nothing to free.
BOOL WINAPI FreeResource(HGLOBAL) {
    return FALSE;
}
