#include "session/closing.h"

#include "session/story_flags.h"

namespace vortelia {

void runClosingSequence(const Services& services, FlagReset reset) {
    try {
        services.arrow.restore();
        if (reset == FlagReset::Yes)
            StoryFlags(services.files, services.yield).reset();
    } catch (const Failure& failure) {
        services.arrow.restore();
        services.report.report(failure);
        services.program.end(1);
        return;
    }
    services.program.end(0);
}

} // namespace vortelia
