// Feeds arbitrary text to the demo reader. A demo it accepts holds a frame,
// finite states in their places, and writes back to text that reads the same.
#include "demo/DemoFormat.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

std::string written(const Demo& demo) {
    std::string text = DemoFormat::header();
    for (const DemoEvent& event : demo.events) {
        text += event.kind == DemoEvent::Kind::State ? DemoFormat::line(demo.states.at(event.state))
                                                     : DemoFormat::line(event);
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DemoReadResult result = DemoFormat::read(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!result.error.empty()) {
        require(result.demo.events.empty() && result.errorLine >= 0);
        return 0;
    }
    require(result.demo.frames > 0);
    for (const DemoState& state : result.demo.states)
        require(std::isfinite(state.position.x + state.position.y + state.position.z + state.speed));
    const std::string text = written(result.demo);
    DemoReadResult again = DemoFormat::read(text);
    require(again.error.empty() && written(again.demo) == text);
    return 0;
}
