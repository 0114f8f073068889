// The tables of the machine database, created once by machine::create.
#pragma once

namespace platform::machine {

void create_schema();

}  // namespace platform::machine
