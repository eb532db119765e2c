// What one help request costs: the library reads "MAIN.INI" and, without a HelpFile value,
// searches its folder on every request, so the cost grows with the files beside the library.
#include <benchmark/benchmark.h>

#include <desktop.h>

#include "frame/frame_services.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// The library at C:\LIB\RUZAV32.DLL with `files` other files and one help file beside it.
void InstallLibrary(int files, bool namedInMainIni) {
    desktop::reset();
    desktop::SetModuleFileName(GetLibraryInstance(), "C:\\LIB\\RUZAV32.DLL");
    ::CreateDirectoryA("C:\\LIB", NULL);
    const std::string folder = desktop::HostPath("C:\\LIB");
    for (int i = 0; i < files; ++i) {
        char name[32];
        std::snprintf(name, sizeof(name), "/DATA%04d.DAT", i);
        std::ofstream(folder + name) << "data";
    }
    std::ofstream(folder + "/APP.HLP") << "help";
    if (namedInMainIni)
        std::ofstream(folder + "/MAIN.INI") << "[General]\nHelpFile=APP.HLP\n";
}

void Run(benchmark::State& state, bool namedInMainIni) {
    InstallLibrary(static_cast<int>(state.range(0)), namedInMainIni);
    int made = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LaunchContextHelp(NULL, 42, 0));
        // The system keeps a record of each request; keep it short.
        if (++made % 1024 == 0)
            desktop::ClearHelpRequests();
    }
    state.SetLabel(namedInMainIni ? "HelpFile named" : "folder searched");
}

void BM_HelpFromMainIni(benchmark::State& state) {
    Run(state, true);
}
void BM_HelpFromFolderSearch(benchmark::State& state) {
    Run(state, false);
}

BENCHMARK(BM_HelpFromMainIni)->Arg(0)->Arg(100)->Arg(1000);
BENCHMARK(BM_HelpFromFolderSearch)->Arg(0)->Arg(100)->Arg(1000);

} // namespace
