#pragma once

#include "tavrel/notifier.h"

#include <string>

namespace tavrel {

// A label: a caption and whether it is shown.
class LabelModel {
public:
    LabelModel() = default;
    explicit LabelModel(std::string caption, bool visible = true)
        : caption_(std::move(caption))
        , visible_(visible)
    {
    }

    void SetCaption(std::string caption)
    {
        caption_ = std::move(caption);
        changed.notify();
    }

    void SetVisible(bool visible)
    {
        visible_ = visible;
        changed.notify();
    }

    const std::string& Caption() const { return caption_; }
    bool Visible() const { return visible_; }

    Notifier<> changed;

private:
    std::string caption_;
    bool visible_ = true;
};

} // namespace tavrel
