// The life of a connection that starts now: the configured hours below a day, otherwise whole
// days ending at a local midnight, plus up to an hour so that the networks do not redial together.
#pragma once

class RV_TarvoltApp;

// Writes the three lines of the computation at level 2.
unsigned ComputeMaxConnectionLife(RV_TarvoltApp* pApp);
