#pragma once
// The console's command table: every input line the console answers, in table order, with what
// running it does. Texts are UTF-16 and hold their CR and LF characters as the log shows them.

#include <QStringView>

#include <span>

namespace vortelia {

struct Command {
    const char16_t* input;    // the whole input line, compared exactly
    const char16_t* reply;    // appended to the log after CR LF
    const char16_t* document; // the document pane's new text; empty for none
    int picture;              // the picture slot to show, 1 to 4, or 0 to hide all four
    bool endsProgram;
};

// Every row, in table order; its length is the number of rows written in command_table.cpp.
extern const std::span<const Command> commandTable;

// The first row whose input equals the text exactly (whole string, case included); nullptr when
// no row does.
const Command* findCommand(QStringView input);

} // namespace vortelia
