// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <utility>

namespace kestive {

// A loaded picture as the boxes hand it on: a shared handle to what the window system loaded, which
// the handlers pass along without looking inside. An empty handle stands for no picture (the file
// was missing or unreadable); painting it paints nothing.
class Picture {
public:
    // What the window system keeps of a loaded picture. The side that loads pictures defines it, once
    // in each program: the Qt boxes (src/ui/QtPictureBox.h) and the test stand-ins (tests/app/Fakes.h).
    struct Content;

    Picture() = default;
    explicit Picture(std::shared_ptr<const Content> content) : content_(std::move(content)) {}

    bool empty() const { return !content_; }
    // Null when empty.
    const Content* content() const { return content_.get(); }

private:
    std::shared_ptr<const Content> content_;
};

}  // namespace kestive
