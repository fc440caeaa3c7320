// The OpenGL driver is unloaded when the last OpenGL context goes, at the very end of the test program,
// and what only the driver's globals pointed at then looks leaked to the leak checker of the sanitizer
// build. At the end of the tests, every driver library still loaded is kept loaded until the process ends.

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <link.h>

#include <cstring>

namespace {

int PinDriver(dl_phdr_info* info, size_t, void*) {
    if (info->dlpi_name != nullptr && std::strstr(info->dlpi_name, "_dri.so") != nullptr) {
        dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
    }
    return 0;
}

class DriverPin : public testing::Environment {
public:
    void TearDown() override { dl_iterate_phdr(PinDriver, nullptr); }
};

const testing::Environment* const PIN = testing::AddGlobalTestEnvironment(new DriverPin);

}  // namespace
