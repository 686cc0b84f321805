#pragma once

class TXLMessage;
class TMonochromePicture;

// The printer's form of a picture: the sizes, then the rows run-length coded, identical neighbouring
// rows sent once with a repeat count.
namespace PictureRunCoder {

// The largest width or height the payload's 16-bit size fields can carry.
inline constexpr int MaxSide = 0xFFFF;

enum class PictureRefusal
{
    None,
    TooLarge, // width or height above MaxSide: the printer would read the rows with a wrong size
};

// Writes the payload that follows a graphic item's header: Width and Height (LE16), then groups of
// rows, each one byte (how many further rows repeat the row, at most 255) and the row's coding:
// (white, black) count pairs, one run per pair, runs longer than 255 split into pairs of 255. A row of
// width 0 has no pairs; a picture of height 0 is the single byte 00. On a refusal nothing is written.
//
// The cost grows with the number of runs, not the pixels: colour changes are found a 64-bit word at a
// time, and only the current and the previous row's coding are kept.
PictureRefusal WritePayload(TXLMessage& message, const TMonochromePicture& picture);

} // namespace PictureRunCoder
