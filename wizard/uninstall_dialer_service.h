// Removes an installed dialer service before the wizard installs it again.
#pragma once

// Runs "tarvolt -d" and returns when it has finished; its output and success are not used.
void UninstallDialerService();
