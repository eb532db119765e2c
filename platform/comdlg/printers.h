// The installed printers as the user profile lists them: section [devices] holds one key per
// printer, "Name=DRIVER,PORT", and [windows] device= names the default as "Name,DRIVER,PORT".
#pragma once

#include <string>
#include <vector>

namespace comdlg {

struct Printer {
    std::string name;
    std::string driver;
    std::string port; // a folder (DOS path) for this platform's printer DCs
};

// "DRIVER,PORT" (blanks around each part dropped; a second port is ignored). False when either
// part is missing.
bool ParseDeviceEntry(const std::string& name, const std::string& entry, Printer* printer);

// Every printer of [devices], in profile order; the default's index (or -1 when [windows] names
// none of them) in *defaultIndex.
std::vector<Printer> InstalledPrinters(int* defaultIndex);

} // namespace comdlg
