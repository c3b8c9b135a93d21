#pragma once

// The kinds of token that the reader cuts the input into. The values and their order are fixed,
// as is every kind's meaning of m_Token: the parser dispatches on them.
enum class PgnToken
{
    String = 0,           // text between quotation marks, escapes resolved
    Integer = 1,          // a symbol of digits only, such as a move number
    Period = 2,           // .
    Asterisk = 3,         // *
    LeftParenthesis = 4,  // (
    RightParenthesis = 5, // )
    LeftBracket = 6,      // [
    RightBracket = 7,     // ]
    Escape = 8,           // % as the first character of a line
    Nag = 9,              // $ and the digits after it
    Symbol = 10,          // moves, tag names, result markers, escape command words
    EndOfFile = 11
};
