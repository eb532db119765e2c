// The kernel's own view of the module resource tables, shared by the table, the builders and
// the resource-file reader.
#pragma once

#include <winbase.h>

#include <string>
#include <vector>

namespace kernel {

// A resource type or name: an integer identifier or a string compared case-insensitively.
struct ResourceName {
    bool isInteger = true;
    WORD id = 0;
    std::string text;

    static ResourceName From(LPCSTR name);
    bool Matches(const ResourceName& other) const;
};

// Adds the resource, replacing one of the same type and name.
void StoreResource(HINSTANCE module, const ResourceName& type, const ResourceName& name,
                   std::vector<BYTE> bytes);

// The stored bytes, or nullptr.
const std::vector<BYTE>* FindResourceBytes(HINSTANCE module, const ResourceName& type,
                                           const ResourceName& name);

} // namespace kernel
