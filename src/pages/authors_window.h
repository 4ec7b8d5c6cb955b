#pragma once

#include "shell/handbook_window.h"

namespace vielnis {

// Form4, the authors page: one block of name, posts and addresses per author.
class AuthorsWindow : public HandbookWindow {
    Q_OBJECT
public:
    explicit AuthorsWindow(WindowSet &windows);
};

} // namespace vielnis
