#pragma once

#include "launcher/launcher_window.h"
#include "launcher/window_events.h"
#include "platform/sim/sim_platform.h"

namespace kebo {

// The launcher window on the simulated platform, wired the way a backend wires it.
struct SimulatedProgram {
    explicit SimulatedProgram(SimConfig config = {}) : platform(std::move(config)) {
        platform.attach(events);
    }

    SimPlatform platform;
    Form1 form{platform};
    WindowEvents events{form};
};

}  // namespace kebo
