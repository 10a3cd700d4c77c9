// SPDX-License-Identifier: AGPL-3.0-or-later
#include "adapters/birthfile/BirthFileStore.h"

#include <cstring>

#include "adapters/io/RegularFileReader.h"

namespace zodrivel {

namespace {

std::string refusalText(const ReadRefusal& refusal) {
    using Kind = ReadRefusal::Kind;
    switch (refusal.kind) {
        case Kind::Folder: return "it is a folder";
        case Kind::NotRegular: return "it is not a regular file";
        case Kind::TooLarge:
            return refusal.size > 0 ? "it is too large to be a birth file (" +
                                          std::to_string(refusal.size) + " bytes)"
                                    : "it is too large to be a birth file";
        case Kind::CannotOpen:
        case Kind::ReadFailed: break;
    }
    return "it cannot be read: " + std::string(std::strerror(refusal.error));
}

}  // namespace

std::variant<BirthFile, std::string> loadBirthFile(const std::filesystem::path& path,
                                                   const BirthFileFormat& format) {
    const auto bytes = readRegularFile(path, MaxBirthFileBytes);
    if (const auto* refusal = std::get_if<ReadRefusal>(&bytes)) return refusalText(*refusal);
    return format.read(std::get<std::string>(bytes), BirthTextKind::File);
}

WriteResult saveBirthFile(const std::filesystem::path& path, const BirthFile& birth,
                          const BirthFileFormat& format, FileWriter& writer) {
    return writer.write(path, format.write(birth));
}

}  // namespace zodrivel
