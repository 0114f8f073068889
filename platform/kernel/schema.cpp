#include "kernel/schema.h"

#include "kernel/machine.h"

namespace winsim::machine {

// Each area of the machine that keeps shared state adds its tables here.
void create_schema() {
}

}  // namespace winsim::machine
