// libFuzzer target: the assembly on a piece set, disks, answers and faults
// decoded from the input, checked against the same model as the fault
// suite: the started installer is exactly the set's payloads up to the
// first last-piece mark, or nothing is started; every box is one the model
// shows; everything acquired is released.
#include "assembly_model.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fault::Draw draw(data, size);
    fault::CaseProfile profile;
    profile.perturbPercent = 60;
    profile.faultPercent = 50;
    fault::AssemblyCase c = fault::DrawAssemblyCase(draw, profile);

    std::string problem = fault::RunAssemblyCase(c);
    if (!problem.empty()) {
        std::fprintf(stderr, "assembly disagrees with the model: %s\ncase: %s\n", problem.c_str(),
                     fault::Describe(c).c_str());
        std::abort();
    }
    return 0;
}
