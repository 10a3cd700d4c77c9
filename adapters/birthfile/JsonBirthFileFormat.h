// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The birth file as JSON (docs/birth-file.md describes every field).

#include "core/birthfile/BirthFile.h"

namespace zodrivel {

// How deep objects and lists may nest in a birth (a birth itself needs 2); deeper text is
// refused while it is read, so nothing recurses through it later.
inline constexpr int MaxBirthJsonDepth = 64;

// Strict about what a birth needs (each required field present and of its type, the zone row
// matching the zone table), tolerant of what it does not know: an unknown field is kept in
// BirthFile::unknown and written back after the known ones of its object.
class JsonBirthFileFormat : public BirthFileFormat {
public:
    std::variant<BirthFile, std::string> read(std::string_view text,
                                              BirthTextKind kind) const override;
    // Two-space indented UTF-8, ending in a line break.
    std::string write(const BirthFile& birth) const override;
    // The same object on one line, for JSON Lines.
    std::string writeLine(const BirthFile& birth) const;
};

}  // namespace zodrivel
