#pragma once
// The metrics of a font as the build generates them from the shipped TrueType files
// (chart/fonts/font_metrics.py): enough to measure text exactly as it is drawn, without Qt.
#include <cstddef>
#include <cstdint>

namespace qav {

/// Units of a run of characters the font lacks (they are measured by its missing glyph).
inline constexpr std::uint16_t kNotMapped = 0xFFFF;

/// The characters from First (the code's low 16 bits) to the next run's First, within one plane,
/// all advance by Units (font units), or are not in the font (kNotMapped).
struct AdvanceRun {
    std::uint16_t First;
    std::uint16_t Units;
};

struct FontTable {
    const char* Family;
    int UnitsPerEm;
    int Ascender;             // above the baseline, font units (horizontal header)
    int Descender;            // below the baseline, font units, positive
    int MissingAdvance;       // of a character the font lacks (its .notdef glyph)
    const AdvanceRun* Runs;   // ascending within each plane; before a plane's first, none mapped
    std::size_t BmpRunCount;  // Runs[0, BmpRunCount) are U+0000..U+FFFF, the rest U+10000..U+1FFFF
    std::size_t RunCount;
};

}  // namespace qav
