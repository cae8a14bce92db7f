// A tiny host built against the installed package: it includes the public headers and
// calls the module's entry points.
#include <g20seq/entry/ModuleEntry.h>

#include <cstdio>

int main() {
    SetDataProxy(nullptr);
    std::puts("consumer linked against G20Seq");
    return 0;
}
