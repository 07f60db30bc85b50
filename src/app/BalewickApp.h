#pragma once

// The process entry: builds the application object and runs its event loop.
namespace BalewickApp {
int run(int argc, char** argv);
}
