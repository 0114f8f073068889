// The statements of the world's language, one a line in a world file and the arguments of
// `winsim world set`. Each creates what it names or, when that exists, changes the fields it
// gives:
//   adapter NAME [index N] [address A] [mask M] [gateway A[,A...]|none] [mac XX-XX-XX-XX-XX-XX]
//                [metric N] [description TEXT]
//   router A [up|down]
//   host NAME [A|none] [port P LOCALPORT|port P none]...
//   vpn NAME [address A] [client A|A-B] [tunnel A] [dial MS] [psk KEY|none] [up|down] [echo on|off]
//   account SERVER USER PASSWORD
//   link HOP DESTINATION [delay MS] [loss PERCENT] [lost|ok]
//   remote-access running|stopped
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "machine/world.h"

namespace platform::net {

struct WorldError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Throws WorldError naming the statement and what is wrong with it; `world` is then unchanged.
void apply_statement(World& world, const std::vector<std::string>& words);

}  // namespace platform::net
