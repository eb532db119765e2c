// Module resource tables (resources.h) and FindResourceA, LoadResource, LockResource,
// SizeofResource.
//
// A found resource is named by a serial number, not a pointer, so a handle kept across
// desktop::reset() (which empties every table) finds nothing instead of freed memory.
#include <platform_modules.h>
#include <resources.h>
#include <winbase.h>

#include <strings.h>

#include <cstdio>
#include <map>
#include <memory>

namespace {

// An integer identifier or an upper-cased string.
struct ResourceName {
    bool isInteger = true;
    WORD id = 0;
    std::string text;

    static ResourceName From(LPCSTR name) {
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

    bool Matches(const ResourceName& other) const {
        if (isInteger != other.isInteger)
            return false;
        return isInteger ? id == other.id : strcasecmp(text.c_str(), other.text.c_str()) == 0;
    }
};

struct Entry {
    WORD type; // RT_BITMAP or RT_DIALOG as an integer
    ResourceName name;
    std::vector<BYTE> bytes;                           // RT_BITMAP
    std::unique_ptr<resources::DialogTemplate> dialog; // RT_DIALOG
    ULONG_PTR serial;
};

struct Table {
    std::map<UINT, std::string> strings;
    std::vector<std::unique_ptr<Entry>> entries;
};

struct Registry {
    std::map<HINSTANCE, Table> tables;
    std::map<ULONG_PTR, Entry*> bySerial;
    ULONG_PTR nextSerial = 0x10000;
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

void AddEntry(HINSTANCE module, WORD type, LPCSTR name, std::unique_ptr<Entry> entry) {
    Registry& r = Resources();
    Table& table = r.tables[Owner(module)];
    entry->type = type;
    entry->name = ResourceName::From(name);
    entry->serial = r.nextSerial++;
    // A resource added again under the same name replaces the first.
    for (auto& existing : table.entries) {
        if (existing->type == type && existing->name.Matches(entry->name)) {
            r.bySerial.erase(existing->serial);
            existing = std::move(entry);
            r.bySerial[existing->serial] = existing.get();
            return;
        }
    }
    r.bySerial[entry->serial] = entry.get();
    table.entries.push_back(std::move(entry));
}

Entry* FromSerial(const void* handle) {
    auto& bySerial = Resources().bySerial;
    auto it = bySerial.find(reinterpret_cast<ULONG_PTR>(handle));
    return it == bySerial.end() ? nullptr : it->second;
}

} // namespace

namespace resources {

void AddString(HINSTANCE module, UINT id, const char* text) {
    Resources().tables[Owner(module)].strings[id] = text ? text : "";
}

void AddBitmap(HINSTANCE module, LPCSTR name, std::vector<BYTE> bmpFileBytes) {
    if (!ValidName(name))
        return;
    auto entry = std::make_unique<Entry>();
    entry->bytes = std::move(bmpFileBytes);
    AddEntry(module, 2, name, std::move(entry));
}

BOOL AddBitmapFile(HINSTANCE module, LPCSTR name, const char* hostPath) {
    if (!ValidName(name) || !hostPath)
        return FALSE;
    std::FILE* file = std::fopen(hostPath, "rb");
    if (!file)
        return FALSE;
    std::vector<BYTE> bytes;
    BYTE chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + n);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    // A BMP file starts with "BM"; anything else is not a bitmap resource.
    if (failed || bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M')
        return FALSE;
    AddBitmap(module, name, std::move(bytes));
    return TRUE;
}

void AddDialog(HINSTANCE module, LPCSTR name, DialogTemplate dialog) {
    if (!ValidName(name))
        return;
    auto entry = std::make_unique<Entry>();
    entry->dialog = std::make_unique<DialogTemplate>(std::move(dialog));
    AddEntry(module, 5, name, std::move(entry));
}

const char* FindString(HINSTANCE module, UINT id) {
    auto& tables = Resources().tables;
    auto table = tables.find(Owner(module));
    if (table == tables.end())
        return nullptr;
    auto it = table->second.strings.find(id);
    return it == table->second.strings.end() ? nullptr : it->second.c_str();
}

// Serial numbers keep counting, so a handle from before is never mistaken for a new resource.
void ClearAll() {
    Resources().tables.clear();
    Resources().bySerial.clear();
}

} // namespace resources

HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) {
    if (!ValidName(name) || !ValidName(type)) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    ResourceName wantedType = ResourceName::From(type);
    if (!wantedType.isInteger || (wantedType.id != 2 && wantedType.id != 5)) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return nullptr;
    }
    auto& tables = Resources().tables;
    auto table = tables.find(Owner(module));
    if (table == tables.end()) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    ResourceName wanted = ResourceName::From(name);
    for (const auto& entry : table->second.entries)
        if (entry->type == wantedType.id && entry->name.Matches(wanted))
            return reinterpret_cast<HRSRC>(entry->serial);
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
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
    if (entry->dialog)
        return entry->dialog.get();
    return entry->bytes.empty() ? nullptr : entry->bytes.data();
}

DWORD WINAPI SizeofResource(HMODULE, HRSRC resource) {
    Entry* entry = FromSerial(resource);
    if (!entry) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return 0;
    }
    if (entry->dialog)
        return sizeof(resources::DialogTemplate);
    return static_cast<DWORD>(entry->bytes.size());
}

// Resources live as long as their module's table; there is nothing to free.
BOOL WINAPI FreeResource(HGLOBAL) {
    return FALSE;
}
