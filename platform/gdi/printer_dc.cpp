// Printer DCs: a memory DC whose page bitmap is made by StartPage and written out as a PNG file
// by EndPage, in the printer's port folder. The folder is checked when the DC is made, so a
// printer whose port names no folder fails at CreateDCA, not halfway through a document.
#include "gdi/gdi_internal.h"
#include "gdi/gdi_objects.h"
#include "gdi/png_io.h"
#include "kernel/kernel_internal.h"

#include <sys/stat.h>

#include <cstdio>
#include <map>
#include <string>

namespace gdi_internal {
namespace {

constexpr int kDotsPerInch = 100;

struct PrintJob {
    std::string folder;                // host folder of the port
    int width = 17 * kDotsPerInch / 2; // a Letter page
    int height = 11 * kDotsPerInch;
    bool inDocument = false;
    int job = 0;
    int page = 0;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
};

std::map<HDC, PrintJob>& Jobs() {
    static std::map<HDC, PrintJob> jobs;
    return jobs;
}

PrintJob* FindJob(HDC hdc) {
    // Every DeleteDC asks; almost always there is no print job at all.
    if (Jobs().empty())
        return nullptr;
    auto found = Jobs().find(hdc);
    return found != Jobs().end() ? &found->second : nullptr;
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool Exists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

std::string PagePath(const PrintJob& job, int page) {
    char name[32];
    std::snprintf(name, sizeof(name), "/JOB%04d-P%03d.PNG", job.job, page);
    return job.folder + name;
}

void DropPage(HDC hdc, PrintJob& job) {
    if (job.bitmap != nullptr) {
        SelectObject(hdc, job.previous);
        DeleteObject(job.bitmap);
        job.bitmap = nullptr;
    }
}

} // namespace

bool IsPrinterDc(HDC hdc) {
    return FindJob(hdc) != nullptr;
}

bool PrinterPageSize(HDC hdc, int* width, int* height) {
    PrintJob* job = FindJob(hdc);
    if (job == nullptr) {
        return false;
    }
    *width = job->width;
    *height = job->height;
    return true;
}

void ForgetPrinterDc(HDC hdc) {
    PrintJob* job = FindJob(hdc);
    if (job != nullptr) {
        DropPage(hdc, *job);
        Jobs().erase(hdc);
    }
}

} // namespace gdi_internal

using gdi_internal::PrintJob;

HDC WINAPI CreateDCA(LPCSTR driver, LPCSTR device, LPCSTR port, const DEVMODEA* devMode) {
    (void)driver;
    std::string folder;
    if (device == nullptr || port == nullptr || !kernel::HostPathFromDos(port, &folder) ||
        !gdi_internal::IsFolder(folder)) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return nullptr;
    }
    HDC hdc = CreateCompatibleDC(nullptr);
    if (hdc == nullptr) {
        return nullptr;
    }
    PrintJob job;
    job.folder = folder;
    if (devMode != nullptr && devMode->dmSize >= offsetof(DEVMODEA, dmScale) &&
        (devMode->dmFields & DM_ORIENTATION) && devMode->dmOrientation == DMORIENT_LANDSCAPE) {
        std::swap(job.width, job.height);
    }
    gdi_internal::Jobs()[hdc] = job;
    return hdc;
}

int WINAPI StartDocA(HDC hdc, const DOCINFOA* info) {
    PrintJob* job = gdi_internal::FindJob(hdc);
    if (job == nullptr || info == nullptr || job->inDocument) {
        return SP_ERROR;
    }
    // The first job number whose first page is not there yet: earlier prints are kept.
    int number = 1;
    while (number < 9999) {
        job->job = number;
        if (!gdi_internal::Exists(gdi_internal::PagePath(*job, 1))) {
            break;
        }
        ++number;
    }
    job->inDocument = true;
    job->page = 0;
    return job->job;
}

int WINAPI StartPage(HDC hdc) {
    PrintJob* job = gdi_internal::FindJob(hdc);
    if (job == nullptr || !job->inDocument || job->bitmap != nullptr) {
        return SP_ERROR;
    }
    job->bitmap = CreateBitmap(job->width, job->height, 1, 32, nullptr);
    if (job->bitmap == nullptr) {
        return SP_ERROR;
    }
    job->previous = SelectObject(hdc, job->bitmap);
    RECT page{0, 0, job->width, job->height};
    FillRect(hdc, &page, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ++job->page;
    return 1;
}

int WINAPI EndPage(HDC hdc) {
    PrintJob* job = gdi_internal::FindJob(hdc);
    if (job == nullptr || job->bitmap == nullptr) {
        return SP_ERROR;
    }
    gdi::Bitmap* bitmap = gdi::LookupBitmap(job->bitmap);
    const bool written =
        bitmap != nullptr && gdi::WritePng(gdi_internal::PagePath(*job, job->page).c_str(),
                                           bitmap->pixels.data(), bitmap->width, bitmap->height);
    gdi_internal::DropPage(hdc, *job);
    return written ? 1 : SP_ERROR;
}

int WINAPI EndDoc(HDC hdc) {
    PrintJob* job = gdi_internal::FindJob(hdc);
    if (job == nullptr || !job->inDocument) {
        return SP_ERROR;
    }
    gdi_internal::DropPage(hdc, *job);
    job->inDocument = false;
    return 1;
}

int WINAPI AbortDoc(HDC hdc) {
    return EndDoc(hdc);
}
