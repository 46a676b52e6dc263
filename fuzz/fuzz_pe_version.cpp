// Feeds arbitrary bytes to the executable version reader that looks at every Photoshop.exe
// found in a Wine prefix. Any result is fine except a crash, a sanitizer report or a hang.
#include "platform/PEVersionResource.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Through the reader callback, not a QByteArray, so that ASan sees the exact input bounds.
    ReadPEFileVersion([data, size](uint64_t offset, void* out, size_t length) {
        if (offset > size || length > size - offset)
            return false;
        std::memcpy(out, data + offset, length);
        return true;
    });
    return 0;
}
