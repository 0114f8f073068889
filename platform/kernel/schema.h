// The tables of the machine database, created once by machine::create.
#pragma once

namespace winsim::machine {

void create_schema();

}  // namespace winsim::machine
