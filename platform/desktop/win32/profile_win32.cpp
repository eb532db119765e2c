// The driver's regional settings on real Win32. The system keeps its own: a profile file pins
// the "Intl" values it names by writing them into the system's profile (the rest stay the
// system's), and the reset puts back what was there before.
#include "driver_win32.h"

#include <desktop.h>

#include <cctype>
#include <fstream>
#include <string>
#include <vector>

namespace desktop {
namespace {

constexpr char kIntl[] = "Intl";
// What GetProfileStringA answers for a key the profile lacks.
constexpr char kAbsent[] = "\x01";

struct Saved {
    std::string key;
    bool present;
    std::string value;
};
std::vector<Saved> g_saved;

std::string Trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

bool SameText(const std::string& a, const char* b) {
    return lstrcmpiA(a.c_str(), b) == 0;
}

void WriteIntl(const std::string& key, const std::string& value) {
    bool known = false;
    for (const Saved& s : g_saved)
        known = known || SameText(s.key, key.c_str());
    if (!known) {
        char old[256] = "";
        GetProfileStringA(kIntl, key.c_str(), kAbsent, old, sizeof old);
        g_saved.push_back(Saved{key, lstrcmpA(old, kAbsent) != 0, old});
    }
    WriteProfileStringA(kIntl, key.c_str(), value.c_str());
}

} // namespace

void ForgetProfileChanges() {
    for (auto it = g_saved.rbegin(); it != g_saved.rend(); ++it)
        WriteProfileStringA(kIntl, it->key.c_str(), it->present ? it->value.c_str() : nullptr);
    g_saved.clear();
}

void SetProfileFile(const std::string& hostPath) {
    std::ifstream in(hostPath);
    std::string line;
    bool intl = false;
    while (std::getline(in, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == ';')
            continue;
        if (line.front() == '[') {
            intl = line.size() > 1 && line.back() == ']' &&
                   SameText(Trim(line.substr(1, line.size() - 2)), kIntl);
            continue;
        }
        const size_t eq = line.find('=');
        if (intl && eq != std::string::npos && eq > 0)
            WriteIntl(Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
    }
}

// The system's regional settings are the user's own, and they are what answers for keys no
// profile file names: there is nothing to take from a POSIX locale here.
void SetProfileIntlNone() {}
void SetProfileIntlFromEnvironment() {}
bool SetProfileIntlFromLocale(const char*) {
    return false;
}

} // namespace desktop
