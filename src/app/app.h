#pragma once
// The program: command line, the session and media backend, start-up and the idle wait for events.
namespace cw {
int RunProgram(int argc, char** argv);
}  // namespace cw
