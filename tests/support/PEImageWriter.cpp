#include "support/PEImageWriter.h"

namespace PEImage {
void PutLe16(QByteArray& bytes, int offset, uint16_t value)
{
    bytes[offset] = char(value & 0xFF);
    bytes[offset + 1] = char(value >> 8);
}

void PutLe32(QByteArray& bytes, int offset, uint32_t value)
{
    PutLe16(bytes, offset, uint16_t(value));
    PutLe16(bytes, offset + 2, uint16_t(value >> 16));
}

QByteArray Executable(uint16_t major, uint16_t minor, bool withVersion, bool pe32Plus)
{
    constexpr int kVersionInfoSize = 40 + 52;
    constexpr int kSectionSize = 0x200;
    QByteArray image(kResources + kSectionSize, '\0');
    image[0] = 'M';
    image[1] = 'Z';
    PutLe32(image, 0x3C, kPEHeader);

    image.replace(kPEHeader, 4, QByteArray("PE\0\0", 4));
    PutLe16(image, kPEHeader + 4, 0x14C); // i386
    PutLe16(image, kPEHeader + 6, 1);     // one section
    const int optionalSize = pe32Plus ? 240 : 224;
    const int directories = kOptionalHeader + (pe32Plus ? 112 : 96);
    const int sectionTable = kOptionalHeader + optionalSize;
    PutLe16(image, kPEHeader + 20, uint16_t(optionalSize));
    PutLe16(image, kPEHeader + 22, 0x0102);

    PutLe16(image, kOptionalHeader, pe32Plus ? 0x20B : 0x10B);
    PutLe32(image, directories - 4, 16);
    PutLe32(image, directories + 2 * 8, withVersion ? kResourcesRva : 0);
    PutLe32(image, directories + 2 * 8 + 4, kSectionSize);

    image.replace(sectionTable, 5, ".rsrc");
    PutLe32(image, sectionTable + 8, kSectionSize);
    PutLe32(image, sectionTable + 12, kResourcesRva);
    PutLe32(image, sectionTable + 16, kSectionSize);
    PutLe32(image, sectionTable + 20, kResources);

    // Each directory has one id entry; the high bit of an offset marks a subdirectory.
    const auto directory = [&image](int at, uint32_t id, uint32_t target) {
        PutLe16(image, at + 14, 1);
        PutLe32(image, at + 16, id);
        PutLe32(image, at + 20, target);
    };
    directory(kResources, 16, 0x80000000u | (kNameDirectory - kResources));
    directory(kNameDirectory, 1, 0x80000000u | (kLanguageDirectory - kResources));
    directory(kLanguageDirectory, 0x409, kDataEntry - kResources);
    PutLe32(image, kDataEntry, kResourcesRva + (kVersionInfo - kResources));
    PutLe32(image, kDataEntry + 4, kVersionInfoSize);

    PutLe16(image, kVersionInfo, kVersionInfoSize);
    PutLe16(image, kVersionInfo + 2, 52);
    const char16_t key[] = u"VS_VERSION_INFO";
    for (int i = 0; key[i]; ++i)
        PutLe16(image, kVersionInfo + 6 + 2 * i, key[i]);
    PutLe32(image, kFixedFileInfo, 0xFEEF04BD);
    PutLe32(image, kFixedFileInfo + 4, 0x00010000);
    PutLe32(image, kFixedFileInfo + 8, (uint32_t(major) << 16) | minor);
    PutLe32(image, kFixedFileInfo + 12, 0x00020003);
    return image;
}
} // namespace PEImage
