#pragma once

#include <QStringView>

// One lexical element of an RTF string.
struct RtfToken {
    enum class Kind {
        GroupStart,    // {
        GroupEnd,      // }
        ControlWord,   // \word or \wordN; the delimiting space is consumed
        ControlSymbol, // \ followed by one non-letter, e.g. \~ or \*
        HexByte,       // \'hh
        Text,          // a run of characters without \ { }
        End
    };

    Kind kind = Kind::End;
    QStringView word;          // ControlWord: the letters
    bool hasParameter = false; // ControlWord: a number followed the letters
    int parameter = 0;         // ControlWord: clamped to +-kMaxParameter
    QChar symbol;              // ControlSymbol
    unsigned char byte = 0;    // HexByte
    QStringView text;          // Text

    static constexpr int kMaxParameter = 1'000'000'000;
};

// Splits an RTF string into tokens. Never fails: whatever does not form a valid token is
// returned as text or as a control symbol, and every call advances through the input.
class RtfTokenizer {
public:
    explicit RtfTokenizer(QStringView input) : m_input(input) {}

    RtfToken next();
    // Skips raw bytes, as \binN demands.
    void skip(int count);

private:
    RtfToken readControl();
    RtfToken readText();

    QStringView m_input;
    qsizetype m_pos = 0;
};
