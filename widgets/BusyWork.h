#pragma once

#include <functional>

namespace glimmet {

// Long work that the window waits for without freezing: `work` runs on a thread of its own while the
// pointer shows the busy cursor and the window goes on painting and answering the platform. The
// user's own input waits until the work is done, so no handler runs in the middle of it. `work` must
// not touch widgets.
class BusyWork {
  public:
    static void Run(const std::function<void()>& work);
};

}  // namespace glimmet
