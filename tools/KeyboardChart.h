#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tessik::cli {

// What one key types in one Shift state, as the keyboard chart shows it.
struct KeyFace {
    // UTF-8: a letter of the letter table as its picture shows it (signs on a
    // dotted circle), or else what the key types; "" when it types nothing.
    std::string text;
    bool usCharacter = false; // the key goes on to type what a US keyboard gives
    bool free = false;        // a slot that the layout leaves free
};

// One key of a US keyboard. Places and widths are in quarters of a letter
// key's width; a row is 60 quarters wide.
struct ChartKey {
    int row = 0; // 0 the digit row, down to 4 the space bar's row
    int left = 0;
    int width = 4;
    std::string legend; // the Latin legend, or the name of a key such as Shift
    std::string token;  // the --keys token of a key that types a character, else ""
    KeyFace shifted;
    KeyFace unshifted;

    // Types nothing but what a US keyboard gives: drawn for orientation only.
    bool ForOrientation() const;
};

// Keys of a layout typed one after another: their names as the chart's
// legends give them ("F A", "Shift+K") and the text they give (UTF-8).
struct TypedKeys {
    std::string keys;
    std::string text;
};

struct KeyboardChart {
    std::string layoutName;
    std::vector<ChartKey> keys;
    // The hasanta's key, then a vowel sign's: an independent vowel.
    std::optional<TypedKeys> independentVowel;
    // A consonant's key, then the reph's: the reph on that consonant.
    std::optional<TypedKeys> reph;
};

// The keys of a US keyboard and what each types with the layout file at
// `path`: layout slots as the key map of the file holds them, every other
// key as the engine types it. A file that cannot be read is thrown as
// RuntimeError.
KeyboardChart ChartOfLayoutFile(const std::string& path);

} // namespace tessik::cli
