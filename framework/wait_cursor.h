// The thread's wait cursor, shared by CWaitCursor and CCmdTarget's Begin/EndWaitCursor: waits
// nest, and the cursor from before the first comes back when the last ends.
#pragma once

namespace framework {

// 1: a wait begins (the wait cursor shows); -1: one ends; 0: show the wait cursor again while a
// wait lasts (after a message box, say, which sets its own).
void DoWaitCursor(int nCode);

}  // namespace framework
