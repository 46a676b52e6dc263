#pragma once

#include <QByteArray>
#include <cstdint>

// A minimal PE32 executable the way a linker lays one out: DOS header, "PE" header, optional
// header with 16 data directories, one ".rsrc" section holding the three-level resource tree
// (RT_VERSION / 1 / 0x409) and a VS_VERSIONINFO with its fixed file information. The offsets are
// public so hostile-input tests can break one field at a time.
namespace PEImage {
constexpr int kPEHeader = 0x40;
constexpr int kOptionalHeader = kPEHeader + 24;
constexpr int kResourceDataDirectory = kOptionalHeader + 96 + 2 * 8;
constexpr int kSectionTable = kOptionalHeader + 224;
constexpr int kResources = 0x200; // file offset of the section, RVA 0x1000
constexpr uint32_t kResourcesRva = 0x1000;
constexpr int kRootEntry = kResources + 16;
constexpr int kNameDirectory = kResources + 0x18;
constexpr int kNameEntry = kNameDirectory + 16;
constexpr int kLanguageDirectory = kResources + 0x30;
constexpr int kLanguageEntry = kLanguageDirectory + 16;
constexpr int kDataEntry = kResources + 0x48;
constexpr int kVersionInfo = kResources + 0x58;
constexpr int kFixedFileInfo = kVersionInfo + 40;

// An executable whose file version is major.minor.2.3; without a version resource when
// withVersion is false. The offsets above are those of a PE32 image; a PE32+ one (64-bit) has a
// longer optional header, so only the resource section stays where it is.
QByteArray Executable(uint16_t major, uint16_t minor = 0, bool withVersion = true,
                      bool pe32Plus = false);

void PutLe16(QByteArray& bytes, int offset, uint16_t value);
void PutLe32(QByteArray& bytes, int offset, uint32_t value);
} // namespace PEImage
