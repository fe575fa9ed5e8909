#pragma once

class QLabel;

// A line of words on the read-out's display: "NO TRANSMITTER", "NO PERMISSION" and the fix for the latter.
// Pictures, as assistive tools read the display's name instead. In English the artwork's picture of the
// words, drawn at build time; in another language its words drawn now, in the display's colour and leaning
// as the digits do, in the system's font (bold and at least the artwork's size for a lit line).
struct DisplayWords
{
    int image;        // the artwork's picture of the English words
    const char* text; // marked with QT_TRANSLATE_NOOP("CFrequencyReadout", ...)
    bool lit;         // glowing as the digits do, else the dim colour of a hint
};

// Gives label the picture of the words in the user's language, and its size.
void ShowDisplayWords(QLabel& label, const DisplayWords& words);
