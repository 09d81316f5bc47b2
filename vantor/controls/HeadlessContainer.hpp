#pragma once
#include "vantor/Export.h"
#include "vantor/controls/ControlContainer.hpp"

#include <vector>

namespace vantor {

// A container without a window: a fixed ambient font, and a record of the
// change notices in the order they came.
class VANTOR_API HeadlessContainer : public ControlContainer {
public:
    explicit HeadlessContainer(FontAttributes ambientFont)
        : m_ambientFont(std::move(ambientFont)) {}

    // A fresh object each time, as a container hands out its ambient font.
    std::shared_ptr<FontObject> AmbientFont() const override {
        return std::make_shared<FontObject>(m_ambientFont);
    }
    void PropertyChanged(const std::string& key) override { m_changed.push_back(key); }

    const std::vector<std::string>& Changed() const { return m_changed; }

private:
    FontAttributes m_ambientFont;
    std::vector<std::string> m_changed;
};

} // namespace vantor
