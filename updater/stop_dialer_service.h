// Stops the dialer service Halvorn before its program is replaced.
#pragma once

// 0 when the service control manager, the service or the stop request fails (a service that is
// not installed or not running needs no stop); otherwise 1 plus the number of successful status
// queries, polled every 500 ms while the service reports it is stopping, at most 120 of them.
int StopDialerService();
