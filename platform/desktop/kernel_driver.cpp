// The driver's kernel part (desktop/kernel.h): thin calls into the kernel's settings.
#include <desktop.h>

#include "kernel/host_files.h"
#include "kernel/kernel_config.h"
#include "kernel/kernel_internal.h"

namespace desktop {

void MapDrive(char letter, const std::string& hostFolder) {
    kernel::MapDrive(letter, hostFolder);
}

void UnmapDrive(char letter) {
    kernel::UnmapDrive(letter);
}

std::string MakeTempFolder() {
    return kernel::MakeTempFolder();
}

std::string HostPath(const char* dosPath) {
    std::string host;
    return kernel::HostPathFromDos(dosPath, &host) ? host : std::string();
}

std::string DosPath(const std::string& hostPath) {
    return kernel::DosPathFromHost(hostPath);
}

void SetModuleFileName(HMODULE module, const char* dosPath) {
    kernel::SetModuleFileOverride(module, dosPath ? dosPath : "");
}

void SetWindowsFolder(const std::string& hostFolder) {
    kernel::SetWindowsFolder(hostFolder);
}

std::string WindowsFolder() {
    return kernel::WindowsFolder();
}

void SetProfileFile(const std::string& hostPath) {
    kernel::SetProfileFile(hostPath);
}

bool SetProfileText(const std::string& iniText) {
    return kernel::WriteWholeFile(kernel::ProfileFile(), iniText);
}

void SetProfileIntlNone() {
    kernel::SetIntlNone();
}

bool SetProfileIntlFromLocale(const char* localeName) {
    return kernel::SetIntlFromLocale(localeName);
}

void SetProfileIntlFromEnvironment() {
    kernel::SetIntlFromEnvironment();
}

void SetProfileIntlFromFormats(const TimeFormats& formats) {
    kernel::SetIntlFromFormats(kernel::LocaleTimeFormats{
        formats.dateFormat, formats.timeFormat, formats.timeFormatAmPm, formats.am, formats.pm});
}

void SetSystemVersion(DWORD major, DWORD minor, DWORD platformId, DWORD build,
                      const char* csdVersion) {
    kernel::SetVersion(major, minor, build, platformId, csdVersion);
}

void SetTickCount(DWORD tick) {
    kernel::SetManualTick(tick);
}

void SetClockTime(const SYSTEMTIME& localTime) {
    kernel::SetManualLocalTime(localTime);
}

void AdvanceClock(DWORD milliseconds) {
    if (kernel::ClockAdvanceHandler handler = kernel::GetClockAdvanceHandler())
        handler(milliseconds);
    else
        kernel::AdvanceManualClock(milliseconds);
}

} // namespace desktop

namespace desktop {

std::size_t GlobalBlockCount() {
    return kernel::GlobalBlockCount();
}

} // namespace desktop
