#include "console/console.h"

#include "console/command_table.h"

namespace vortelia {

bool Console::run(const QString& input) {
    const Command* command = findCommand(input);
    if (!command)
        return false;
    log_ += QStringLiteral("\r\n");
    log_ += QStringView(command->reply);
    document_ = QStringView(command->document).toString();
    picture_ = command->picture;
    return command->endsProgram;
}

void Console::clear() {
    log_ = QStringLiteral(">_");
}

} // namespace vortelia
