// ReadLocaleTimeFormats: a locale's LC_TIME formats through nl_langinfo_l, without touching the
// process's own locale.
#include "kernel/intl_from_locale.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <cstring>

namespace kernel {
namespace {

// The locale a program would get from setlocale(LC_TIME, "").
std::string EnvironmentLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return "C";
}

bool IsCLocale(const std::string& name) {
    return name.empty() || name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0;
}

} // namespace

bool ReadLocaleTimeFormats(const char* localeName, LocaleTimeFormats* formats) {
    std::string name = localeName && *localeName ? localeName : EnvironmentLocaleName();
    if (IsCLocale(name) || !formats)
        return false;
    locale_t locale = newlocale(LC_TIME_MASK, name.c_str(), static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr))
        return false;
    formats->dateFormat = nl_langinfo_l(D_FMT, locale);
    formats->timeFormat = nl_langinfo_l(T_FMT, locale);
    formats->timeFormatAmPm = nl_langinfo_l(T_FMT_AMPM, locale);
    formats->am = nl_langinfo_l(AM_STR, locale);
    formats->pm = nl_langinfo_l(PM_STR, locale);
    freelocale(locale);
    return true;
}

} // namespace kernel
