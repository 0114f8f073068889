// The common controls' recording parent on a fresh machine for each test.
#pragma once

#include "conformance/comctl/comctl_fixture.h"
#include "user/desk_fixture.h"

namespace comctl_test {

using ComctlTest = ComctlTestOn<testing_support::DeskTest>;

}  // namespace comctl_test
