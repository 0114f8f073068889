// The tables of the machine database, created once by machine::create. The kernel creates its
// own; each area above it adds its tables and the content a fresh machine starts with as a
// creation step, registered before main from a static object in the area's own folder (every
// program links each area whole), so that the kernel knows none of them.
#pragma once

namespace platform::machine {

// Registers a step: `const machine::CreationStep step(rank, create_tables);`. Steps run in
// ascending rank after the kernel's tables, equal ranks in no particular order: a step that
// fills another area's tables takes a higher rank than that area's.
struct CreationStep {
  CreationStep(int rank, void (*create)());
};

void create_schema();

}  // namespace platform::machine
