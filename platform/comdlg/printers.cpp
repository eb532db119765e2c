#include "comdlg/printers.h"

#include <windows.h>

namespace comdlg {
namespace {

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::string();
    }
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace

bool ParseDeviceEntry(const std::string& name, const std::string& entry, Printer* printer) {
    const std::size_t comma = entry.find(',');
    if (comma == std::string::npos) {
        return false;
    }
    std::string port = entry.substr(comma + 1);
    const std::size_t second = port.find(',');
    if (second != std::string::npos) {
        port = port.substr(0, second);
    }
    Printer parsed{Trim(name), Trim(entry.substr(0, comma)), Trim(port)};
    if (parsed.name.empty() || parsed.driver.empty() || parsed.port.empty()) {
        return false;
    }
    *printer = parsed;
    return true;
}

std::vector<Printer> InstalledPrinters(int* defaultIndex) {
    std::vector<Printer> printers;
    *defaultIndex = -1;
    char keys[4096] = {};
    const DWORD length = GetProfileStringA("devices", nullptr, "", keys, sizeof(keys));
    for (DWORD at = 0; at < length && keys[at] != '\0';) {
        const std::string key = keys + at;
        at += static_cast<DWORD>(key.size()) + 1;
        char entry[512] = {};
        GetProfileStringA("devices", key.c_str(), "", entry, sizeof(entry));
        Printer printer;
        if (ParseDeviceEntry(key, entry, &printer)) {
            printers.push_back(printer);
        }
    }
    char device[512] = {};
    GetProfileStringA("windows", "device", "", device, sizeof(device));
    const std::string wanted = Trim(std::string(device).substr(0, std::string(device).find(',')));
    for (std::size_t i = 0; i < printers.size(); ++i) {
        if (lstrcmpiA(printers[i].name.c_str(), wanted.c_str()) == 0) {
            *defaultIndex = static_cast<int>(i);
            break;
        }
    }
    return printers;
}

} // namespace comdlg
