// The first half of reading a Statistikbanken file: its bytes as a cube of
// labelled figures, whatever the layout (table CSV, flat CSV, PX) and the
// character set. StatbankReader.h gives the cube its meaning.
#pragma once

#include <cstdint>
#include <forward_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct StatbankDimension {
    std::string Name;                 // as the file names it, may be empty
    std::vector<std::string> Labels;  // in the file's order
};

// One figure as written: a number, zero ("-"), missing ("." … "......") or
// anything else (kept for the message).
struct StatbankFigure {
    enum Kind : uint8_t { Number, Missing, Bad };
    double Value = 0;
    int32_t Line = 0;  // 1-based line of the file
    Kind State = Number;
};

struct StatbankCube {
    std::string Title;
    std::vector<StatbankDimension> Dims;
    std::vector<int32_t> Coords;  // Dims.size() label indexes per figure
    std::vector<StatbankFigure> Figures;
    // The texts of the figures a message may quote (bad or negative), by
    // figure index in increasing order; the rest are never needed as text.
    std::vector<std::pair<size_t, std::string_view>> Texts;
    std::string Error;            // set when the bytes cannot be read as a cube
    // The UTF-8 text the views point into: the bytes themselves when they
    // are UTF-8 already (so they must outlive the cube), else Decoded.
    std::string_view Text;
    std::string Decoded;
    std::forward_list<std::string> Unquoted;  // labels and figures that needed unescaping
};

// Parses the bytes; on failure Error says why in Danish.
void ReadStatbankCube(std::string_view bytes, StatbankCube& cube);

// The text of figure f, when it is one of Texts.
std::string_view StatbankFigureText(const StatbankCube& cube, size_t f);

// A figure's text: "-" is zero, one to six dots are missing, otherwise an
// optionally signed decimal number with "." or "," as its point.
StatbankFigure ReadStatbankFigure(std::string_view text, int32_t line);
